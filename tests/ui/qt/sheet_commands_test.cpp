// The calculation sheet's commands in the window: the clipboard and the PDF.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "form/form1.h"
#include "sheet/fields.h"
#include "tests/support/drives.h"
#include "ui/qt/form_window.h"
#include "ui/qt/sheet_commands.h"

namespace selbrin::ui {

class SheetCommandsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void CtrlShiftCPutsTheResultsTextOnTheClipboard() {
    // State: the first worked drive calculated, the cursor in Text2.
    Form1 form;
    testing::EnterFirstDrive(form);
    Form1Window window(form);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QApplication::clipboard()->clear();
    // Action: Ctrl+Shift+C.
    QTest::keyClick(window.widget(Ctl::Text2), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    // Expected: the clipboard holds the results text; the form is as it was.
    QCOMPARE(QApplication::clipboard()->text().toStdString(), sheet::ResultsText(form));
    QVERIFY(!form.ResultsOutdated());
  }

  void ContextMenuOffersTheSheetCommandsAndAbout() {
    // State: a fresh window. Action: none. Expected: its context menu holds the
    // three sheet commands, in order, with their shortcuts, then "Hakkında…".
    Form1 form;
    Form1Window window(form);
    QCOMPARE(window.contextMenuPolicy(), Qt::ActionsContextMenu);
    const QList<QAction*> actions = window.actions();
    QCOMPARE(actions.size(), 4);
    QCOMPARE(actions[0]->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+C")));
    QCOMPARE(actions[1]->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
    QCOMPARE(actions[2]->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+P")));
    QCOMPARE(actions[3]->shortcut(), QKeySequence(Qt::Key_F1));
  }

  void SavedPdfHoldsEveryValueTheFormShows() {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
      QFAIL("pdftotext is not installed: it comes with the Debian package poppler-utils");
    // State: the first worked drive calculated.
    Form1 form;
    testing::EnterFirstDrive(form);
    Form1Window window(form);
    auto* commands = window.findChild<SheetCommands*>(QStringLiteral("sheetCommands"));
    QVERIFY(commands != nullptr);
    // Action: save the sheet, as the file dialog's choice would.
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
    QVERIFY(commands->WritePdf(pdf));
    // Expected: one page whose text holds every value of the results text.
    QProcess extract;
    extract.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QVERIFY(extract.waitForFinished());
    const QString text = QString::fromUtf8(extract.readAllStandardOutput());
    QCOMPARE(text.count(QChar('\f')), 1);
    for (const sheet::Field& field : sheet::Fields(form)) {
      QVERIFY2(text.contains(QString::fromStdString(field.value)), field.value.c_str());
    }
    // ... on an A4 portrait page.
    QProcess info;
    info.start(QStandardPaths::findExecutable(QStringLiteral("pdfinfo")), {pdf});
    QVERIFY(info.waitForFinished());
    const QString page = QString::fromUtf8(info.readAllStandardOutput());
    QVERIFY2(page.contains(QStringLiteral("Page size:       595 x 842 pts (A4)")),
             qPrintable(page));
  }
};

}  // namespace selbrin::ui

QTEST_MAIN(selbrin::ui::SheetCommandsTest)
#include "sheet_commands_test.moc"
