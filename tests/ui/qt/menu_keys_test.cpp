// The background menu from the keyboard, and "Hakkında…".
#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <utility>

#include "form/form1.h"
#include "tests/ui/qt/support.h"

namespace selbrin::ui {
namespace {

class MenuKeysTest : public WindowTest {
  Q_OBJECT

 private Q_SLOTS:
  // State: the focus on "Hesapla". Action: Shift+F10, then the Menu key.
  // Expected: each opens the background menu, "Hakkında…" on it.
  void shiftF10AndTheMenuKeyOpenTheBackgroundMenu() {
    Form1 form;
    Form1Window window(form);
    QVERIFY(Shown(window));
    QWidget* button = window.widget(Ctl::Command1);
    button->setFocus();
    const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {{Qt::Key_F10, Qt::ShiftModifier},
                                                              {Qt::Key_Menu, Qt::NoModifier}};
    for (const auto& [key, mods] : keys) {
      QStringList seen;
      QTimer::singleShot(0, &window, [&seen] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr) return;
        for (const QAction* action : menu->actions()) seen << action->objectName();
        menu->close();
      });
      QTest::keyClick(button, key, mods);
      QVERIFY2(seen.contains("about") && seen.contains("copyResults"), qPrintable(seen.join(',')));
    }
  }

  // Action: F1. Expected: a message naming the program, its licence and the
  // commands with their keys.
  void f1ShowsTheProgramAndItsCommands() {
    Form1 form;
    Form1Window window(form);
    QVERIFY(Shown(window));
    QString text;
    QTimer::singleShot(0, &window, [&text] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      text = box->text();
      box->close();
    });
    QTest::keyClick(window.widget(Ctl::Text2), Qt::Key_F1);
    QVERIFY2(text.startsWith("Selbrin ") && text.contains("MIT") &&
                 text.contains(QStringLiteral("Sonuçları kopyala\tCtrl+Shift+C")) &&
                 text.contains(QStringLiteral("Hakkında…\tF1")),
             qPrintable(text));
  }
};

const Register<MenuKeysTest> registered;

}  // namespace
}  // namespace selbrin::ui

#include "menu_keys_test.moc"
