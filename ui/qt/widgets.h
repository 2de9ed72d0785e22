// The widget that draws each kind of control, and the room it needs.
#pragma once

#include <QSize>
#include <QString>
#include <QWidget>
#include <string>
#include <string_view>

#include "form/form1.h"

namespace selbrin::ui {

inline QString ToQt(const std::string& s) { return QString::fromStdString(s); }
inline QString ToQt(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<int>(s.size()));
}

// "Text2", or "Option1_6" for an element of the option array.
QString WidgetName(Ctl c);

// A new, empty widget for control `c`, named after it; text boxes and combo
// fields are EditBoxes, which hand the user's edits to the window.
QWidget* CreateWidget(Ctl c, QWidget* parent);

// The smallest size at which control `c` shows its caption, list items or the
// longest text the user may type whole, in the current font.
QSize NeededSize(Ctl c, QWidget* w);

}  // namespace selbrin::ui
