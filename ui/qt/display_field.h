// A field only the program writes: a bordered label on the background of an
// input field, its text selectable so a result can be copied.
//
// A screen reader hears it as a read-only value: its name is the caption and
// unit ("Motor Deviri (d/dk)"), its value the text it shows ("2940").
#pragma once

#include <QLabel>

namespace selbrin::ui {

class DisplayField : public QLabel {
  Q_OBJECT

 public:
  explicit DisplayField(QWidget* parent);

  // Shows `text` and tells assistive technology that the value changed.
  void SetValue(const QString& text);
};

}  // namespace selbrin::ui
