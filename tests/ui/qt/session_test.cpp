// Whole sessions: random actions compared with the model after each one, and
// the typical calculation the README shows.
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
#include "tests/support/invariants.h"
#include "tests/ui/qt/support.h"
#include "tests/ui/qt/widget_checks.h"

namespace selbrin::ui {
namespace {

class SessionTest : public WindowTest {
  Q_OBJECT

 private Q_SLOTS:
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
    window.setPalette(DarkPalette());  // the same calculation on a dark desktop
    QVERIFY(window.grab().toImage().save(QStringLiteral(SELBRIN_SCREENSHOT_DARK)));
  }
};

const Register<SessionTest> registered;

}  // namespace
}  // namespace selbrin::ui

#include "session_test.moc"
