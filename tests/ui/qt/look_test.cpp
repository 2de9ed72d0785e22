// How the window looks in light and dark palettes: what the user can type in
// must look like it, what only the program writes must not.
#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include "form/form1.h"
#include "tests/ui/qt/support.h"
#include "tests/ui/qt/widget_checks.h"

namespace selbrin::ui {
namespace {

// The least contrast a box's edge needs against the window to be seen.
constexpr double kEdgeContrast = 3.0;

// The highest contrast against `against` of any pixel of `image` in `area`.
double MostContrast(const QImage& image, const QRect& area, const QColor& against) {
  double most = 1.0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      most = std::max(most, ContrastRatio(image.pixelColor(x, y), against));
    }
  }
  return most;
}

// Where a check box or option button draws its indicator, in the window.
QRect IndicatorIn(const Form1Window& window, Ctl c) {
  auto* button = static_cast<QAbstractButton*>(window.widget(c));
  QStyleOptionButton opt;
  opt.initFrom(button);
  QStyle::SubElement e = Def(c).kind == Kind::CheckBox ? QStyle::SE_CheckBoxIndicator
                                                       : QStyle::SE_RadioButtonIndicator;
  return button->style()->subElementRect(e, &opt, button).translated(button->geometry().topLeft());
}

class LookTest : public WindowTest {
  Q_OBJECT

 private Q_SLOTS:
  void boxesStandOutInAnyPalette_data() {
    QTest::addColumn<QPalette>("palette");
    QTest::newRow("light") << QApplication::palette();
    QTest::newRow("dark") << DarkPalette();
  }

  // State: a light or a dark palette, "SPB" selected.  Action: the window is drawn.
  // Expected: a display field sits on the form's background, an input on the
  // background of a box to type in; the edges of inputs, displays and profile
  // rings and check boxes stand out from the window; the selected dot is in the text colour.
  void boxesStandOutInAnyPalette() {
    QFETCH(QPalette, palette);
    Form1 form;
    Form1Window window(form);
    window.setPalette(palette);
    QImage image = window.grab().toImage();
    const QColor background = palette.color(QPalette::Window);
    auto inside = [&](Ctl c) {
      QRect r = window.widget(c)->geometry();
      return image.pixelColor(r.right() - 4, r.center().y());
    };
    QCOMPARE(inside(Ctl::Label31), background);
    QCOMPARE(inside(Ctl::Text2), palette.color(QPalette::Base));
    QVERIFY(background != palette.color(QPalette::Base));
    for (Ctl c : {Ctl::Text2, Ctl::Text10, Ctl::Combo1, Ctl::Combo3, Ctl::Label31}) {
      QRect r = window.widget(c)->geometry();
      double edge = ContrastRatio(image.pixelColor(r.left(), r.center().y()), background);
      QVERIFY2(edge >= kEdgeContrast,
               qPrintable(QStringLiteral("%1: %2").arg(window.widget(c)->objectName()).arg(edge)));
    }
    for (Ctl c : {Ctl::chkKompakt, Option(0)}) {
      QVERIFY(MostContrast(image, IndicatorIn(window, c), background) >= kEdgeContrast);
    }
    QCOMPARE(image.pixelColor(IndicatorIn(window, Option(6)).center()),
             palette.color(QPalette::Text));
  }
};

const Register<LookTest> registered;

}  // namespace
}  // namespace selbrin::ui

#include "look_test.moc"
