// The message that reports an arithmetic fault.
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

class FaultTest : public WindowTest {
  Q_OBJECT

 private Q_SLOTS:
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
};

const Register<FaultTest> registered;

}  // namespace
}  // namespace selbrin::ui

#include "fault_test.moc"
