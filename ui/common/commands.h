// The commands every face offers on the form's background (its context menu)
// and by shortcut. They read the form as it stands and write nothing into it.
#pragma once

#include <array>
#include <string_view>

namespace selbrin::face {

enum class SheetCommand {
  CopyResults,  // the results text onto the clipboard
  Print,        // the calculation sheet to a printer (or the browser's print)
  SavePdf,      // the calculation sheet as a PDF file, where the face can write one
};

// A shortcut as the user presses it: Ctrl, perhaps Shift, and one letter.
struct Shortcut {
  bool shift;
  char letter;  // upper case: 'C', 'P', 'S'
};

struct SheetCommandDef {
  SheetCommand command;
  std::string_view name;     // the widget or element name: "copyResults"
  std::string_view caption;  // the menu's Turkish text
  Shortcut keys;
};

inline constexpr std::array<SheetCommandDef, 3> kSheetCommands{{
    {SheetCommand::CopyResults, "copyResults", "Sonuçları kopyala", {true, 'C'}},
    {SheetCommand::Print, "printSheet", "Yazdır…", {false, 'P'}},
    {SheetCommand::SavePdf, "saveSheetPdf", "PDF olarak kaydet…", {true, 'P'}},
}};

// The name a saved or printed-to-file sheet is offered under.
inline constexpr std::string_view kSheetFileName = "kayis-hesabi.pdf";

// Whether a face that prints through a browser offers `command`: all but "PDF
// olarak kaydet…", as the browser's print dialog saves PDFs itself.
constexpr bool OfferedWithBrowserPrint(SheetCommand command) {
  return command != SheetCommand::SavePdf;
}

}  // namespace selbrin::face
