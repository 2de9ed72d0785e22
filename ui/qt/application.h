// What the program tells the desktop about itself: its name, version, desktop
// entry and icon.
#pragma once

#include <QIcon>

class QApplication;
class QLocale;
class QTranslator;

namespace selbrin::ui {

// The id of the desktop entry and of the icon files in data/.
inline constexpr char kAppId[] = "io.github.selbrin.Selbrin";

// Two pulleys and a belt: the 32 x 32 image.
QIcon ApplicationIcon();

// Loads Qt's own Turkish texts (edit menus, dialogs, message buttons) on every
// desktop: the program is Turkish, so its dialogs are too. Returns the
// installed translator, owned by `app`, or null when Qt has no Turkish texts.
QTranslator* LoadQtTranslation(QApplication& app);

// Names the application, gives it its icon and, on a Turkish desktop, Qt's
// Turkish texts. Call once, before the window.
void PrepareApplication(QApplication& app);

}  // namespace selbrin::ui
