// What the program tells the desktop about itself: its name, version, desktop
// entry and icon.
#pragma once

#include <QIcon>

class QApplication;

namespace selbrin::ui {

// The id of the desktop entry and of the icon files in data/.
inline constexpr char kAppId[] = "io.github.selbrin.Selbrin";

// Two pulleys and a belt: the 32 x 32 image.
QIcon ApplicationIcon();

// Names the application and gives it its icon. Call once, before the window.
void PrepareApplication(QApplication& app);

}  // namespace selbrin::ui
