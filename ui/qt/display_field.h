// A field only the program writes: a bordered label on the form's own
// background (so it never looks like a box to type in), its text selectable so
// a result can be copied, and a context menu whose "Kopyala" copies the value.
//
// A screen reader hears it as a read-only value: its name reads caption, value
// and unit ("Motor Deviri: 2940 d/dk"), its value is the text it shows ("2940").
// A value too long for the field shows whole in the field's tooltip.
#pragma once

#include <QLabel>

#include "form/controls.h"

namespace selbrin::ui {

class DisplayField : public QLabel {
  Q_OBJECT

 public:
  DisplayField(Ctl control, QWidget* parent);

  // Shows `text` and tells assistive technology that the value changed.
  void SetValue(const QString& text);

  // Puts the selected part of the value on the clipboard; false when nothing is selected.
  bool CopySelection() const;

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void UpdateToolTip();

  Ctl control_;
};

}  // namespace selbrin::ui
