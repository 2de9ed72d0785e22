// The controls of the calculation form, as data: one row per control in the order
// the user reads the form (rows top to bottom, left to right). Geometry is in
// twips (1/1440 inch) from the top-left corner of the client area.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace selbrin {

// One id per control, in table order. The eight option buttons are the elements
// 0 to 7 of the one control array Option1.
enum class Ctl : unsigned char {
  Label1,
  Label31,
  Label4,
  Label7,
  Combo1,
  Label22,
  chkKompakt,
  chk4kutup,
  Label2,
  Text2,
  Label5,
  Label3,
  Label36,
  chkC2,
  Label9,
  Combo2,
  Label25,
  Label18,
  Label19,
  Label11,
  Label32,
  Label23,
  Label10,
  Combo3,
  Label26,
  Label20,
  Label21,
  Label12,
  Text9,
  Label24,
  Label6,
  Option1_0,
  Option1_1,
  Option1_2,
  Option1_3,
  Option1_4,
  Option1_5,
  Option1_6,
  Option1_7,
  Label8,
  Text5,
  Label13,
  Text10,
  Label27,
  Label14,
  Text11,
  Label28,
  Label34,
  Label35,
  Label33,
  Label16,
  Text12,
  Label29,
  Label37,
  Label38,
  Label39,
  Label17,
  Text13,
  Label30,
  Command1,
  Command3,
  Label41,
  Label40,
  Label42,
  Label15,
  None,
};

inline constexpr std::size_t kControlCount = 65;

enum class Kind : unsigned char {
  Label,     // a fixed caption or unit
  Display,   // a label with a border that only the program writes
  TextBox,   // single-line, editable
  ComboBox,  // editable text field with a drop-down list
  CheckBox,
  OptionButton,  // an element of the Option1 array
  CommandButton,
};

struct Twips {
  int left, top, width, height;
};

// The window itself: its caption (one blank, then the program's title) and the
// size of its client area. The user cannot resize it.
inline constexpr std::string_view kFormCaption = " Selbrin";
inline constexpr Twips kFormClientArea{0, 0, 7125, 4740};

// The form was laid out on a 96 dpi screen, where a pixel is 15 twips.
inline constexpr int kTwipsPerPixel = 15;

struct ControlDef {
  std::string_view name;  // "Text2"; "Option1" for every element of the array
  int index;              // element index in Option1, -1 elsewhere
  Kind kind;
  std::string_view caption;  // caption of labels, check boxes, buttons and options
  std::string_view tooltip;
  Twips geometry;
  int tab_index;      // 0 to 64, no gaps
  int initial_value;  // 1 for a checked box or the selected option
  int max_chars;      // limit on characters the user may type, 0 for none
  Ctl label;          // the caption in front of an input or display
  Ctl unit;           // the unit after it
};

// clang-format off
inline constexpr std::array<ControlDef, kControlCount> kControls{{
    {"Label1", -1, Kind::Label, "Motor Deviri =", "", {120, 240, 1095, 375}, 0, 0, 0, Ctl::None, Ctl::None},
    {"Label31", -1, Kind::Display, "", "", {1200, 240, 735, 285}, 49, 0, 0, Ctl::Label1, Ctl::Label4},
    {"Label4", -1, Kind::Label, "d/dk", "", {2040, 300, 615, 255}, 4, 0, 0, Ctl::None, Ctl::None},
    {"Label7", -1, Kind::Label, "Motor Gücü =", "", {2640, 240, 975, 375}, 15, 0, 0, Ctl::None, Ctl::None},
    {"Combo1", -1, Kind::ComboBox, "", "", {3840, 240, 855, 315}, 50, 0, 0, Ctl::Label7, Ctl::Label22},
    {"Label22", -1, Kind::Label, "kW", "", {4800, 240, 375, 255}, 39, 0, 0, Ctl::None, Ctl::None},
    {"chkKompakt", -1, Kind::CheckBox, "Kompakt Motor", "", {5520, 120, 1455, 255}, 21, 0, 0, Ctl::None, Ctl::None},
    {"chk4kutup", -1, Kind::CheckBox, "4 Kutuplu", "", {5520, 360, 1455, 255}, 48, 0, 0, Ctl::None, Ctl::None},
    {"Label2", -1, Kind::Label, "Vida Deviri =", "", {120, 720, 1095, 375}, 1, 0, 0, Ctl::None, Ctl::None},
    {"Text2", -1, Kind::TextBox, "", "", {1200, 720, 735, 285}, 2, 0, 5, Ctl::Label2, Ctl::Label5},
    {"Label5", -1, Kind::Label, "d/dk", "", {2040, 795, 615, 255}, 5, 0, 0, Ctl::None, Ctl::None},
    {"Label3", -1, Kind::Label, "Devir Oranı (i) =", "", {2640, 720, 1095, 375}, 3, 0, 0, Ctl::None, Ctl::None},
    {"Label36", -1, Kind::Display, "", "", {3840, 720, 495, 285}, 57, 0, 0, Ctl::Label3, Ctl::None},
    {"chkC2", -1, Kind::CheckBox, "Ağır Hizmet", "", {5520, 720, 1215, 255}, 64, 1, 0, Ctl::None, Ctl::None},
    {"Label9", -1, Kind::Label, "Motor Kasnağı Çapı =", "", {120, 1320, 1695, 375}, 16, 0, 0, Ctl::None, Ctl::None},
    {"Combo2", -1, Kind::ComboBox, "", "", {1800, 1320, 855, 315}, 51, 0, 0, Ctl::Label9, Ctl::Label25},
    {"Label25", -1, Kind::Label, "mm", "", {2760, 1320, 495, 255}, 42, 0, 0, Ctl::None, Ctl::None},
    {"Label18", -1, Kind::Label, "Burç =", "", {3360, 1320, 495, 375}, 22, 0, 0, Ctl::None, Ctl::None},
    {"Label19", -1, Kind::Display, "", "", {3960, 1320, 615, 285}, 23, 0, 0, Ctl::Label18, Ctl::None},
    {"Label11", -1, Kind::Label, "Motor Mili Çapı =", "", {4800, 1320, 1215, 375}, 18, 0, 0, Ctl::None, Ctl::None},
    {"Label32", -1, Kind::Display, "", "", {6120, 1320, 375, 285}, 53, 0, 0, Ctl::Label11, Ctl::Label23},
    {"Label23", -1, Kind::Label, "mm", "", {6600, 1320, 375, 255}, 40, 0, 0, Ctl::None, Ctl::None},
    {"Label10", -1, Kind::Label, "Vida Kasnağı Çapı =", "", {120, 1800, 1575, 375}, 17, 0, 0, Ctl::None, Ctl::None},
    {"Combo3", -1, Kind::ComboBox, "", "", {1800, 1800, 855, 315}, 52, 0, 0, Ctl::Label10, Ctl::Label26},
    {"Label26", -1, Kind::Label, "mm", "", {2760, 1800, 495, 255}, 43, 0, 0, Ctl::None, Ctl::None},
    {"Label20", -1, Kind::Label, "Burç =", "", {3360, 1800, 495, 375}, 24, 0, 0, Ctl::None, Ctl::None},
    {"Label21", -1, Kind::Display, "", "", {3960, 1800, 615, 285}, 25, 0, 0, Ctl::Label20, Ctl::None},
    {"Label12", -1, Kind::Label, "Vida Mili Çapı =", "", {4800, 1800, 1215, 375}, 19, 0, 0, Ctl::None, Ctl::None},
    {"Text9", -1, Kind::TextBox, "", "", {6120, 1800, 375, 285}, 20, 0, 0, Ctl::Label12, Ctl::Label24},
    {"Label24", -1, Kind::Label, "mm", "", {6600, 1800, 375, 255}, 41, 0, 0, Ctl::None, Ctl::None},
    {"Label6", -1, Kind::Label, "Kayış =", "", {120, 2320, 735, 255}, 6, 0, 0, Ctl::None, Ctl::None},
    {"Option1", 0, Kind::OptionButton, "XPZ", "", {840, 2280, 735, 375}, 7, 0, 0, Ctl::Label6, Ctl::None},
    {"Option1", 1, Kind::OptionButton, "XPA", "", {1560, 2280, 735, 375}, 8, 0, 0, Ctl::Label6, Ctl::None},
    {"Option1", 2, Kind::OptionButton, "XPB", "", {2280, 2280, 735, 375}, 9, 0, 0, Ctl::Label6, Ctl::None},
    {"Option1", 3, Kind::OptionButton, "XPC", "", {3000, 2280, 735, 375}, 10, 0, 0, Ctl::Label6, Ctl::None},
    {"Option1", 4, Kind::OptionButton, "SPZ", "", {3720, 2280, 735, 375}, 11, 0, 0, Ctl::Label6, Ctl::None},
    {"Option1", 5, Kind::OptionButton, "SPA", "", {4440, 2280, 735, 375}, 12, 0, 0, Ctl::Label6, Ctl::None},
    {"Option1", 6, Kind::OptionButton, "SPB", "", {5160, 2280, 735, 375}, 13, 1, 0, Ctl::Label6, Ctl::None},
    {"Option1", 7, Kind::OptionButton, "SPC", "", {5880, 2280, 735, 375}, 14, 0, 0, Ctl::Label6, Ctl::None},
    {"Label8", -1, Kind::Label, "Kayış Sayısı =", "", {120, 2760, 975, 255}, 26, 0, 0, Ctl::None, Ctl::None},
    {"Text5", -1, Kind::TextBox, "", "", {1800, 2760, 495, 285}, 27, 0, 0, Ctl::Label8, Ctl::None},
    {"Label13", -1, Kind::Label, "Eksen Mesafesi =", "", {3960, 2760, 1335, 255}, 28, 0, 0, Ctl::None, Ctl::None},
    {"Text10", -1, Kind::TextBox, "", "", {5400, 2760, 735, 285}, 29, 0, 0, Ctl::Label13, Ctl::Label27},
    {"Label27", -1, Kind::Label, "mm", "", {6240, 2760, 375, 255}, 44, 0, 0, Ctl::None, Ctl::None},
    {"Label14", -1, Kind::Label, "Kayış Boyu =", "", {120, 3120, 1455, 255}, 30, 0, 0, Ctl::None, Ctl::None},
    {"Text11", -1, Kind::TextBox, "", "", {1800, 3120, 1095, 285}, 31, 0, 0, Ctl::Label14, Ctl::Label28},
    {"Label28", -1, Kind::Label, "mm", "", {3000, 3120, 495, 255}, 45, 0, 0, Ctl::None, Ctl::None},
    {"Label34", -1, Kind::Label, "Açı =", "", {4850, 3120, 375, 255}, 55, 0, 0, Ctl::None, Ctl::None},
    {"Label35", -1, Kind::Display, "", "", {5400, 3120, 615, 285}, 56, 0, 0, Ctl::Label34, Ctl::Label33},
    {"Label33", -1, Kind::Label, "derece", "", {6120, 3120, 615, 255}, 54, 0, 0, Ctl::None, Ctl::None},
    {"Label16", -1, Kind::Label, "Tek Kayışın Gücü =", "ContiTech", {120, 3480, 1575, 255}, 32, 0, 0, Ctl::None, Ctl::None},
    {"Text12", -1, Kind::TextBox, "", "", {1800, 3480, 615, 285}, 33, 0, 0, Ctl::Label16, Ctl::Label29},
    {"Label29", -1, Kind::Label, "kW", "", {2520, 3480, 495, 255}, 46, 0, 0, Ctl::None, Ctl::None},
    {"Label37", -1, Kind::Label, "Kasnak Genişliği =", "", {3900, 3480, 1335, 255}, 58, 0, 0, Ctl::None, Ctl::None},
    {"Label38", -1, Kind::Display, "", "", {5400, 3480, 495, 285}, 59, 0, 0, Ctl::Label37, Ctl::Label39},
    {"Label39", -1, Kind::Label, "mm", "", {6000, 3480, 495, 255}, 60, 0, 0, Ctl::None, Ctl::None},
    {"Label17", -1, Kind::Label, "Toplam Kayış Gücü =", "", {120, 3840, 1575, 375}, 34, 0, 0, Ctl::None, Ctl::None},
    {"Text13", -1, Kind::TextBox, "", "", {1800, 3840, 615, 285}, 35, 0, 0, Ctl::Label17, Ctl::Label30},
    {"Label30", -1, Kind::Label, "kW", "", {2520, 3900, 495, 255}, 47, 0, 0, Ctl::None, Ctl::None},
    {"Command1", -1, Kind::CommandButton, "Hesapla", "", {4200, 3960, 1215, 375}, 36, 0, 0, Ctl::None, Ctl::None},
    {"Command3", -1, Kind::CommandButton, "Çıkış", "", {5640, 3960, 1215, 375}, 37, 0, 0, Ctl::None, Ctl::None},
    {"Label41", -1, Kind::Label, "Kayış Hızı =", "En çok 50 m/sn", {120, 4200, 975, 375}, 62, 0, 0, Ctl::None, Ctl::None},
    {"Label40", -1, Kind::Display, "", "", {1800, 4200, 495, 285}, 61, 0, 0, Ctl::Label41, Ctl::Label42},
    {"Label42", -1, Kind::Label, "m/sn", "", {2400, 4200, 615, 255}, 63, 0, 0, Ctl::None, Ctl::None},
    {"Label15", -1, Kind::Label, "Selbrin 1.00, kayış kasnak hesabı", "", {4320, 4440, 2535, 255}, 38, 0, 0, Ctl::None, Ctl::None},
}};
// clang-format on

constexpr const ControlDef& Def(Ctl c) { return kControls[static_cast<std::size_t>(c)]; }

// The belt profiles: the elements of Option1, one per profile ("XPZ" to "SPC").
inline constexpr int kProfileCount = 8;

constexpr Ctl Option(int index) {
  return static_cast<Ctl>(static_cast<int>(Ctl::Option1_0) + index);
}

// "Text2", or "Option1(6)" for an element of the array.
std::string ControlName(Ctl c);

// The control named so ("Option1(6)" for an element), if there is one.
std::optional<Ctl> FindControl(std::string_view name);

// A label's caption without its trailing " =" ("Vida Deviri").
std::string_view BareCaption(Ctl label);

// The caption in front of a field, without its trailing " =", and for the two
// "Burç" displays the pulley each belongs to, since one caption serves both:
// "Burç (Motor Kasnağı)".
std::string FieldCaption(Ctl c);

// What names a control to the user: FieldCaption, then its own caption ("Vida
// Deviri", "Hesapla", "Kayış SPB"); its name when it has neither.
std::string ControlCaption(Ctl c);

// What a screen reader says for an input or display: its caption, and its unit
// in brackets ("Motor Deviri (d/dk)").
std::string AccessibleName(Ctl c);

}  // namespace selbrin
