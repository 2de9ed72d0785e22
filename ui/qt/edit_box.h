// The line edit of every text box and combo field. It changes no text itself:
// each change the user asks for (a key, a paste or cut by key or menu, a
// delete, a drop, an input method's commit) goes to the window as the edit the
// user made, the selection and what replaces it, and the window writes back
// what the model keeps. Changes it does not know (a word deleted, an undo)
// still arrive as QLineEdit::textEdited with the whole text.
#pragma once

#include <QLineEdit>
#include <functional>

#include "ui/common/user_edit.h"

namespace selbrin::ui {

class EditBox : public QLineEdit {
  Q_OBJECT

 public:
  using Handler = std::function<void(const face::UserEdit&)>;
  explicit EditBox(QWidget* parent) : QLineEdit(parent) {}
  void SetHandler(Handler handler) { handler_ = std::move(handler); }

  // The selected part replaced by `text`, or `text` put in at the cursor.
  void Replace(const QString& text);
  void PasteClipboard();
  void CutSelection();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void Deliver(qsizetype start, qsizetype end, const QString& inserted);
  // Backspace or Delete: the selection, else the character before or after the cursor.
  void DeleteAtCursor(bool forward);

  Handler handler_;
};

}  // namespace selbrin::ui
