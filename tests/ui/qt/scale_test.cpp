// The window on a small screen drawn larger: a 1280 x 800 laptop screen with
// QT_SCALE_FACTOR at 2 (the form does not fit at the default font) or at the
// scale the test is registered with. Its own program, as the screen and the
// scale are chosen before the application starts.
#include <QApplication>
#include <QImage>
#include <QScreen>
#include <QTest>
#include <cmath>

#include "form/form1.h"
#include "tests/ui/qt/support.h"
#include "tests/ui/qt/widget_checks.h"
#include "ui/common/geometry.h"
#include "ui/qt/display_field.h"
#include "ui/qt/form_style.h"
#include "ui/qt/form_window.h"

namespace selbrin::ui {
namespace {

constexpr QSize kScreenPixels(1280, 800);
// How far two colours may differ and still count as one, per channel.
constexpr int kSameColour = 12;

bool Near(const QColor& a, const QColor& b) {
  return std::abs(a.red() - b.red()) <= kSameColour &&
         std::abs(a.green() - b.green()) <= kSameColour &&
         std::abs(a.blue() - b.blue()) <= kSameColour;
}

// The device pixels across the left edge of `w`'s middle row, in `image` of
// the window, that differ from the window's background.
QList<QColor> LeftEdge(const QImage& image, const QWidget* w, const QColor& background) {
  const double dpr = image.devicePixelRatio();
  const int y = static_cast<int>((w->y() + w->height() / 2) * dpr);
  const int x0 = static_cast<int>(w->x() * dpr) - 1;
  QList<QColor> edge;
  for (int x = x0; x < x0 + static_cast<int>(4 * dpr); ++x) {
    QColor c = image.pixelColor(x, y);
    if (!Near(c, background)) edge.append(c);
  }
  return edge;
}

class ScaleTest : public WindowTest {
  Q_OBJECT

 private Q_SLOTS:
  // State: at the default font the form is larger than the available area.
  // Action: the window is shown.
  // Expected: a smaller font, not below the smallest, lets the frame, title
  // bar included, fit in the area, and every text is still whole.
  void theWindowFitsTheScreenWithEveryTextWhole() {
    QScreen* screen = QGuiApplication::primaryScreen();
    QCOMPARE(screen->geometry().size() * screen->devicePixelRatio(), kScreenPixels);
    Form1 form;
    Form1Window window(form);
    QVERIFY(ShownExposed(window));
    QRect area = window.screen()->availableGeometry();
    QVERIFY(window.frameGeometry().top() < window.geometry().top());  // a title bar
    QVERIFY2(area.contains(window.frameGeometry()), "the window is larger than the screen");
    QCOMPARE(ClippedTexts(window), QString());
    QVERIFY(window.font().pointSizeF() >= face::kSmallestFontPoints);
  }

  // State: a dark palette, the screen at a scale of 1.5 or 2.
  // Action: the window is drawn.
  // Expected: a display field's frame is one line, as thin as the scale
  // allows and in the frame colour, never the palette's bright text.
  void aDisplayFieldHasOneThinFrame() {
    QApplication::setPalette(DarkPalette());
    Form1 form;
    Form1Window window(form);
    QVERIFY(ShownExposed(window));
    QImage image = window.grab().toImage();
    const QPalette& p = window.palette();
    const QColor frame = FrameColour(p, Kind::Display);
    const double dpr = image.devicePixelRatio();
    const QList<DisplayField*> fields = window.findChildren<DisplayField*>();
    QVERIFY(!fields.isEmpty());
    const QList<QColor> edge = LeftEdge(image, fields.first(), p.color(QPalette::Window));
    QVERIFY2(static_cast<double>(edge.size()) <= std::ceil(dpr),
             qPrintable(QString::number(edge.size())));
    for (const QColor& c : edge) QVERIFY(c.lightness() <= frame.lightness() + kSameColour);
    QApplication::setPalette(QPalette());
  }
};

}  // namespace
}  // namespace selbrin::ui

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" SELBRIN_SCREEN_CONFIG);
  if (qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR")) qputenv("QT_SCALE_FACTOR", "2");
  selbrin::ui::QuietenOffscreenPlatform();
  QApplication app(argc, argv);
  selbrin::ui::ScaleTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "scale_test.moc"
