// Which event runs which procedure. Every event not listed here is not handled:
// typing into a combo box, a change of Text9, Text10, Text12 or Text13, clicks on
// labels, focus, and closing the window.
#include "program/routing.h"

#include "drive/drive.h"
#include "motor/motor.h"
#include "sizing/sizing.h"

namespace selbrin {

const EventRouting& ProgramRouting() {
  static const EventRouting routing = [] {
    EventRouting r;
    r.Form_Load = Form_Load;
    r.Command1_Click = Command1_Click;
    r.chkC2_Click = chkC2_Click;
    r.Command3_Click = Command3_Click;
    r.Combo1_Click = Combo1_Click;
    r.chkKompakt_Click = chkKompakt_Click;
    r.chk4kutup_Click = chk4kutup_Click;
    r.Combo2_Click = Combo2_Click;
    r.Combo3_Click = Combo3_Click;
    r.Option1_Click = Option1_Click;
    r.Text2_Change = Text2_Change;
    r.Text5_Change = Text5_Change;
    r.Text11_Change = Text11_Change;
    return r;
  }();
  return routing;
}

Form1::Form1() : Form1(ProgramRouting()) {}

}  // namespace selbrin
