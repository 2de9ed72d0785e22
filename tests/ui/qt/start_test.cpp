// The window as it opens: title, placement, tab order and the room every
// control has for its text.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QTranslator>
#include <memory>

#include "form/form1.h"
#include "tests/ui/qt/support.h"
#include "tests/ui/qt/widget_checks.h"
#include "ui/common/geometry.h"
#include "ui/qt/application.h"

namespace selbrin::ui {
namespace {

class StartTest : public WindowTest {
  Q_OBJECT

 private Q_SLOTS:
  void opensAsTheFormDescribesIt() {
    Form1 form;
    Form1Window window(form);
    QVERIFY(Shown(window));

    QCOMPARE(window.windowTitle(), QStringLiteral(" Selbrin"));
    QCOMPARE(window.minimumSize(), window.maximumSize());  // the user cannot resize it
    QVERIFY(!(window.windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(window.windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!window.windowIcon().isNull());
    QPoint centre = window.screen()->availableGeometry().center();
    // Centred, give or take the window frame, which is not known before showing.
    QVERIFY((window.geometry().center() - centre).manhattanLength() <= 8);
    QCOMPARE(QApplication::focusWidget(), window.widget(Ctl::Text2));
    QCOMPARE(MismatchWithModel(window, form), QString());

    QCOMPARE(Find<QLabel>(window, "Label16")->toolTip(), QStringLiteral("ContiTech"));
    QCOMPARE(Find<QLabel>(window, "Label41")->toolTip(), QStringLiteral("En çok 50 m/sn"));
    QCOMPARE(Find<QComboBox>(window, "Combo1")->count(), 14);
    QCOMPARE(Find<QComboBox>(window, "Combo1")->itemText(0), QStringLiteral("7.5"));
    QCOMPARE(Find<QComboBox>(window, "Combo3")->itemText(26), QStringLiteral("500"));
    QVERIFY(Find<QCheckBox>(window, "chkC2")->isChecked());
    QVERIFY(Find<QRadioButton>(window, "Option1_6")->isChecked());
  }

  void tabGoesThroughTheFocusableControlsInTableOrder() {
    Form1 form;
    Form1Window window(form);
    QVERIFY(Shown(window));
    // The option group is one stop, on its selected button ("SPB" at start).
    const QStringList expected{"Text2",    "Option1_6", "Text9",  "chkKompakt", "Text5",
                               "Text10",   "Text11",    "Text12", "Text13",     "Command1",
                               "Command3", "chk4kutup", "Combo1", "Combo2",     "Combo3",
                               "chkC2",    "Text2"};
    QStringList seen;
    QWidget* w = window.widget(Ctl::Text2);
    for (int i = 0; i < expected.size(); ++i) {
      seen << w->objectName();
      do {
        w = w->nextInFocusChain();
      } while (w->objectName().isEmpty() || !(w->focusPolicy() & Qt::TabFocus));
    }
    QCOMPARE(seen, expected);
  }

  // Every caption and list item fits its control whole, at the uniform scale,
  // and the controls keep the table's proportions.
  void noCaptionIsClipped() {
    Form1 form;
    Form1Window window(form);
    QVERIFY(ShownExposed(window));
    QCOMPARE(ClippedTexts(window), QString());
    QVERIFY(window.scale() >= 1.0);
    for (std::size_t i = 0; i < kControls.size(); ++i) {
      const Twips& g = kControls[i].geometry;
      QRect r = window.widget(static_cast<Ctl>(i))->geometry();
      QVERIFY(std::abs(r.left() - g.left * window.scale() / 15) <= 1);
      QVERIFY(std::abs(r.width() - g.width * window.scale() / 15) <= 1.5);
    }
    QVERIFY(std::abs(window.width() - 7125 * window.scale() / 15) <= 1);
  }

  void exitEndsTheProgram() {
    Form1 form;
    Form1Window window(form);
    QVERIFY(ShownExposed(window));
    QTest::mouseClick(Find<QPushButton>(window, "Command3"), Qt::LeftButton);
    QVERIFY(form.ended());
    QVERIFY(!window.isVisible());
  }

  // State: a 4-pole 30 kW motor and a 450 mm screw pulley picked.
  // Action: 6000 rpm typed into Text2 (the motor pulley becomes 1856), then a wait.
  // Expected: every combo box keeps the table's geometry and shows its value whole.
  void comboBoxesKeepTheirGeometryAndShowFourDigits() {
    Form1 form;
    Form1Window window(form);
    QVERIFY(ShownExposed(window));
    ClickButton(Find<QCheckBox>(window, "chk4kutup"));
    PickFromPopup(Find<QComboBox>(window, "Combo1"), kPower30kW);
    auto* combo3 = Find<QComboBox>(window, "Combo3");
    PickFromPopup(combo3, combo3->findText(QStringLiteral("450")));
    TypeInto(window.widget(Ctl::Text2), QStringLiteral("6000"));
    QTest::qWait(100);
    QCOMPARE(Find<QComboBox>(window, "Combo2")->currentText(), QStringLiteral("1856"));
    for (Ctl c : {Ctl::Combo1, Ctl::Combo2, Ctl::Combo3}) {
      face::PixelRect r = face::PlaceAt(Def(c).geometry, window.scale());
      QCOMPARE(window.widget(c)->geometry(), QRect(r.left, r.top, r.width, r.height));
    }
    QCOMPARE(ClippedTexts(window, QStringLiteral("Combo")), QString());
  }

  // State: a desktop font so large that the form would be bigger than the
  // screen.  Action: the window is shown.  Expected: it takes a smaller font,
  // not below the smallest, and the whole window, title bar too, is on screen.
  void aLargeDesktopFontStillFitsTheScreen() {
    const QFont normal = QApplication::font();
    QFont big = normal;
    big.setPointSize(normal.pointSize() * 3);
    QApplication::setFont(big);
    Form1 form;
    Form1Window window(form);
    QVERIFY(ShownExposed(window));
    QApplication::setFont(normal);
    QVERIFY(window.screen()->availableGeometry().contains(window.frameGeometry()));
    QVERIFY(window.font().pointSizeF() < big.pointSizeF());
    QVERIFY(window.font().pointSizeF() >= face::kSmallestFontPoints);
  }

  // State: an English desktop.  Action: Qt's own texts are loaded.
  // Expected: an edit field's context menu reads Turkish, not "Undo, Redo,
  // Cut, Copy, Paste, Delete, Select All".
  void qtTextsAreTurkishOnEveryDesktop() {
    auto* app = static_cast<QApplication*>(QCoreApplication::instance());
    QLocale::setDefault(QLocale(QLocale::English));
    QTranslator* turkish = LoadQtTranslation(*app);
    QLocale::setDefault(QLocale::system());
    QVERIFY(turkish != nullptr);
    QLineEdit edit;
    std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    QApplication::removeTranslator(turkish);
    delete turkish;
    QStringList english;
    for (QAction* action : menu->actions()) {
      QString text = action->text().remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0);
      if (QStringList{"Undo", "Redo", "Cut", "Copy", "Paste", "Delete", "Select All"}.contains(
              text)) {
        english << text;
      }
    }
    QVERIFY(menu->actions().size() >= 7);
    QVERIFY2(english.isEmpty(), qPrintable(english.join(QStringLiteral(", "))));
  }
};

const Register<StartTest> registered;

}  // namespace
}  // namespace selbrin::ui

#include "start_test.moc"
