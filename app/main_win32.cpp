// Selbrin for Windows: create the form (which loads its lists), show its window
// and run until "Çıkış" or the window's close box ends it.
#include <windows.h>

#include "form/form1.h"
#include "ui/win32/form_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show_command) {
  selbrin::Form1 form;
  selbrin::win32::FormWindow window(form, instance);
  window.Show(show_command);
  return selbrin::win32::RunMessageLoop(window);
}
