// The window driven through its real widgets: keystrokes, mouse clicks and the
// combo boxes' own popups, on the offscreen platform. What the window shows is
// compared with the form model, which is the one source of truth.
#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyleOptionButton>
#include <QTest>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "form/form1.h"
#include "runtime/fault.h"
#include "tests/ui/qt/widget_checks.h"
#include "tools/replay/invariants.h"
#include "ui/qt/form_window.h"

namespace selbrin::ui {
namespace {

// Positions in the start-up lists.
constexpr int kPower30kW = 5;   // Combo1 "30"
constexpr int kPulley160 = 7;   // Combo2 / Combo3 "160"
constexpr int kPulley224 = 13;  // "224"

// A routing whose handlers record what ran; Text2_Change also writes other
// controls and faults on chosen texts, so the tests see chains and faults.
std::vector<std::string> g_log;

EventRouting RecordingRouting() {
  EventRouting r;
  r.Form_Load = Form_Load;
  r.Command3_Click = Command3_Click;
  r.Combo1_Click = [](Form1& f) { g_log.push_back("Combo1_Click " + f.Text(Ctl::Combo1)); };
  r.chkC2_Click = [](Form1& f) {
    g_log.push_back("chkC2_Click " + std::to_string(f.Value(Ctl::chkC2)));
  };
  r.Option1_Click = [](Form1& f, int index) {
    g_log.push_back("Option1_Click " + std::to_string(index));
    if (index == 3) {
      for (int i = 0; i < 8; ++i) f.ClearOption(i);  // leaves no profile selected
    }
  };
  r.Text2_Change = [](Form1& f) {
    const std::string& t = f.Text(Ctl::Text2);
    g_log.push_back("Text2_Change " + t);
    f.SetCaption(Ctl::Label36, "<" + t + ">");
    f.SetText(Ctl::Combo2, t + "0");
    if (t == "0") Raise(FaultKind::DivisionByZero);
    if (t == "00") Raise(FaultKind::Overflow);
    f.SetCaption(Ctl::Label40, t);  // not reached after a fault
  };
  return r;
}

template <typename W>
W* Find(const Form1Window& window, const char* name) {
  W* w = window.findChild<W*>(QString::fromLatin1(name));
  if (w == nullptr) qFatal("no widget named %s", name);
  return w;
}

// A point on a check box's or option button's clickable part.
QPoint ClickPoint(QAbstractButton* button) {
  QStyleOptionButton opt;
  opt.initFrom(button);
  QStyle::SubElement e = qobject_cast<QCheckBox*>(button) != nullptr
                             ? QStyle::SE_CheckBoxClickRect
                             : QStyle::SE_RadioButtonClickRect;
  return button->style()->subElementRect(e, &opt, button).center();
}

void ClickButton(QAbstractButton* button) {
  QTest::mouseClick(button, Qt::LeftButton, {}, ClickPoint(button));
}

// Opens the combo box's list and clicks item `item` in it, as a user does.
void PickFromPopup(QComboBox* combo, int item) {
  combo->showPopup();
  QAbstractItemView* view = combo->view();
  QModelIndex index = view->model()->index(item, 0);
  view->scrollTo(index);
  QVERIFY(QTest::qWaitForWindowExposed(view->window()));
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
}

// Types each character as one keystroke; unlike QTest::keyClicks, also
// characters beyond Latin-1 ("ş") and beyond 16 bits (an emoji).
void Keys(QWidget* field, const QString& keys) {
  for (char32_t ch : keys.toUcs4()) {
    QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString::fromUcs4(&ch, 1), {});
  }
}

// Replaces the whole text of a field by typing: select all, then the keys.
void TypeInto(QWidget* field, const QString& keys) {
  field->setFocus();
  QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
  Keys(field, keys);
}

class FormWindowTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init() { g_log.clear(); }

  void opensAsTheFormDescribesIt() {
    Form1 form;
    Form1Window window(form);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    QCOMPARE(window.windowTitle(), QStringLiteral(" Selbrin"));
    QCOMPARE(window.minimumSize(), window.maximumSize());  // the user cannot resize it
    QVERIFY(!(window.windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(window.windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!window.windowIcon().isNull());
    QPoint centre = window.screen()->availableGeometry().center();
    // Centred, give or take the window frame, which is not known before showing.
    QVERIFY((window.geometry().center() - centre).manhattanLength() <= 8);
    QCOMPARE(QApplication::focusWidget(), window.widget(Ctl::Text2));
    QCOMPARE(MismatchWithModel(window, form), QString());

    QCOMPARE(Find<QLabel>(window, "Label16")->toolTip(), QStringLiteral("ContiTech"));
    QCOMPARE(Find<QLabel>(window, "Label41")->toolTip(), QStringLiteral("En çok 50 m/sn"));
    QCOMPARE(Find<QComboBox>(window, "Combo1")->count(), 14);
    QCOMPARE(Find<QComboBox>(window, "Combo1")->itemText(0), QStringLiteral("7.5"));
    QCOMPARE(Find<QComboBox>(window, "Combo3")->itemText(26), QStringLiteral("500"));
    QVERIFY(Find<QCheckBox>(window, "chkC2")->isChecked());
    QVERIFY(Find<QRadioButton>(window, "Option1_6")->isChecked());
  }

  // A screen reader hears each input and display by its caption and unit, and
  // a display's value as the text it shows.
  void fieldsAreNamedForScreenReaders() {
    Form1 form(RecordingRouting());
    Form1Window window(form);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    form.SetCaption(Ctl::Label31, "2940");
    QAccessibleInterface* display =
        QAccessible::queryAccessibleInterface(window.widget(Ctl::Label31));
    QCOMPARE(display->text(QAccessible::Name), QStringLiteral("Motor Deviri (d/dk)"));
    QCOMPARE(display->text(QAccessible::Value), QStringLiteral("2940"));
    QVERIFY(display->state().readOnly);
    QCOMPARE(
        QAccessible::queryAccessibleInterface(window.widget(Ctl::Text2))->text(QAccessible::Name),
        QStringLiteral("Vida Deviri (d/dk)"));
    QCOMPARE(
        QAccessible::queryAccessibleInterface(window.widget(Ctl::Combo1))->text(QAccessible::Name),
        QStringLiteral("Motor Gücü (kW)"));
    QCOMPARE(
        QAccessible::queryAccessibleInterface(window.widget(Ctl::Label36))->text(QAccessible::Name),
        QStringLiteral("Devir Oranı (i)"));
  }

  void tabGoesThroughTheFocusableControlsInTableOrder() {
    Form1 form;
    Form1Window window(form);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    // The option group is one stop, on its selected button ("SPB" at start).
    const QStringList expected{"Text2",    "Option1_6", "Text9",  "chkKompakt", "Text5",
                               "Text10",   "Text11",    "Text12", "Text13",     "Command1",
                               "Command3", "chk4kutup", "Combo1", "Combo2",     "Combo3",
                               "chkC2",    "Text2"};
    QStringList seen;
    QWidget* w = window.widget(Ctl::Text2);
    for (int i = 0; i < expected.size(); ++i) {
      seen << w->objectName();
      do {
        w = w->nextInFocusChain();
      } while (w->objectName().isEmpty() || !(w->focusPolicy() & Qt::TabFocus));
    }
    QCOMPARE(seen, expected);
  }

  // Every caption and list item fits its control whole, at the uniform scale,
  // and the controls keep the table's proportions.
  void noCaptionIsClipped() {
    Form1 form;
    Form1Window window(form);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QStringList clipped = ClippedTexts(window);
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral("; "))));
    QVERIFY(window.scale() >= 1.0);
    for (std::size_t i = 0; i < kControls.size(); ++i) {
      const Twips& g = kControls[i].geometry;
      QRect r = window.widget(static_cast<Ctl>(i))->geometry();
      QVERIFY(std::abs(r.left() - g.left * window.scale() / 15) <= 1);
      QVERIFY(std::abs(r.width() - g.width * window.scale() / 15) <= 1.5);
    }
    QVERIFY(std::abs(window.width() - 7125 * window.scale() / 15) <= 1);
  }

  void typingIntoText2RunsItsChangeAtEveryKeystroke() {
    Form1 form(RecordingRouting());
    Form1Window window(form);
    TypeInto(window.widget(Ctl::Text2), QStringLiteral("3000"));
    const std::vector<std::string> expected{"Text2_Change 3", "Text2_Change 30", "Text2_Change 300",
                                            "Text2_Change 3000"};
    QCOMPARE(g_log, expected);
    QCOMPARE(Find<QLabel>(window, "Label36")->text(), QStringLiteral("<3000>"));
    QCOMPARE(Find<QComboBox>(window, "Combo2")->currentText(), QStringLiteral("30000"));
    QCOMPARE(MismatchWithModel(window, form), QString());
  }

  void text2RefusesASixthCharacter() {
    Form1 form(RecordingRouting());
    Form1Window window(form);
    auto* text2 = Find<QLineEdit>(window, "Text2");
    TypeInto(text2, QStringLiteral("123456"));
    QCOMPARE(text2->text(), QStringLiteral("12345"));
    QCOMPARE(form.Text(Ctl::Text2), std::string("12345"));
    QCOMPARE(g_log.size(), std::size_t{5});

    // A paste over the whole text keeps its first five characters, in one edit.
    QApplication::clipboard()->setText(QStringLiteral("9876543"));
    QTest::keyClick(text2, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(text2, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(text2->text(), QStringLiteral("98765"));
    QCOMPARE(g_log.back(), std::string("Text2_Change 98765"));
    QCOMPARE(g_log.size(), std::size_t{6});
  }

  // The limit counts characters, as the model does, wherever the keystroke or
  // paste lands; what does not fit is cut from the inserted text only.
  void text2LimitCountsCharactersWhereverTheEditLands_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("paste");
    QTest::addColumn<QString>("expected");
    const QString smile = QString::fromUcs4(U"\U0001F600");
    QTest::newRow("three emoji typed stay three")
        << "" << 0 << smile + smile + smile << "" << smile + smile + smile;
    QTest::newRow("a key in the middle of five is refused") << "12345" << 2 << "9"
                                                            << ""
                                                            << "12345";
    QTest::newRow("a paste in the middle keeps what fits") << "123" << 1 << ""
                                                           << "abcd"
                                                           << "1ab23";
    QTest::newRow("a long paste of two-byte letters") << "" << 0 << ""
                                                      << "ğğğğğğğ"
                                                      << "ğğğğğ";
    QTest::newRow("an emoji pasted into the last place stays whole")
        << "1234" << 4 << "" << smile + smile << "1234" + smile;
  }

  void text2LimitCountsCharactersWhereverTheEditLands() {
    QFETCH(QString, start);
    QFETCH(int, cursor);
    QFETCH(QString, keys);
    QFETCH(QString, paste);
    QFETCH(QString, expected);
    // State: Text2 holds `start`, the cursor at `cursor`.
    Form1 form(RecordingRouting());
    Form1Window window(form);
    auto* text2 = Find<QLineEdit>(window, "Text2");
    form.SetText(Ctl::Text2, start.toStdString());
    text2->setFocus();
    text2->setCursorPosition(cursor);
    // Action: the keys are typed, or the text pasted, at the cursor.
    Keys(text2, keys);
    if (!paste.isEmpty()) {
      QApplication::clipboard()->setText(paste);
      QTest::keyClick(text2, Qt::Key_V, Qt::ControlModifier);
    }
    // Expected: the widget and the model hold the same, whole characters.
    QCOMPARE(text2->text(), expected);
    QCOMPARE(form.Text(Ctl::Text2), expected.toStdString());
  }

  // State: "SPB" selected, the focus on it after Tab from Text2.
  // Action: the right arrow key, then the left.
  // Expected: each press selects the next button and clicks it, as a mouse click would.
  void arrowKeysInTheOptionGroupSelectAndClick() {
    Form1 form(RecordingRouting());
    Form1Window window(form);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(window.widget(Ctl::Text2), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), window.widget(Option(6)));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QVERIFY(form.OptionValue(7));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    QVERIFY(form.OptionValue(5));
    const std::vector<std::string> expected{"Option1_Click 7", "Option1_Click 6",
                                            "Option1_Click 5"};
    QCOMPARE(g_log, expected);
    QCOMPARE(QApplication::focusWidget(), window.widget(Option(5)));
    QVERIFY(window.widget(Option(5))->focusPolicy() & Qt::TabFocus);
    QVERIFY(!(window.widget(Option(6))->focusPolicy() & Qt::TabFocus));
    QCOMPARE(MismatchWithModel(window, form), QString());
  }

  // State: the user is typing in Text2.  Action: a click on a result.
  // Expected: the focus stays in Text2, and the result can still be selected.
  void clickingAResultLeavesTheFocusWhereItWas() {
    Form1 form;
    Form1Window window(form);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.widget(Ctl::Text2)->setFocus();
    QTest::mouseClick(window.widget(Ctl::Label36), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), window.widget(Ctl::Text2));
    QVERIFY(Find<QLabel>(window, "Label36")->textInteractionFlags() & Qt::TextSelectableByMouse);
  }

  // Typing into a combo box's field changes its text and runs nothing, and
  // Enter does not turn the typed text into a pick.
  void typingAndEnterInAComboRaiseNothing() {
    Form1 form(RecordingRouting());
    Form1Window window(form);
    auto* combo1 = Find<QComboBox>(window, "Combo1");
    TypeInto(combo1, QStringLiteral("30"));
    QTest::keyClick(combo1, Qt::Key_Return);
    QTest::keyClick(combo1, Qt::Key_Enter);
    QVERIFY(g_log.empty());
    QCOMPARE(form.Text(Ctl::Combo1), std::string("30"));
    QCOMPARE(combo1->count(), 14);  // nothing was added to the list
    QCOMPARE(MismatchWithModel(window, form), QString());
  }

  void aPickFromTheListOrByArrowKeysIsAClick() {
    Form1 form(RecordingRouting());
    Form1Window window(form);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto* combo1 = Find<QComboBox>(window, "Combo1");
    PickFromPopup(combo1, kPower30kW);
    QTRY_VERIFY(!combo1->view()->isVisible());
    PickFromPopup(combo1, kPower30kW);  // the same item again
    QTRY_VERIFY(!combo1->view()->isVisible());
    combo1->setFocus();
    QTest::keyClick(combo1, Qt::Key_Down);
    const std::vector<std::string> expected{"Combo1_Click 30", "Combo1_Click 30",
                                            "Combo1_Click 37"};
    QCOMPARE(g_log, expected);
    QCOMPARE(combo1->currentText(), QStringLiteral("37"));
  }

  // The real handlers: the motor catalogue answers a pick of 30 kW.
  void pickingThirtyInCombo1ShowsTheMotorSpeed() {
    Form1 form;
    Form1Window window(form);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    PickFromPopup(Find<QComboBox>(window, "Combo1"), kPower30kW);
    QTRY_COMPARE(Find<QLabel>(window, "Label31")->text(), QStringLiteral("2940"));
    QCOMPARE(Find<QLabel>(window, "Label32")->text(), QStringLiteral("55"));
    QCOMPARE(MismatchWithModel(window, form), QString());
  }

  void checkBoxesToggleAndOptionButtonsSelect() {
    Form1 form(RecordingRouting());
    Form1Window window(form);
    auto* chkC2 = Find<QCheckBox>(window, "chkC2");
    ClickButton(chkC2);
    ClickButton(chkC2);
    ClickButton(Find<QRadioButton>(window, "Option1_6"));  // already selected: clicks again
    ClickButton(Find<QRadioButton>(window, "Option1_0"));
    const std::vector<std::string> expected{"chkC2_Click 0", "chkC2_Click 1", "Option1_Click 6",
                                            "Option1_Click 0"};
    QCOMPARE(g_log, expected);
    QVERIFY(chkC2->isChecked());
    QVERIFY(Find<QRadioButton>(window, "Option1_0")->isChecked());
    QVERIFY(!Find<QRadioButton>(window, "Option1_6")->isChecked());
    QCOMPARE(MismatchWithModel(window, form), QString());
  }

  void aStateWithNoProfileSelectedShowsEightClearedButtons() {
    Form1 form(RecordingRouting());
    Form1Window window(form);
    ClickButton(Find<QRadioButton>(window, "Option1_3"));  // its handler clears them all
    for (int i = 0; i < 8; ++i) {
      QVERIFY(!window.widget(Option(i))->property("checked").toBool());
    }
    ClickButton(Find<QRadioButton>(window, "Option1_5"));  // and one can be selected again
    QVERIFY(Find<QRadioButton>(window, "Option1_5")->isChecked());
    QCOMPARE(MismatchWithModel(window, form), QString());
  }

  // A fault names its kind in one message window that leaves the keyboard with
  // the field being typed in; a later fault reuses the window.
  void aFaultIsReportedWithoutTakingTheFocus() {
    Form1 form(RecordingRouting());
    Form1Window window(form);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto* text2 = Find<QLineEdit>(window, "Text2");
    text2->setFocus();
    QTest::keyClicks(text2, QStringLiteral("0"));
    QMessageBox* message = window.faultMessage();
    QVERIFY(message != nullptr);
    QTRY_VERIFY(message->isVisible());
    QCOMPARE(message->text(), QStringLiteral("Vida Deviri: Sıfıra bölme"));
    QCOMPARE(QApplication::focusWidget(), text2);
    QCOMPARE(QApplication::activeWindow(), &window);
    // Writes before the fault are kept; the step after it did not run.
    QCOMPARE(Find<QLabel>(window, "Label36")->text(), QStringLiteral("<0>"));
    QCOMPARE(Find<QLabel>(window, "Label40")->text(), QString());

    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("0"));
    QCOMPARE(window.faultMessage(), message);
    QCOMPARE(message->text(), QStringLiteral("Vida Deviri: Taşma"));
    QCOMPARE(window.findChildren<QMessageBox*>().size(), 1);

    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("7"));  // still usable
    QCOMPARE(Find<QLabel>(window, "Label40")->text(), QStringLiteral("007"));
    QCOMPARE(MismatchWithModel(window, form), QString());
  }

  void exitEndsTheProgram() {
    Form1 form;
    Form1Window window(form);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(Find<QPushButton>(window, "Command3"), Qt::LeftButton);
    QVERIFY(form.ended());
    QVERIFY(!window.isVisible());
  }

  // A program write longer than the typing limit still shows whole.
  void theTypingLimitDoesNotCutProgramWrites() {
    Form1 form;
    Form1Window window(form);
    form.SetText(Ctl::Text2, "1234567");
    QCOMPARE(Find<QLineEdit>(window, "Text2")->text(), QStringLiteral("1234567"));
  }

  // A few hundred random actions through the widgets, with the real handlers;
  // after each one every widget must show what the model holds, and the model
  // must keep the form's rules (the same checker the session fuzzer uses).
  void randomActionsKeepTheWindowEqualToTheModel() {
    Form1 form;
    Form1Window window(form);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    std::mt19937 random(20240607);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    const std::vector<Ctl> fields{Ctl::Text2,  Ctl::Text5,  Ctl::Text9,  Ctl::Text10, Ctl::Text11,
                                  Ctl::Text12, Ctl::Text13, Ctl::Combo1, Ctl::Combo2, Ctl::Combo3};
    const std::vector<Ctl> combos{Ctl::Combo1, Ctl::Combo2, Ctl::Combo3};
    const std::vector<Ctl> buttons{Ctl::chkKompakt, Ctl::chk4kutup, Ctl::chkC2, Ctl::Command1};
    const QString keys = QStringLiteral("0123456789012345.,-e ş");
    for (int step = 0; step < 400; ++step) {
      QString action;
      switch (pick(8)) {
        case 0:
        case 1: {  // type a few keys into a field, over its whole text or after it
          QWidget* field = window.widget(fields[static_cast<std::size_t>(pick(10))]);
          QString typed;
          for (int n = pick(6); n >= 0; --n) typed += keys[pick(static_cast<int>(keys.size()))];
          field->setFocus();
          if (pick(2) == 0) QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
          Keys(field, typed);
          action = "type " + typed + " into " + field->objectName();
          break;
        }
        case 2: {
          QWidget* field = window.widget(fields[static_cast<std::size_t>(pick(10))]);
          field->setFocus();
          QTest::keyClick(field, Qt::Key_Backspace);
          action = "backspace in " + field->objectName();
          break;
        }
        case 3: {
          auto* combo =
              static_cast<QComboBox*>(window.widget(combos[static_cast<std::size_t>(pick(3))]));
          int item = pick(combo->count());
          PickFromPopup(combo, item);
          QTRY_VERIFY(!combo->view()->isVisible());
          action = QStringLiteral("pick %1 in %2").arg(item).arg(combo->objectName());
          break;
        }
        case 4: {
          auto* combo =
              static_cast<QComboBox*>(window.widget(combos[static_cast<std::size_t>(pick(3))]));
          combo->setFocus();
          Qt::Key key = pick(3) == 0 ? Qt::Key_Return : pick(2) == 0 ? Qt::Key_Up : Qt::Key_Down;
          QTest::keyClick(combo, key);
          action = QStringLiteral("key %1 in %2").arg(key).arg(combo->objectName());
          break;
        }
        case 5: {
          auto* button = static_cast<QAbstractButton*>(window.widget(Option(pick(8))));
          ClickButton(button);
          action = "click " + button->objectName();
          break;
        }
        default: {
          auto* button = static_cast<QAbstractButton*>(
              window.widget(buttons[static_cast<std::size_t>(pick(4))]));
          if (qobject_cast<QCheckBox*>(button) != nullptr) {
            ClickButton(button);
          } else {
            QTest::mouseClick(button, Qt::LeftButton);
          }
          action = "click " + button->objectName();
          break;
        }
      }
      QString mismatch = MismatchWithModel(window, form);
      QVERIFY2(mismatch.isEmpty(),
               qPrintable(QStringLiteral("step %1, %2: %3").arg(step).arg(action, mismatch)));
      for (const std::string& broken : replay::CheckInvariants(form)) {
        QFAIL(qPrintable(QStringLiteral("step %1, %2: %3")
                             .arg(step)
                             .arg(action, QString::fromStdString(broken))));
      }
      QCOMPARE(QApplication::activeWindow(), &window);
    }
  }

  // The calculation of the README's screenshot: nothing clipped, every number
  // with a period whatever the desktop's locale, and the picture saved.
  void aTypicalCalculationShowsWholeAndIsSaved() {
    Form1 form;
    Form1Window window(form);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    // A 30 kW motor, 3000 rpm wanted, a 45 mm screw shaft and four belts; then a
    // 160 mm screw pulley and a 224 mm motor pulley, 600 mm between the shafts.
    PickFromPopup(Find<QComboBox>(window, "Combo1"), kPower30kW);
    TypeInto(window.widget(Ctl::Text2), QStringLiteral("3000"));
    TypeInto(window.widget(Ctl::Text9), QStringLiteral("45"));
    TypeInto(window.widget(Ctl::Text5), QStringLiteral("4"));
    PickFromPopup(Find<QComboBox>(window, "Combo3"), kPulley160);
    PickFromPopup(Find<QComboBox>(window, "Combo2"), kPulley224);
    TypeInto(window.widget(Ctl::Text10), QStringLiteral("600"));
    QTest::mouseClick(Find<QPushButton>(window, "Command1"), Qt::LeftButton);
    QTRY_VERIFY(!Find<QComboBox>(window, "Combo2")->view()->isVisible());

    QCOMPARE(MismatchWithModel(window, form), QString());
    QCOMPARE(Find<QLabel>(window, "Label31")->text(), QStringLiteral("2940"));
    QCOMPARE(Find<QLabel>(window, "Label36")->text(), QStringLiteral("1.40"));
    QCOMPARE(Find<QLineEdit>(window, "Text2")->text(), QStringLiteral("4116"));
    QVERIFY(!Find<QLineEdit>(window, "Text13")->text().isEmpty());
    for (std::size_t i = 0; i < kControls.size(); ++i) {
      Kind kind = kControls[i].kind;
      if (kind != Kind::Display && kind != Kind::TextBox && kind != Kind::ComboBox) continue;
      QString shown = ShownText(window.widget(static_cast<Ctl>(i)));
      QVERIFY2(!shown.contains(QLatin1Char(',')), qPrintable(shown));
    }
    QStringList clipped = ClippedTexts(window);
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral("; "))));

    QImage image = window.grab().toImage();
    QVERIFY(!image.isNull());
    QVERIFY(image.save(QStringLiteral(SELBRIN_SCREENSHOT)));
  }
};

}  // namespace
}  // namespace selbrin::ui

QTEST_MAIN(selbrin::ui::FormWindowTest)
#include "form_window_test.moc"
