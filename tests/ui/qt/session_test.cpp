// The typical calculation the README shows, whole and saved as its picture.
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <string>
#include <vector>

#include "form/form1.h"
#include "tests/ui/qt/support.h"
#include "tests/ui/qt/widget_checks.h"

namespace selbrin::ui {
namespace {

class SessionTest : public WindowTest {
  Q_OBJECT

 private Q_SLOTS:
  // The calculation of the README's screenshot: nothing clipped, every number
  // with a period whatever the desktop's locale, and the picture saved.
  void aTypicalCalculationShowsWholeAndIsSaved() {
    Form1 form;
    Form1Window window(form);
    QVERIFY(Shown(window));
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
    QCOMPARE(ClippedTexts(window), QString());

    QImage image = window.grab().toImage();
    QVERIFY(!image.isNull());
    QVERIFY(image.save(QStringLiteral(SELBRIN_SCREENSHOT)));
    window.setPalette(DarkPalette());  // the same calculation on a dark desktop
    QVERIFY(window.grab().toImage().save(QStringLiteral(SELBRIN_SCREENSHOT_DARK)));
  }
};

const Register<SessionTest> registered;

}  // namespace
}  // namespace selbrin::ui

#include "session_test.moc"
