// Typing into the text boxes and combo fields: every keystroke an edit, the
// five-character limit of Text2, and what the program writes back.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <string>
#include <vector>

#include "form/form1.h"
#include "tests/ui/qt/support.h"
#include "tests/ui/qt/widget_checks.h"

namespace selbrin::ui {
namespace {

// Opens the box's context menu and triggers its action named `name`; false when
// the menu has no such action.
bool ChooseFromMenu(QWidget* box, const char* name) {
  bool found = false;
  QTimer::singleShot(0, box, [&found, name] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr) return;
    auto* action = menu->findChild<QAction*>(QString::fromLatin1(name));
    found = action != nullptr && action->isEnabled();
    if (found) action->trigger();
    menu->close();
  });
  QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(2, 2),
                          box->mapToGlobal(QPoint(2, 2)));
  QApplication::sendEvent(box, &event);
  return found;
}

class TypingTest : public WindowTest {
  Q_OBJECT

 private Q_SLOTS:
  void typingIntoText2RunsItsChangeAtEveryKeystroke() {
    Form1 form(RecordingRouting());
    Form1Window window(form);
    TypeInto(window.widget(Ctl::Text2), QStringLiteral("3000"));
    const std::vector<std::string> expected{"Text2_Change 3", "Text2_Change 30", "Text2_Change 300",
                                            "Text2_Change 3000"};
    QCOMPARE(g_log, expected);
    QCOMPARE(Find<QLabel>(window, "Label36")->text(), QStringLiteral("<3000>"));
    QCOMPARE(Find<QComboBox>(window, "Combo2")->currentText(), QStringLiteral("30000"));
    QCOMPARE(MismatchWithModel(window, form), QString());
  }

  void text2RefusesASixthCharacter() {
    Form1 form(RecordingRouting());
    Form1Window window(form);
    auto* text2 = Find<QLineEdit>(window, "Text2");
    TypeInto(text2, QStringLiteral("123456"));
    QCOMPARE(text2->text(), QStringLiteral("12345"));
    QCOMPARE(form.Text(Ctl::Text2), std::string("12345"));
    QCOMPARE(g_log.size(), std::size_t{5});

    // A paste over the whole text keeps its first five characters, in one edit.
    QApplication::clipboard()->setText(QStringLiteral("9876543"));
    QTest::keyClick(text2, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(text2, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(text2->text(), QStringLiteral("98765"));
    QCOMPARE(g_log.back(), std::string("Text2_Change 98765"));
    QCOMPARE(g_log.size(), std::size_t{6});
  }

  // The limit counts characters, as the model does, wherever the keystroke or
  // paste lands; what does not fit is cut from the inserted text only.
  void text2LimitCountsCharactersWhereverTheEditLands_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("paste");
    QTest::addColumn<QString>("expected");
    const QString smile = QString::fromUcs4(U"\U0001F600");
    QTest::newRow("three emoji typed stay three")
        << "" << 0 << smile + smile + smile << "" << smile + smile + smile;
    QTest::newRow("a key in the middle of five is refused") << "12345" << 2 << "9"
                                                            << ""
                                                            << "12345";
    QTest::newRow("a paste in the middle keeps what fits") << "123" << 1 << ""
                                                           << "abcd"
                                                           << "1ab23";
    QTest::newRow("a long paste of two-byte letters") << "" << 0 << ""
                                                      << "ğğğğğğğ"
                                                      << "ğğğğğ";
    QTest::newRow("an emoji pasted into the last place stays whole")
        << "1234" << 4 << "" << smile + smile << "1234" + smile;
  }

  void text2LimitCountsCharactersWhereverTheEditLands() {
    QFETCH(QString, start);
    QFETCH(int, cursor);
    QFETCH(QString, keys);
    QFETCH(QString, paste);
    QFETCH(QString, expected);
    // State: Text2 holds `start`, the cursor at `cursor`.
    Form1 form(RecordingRouting());
    Form1Window window(form);
    auto* text2 = Find<QLineEdit>(window, "Text2");
    form.SetText(Ctl::Text2, start.toStdString());
    text2->setFocus();
    text2->setCursorPosition(cursor);
    // Action: the keys are typed, or the text pasted, at the cursor.
    Keys(text2, keys);
    if (!paste.isEmpty()) {
      QApplication::clipboard()->setText(paste);
      QTest::keyClick(text2, Qt::Key_V, Qt::ControlModifier);
    }
    // Expected: the widget and the model hold the same, whole characters.
    QCOMPARE(text2->text(), expected);
    QCOMPARE(form.Text(Ctl::Text2), expected.toStdString());
  }

  // State: Text2 holds BEFORE, all of it selected.
  // Action: PASTED is pasted by Ctrl+V, by Shift+Insert or from the box's menu.
  // Expected: the pasted text cut at the insertion point, in one edit.
  void aPasteOverAllKeepsThePastedTextsStart_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("shown");
    QTest::newRow("Ctrl+V") << "4040"
                            << "123450"
                            << "keys"
                            << "12345";
    QTest::newRow("Shift+Insert") << "4040"
                                  << "123450"
                                  << "insert"
                                  << "12345";
    QTest::newRow("the menu") << "4040"
                              << "123450"
                              << "menu"
                              << "12345";
    QTest::newRow("a tab at the end of both") << "7\t"
                                              << "123456\t"
                                              << "keys"
                                              << "12345";
    QTest::newRow("lines: the first") << "4040"
                                      << "123\r\n45"
                                      << "keys"
                                      << "123";
  }

  void aPasteOverAllKeepsThePastedTextsStart() {
    QFETCH(QString, before);
    QFETCH(QString, pasted);
    QFETCH(QString, how);
    QFETCH(QString, shown);
    Form1 form(RecordingRouting());
    Form1Window window(form);
    auto* text2 = Find<QLineEdit>(window, "Text2");
    form.SetText(Ctl::Text2, before.toStdString());
    g_log.clear();
    text2->setFocus();
    text2->selectAll();
    QApplication::clipboard()->setText(pasted);
    if (how == "keys") QTest::keyClick(text2, Qt::Key_V, Qt::ControlModifier);
    if (how == "insert") QTest::keyClick(text2, Qt::Key_Insert, Qt::ShiftModifier);
    if (how == "menu") QVERIFY(ChooseFromMenu(text2, "edit-paste"));
    QCOMPARE(text2->text(), shown);
    QCOMPARE(text2->cursorPosition(), shown.size());
    QCOMPARE(g_log, std::vector<std::string>{"Text2_Change " + shown.toStdString()});
  }

  // A program write longer than the typing limit still shows whole.
  void theTypingLimitDoesNotCutProgramWrites() {
    Form1 form;
    Form1Window window(form);
    form.SetText(Ctl::Text2, "1234567");
    QCOMPARE(Find<QLineEdit>(window, "Text2")->text(), QStringLiteral("1234567"));
  }

  // Typing into a combo box's field changes its text and runs nothing, and
  // Enter does not turn the typed text into a pick.
  void typingAndEnterInAComboRaiseNothing() {
    Form1 form(RecordingRouting());
    Form1Window window(form);
    auto* combo1 = Find<QComboBox>(window, "Combo1");
    TypeInto(combo1, QStringLiteral("30"));
    QTest::keyClick(combo1, Qt::Key_Return);
    QTest::keyClick(combo1, Qt::Key_Enter);
    QVERIFY(g_log.empty());
    QCOMPARE(form.Text(Ctl::Combo1), std::string("30"));
    QCOMPARE(combo1->count(), 14);  // nothing was added to the list
    QCOMPARE(MismatchWithModel(window, form), QString());
  }

  // Action: the program writes values longer than their boxes.
  // Expected: each box shows the value's start, the cursor at the start.
  void aLongProgramWriteShowsItsStart() {
    Form1 form;
    Form1Window window(form);
    form.SetText(Ctl::Text10, "1234567890123456789");
    QCOMPARE(Find<QLineEdit>(window, "Text10")->cursorPosition(), 0);
    form.SetText(Ctl::Combo2, "1234567890123");
    QCOMPARE(Find<QComboBox>(window, "Combo2")->lineEdit()->cursorPosition(), 0);
  }
};

const Register<TypingTest> registered;

}  // namespace
}  // namespace selbrin::ui

#include "typing_test.moc"
