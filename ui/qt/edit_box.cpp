#include "ui/qt/edit_box.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <functional>
#include <string_view>

namespace selbrin::ui {
namespace {

// A key that types its text, as QLineEdit tells it: printable text without
// Ctrl or Meta (Ctrl+Alt is AltGr on some keyboards).
bool TypesText(const QKeyEvent& key) {
  const QString text = key.text();
  if (text.isEmpty() || (!text.at(0).isPrint() && !text.at(0).isHighSurrogate())) return false;
  Qt::KeyboardModifiers mods = key.modifiers();
  bool alt_gr = (mods & Qt::ControlModifier) && (mods & Qt::AltModifier);
  return alt_gr || !(mods & (Qt::ControlModifier | Qt::MetaModifier));
}

}  // namespace

void EditBox::Deliver(qsizetype start, qsizetype end, const QString& inserted) {
  if (handler_ == nullptr || isReadOnly()) return;
  handler_(
      {static_cast<std::size_t>(start), static_cast<std::size_t>(end), inserted.toStdString()});
}

void EditBox::Replace(const QString& text) {
  if (hasSelectedText()) {
    Deliver(selectionStart(), selectionEnd(), text);
  } else {
    Deliver(cursorPosition(), cursorPosition(), text);
  }
}

void EditBox::PasteClipboard() {
  QString clip = QApplication::clipboard()->text();
  if (!clip.isEmpty() || hasSelectedText()) Replace(clip);
}

void EditBox::CutSelection() {
  if (!hasSelectedText()) return;
  QApplication::clipboard()->setText(selectedText());
  Replace(QString());
}

void EditBox::DeleteAtCursor(bool forward) {
  const QString t = text();
  std::u16string_view units(reinterpret_cast<const char16_t*>(t.utf16()),
                            static_cast<std::size_t>(t.size()));
  qsizetype start = hasSelectedText() ? selectionStart() : cursorPosition();
  qsizetype end = hasSelectedText() ? selectionEnd() : cursorPosition();
  face::Span span = face::DeletedSpan(units, static_cast<std::size_t>(start),
                                      static_cast<std::size_t>(end), forward);
  if (span.start != span.end) {
    Deliver(static_cast<qsizetype>(span.start), static_cast<qsizetype>(span.end), QString());
  }
}

void EditBox::keyPressEvent(QKeyEvent* event) {
  bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  if (event->matches(QKeySequence::Paste)) {
    PasteClipboard();
  } else if (event->matches(QKeySequence::Cut)) {
    CutSelection();
  } else if (plain && event->key() == Qt::Key_Backspace) {
    DeleteAtCursor(false);
  } else if (plain && event->key() == Qt::Key_Delete) {
    DeleteAtCursor(true);
  } else if (TypesText(*event)) {
    Replace(event->text());
  } else {
    QLineEdit::keyPressEvent(event);
    return;
  }
  event->accept();
}

// The committed text is the user's edit; a composition still in progress is
// the input method's to draw.
void EditBox::inputMethodEvent(QInputMethodEvent* event) {
  if (event->commitString().isEmpty()) {
    QLineEdit::inputMethodEvent(event);
    return;
  }
  Replace(event->commitString());
  QInputMethodEvent rest(event->preeditString(), event->attributes());
  QLineEdit::inputMethodEvent(&rest);
}

void EditBox::dropEvent(QDropEvent* event) {
  if (!event->mimeData()->hasText()) return;
  qsizetype at = cursorPositionAt(event->position().toPoint());
  Deliver(at, at, event->mimeData()->text());
  event->acceptProposedAction();
}

// The box's menu, whose paste, cut and delete make edits like the keys. It has
// no undo: every edit is written back from the model, which leaves none.
void EditBox::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  auto add = [&](const char* name, const char* text, QKeySequence::StandardKey key, bool on,
                 const std::function<void()>& run) {
    QString caption = QCoreApplication::translate("QLineEdit", text);
    if (key != QKeySequence::UnknownKey) {
      caption += QLatin1Char('\t') + QKeySequence(key).toString(QKeySequence::NativeText);
    }
    QAction* action = menu.addAction(caption, this, run);
    action->setObjectName(QString::fromLatin1(name));
    action->setEnabled(on);
  };
  const bool editable = !isReadOnly();
  const bool selected = hasSelectedText();
  add("edit-cut", "Cu&t", QKeySequence::Cut, editable && selected, [this] { CutSelection(); });
  add("edit-copy", "&Copy", QKeySequence::Copy, selected, [this] { copy(); });
  add("edit-paste", "&Paste", QKeySequence::Paste,
      editable && !QApplication::clipboard()->text().isEmpty(), [this] { PasteClipboard(); });
  add("edit-delete", "Delete", QKeySequence::UnknownKey, editable && selected,
      [this] { Replace({}); });
  menu.addSeparator();
  add("select-all", "Select All", QKeySequence::SelectAll, !text().isEmpty(),
      [this] { selectAll(); });
  menu.exec(event->globalPos());
}

}  // namespace selbrin::ui
