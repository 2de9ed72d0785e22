// The calculation form drawn with the controls Windows itself provides.
//
// Like every face of the form, the window owns no state: it is built from the
// control table and mirrors the form model. User input goes into the model as
// actions; the model's writes come back through its listener and are copied into
// the controls while a guard flag is up, so the notifications those writes cause
// are never taken for user edits:
//
//   WM_CHAR, WM_PASTE, WM_CUT, WM_CLEAR, Delete in a text box or combo field
//     ──► face::ApplyUserEdit (selection and inserted text) ──► Form1::Edit
//   EN_CHANGE, CBN_EDITCHANGE (what the box still edits itself) ──► Form1::Edit
//   CBN_SELENDOK, or CBN_SELCHANGE with the list closed ──► Form1::Pick
//   CBN_DROPDOWN ──► the list on the item equal to the typed text, or none
//   BN_CLICKED (check box, command button) ──► Form1::Click
//   BN_CLICKED or an arrow key (option button) ──► Form1::Select
//   Form1 listener ──► ShowControl(c), guard up
//   WM_CONTEXTMENU, Shift+F10, the Menu key, Ctrl+Shift+C, Ctrl+P, F1, a click
//     on a display field and Ctrl+C ──► reads the form, writes nothing
//   Ctrl+O, Ctrl+S, Ctrl+Shift+S ──► the drive file (drive_commands.h)
//
// A display field's window text is what a screen reader reads (caption, value
// and unit); the window draws only the value in it.
//
// Each control's child-window id comes from its name (control_ids.h).
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "form/form1.h"
#include "ui/common/commands.h"
#include "ui/win32/drive_commands.h"
#include "ui/win32/fault_message.h"

namespace selbrin::win32 {

class FormWindow {
 public:
  // Creates the window for `form`, which must outlive it, centred on the work
  // area and not yet shown. The window listens to the form until destroyed.
  FormWindow(Form1& form, HINSTANCE instance);
  ~FormWindow();
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;

  // Shows the window with the focus in Text2.
  void Show(int show_command);

  HWND hwnd() const { return hwnd_; }
  HWND control(Ctl c) const { return controls_[static_cast<std::size_t>(c)]; }
  const FaultMessage& faultMessage() const { return fault_; }
  DriveDocument& drive() { return *drive_; }
  int dpi() const { return dpi_; }
  // Pixels per twips / 15: the DPI's scale, or more where the font asks for it.
  double scale() const { return scale_; }

  // The form's own keys, before the window gets them: Esc closes the fault
  // message, Enter clicks a focused button and does nothing elsewhere, the
  // arrow keys move the option selection, Tab moves the focus. True when the
  // message was used up.
  bool PreTranslate(MSG& msg);

 private:
  // Posted when a combo box's list opens, to put its field right after the box's
  // own update.
  static constexpr UINT kListOpened = WM_APP + 1;

  // A combo box's field as the user left it when its list was opened.
  struct TypedText {
    Ctl combo = Ctl::None;
    std::wstring text;
    DWORD start = 0, end = 0;
  };

  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);

  // Building (form_window.cpp).
  void CreateControls(HINSTANCE instance);
  HWND CreateControl(Ctl c, HINSTANCE instance);
  void AddTooltip(HWND w, std::string_view tip, HINSTANCE instance);
  void ApplyDpi(int dpi);
  void CentreOnWorkArea();
  void UpdateOptionTabStop();
  void ShowControl(Ctl c);
  void ShowCombo(Ctl c);

  // Commands that only read the form, and the display fields (form_commands.cpp).
  void OnContextMenu(LPARAM lp);
  bool OnCommandKey(const MSG& msg);
  void ShowAbout();
  void SelectDisplay(Ctl c);
  bool CopyDisplaySelection();
  void OnDpiChanged(int dpi, const RECT& suggested);
  bool OnActivate(WORD state);
  void RunSheetCommand(face::SheetCommand command);
  void DrawDisplay(const DRAWITEMSTRUCT& item);
  void ShowDisplay(Ctl c);

  // Input (form_input.cpp).
  void OnCommand(int id, int code);
  void OnEdited(Ctl c);
  // Edits as the user made them (edit_input.cpp).
  static LRESULT CALLBACK EditBoxProc(HWND box, UINT msg, WPARAM wp, LPARAM lp);
  void HookEditBox(HWND box);
  bool OnEditInput(HWND box, UINT msg, WPARAM wp, LPARAM lp);
  bool OnEditChar(Ctl c, HWND box, wchar_t ch);
  void DeliverEdit(Ctl c, HWND box, DWORD start, DWORD end, const std::wstring& inserted);
  void OnListOpening(Ctl c);
  void OnListOpened();
  void OnOptionArrow(Ctl focused, WPARAM key);
  bool OnFormKey(std::optional<Ctl> c, WPARAM key);
  LRESULT OnColour(HDC dc);
  void Act(Ctl touched, const std::function<std::optional<FaultKind>()>& action);
  void WriteText(HWND w, const std::string& text);
  std::optional<Ctl> ControlOf(HWND w) const;

  Form1& form_;
  HWND hwnd_ = nullptr;
  std::array<HWND, kControlCount> controls_{};
  HFONT font_ = nullptr;
  int dpi_ = USER_DEFAULT_SCREEN_DPI;
  double scale_ = 1.0;
  bool writing_ = false;  // the binding is writing into a control
  HWND last_focus_ = nullptr;
  TypedText typed_;
  wchar_t high_surrogate_ = 0;
  Ctl selected_display_ =
      Ctl::None;  // the result a click selected, for Ctrl+C  // the first half of a typed character
  HWND tooltips_ = nullptr;
  HACCEL shortcuts_ = nullptr;
  FaultMessage fault_;
  std::optional<DriveDocument> drive_;  // made once the window is
};

// Runs the message loop until the window is gone; the exit code.
int RunMessageLoop(FormWindow& window);

// Handles every message waiting now, as the loop would; false once the window
// has ended the loop.
bool PumpMessages(FormWindow& window);

}  // namespace selbrin::win32
