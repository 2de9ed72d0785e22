// The window on a small screen drawn at twice the size: a 1280 x 800 laptop
// screen with QT_SCALE_FACTOR=2, where the form no longer fits. Its own program,
// as the screen and the scale are chosen before the application starts.
#include <QApplication>
#include <QScreen>
#include <QTest>

#include "form/form1.h"
#include "tests/ui/qt/support.h"
#include "ui/qt/form_window.h"

namespace selbrin::ui {
namespace {

constexpr QSize kScreenPixels(1280, 800);

class ScaleTest : public WindowTest {
  Q_OBJECT

 private Q_SLOTS:
  // State: the form is larger than the screen's available area.
  // Action: the window is shown.
  // Expected: its frame, title bar included, starts at the area's top-left
  // corner, so the window can be reached and moved.
  void aFormLargerThanTheScreenStartsAtItsCorner() {
    QScreen* screen = QGuiApplication::primaryScreen();
    QCOMPARE(screen->geometry().size() * screen->devicePixelRatio(), kScreenPixels);
    Form1 form;
    Form1Window window(form);
    QVERIFY(ShownExposed(window));
    QRect area = window.screen()->availableGeometry();
    QRect frame = window.frameGeometry();
    QVERIFY(frame.top() < window.geometry().top());  // the platform draws a title bar
    QVERIFY(frame.width() > area.width() || frame.height() > area.height());
    QCOMPARE(frame.topLeft(), area.topLeft());
  }
};

}  // namespace
}  // namespace selbrin::ui

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" SELBRIN_SCREEN_CONFIG);
  qputenv("QT_SCALE_FACTOR", "2");
  selbrin::ui::QuietenOffscreenPlatform();
  QApplication app(argc, argv);
  selbrin::ui::ScaleTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "scale_test.moc"
