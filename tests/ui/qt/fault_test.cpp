// The message that reports an arithmetic fault.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QTest>

#include "form/form1.h"
#include "tests/ui/qt/support.h"
#include "tests/ui/qt/widget_checks.h"
#include "ui/common/geometry.h"

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
    QVERIFY(Shown(window));
    auto* text2 = Find<QLineEdit>(window, "Text2");
    text2->setFocus();
    QTest::keyClicks(text2, QStringLiteral("0"));
    QMessageBox* message = window.faultMessage();
    QVERIFY(message != nullptr);
    QTRY_VERIFY(message->isVisible());
    QCOMPARE(message->text(), QStringLiteral("Vida Deviri: Sıfıra bölme"));
    // The box is wide enough for its whole title beside the title bar's buttons,
    // and offers no minimise or maximise.
    QVERIFY(message->width() >
            message->fontMetrics().horizontalAdvance(message->windowTitle()) + 64);
    QVERIFY(
        !(message->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
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

  // State: a fault reported while typing in Text2.
  // Action: Esc; then another fault and a keystroke that ends without one.
  // Expected: Turkish title and button, the box beside the form (hiding
  // neither Text2 nor its results), closed by Esc and by the good keystroke,
  // the focus in Text2 throughout.
  void theFaultMessageIsTurkishAndClosesByEscOrTheNextGoodAction() {
    Form1 form(RecordingRouting());
    Form1Window window(form);
    QVERIFY(Shown(window));
    auto* text2 = Find<QLineEdit>(window, "Text2");
    TypeInto(text2, QStringLiteral("0"));
    QMessageBox* message = window.faultMessage();
    QTRY_VERIFY(message->isVisible());
    QCOMPARE(message->windowTitle(), QStringLiteral("Hesap Hatası"));
    QCOMPARE(message->buttons().size(), 1);
    QCOMPARE(message->buttons().value(0)->text(), QStringLiteral("Tamam"));
    // Beside the form where the screen has room, else in its bottom-right corner.
    QRect f = window.frameGeometry();
    QRect a = window.screen()->availableGeometry();
    QRect m = message->frameGeometry();
    face::PixelRect place =
        face::PlaceBeside({f.x(), f.y(), f.width(), f.height()},
                          {a.x(), a.y(), a.width(), a.height()}, m.width(), m.height());
    QCOMPARE(m.topLeft(), QPoint(place.left, place.top));
    for (Ctl c : {Ctl::Text2, Ctl::Label36, Ctl::Combo2, Ctl::Label40}) {
      QWidget* w = window.widget(c);
      QRect shown(w->mapToGlobal(QPoint(0, 0)), w->size());
      QVERIFY(!message->frameGeometry().intersects(shown));
    }
    QTest::keyClick(text2, Qt::Key_Escape);
    QVERIFY(!message->isVisible());
    Keys(text2, QStringLiteral("0"));  // "00" overflows
    QVERIFY(message->isVisible());
    Keys(text2, QStringLiteral("7"));
    QVERIFY(!message->isVisible());
    QCOMPARE(QApplication::focusWidget(), text2);
  }
};

const Register<FaultTest> registered;

}  // namespace
}  // namespace selbrin::ui

#include "fault_test.moc"
