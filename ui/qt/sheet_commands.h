// The calculation sheet's three commands on the form: a context menu on the
// form's background and keyboard shortcuts. They read the form and change
// nothing in it.
//
//   "Sonuçları kopyala"   Ctrl+Shift+C   the results text onto the clipboard
//   "Yazdır…"             Ctrl+P         the sheet through the print dialog
//   "PDF olarak kaydet…"  Ctrl+Shift+P   the sheet into a PDF file
//
// The actions are named "copyResults", "printSheet" and "saveSheetPdf".
#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "form/form1.h"
#include "sheet/sheet.h"
#include "ui/common/commands.h"

class QPagedPaintDevice;
class QWidget;

namespace selbrin::ui {

class SheetCommands : public QObject {
  Q_OBJECT

 public:
  // Adds the commands to `window`, which owns them; `form` must outlive it.
  SheetCommands(const Form1& form, QWidget* window);

  void CopyResults() const;
  void Print();
  void SaveAsPdf();
  // Writes the sheet to `path` as a one-page PDF; false when it cannot.
  bool WritePdf(const QString& path) const;
  // Where the sheet's title lines and file name come from (the drive file).
  void SetTitleSource(std::function<sheet::TitleBlock()> source) {
    title_source_ = std::move(source);
  }

 private:
  void Run(face::SheetCommand command);
  // Draws the sheet as large as the device's page allows, keeping its shape.
  bool Paint(QPagedPaintDevice& device) const;

  const Form1& form_;
  QWidget* window_;
  std::function<sheet::TitleBlock()> title_source_;
};

}  // namespace selbrin::ui
