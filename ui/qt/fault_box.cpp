#include "ui/qt/fault_box.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSpacerItem>

#include "ui/common/geometry.h"
#include "ui/qt/widgets.h"

namespace selbrin::ui {
namespace {

// Room for the buttons and margins of a window manager's title bar.
constexpr int kTitleBarButtons = 96;

}  // namespace

FaultBox::FaultBox(QWidget* form) : QObject(form), form_(form) {}

void FaultBox::ActionEnded(Ctl acted_on, std::optional<FaultKind> fault) {
  state_.ActionEnded(acted_on, fault);
  Show();
}

bool FaultBox::Escape() {
  bool closed = state_.Escape();
  Show();
  return closed;
}

void FaultBox::Create() {
  box_ = new QMessageBox(
      QMessageBox::Warning, ToQt(face::kFaultTitle), QString(), QMessageBox::NoButton, form_,
      Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  box_->addButton(ToQt(face::kFaultButton), QMessageBox::AcceptRole);
  box_->setObjectName(QStringLiteral("faultMessage"));
  box_->setWindowModality(Qt::NonModal);
  // A fault at a keystroke must not stop the user typing.
  box_->setAttribute(Qt::WA_ShowWithoutActivating);
  box_->setWindowFlag(Qt::WindowDoesNotAcceptFocus);
  connect(box_, &QMessageBox::finished, this, [this] { state_.Dismiss(); });
  KeepTitleWhole();
}

// A short text makes a narrow box, whose title bar would cut the title. A
// message box sizes itself from its layout, so the room goes in as a spacer.
void FaultBox::KeepTitleWhole() {
  auto* grid = qobject_cast<QGridLayout*>(box_->layout());
  if (grid == nullptr) return;
  int width = box_->fontMetrics().horizontalAdvance(ToQt(face::kFaultTitle)) + kTitleBarButtons;
  grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Minimum),
                grid->rowCount(), 0, 1, grid->columnCount());
}

void FaultBox::Show() {
  if (!state_.shown()) {
    if (box_ != nullptr) box_->hide();
    return;
  }
  if (box_ == nullptr) Create();
  box_->setText(ToQt(state_.text()));
  box_->adjustSize();
  PlaceBesideForm();
  box_->show();
  box_->raise();
}

void FaultBox::PlaceBesideForm() {
  QScreen* screen = form_->screen();
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  QRect f = form_->frameGeometry();
  QRect a = screen->availableGeometry();
  QSize size = box_->frameGeometry().size();
  std::optional<face::PixelRect> field;
  if (const auto* w = form_->findChild<const QWidget*>(WidgetName(state_.acted_on()))) {
    QPoint at = w->mapToGlobal(QPoint(0, 0));
    field = face::PixelRect{at.x(), at.y(), w->width(), w->height()};
  }
  face::PixelRect r =
      face::PlaceBeside({f.x(), f.y(), f.width(), f.height()},
                        {a.x(), a.y(), a.width(), a.height()}, size.width(), size.height(), field);
  box_->move(r.left, r.top);
}

}  // namespace selbrin::ui
