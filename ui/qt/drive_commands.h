// The drive file's commands on the window: "Aç…" (Ctrl+O), "Kaydet" (Ctrl+S) and
// "Farklı kaydet…" (Ctrl+Shift+S) on the form's background menu, with the
// system's file dialogs. Once a file is opened or saved the window's title
// names it, and closing the window with changes since then asks to save them.
// The calculation sheet prints the drive's title lines and the file's name.
#pragma once

#include <QObject>
#include <QString>
#include <string>

#include "form/form1.h"
#include "sheet/sheet.h"
#include "ui/common/drive_commands.h"

class QWidget;

namespace selbrin::ui {

class DriveCommands : public QObject {
  Q_OBJECT

 public:
  // Adds the commands to `window`, which owns them; `form` must outlive it.
  DriveCommands(Form1& form, QWidget* window);

  // Replaces the form by the drive in `path`. A file that is not a drive leaves
  // the form as it was and shows why (a window named "driveError").
  bool Open(const QString& path);
  bool SaveTo(const QString& path);
  void OpenChosen();
  bool Save();
  bool SaveAs();

  // Whether the form changed since the file was opened or saved; false when no
  // file was.
  bool Modified() const;
  const sheet::TitleBlock& title() const { return title_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Run(face::DriveCommand command);
  void Opened(const QString& path, const sheet::TitleBlock& title);
  bool MayClose();

  Form1& form_;
  QWidget* window_;
  QString path_;  // the file the drive was last opened from or saved to
  sheet::TitleBlock title_;
  std::string saved_;  // the drive as that file holds it
};

}  // namespace selbrin::ui
