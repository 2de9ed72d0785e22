// The display fields: read, selected, copied and heard by a screen reader.
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <utility>

#include "form/form1.h"
#include "tests/ui/qt/support.h"

namespace selbrin::ui {
namespace {

class ResultsTest : public WindowTest {
  Q_OBJECT

 private Q_SLOTS:
  // A screen reader hears each input by its caption and unit, and a display by
  // its caption, value and unit.
  void fieldsAreNamedForScreenReaders() {
    Form1 form(RecordingRouting());
    Form1Window window(form);
    QVERIFY(ShownExposed(window));
    form.SetCaption(Ctl::Label31, "2940");
    QAccessibleInterface* display =
        QAccessible::queryAccessibleInterface(window.widget(Ctl::Label31));
    QCOMPARE(display->text(QAccessible::Name), QStringLiteral("Motor Deviri: 2940 d/dk"));
    QCOMPARE(display->text(QAccessible::Value), QStringLiteral("2940"));
    form.SetCaption(Ctl::Label31, "1470");  // and after every change
    QCOMPARE(display->text(QAccessible::Name), QStringLiteral("Motor Deviri: 1470 d/dk"));
    QVERIFY(display->state().readOnly);
    const std::pair<Ctl, QString> inputs[] = {
        {Ctl::Text2, QStringLiteral("Vida Deviri (d/dk)")},
        {Ctl::Combo1, QStringLiteral("Motor Gücü (kW)")},
        {Ctl::Label36, QStringLiteral("Devir Oranı (i)")},
    };
    for (const auto& [c, name] : inputs) {
      QCOMPARE(QAccessible::queryAccessibleInterface(window.widget(c))->text(QAccessible::Name),
               name);
    }
  }

  // State: a power picked in Combo1.  Expected: the box is still named by its
  // caption, reads the pick as its value, is labelled by its caption, and its
  // field is named too.
  void aComboKeepsItsCaptionAsItsNameAfterAPick() {
    Form1 form;
    Form1Window window(form);
    QVERIFY(Shown(window));
    auto* combo1 = Find<QComboBox>(window, "Combo1");
    PickFromPopup(combo1, kPower30kW);
    QTRY_VERIFY(QApplication::activePopupWidget() == nullptr);
    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(combo1);
    QCOMPARE(box->text(QAccessible::Name), QStringLiteral("Motor Gücü (kW)"));
    QCOMPARE(box->text(QAccessible::Value), QStringLiteral("30"));
    QCOMPARE(combo1->lineEdit()->accessibleName(), QStringLiteral("Motor Gücü (kW)"));
    bool labelled = false;
    for (const auto& [other, relation] : box->relations(QAccessible::Label)) {
      labelled = labelled || other->object() == window.widget(Ctl::Label7);
    }
    QVERIFY(labelled);
  }

  // State: the user is typing in Text2.  Action: a click on a result.
  // Expected: the focus stays in Text2, and the result can still be selected.
  void clickingAResultLeavesTheFocusWhereItWas() {
    Form1 form;
    Form1Window window(form);
    QVERIFY(Shown(window));
    window.widget(Ctl::Text2)->setFocus();
    QTest::mouseClick(window.widget(Ctl::Label36), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), window.widget(Ctl::Text2));
    QVERIFY(Find<QLabel>(window, "Label36")->textInteractionFlags() & Qt::TextSelectableByMouse);
  }

  // State: a result shown.  Action: "Kopyala" from its context menu, then a
  // mouse selection and Ctrl+C while the focus is in Text2.
  // Expected: the clipboard holds the value, then the selected part.
  void aResultCanBeCopied() {
    Form1 form(RecordingRouting());
    Form1Window window(form);
    QVERIFY(Shown(window));
    form.SetCaption(Ctl::Label31, "2940");
    auto* field = Find<QLabel>(window, "Label31");
    QApplication::clipboard()->clear();
    QString command;
    QTimer::singleShot(0, [&command] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      if (menu == nullptr) return;
      command = menu->actions().value(0)->text();
      menu->actions().value(0)->trigger();
      menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2),
                            field->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(field, &event);
    QCOMPARE(command, QStringLiteral("Kopyala"));
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("2940"));

    field->setSelection(1, 2);
    window.widget(Ctl::Text2)->setFocus();
    QTest::keyClick(window.widget(Ctl::Text2), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("94"));
  }

  // State: a belt speed too long for its field, then a short one.
  // Expected: the whole value in the tooltip, then its caption's tooltip.
  void aValueThatDoesNotFitShowsInItsTooltip() {
    Form1 form(RecordingRouting());
    Form1Window window(form);
    form.SetCaption(Ctl::Label40, "1047.123456");
    QCOMPARE(window.widget(Ctl::Label40)->toolTip(), QStringLiteral("1047.123456"));
    form.SetCaption(Ctl::Label40, "12");
    QCOMPARE(window.widget(Ctl::Label40)->toolTip(), QStringLiteral("En çok 50 m/sn"));
    // An input carries its caption's tooltip too.
    QCOMPARE(window.widget(Ctl::Text12)->toolTip(), QStringLiteral("ContiTech"));
  }
};

const Register<ResultsTest> registered;

}  // namespace
}  // namespace selbrin::ui

#include "results_test.moc"
