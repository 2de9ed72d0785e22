// Clicks, picks and the keys that stand for them: check boxes, the profile
// option group, the combo boxes' lists and the command buttons.
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <string>
#include <vector>

#include "form/form1.h"
#include "tests/ui/qt/support.h"
#include "tests/ui/qt/widget_checks.h"

namespace selbrin::ui {
namespace {

class ClicksTest : public WindowTest {
  Q_OBJECT

 private Q_SLOTS:
  // State: "SPB" selected, the focus on it after Tab from Text2.
  // Action: the right arrow key, then the left.
  // Expected: each press selects the next button and clicks it, as a mouse click would.
  void arrowKeysInTheOptionGroupSelectAndClick() {
    Form1 form(RecordingRouting());
    Form1Window window(form);
    QVERIFY(Shown(window));
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

  void aPickFromTheListOrByArrowKeysIsAClick() {
    Form1 form(RecordingRouting());
    Form1Window window(form);
    QVERIFY(Shown(window));
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
    QVERIFY(Shown(window));
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

  // State: the focus on a command button.  Action: Enter or keypad Enter.
  // Expected: the button is clicked, as by Space ("Çıkış" ends the program).
  void enterOnAFocusedButtonClicksIt_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
  }

  void enterOnAFocusedButtonClicksIt() {
    QFETCH(int, key);
    Form1 form(RecordingRouting());
    Form1Window window(form);
    QVERIFY(Shown(window));
    window.widget(Ctl::Command3)->setFocus();
    QTest::keyClick(window.widget(Ctl::Command3), static_cast<Qt::Key>(key));
    QVERIFY(form.ended());
  }

  // State: "SPB" (the seventh of eight) selected and focused.
  // Action: Down, Down, Up, Up.  Expected: 7, around to 0, back to 7 and 6,
  // each a click.
  void upAndDownMoveTheProfileAroundTheEnds() {
    Form1 form(RecordingRouting());
    Form1Window window(form);
    QVERIFY(Shown(window));
    QTest::keyClick(window.widget(Ctl::Text2), Qt::Key_Tab);
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Up}) {
      QTest::keyClick(QApplication::focusWidget(), key);
    }
    const std::vector<std::string> expected{"Option1_Click 7", "Option1_Click 0", "Option1_Click 7",
                                            "Option1_Click 6"};
    QCOMPARE(g_log, expected);
    QCOMPARE(QApplication::focusWidget(), window.widget(Option(6)));
  }

  // State: text typed into Combo1's field.  Action: the list opened by Alt+Down.
  // Expected: the item equal to the text is highlighted, or none.
  void openingAListAfterTypingHighlightsTheTypedItemOrNone() {
    Form1 form(RecordingRouting());
    Form1Window window(form);
    QVERIFY(Shown(window));
    auto* combo1 = Find<QComboBox>(window, "Combo1");
    PickFromPopup(combo1, 0);
    QTRY_VERIFY(!combo1->view()->isVisible());
    const struct {
      const char* typed;
      int highlighted;
    } rows[] = {{"30", kPower30kW}, {"31", -1}};
    for (const auto& row : rows) {
      TypeInto(combo1, QString::fromLatin1(row.typed));
      QTest::keyClick(combo1, Qt::Key_Down, Qt::AltModifier);
      QTRY_VERIFY(combo1->view()->isVisible());
      QCOMPARE(combo1->view()->currentIndex().row(), row.highlighted);
      combo1->hidePopup();
      QCOMPARE(combo1->currentText(), QString::fromLatin1(row.typed));
    }
    QCOMPARE(g_log.size(), std::size_t{1});  // only the first pick
  }
};

const Register<ClicksTest> registered;

}  // namespace
}  // namespace selbrin::ui

#include "clicks_test.moc"
