// The drive file's commands in the window: save, open, the title, the question
// on closing, and a file whose values look like markup.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "drivefile/format.h"
#include "form/form1.h"
#include "tests/support/drives.h"
#include "tools/replay/replay.h"
#include "ui/qt/drive_commands.h"
#include "ui/qt/form_window.h"

namespace selbrin::ui {
namespace {

QString ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void Write(const QString& path, const std::string& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

}  // namespace

class DriveCommandsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void MenuStartsWithTheDriveCommands() {
    // State: a fresh window with the drive commands. Expected: Aç…, Kaydet,
    // Farklı kaydet… with their shortcuts, then a separator, then the sheet's.
    Form1 form;
    Form1Window window(form);
    new DriveCommands(form, &window);
    const QList<QAction*> a = window.actions();
    QCOMPARE(a[0]->objectName(), QStringLiteral("openDrive"));
    QCOMPARE(a[0]->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
    QCOMPARE(a[1]->shortcut(), QKeySequence(QStringLiteral("Ctrl+S")));
    QCOMPARE(a[2]->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    QVERIFY(a[3]->isSeparator());
    QCOMPARE(a[4]->objectName(), QStringLiteral("copyResults"));
  }

  void OpenedFileGivesTheSavedFormAndTitle() {
    // State: a worked drive saved, then changed and saved again by Ctrl+S.
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("pompa.selbrin"));
    Form1 form;
    testing::EnterFirstDrive(form);
    Form1Window window(form);
    auto* drive = new DriveCommands(form, &window);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(window.windowTitle(), QStringLiteral(" Selbrin"));
    QVERIFY(drive->SaveTo(path));
    QCOMPARE(window.windowTitle(), QStringLiteral("pompa.selbrin – Selbrin"));
    QTest::keyClicks(window.widget(Ctl::Text9), QStringLiteral("42"));
    QVERIFY(drive->Modified());
    QTest::keyClick(window.widget(Ctl::Text9), Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!drive->Modified());
    // Action: open the file in a fresh window.
    Form1 fresh;
    Form1Window other(fresh);
    auto* opened = new DriveCommands(fresh, &other);
    QVERIFY(opened->Open(path));
    // Expected: the same form, widgets and title.
    QCOMPARE(replay::FormState(fresh), replay::FormState(form));
    QCOMPARE(qobject_cast<QLineEdit*>(other.widget(Ctl::Text9))->text(), QStringLiteral("42"));
    QCOMPARE(other.windowTitle(), QStringLiteral("pompa.selbrin – Selbrin"));
    QCOMPARE(opened->title().file_name, std::string("pompa.selbrin"));
  }

  void BadFileLeavesTheFormAndSaysWhy() {
    // State: a worked drive. Action: open a file cut short.
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("bozuk.selbrin"));
    Write(path, "selbrin-drive 1\nCombo1=30\n");
    Form1 form;
    testing::EnterFirstDrive(form);
    std::string before = replay::FormState(form);
    Form1Window window(form);
    auto* drive = new DriveCommands(form, &window);
    QVERIFY(!drive->Open(path));
    // Expected: the form as it was; the message names the file and the line.
    QCOMPARE(replay::FormState(form), before);
    auto* box = window.findChild<QMessageBox*>(QStringLiteral("driveError"));
    QVERIFY(box != nullptr);
    QVERIFY(
        box->text().endsWith(QStringLiteral("bozuk.selbrin: satır 3: dosya eksik: "
                                            "\"Label31\" satırı yok")));
    QCOMPARE(window.windowTitle(), QStringLiteral(" Selbrin"));
  }

  void MarkupInAFileStaysText() {
    // State: a drive whose values are HTML, SVG and script.
    const std::string markup = "<b>x</b><svg onload=alert(1)><script>alert(2)</script>";
    Form1 source;
    source.Restore(Ctl::Text9, markup, false, 0);
    source.Restore(Ctl::Label31, "<img src=x onerror=alert(3)>", true, 0);
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("<b>a.selbrin"));
    drivefile::Drive d = drivefile::Capture(source, {markup, "", "", "", "", ""});
    Write(path, drivefile::WriteDrive(d));
    // Action: open it.
    Form1 form;
    Form1Window window(form);
    auto* drive = new DriveCommands(form, &window);
    QVERIFY(drive->Open(path));
    // Expected: every value shown as the very characters, the label as plain text.
    QCOMPARE(qobject_cast<QLineEdit*>(window.widget(Ctl::Text9))->text().toStdString(), markup);
    auto* label = qobject_cast<QLabel*>(window.widget(Ctl::Label31));
    QCOMPARE(label->text(), QStringLiteral("<img src=x onerror=alert(3)>"));
    QCOMPARE(label->textFormat(), Qt::PlainText);
    QVERIFY(label->toolTip().isEmpty() || label->toolTip().contains(QStringLiteral("&lt;img")));
    QCOMPARE(window.windowTitle(), QStringLiteral("<b>a.selbrin – Selbrin"));
    QCOMPARE(drive->title().proje, markup);
  }

  void ClosingWithChangesAsksToSave() {
    // State: a saved drive, then a change.
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("d.selbrin"));
    Form1 form;
    Form1Window window(form);
    auto* drive = new DriveCommands(form, &window);
    window.show();
    QVERIFY(drive->SaveTo(path));
    QString saved = ReadAll(path);
    QTest::mouseClick(window.widget(Ctl::chkC2), Qt::LeftButton);
    // Action: close, answering "Kaydet".
    bool asked = false;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      QVERIFY(box != nullptr);
      asked = box->objectName() == QStringLiteral("unsavedQuestion");
      for (QAbstractButton* b : box->buttons()) {
        if (b->text() == QStringLiteral("Kaydet")) b->click();
      }
    });
    QVERIFY(window.close());
    // Expected: the question came, and the file now holds the change.
    QVERIFY(asked);
    QVERIFY(ReadAll(path) != saved);
    QVERIFY(ReadAll(path).contains(QStringLiteral("chkC2=0")));
  }
};

}  // namespace selbrin::ui

QTEST_MAIN(selbrin::ui::DriveCommandsTest)
#include "drive_commands_test.moc"
