// The display fields: read, selected, copied and heard by a screen reader.
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
#include <QTest>
#include <random>
#include <string>
#include <vector>

#include "form/form1.h"
#include "tests/ui/qt/support.h"
#include "tests/ui/qt/widget_checks.h"
#include "tools/replay/invariants.h"

namespace selbrin::ui {
namespace {

class ResultsTest : public WindowTest {
  Q_OBJECT

 private Q_SLOTS:
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
};

const Register<ResultsTest> registered;

}  // namespace
}  // namespace selbrin::ui

#include "results_test.moc"
