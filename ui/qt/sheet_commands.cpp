#include "ui/qt/sheet_commands.h"

#include <QAction>
#include <QClipboard>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSvgRenderer>
#include <QWidget>
#include <algorithm>

#include "sheet/fields.h"
#include "sheet/sheet.h"
#include "ui/common/command_keys.h"
#include "ui/common/commands.h"
#include "ui/common/print_page.h"
#include "ui/qt/widgets.h"

namespace selbrin::ui {
namespace {

// The sheet's page, which the size matches to A4.
QPageSize PrintPageSize() {
  return QPageSize(QSizeF(face::kPrintPage.width_mm, face::kPrintPage.height_mm),
                   QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch);
}

constexpr int kPdfResolution = 600;  // dots per inch of the drawing in the PDF

// What made a PDF of the sheet, printed or saved.
QString Creator() { return QStringLiteral("Selbrin " SELBRIN_VERSION_TEXT); }

sheet::Date Today() {
  QDate today = QDate::currentDate();
  return {today.year(), today.month(), today.day()};
}

// The painter draws texts in hundredths of a millimetre, as font sizes are whole
// pixels and the sheet's are fractions of a millimetre.
constexpr double kTextUnits = 100;

void DrawText(QPainter& painter, const sheet::TextItem& item) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(static_cast<int>(item.size * kTextUnits));
  font.setBold(item.style == sheet::TextStyle::Bold);
  // Unshaped, so that no "fi" ligature stands in the PDF for the two letters a
  // reader searches and copies.
  font.setStyleStrategy(QFont::PreferNoShaping);
  painter.setFont(font);
  painter.setPen(item.style == sheet::TextStyle::Angle ? QColor(ToQt(sheet::kAccentColour))
                                                       : QColor(Qt::black));
  QString text = ToQt(item.text);
  double width = QFontMetricsF(font, painter.device()).horizontalAdvance(text);
  double shift = item.anchor == "middle" ? width / 2 : item.anchor == "end" ? width : 0;
  painter.drawText(QPointF(item.x * kTextUnits - shift, item.y * kTextUnits), text);
}

QAction* AddCommand(QWidget* window, std::string_view name, std::string_view text,
                    const QKeySequence& keys) {
  auto* action = new QAction(ToQt(text), window);
  action->setObjectName(ToQt(name));
  action->setShortcut(keys);
  action->setShortcutContext(Qt::WindowShortcut);
  window->addAction(action);
  return action;
}

}  // namespace

SheetCommands::SheetCommands(const Form1& form, QWidget* window)
    : QObject(window), form_(form), window_(window) {
  setObjectName(QStringLiteral("sheetCommands"));
  // The window's actions are its context menu; the boxes keep their own menus.
  window->setContextMenuPolicy(Qt::ActionsContextMenu);
  for (const face::SheetCommandDef& def : face::kSheetCommands) {
    Qt::KeyboardModifiers mods = Qt::ControlModifier;
    if (def.keys.shift) mods |= Qt::ShiftModifier;
    QKeySequence keys(QKeyCombination(mods, static_cast<Qt::Key>(def.keys.letter)));
    connect(AddCommand(window, def.name, def.caption, keys), &QAction::triggered, this,
            [this, command = def.command] { Run(command); });
  }
}

void SheetCommands::Run(face::SheetCommand command) {
  switch (command) {
    case face::SheetCommand::CopyResults:
      CopyResults();
      break;
    case face::SheetCommand::Print:
      Print();
      break;
    case face::SheetCommand::SavePdf:
      SaveAsPdf();
      break;
  }
}

void SheetCommands::CopyResults() const {
  QGuiApplication::clipboard()->setText(QString::fromStdString(sheet::ResultsText(form_)));
}

bool SheetCommands::Paint(QPagedPaintDevice& device) const {
  sheet::SheetParts parts = sheet::SheetForPainter(
      form_, SELBRIN_VERSION_TEXT, Today(), title_source_ ? title_source_() : sheet::TitleBlock{});
  QSvgRenderer renderer(QByteArray::fromStdString(parts.graphics));
  QPainter painter;
  if (!renderer.isValid() || !painter.begin(&device)) return false;
  double scale = std::min(device.width() / sheet::kPageWidth, device.height() / sheet::kPageHeight);
  QSizeF size(sheet::kPageWidth * scale, sheet::kPageHeight * scale);
  QPointF corner((device.width() - size.width()) / 2, (device.height() - size.height()) / 2);
  renderer.render(&painter, QRectF(corner, size));
  // The texts as text, so that the PDF can be searched and copied from.
  painter.translate(corner);
  painter.scale(scale / kTextUnits, scale / kTextUnits);
  for (const sheet::TextItem& item : parts.texts) DrawText(painter, item);
  return painter.end();
}

void SheetCommands::Print() {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageSize(PrintPageSize());
  printer.setPageOrientation(QPageLayout::Portrait);
  printer.setFullPage(true);  // the sheet keeps its own margins
  printer.setDocName(ToQt(sheet::kSheetTitle));
  printer.setCreator(Creator());
  QPrintDialog dialog(&printer, window_);
  dialog.setWindowTitle(ToQt(face::kPrintTitle));
  if (dialog.exec() != QDialog::Accepted) return;
  if (!Paint(printer)) {
    QMessageBox::warning(window_, ToQt(face::kPrintTitle), ToQt(face::kPrintFailedText));
  }
}

bool SheetCommands::WritePdf(const QString& path) const {
  QPdfWriter writer(path);
  writer.setPageSize(PrintPageSize());
  writer.setPageOrientation(QPageLayout::Portrait);
  writer.setPageMargins(QMarginsF(0, 0, 0, 0));
  writer.setResolution(kPdfResolution);
  writer.setCreator(Creator());
  writer.setTitle(ToQt(sheet::kSheetTitle));
  return Paint(writer);
}

void SheetCommands::SaveAsPdf() {
  QString path = QFileDialog::getSaveFileName(window_, QStringLiteral("PDF olarak kaydet"),
                                              QDir::home().filePath(ToQt(face::kSheetFileName)),
                                              QStringLiteral("PDF (*.pdf)"));
  if (path.isEmpty()) return;
  if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) path += QStringLiteral(".pdf");
  if (!WritePdf(path)) {
    QMessageBox::warning(
        window_, QStringLiteral("PDF olarak kaydet"),
        QStringLiteral("Dosya yazılamadı: %1").arg(QDir::toNativeSeparators(path)));
  }
}

}  // namespace selbrin::ui
