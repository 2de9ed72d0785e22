// Which event runs which procedure. Every event not listed here is not handled:
// typing into a combo box, a change of Text9, Text10, Text12 or Text13, clicks on
// labels, focus, and closing the window.
#include "form/form1.h"

namespace selbrin {

const EventRouting& ProgramRouting() {
  static const EventRouting routing = [] {
    EventRouting r;
    r.Form_Load = Form_Load;
    r.Command3_Click = Command3_Click;
    return r;
  }();
  return routing;
}

}  // namespace selbrin
