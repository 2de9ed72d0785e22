// "Hakkında…": what the program is, its version and licence, and every command
// of the background menu with its shortcut. The text is built here once, from
// the command tables, and every face shows it in its own message.
#pragma once

#include <string>
#include <string_view>

namespace selbrin::face {

inline constexpr std::string_view kAboutName = "about";  // the widget or element name
inline constexpr std::string_view kAboutCaption = "Hakkında…";
inline constexpr std::string_view kAboutTitle = "Selbrin Hakkında";
inline constexpr std::string_view kAboutKey = "F1";

// Which commands a face lists: the desktop windows', a desktop window's that
// prints through the browser (no "PDF olarak kaydet…", as the browser's print
// dialog saves PDFs), or the web page's.
enum class FaceKind { Desktop, DesktopBrowserPrint, Web };

// The whole text: program and version, what it does, the licence, then one
// line per command, "Sonuçları kopyala<TAB>Ctrl+Shift+C".
std::string AboutText(std::string_view version, FaceKind face);

}  // namespace selbrin::face
