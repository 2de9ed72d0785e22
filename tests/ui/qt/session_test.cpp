// Whole sessions: random actions compared with the model after each one, and
// the typical calculation the README shows.
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
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

// One random user action on the window, described for a failure message.
class RandomUser {
 public:
  explicit RandomUser(Form1Window& window) : window_(window) {}

  QString Act() {
    switch (Pick(8)) {
      case 0:
      case 1:
        return Type();
      case 2:
        return Backspace();
      case 3:
        return PickFromList();
      case 4:
        return KeyInCombo();
      case 5:
        return ClickOption();
      default:
        return ClickButton();
    }
  }

 private:
  int Pick(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }
  template <typename T>
  const T& PickOf(const std::vector<T>& list) {
    return list[static_cast<std::size_t>(Pick(static_cast<int>(list.size())))];
  }
  QComboBox* Combo() { return static_cast<QComboBox*>(window_.widget(PickOf(kCombos))); }

  // A few keys into a field, over its whole text or after it.
  QString Type() {
    QWidget* field = window_.widget(PickOf(kFields));
    QString typed;
    for (int n = Pick(6); n >= 0; --n) typed += kKeys[Pick(static_cast<int>(kKeys.size()))];
    field->setFocus();
    if (Pick(2) == 0) QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    Keys(field, typed);
    return "type " + typed + " into " + field->objectName();
  }

  QString Backspace() {
    QWidget* field = window_.widget(PickOf(kFields));
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Backspace);
    return "backspace in " + field->objectName();
  }

  QString PickFromList() {
    QComboBox* combo = Combo();
    int item = Pick(combo->count());
    PickFromPopup(combo, item);
    // Whether the list closed is checked after each action.
    (void)QTest::qWaitFor([combo] { return !combo->view()->isVisible(); });
    return QStringLiteral("pick %1 in %2").arg(item).arg(combo->objectName());
  }

  QString KeyInCombo() {
    QComboBox* combo = Combo();
    combo->setFocus();
    Qt::Key key = Pick(3) == 0 ? Qt::Key_Return : Pick(2) == 0 ? Qt::Key_Up : Qt::Key_Down;
    QTest::keyClick(combo, key);
    return QStringLiteral("key %1 in %2").arg(key).arg(combo->objectName());
  }

  QString ClickOption() {
    auto* button = static_cast<QAbstractButton*>(window_.widget(Option(Pick(kProfileCount))));
    selbrin::ui::ClickButton(button);
    return "click " + button->objectName();
  }

  QString ClickButton() {
    auto* button = static_cast<QAbstractButton*>(window_.widget(PickOf(kButtons)));
    if (qobject_cast<QCheckBox*>(button) != nullptr) {
      selbrin::ui::ClickButton(button);
    } else {
      QTest::mouseClick(button, Qt::LeftButton);
    }
    return "click " + button->objectName();
  }

  inline static const std::vector<Ctl> kFields{Ctl::Text2,  Ctl::Text5,  Ctl::Text9,  Ctl::Text10,
                                               Ctl::Text11, Ctl::Text12, Ctl::Text13, Ctl::Combo1,
                                               Ctl::Combo2, Ctl::Combo3};
  inline static const std::vector<Ctl> kCombos{Ctl::Combo1, Ctl::Combo2, Ctl::Combo3};
  inline static const std::vector<Ctl> kButtons{Ctl::chkKompakt, Ctl::chk4kutup, Ctl::chkC2,
                                                Ctl::Command1};
  inline static const QString kKeys = QStringLiteral("0123456789012345.,-e ş");

  Form1Window& window_;
  std::mt19937 random_{20240607};
};

class SessionTest : public WindowTest {
  Q_OBJECT

 private Q_SLOTS:
  // A few hundred random actions through the widgets, with the real handlers;
  // after each one every widget must show what the model holds, and the model
  // must keep the form's rules (the same checker the session fuzzer uses).
  void randomActionsKeepTheWindowEqualToTheModel() {
    Form1 form;
    Form1Window window(form);
    QVERIFY(Shown(window));
    RandomUser user(window);
    for (int step = 0; step < 400; ++step) {
      QString action = user.Act();
      QString mismatch = MismatchWithModel(window, form);
      QVERIFY2(mismatch.isEmpty(),
               qPrintable(QStringLiteral("step %1, %2: %3").arg(step).arg(action, mismatch)));
      for (const std::string& broken : replay::CheckInvariants(form)) {
        QFAIL(qPrintable(QStringLiteral("step %1, %2: %3")
                             .arg(step)
                             .arg(action, QString::fromStdString(broken))));
      }
      QCOMPARE(QApplication::activeWindow(), &window);
      QVERIFY2(QApplication::activePopupWidget() == nullptr, qPrintable(action));
    }
  }

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
