// The random user plays a script through the real widgets, keys, mouse and
// clipboard; at every `state` the window must show what selbrin-replay prints
// for the same script, and after `copy` the clipboard must hold its results.
// SELBRIN_SEED=N plays seed N; a failure names the seed, step and line.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <sstream>
#include <string>

#include "form/form1.h"
#include "tests/support/invariants.h"
#include "tests/ui/qt/support.h"
#include "tools/randuser/randuser.h"
#include "ui/common/user_edit.h"

namespace selbrin::ui {
namespace {

constexpr std::uint64_t kDefaultSeed = 20261209;
constexpr int kActions = 320;

std::uint64_t Seed() {
  bool ok = false;
  qulonglong seed = qEnvironmentVariable("SELBRIN_SEED").toULongLong(&ok);
  return ok ? seed : kDefaultSeed;
}

// What the runner prints for the script, without its fault lines (the window
// shows those as its message).
QString RunnerOutput(const std::string& script) {
  QProcess runner;
  runner.start(QStringLiteral(SELBRIN_REPLAY), {});
  runner.write(QByteArray::fromStdString(script));
  runner.closeWriteChannel();
  if (!runner.waitForFinished(60000) || runner.exitCode() != 0) return {};
  QString out;
  for (const QString& line : QString::fromUtf8(runner.readAllStandardOutput()).split('\n')) {
    if (!line.startsWith(QLatin1String("error: "))) out += line + '\n';
  }
  return out;
}

// Opens `w`'s context menu and triggers the action that `matches`.
bool ChooseFromMenu(QWidget* w, const std::function<bool(const QAction*)>& matches) {
  bool found = false;
  QTimer::singleShot(0, w, [&found, &matches] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr) return;
    for (QAction* action : menu->actions()) {
      if (found || !matches(action) || !action->isEnabled()) continue;
      found = true;
      action->trigger();
    }
    menu->close();
  });
  QPoint at = w->rect().center();
  QContextMenuEvent event(QContextMenuEvent::Mouse, at, w->mapToGlobal(at));
  QApplication::sendEvent(w, &event);
  return found;
}

class Player {
 public:
  Player(Form1Window& window, QString expected) : window_(window), expected_(std::move(expected)) {}

  // Plays one line; an empty answer when the window agrees with the runner.
  QString Play(const QString& line) {
    QString verb = line.section(' ', 0, 0);
    QString name = line.section(' ', 1, 1);
    if (line.startsWith(QLatin1String("# arrow "))) arrow_ = line.mid(8);
    if (line == QLatin1String("# key Escape")) return Escape();
    if (line.startsWith(QLatin1String("# copy-field "))) return CopyField(line.mid(13));
    if (line.startsWith('#') || line.isEmpty()) return {};
    if (verb == "state") return State();
    if (verb == "copy") return Copy();
    if (verb == "pick") Pick(name, line.section(' ', 2));
    if (verb == "type") Type(name, line.section(' ', 2));
    if (verb == "paste") Paste(name, 0, -1, line.section(' ', 2));
    if (verb == "insert") {
      Paste(name, line.section(' ', 2, 2).toInt(), line.section(' ', 3, 3).toInt(),
            line.section(' ', 4));
    }
    if (verb == "click") Click(name);
    if (verb == "select") Select(line.section(' ', 1, 1).toInt());
    return {};
  }

 private:
  QWidget* Widget(const QString& name) const {
    return window_.widget(*FindControl(name.toStdString()));
  }
  QLineEdit* Field(QWidget* w) const {
    if (auto* combo = qobject_cast<QComboBox*>(w)) return combo->lineEdit();
    return static_cast<QLineEdit*>(w);
  }

  QString Escape() {
    // The form's own focus: on the offscreen platform a closed list keeps the
    // application's focus, where a desktop would give it back to the form.
    QWidget* focus = window_.focusWidget();
    QTest::keyClick(focus != nullptr ? focus : &window_, Qt::Key_Escape);
    QMessageBox* box = window_.faultMessage();
    return box != nullptr && box->isVisible() ? QStringLiteral("Esc left the fault message open")
                                              : QString();
  }

  void Pick(const QString& name, const QString& item) {
    auto* combo = static_cast<QComboBox*>(Widget(name));
    PickFromPopup(combo, combo->findText(item, Qt::MatchExactly));
    (void)QTest::qWaitFor([combo] { return QApplication::activePopupWidget() == nullptr; });
  }

  void Type(const QString& name, const QString& text) {
    QWidget* w = Widget(name);
    w->setFocus();
    QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty()) QTest::keyClick(w, Qt::Key_Delete);
    Keys(w, text);
  }

  // Selects characters from..to (all when `to` is -1) and pastes `text` over them.
  void Paste(const QString& name, int from, int to, const QString& text) {
    QWidget* w = Widget(name);
    QLineEdit* field = Field(w);
    w->setFocus();
    std::string shown = field->text().toStdString();
    auto units = [&shown](int chars) {
      return static_cast<int>(face::Utf16Length(shown, face::CharOffset(shown, chars)));
    };
    if (to < 0) {
      QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
    } else {
      field->setSelection(units(from), units(to) - units(from));
    }
    QApplication::clipboard()->setText(text);
    QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
  }

  void Click(const QString& name) {
    QWidget* w = Widget(name);
    if (auto* box = qobject_cast<QCheckBox*>(w)) return ClickButton(box);
    QTest::mouseClick(w, Qt::LeftButton);
  }

  // Either the arrow key the line before asked for, in the group, or a click.
  void Select(int element) {
    if (arrow_.isEmpty())
      return ClickButton(static_cast<QAbstractButton*>(window_.widget(Option(element))));
    const QStringList names{"Left", "Right", "Up", "Down"};
    const Qt::Key keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down};
    QWidget* stop = nullptr;
    for (int i = 0; i < kProfileCount; ++i) {
      if ((window_.widget(Option(i))->focusPolicy() & Qt::TabFocus) != 0)
        stop = window_.widget(Option(i));
    }
    if (stop == nullptr) return;  // the check of the state line after it says so
    stop->setFocus(Qt::TabFocusReason);
    QTest::keyClick(stop, keys[names.indexOf(arrow_)]);
    arrow_.clear();
  }

  QString Shown(const QString& name) const {
    if (name == QLatin1String("Option1")) {
      for (int i = 0; i < kProfileCount; ++i) {
        if (static_cast<QRadioButton*>(window_.widget(Option(i)))->isChecked())
          return QString::number(i);
      }
      return QStringLiteral("-");
    }
    QWidget* w = Widget(name);
    if (auto* box = qobject_cast<QCheckBox*>(w)) return box->isChecked() ? "1" : "0";
    if (auto* combo = qobject_cast<QComboBox*>(w)) return combo->currentText();
    if (auto* field = qobject_cast<QLineEdit*>(w)) return field->text();
    return static_cast<QLabel*>(w)->text();
  }

  // The runner's next block: NAME=VALUE lines up to an empty line.
  QString State() {
    QString block;
    QString shown;
    while (pos_ < expected_.size()) {
      qsizetype end = expected_.indexOf('\n', pos_);
      QString line = expected_.mid(pos_, end - pos_);
      pos_ = end + 1;
      block += line + '\n';
      if (line.isEmpty()) break;
      QString name = line.section('=', 0, 0);
      shown += name + '=' + Shown(name) + '\n';
    }
    shown += '\n';
    last_state_ = block;
    return block == shown ? QString() : "the window shows\n" + shown + "the runner\n" + block;
  }

  QString Copy() {
    if (!ChooseFromMenu(&window_,
                        [](const QAction* a) { return a->objectName() == "copyResults"; })) {
      return QStringLiteral("no \"Sonuçları kopyala\" on the background menu");
    }
    QString copied = QApplication::clipboard()->text() + '\n';
    QString expected = expected_.mid(pos_, copied.size());
    pos_ += copied.size();
    return copied == expected ? QString() : "copied\n" + copied + "the runner\n" + expected;
  }

  QString CopyField(const QString& name) {
    QApplication::clipboard()->clear();
    ChooseFromMenu(Widget(name), [](const QAction* a) { return a->text() == "Kopyala"; });
    QString value = last_state_.section(name + '=', 1).section('\n', 0, 0);
    QString copied = QApplication::clipboard()->text();
    return copied == value ? QString() : name + " copied " + copied + ", shows " + value;
  }

  Form1Window& window_;
  QString expected_;
  qsizetype pos_ = 0;
  QString last_state_;
  QString arrow_;
};

class RandomUserTest : public WindowTest {
  Q_OBJECT

 private Q_SLOTS:
  // State: a fresh window. Action: a few hundred random actions of the random
  // user's script, through the widgets. Expected: at every state the window
  // shows what the runner prints, and the model keeps the form's rules.
  void theWindowShowsWhatTheRunnerPrintsForTheSameScript() {
    const std::uint64_t seed = Seed();
    const std::string script = randuser::RandomScript(seed, kActions);
    const QString expected = RunnerOutput(script);
    QVERIFY2(!expected.isEmpty(), "selbrin-replay did not play the script");
    Form1 form;
    Form1Window window(form);
    QVERIFY(Shown(window));
    Player player(window, expected);
    std::istringstream lines(script);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
      QString mismatch = player.Play(QString::fromStdString(line));
      for (const std::string& broken : replay::CheckInvariants(form))
        mismatch += QString::fromStdString(broken);
      QVERIFY2(mismatch.isEmpty(), qPrintable(QStringLiteral("SELBRIN_SEED=%1, line %2 \"%3\": %4")
                                                  .arg(seed)
                                                  .arg(number)
                                                  .arg(QString::fromStdString(line), mismatch)));
    }
  }
};

const Register<RandomUserTest> registered;

}  // namespace
}  // namespace selbrin::ui

#include "random_user_test.moc"
