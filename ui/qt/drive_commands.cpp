#include "ui/qt/drive_commands.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QWidget>

#include "drivefile/file.h"
#include "drivefile/format.h"
#include "ui/qt/sheet_commands.h"
#include "ui/qt/widgets.h"

namespace selbrin::ui {
namespace {

QString Filter() {
  return ToQt(face::kDriveFilterName) + QStringLiteral(" (*") + ToQt(drivefile::kExtension) +
         QStringLiteral(")");
}

QKeySequence Keys(const face::Shortcut& keys) {
  Qt::KeyboardModifiers mods = Qt::ControlModifier;
  if (keys.shift) mods |= Qt::ShiftModifier;
  return {QKeyCombination(mods, static_cast<Qt::Key>(keys.letter))};
}

}  // namespace

DriveCommands::DriveCommands(Form1& form, QWidget* window)
    : QObject(window), form_(form), window_(window) {
  setObjectName(QStringLiteral("driveCommands"));
  window->setContextMenuPolicy(Qt::ActionsContextMenu);
  QList<QAction*> actions;
  for (const face::DriveCommandDef& def : face::kDriveCommands) {
    if (!def.offered.desktop) continue;
    auto* action = new QAction(ToQt(def.caption), window);
    action->setObjectName(ToQt(def.name));
    action->setShortcut(Keys(def.keys));
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, [this, command = def.command] { Run(command); });
    actions.append(action);
  }
  // First on the menu, the sheet's commands after a separator.
  auto* separator = new QAction(window);
  separator->setSeparator(true);
  actions.append(separator);
  const QList<QAction*> existing = window->actions();
  window->insertActions(existing.isEmpty() ? nullptr : existing.first(), actions);
  if (auto* sheet = window->findChild<SheetCommands*>()) {
    sheet->SetTitleSource([this] { return title_; });
  }
  window->installEventFilter(this);
}

void DriveCommands::Run(face::DriveCommand command) {
  switch (command) {
    case face::DriveCommand::Open:
      OpenChosen();
      break;
    case face::DriveCommand::Save:
      Save();
      break;
    case face::DriveCommand::SaveAs:
      SaveAs();
      break;
    case face::DriveCommand::CopyLink:
      break;  // the web page's alone
  }
}

void DriveCommands::Opened(const QString& path, const sheet::TitleBlock& title) {
  path_ = path;
  title_ = title;
  title_.file_name = QFileInfo(path).fileName().toStdString();
  saved_ = drivefile::WriteDrive(drivefile::Capture(form_, title_));
  window_->setWindowTitle(ToQt(face::WindowTitle(title_.file_name)));
}

bool DriveCommands::Open(const QString& path) {
  drivefile::Drive drive;
  if (std::optional<std::string> error = drivefile::OpenDriveFile(path.toStdString(), drive)) {
    auto* box = new QMessageBox(QMessageBox::Warning, ToQt(face::kDriveCommands[0].caption),
                                ToQt(*error), QMessageBox::Ok, window_);
    box->setObjectName(QStringLiteral("driveError"));
    box->setTextFormat(Qt::PlainText);  // the file's bytes are shown, never read as markup
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
    return false;
  }
  drivefile::Apply(drive, form_);
  Opened(path, drive.title);
  return true;
}

void DriveCommands::OpenChosen() {
  QString dir = path_.isEmpty() ? QDir::homePath() : QFileInfo(path_).absolutePath();
  QString path =
      QFileDialog::getOpenFileName(window_, ToQt(face::kDriveCommands[0].caption), dir, Filter());
  if (!path.isEmpty()) Open(path);
}

bool DriveCommands::SaveTo(const QString& path) {
  if (std::optional<std::string> error =
          drivefile::SaveDriveFile(path.toStdString(), drivefile::Capture(form_, title_))) {
    QMessageBox box(QMessageBox::Warning, ToQt(face::kDriveCommands[1].caption), ToQt(*error),
                    QMessageBox::Ok, window_);
    box.setTextFormat(Qt::PlainText);
    box.exec();
    return false;
  }
  Opened(path, title_);
  return true;
}

bool DriveCommands::Save() { return path_.isEmpty() ? SaveAs() : SaveTo(path_); }

bool DriveCommands::SaveAs() {
  QString start = path_.isEmpty() ? QDir::home().filePath(ToQt(face::kDefaultDriveName)) : path_;
  QString path =
      QFileDialog::getSaveFileName(window_, ToQt(face::kDriveCommands[2].caption), start, Filter());
  if (path.isEmpty()) return false;
  QString extension = ToQt(drivefile::kExtension);
  if (!path.endsWith(extension, Qt::CaseInsensitive)) path += extension;
  return SaveTo(path);
}

bool DriveCommands::Modified() const {
  return !path_.isEmpty() && drivefile::WriteDrive(drivefile::Capture(form_, title_)) != saved_;
}

// Asks whether to save what changed; false when the user would rather go on.
// After "Çıkış" the form has ended, so going on is no answer then.
bool DriveCommands::MayClose() {
  if (!Modified()) return true;
  QMessageBox box(QMessageBox::Question, ToQt(face::kUnsavedTitle),
                  ToQt(face::kUnsavedText).arg(ToQt(title_.file_name)), QMessageBox::NoButton,
                  window_);
  box.setObjectName(QStringLiteral("unsavedQuestion"));
  box.setTextFormat(Qt::PlainText);
  QPushButton* save = box.addButton(ToQt(face::kSaveAnswer), QMessageBox::AcceptRole);
  box.addButton(ToQt(face::kDiscardAnswer), QMessageBox::DestructiveRole);
  QPushButton* cancel = nullptr;
  if (!form_.ended()) cancel = box.addButton(ToQt(face::kCancelAnswer), QMessageBox::RejectRole);
  box.setDefaultButton(save);
  box.exec();
  if (box.clickedButton() == save) return Save() || form_.ended();
  return cancel == nullptr || box.clickedButton() != cancel;
}

bool DriveCommands::eventFilter(QObject* watched, QEvent* event) {
  if (watched == window_ && event->type() == QEvent::Close && !MayClose()) {
    event->ignore();
    return true;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace selbrin::ui
