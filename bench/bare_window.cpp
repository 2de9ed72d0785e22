// selbrin-bare-window: the floor that Selbrin's start-up is measured against. A
// plain Qt Widgets window with the same 65 widgets (same kinds, captions,
// geometry and list items) built by hand, with no model, no handlers and no
// icon: whatever it costs to start is the toolkit's cost, not the program's.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QStringList>
#include <QWidget>

#include "form/controls.h"

namespace {

QString Q(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

int Px(int twips) { return twips / selbrin::kTwipsPerPixel; }

QStringList Items(std::string_view combo) {
  if (combo == "Combo1") {
    return {"7.5", "11", "15", "18.5", "22",  "30",  "37",
            "45",  "55", "75", "90",   "110", "132", "160"};
  }
  return {"100", "112", "118", "125", "132", "140", "150", "160", "170",
          "180", "190", "200", "212", "224", "236", "250", "265", "280",
          "300", "315", "335", "355", "375", "400", "425", "450", "500"};
}

QWidget* Make(const selbrin::ControlDef& d, QWidget* parent) {
  using selbrin::Kind;
  switch (d.kind) {
    case Kind::Label:
      return new QLabel(Q(d.caption), parent);
    case Kind::Display: {
      auto* label = new QLabel(parent);
      label->setFrameShape(QFrame::Box);
      label->setAutoFillBackground(true);
      label->setBackgroundRole(QPalette::Base);
      return label;
    }
    case Kind::TextBox:
      return new QLineEdit(parent);
    case Kind::ComboBox: {
      auto* combo = new QComboBox(parent);
      combo->setEditable(true);
      combo->addItems(Items(d.name));
      combo->setCurrentIndex(-1);
      return combo;
    }
    case Kind::CheckBox: {
      auto* box = new QCheckBox(Q(d.caption), parent);
      box->setChecked(d.initial_value != 0);
      return box;
    }
    case Kind::OptionButton: {
      auto* button = new QRadioButton(Q(d.caption), parent);
      button->setChecked(d.initial_value != 0);
      return button;
    }
    case Kind::CommandButton:
      return new QPushButton(Q(d.caption), parent);
  }
  return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(" Selbrin");
  window.setFixedSize(Px(7125), Px(4740));
  for (const selbrin::ControlDef& d : selbrin::kControls) {
    QWidget* w = Make(d, &window);
    w->setGeometry(Px(d.geometry.left), Px(d.geometry.top), Px(d.geometry.width),
                   Px(d.geometry.height));
  }
  window.show();
  return QApplication::exec();
}
