// "Hesapla": the drive calculation.
#pragma once

#include "form/form1.h"

namespace selbrin {

// The drive calculation behind "Hesapla". Also run by a click of "Ağır Hizmet"
// and, as its last step, by a profile click.
void Command1_Click(Form1& form);

// "Ağır Hizmet" toggled: the service factor changes, so calculate again.
void chkC2_Click(Form1& form);

}  // namespace selbrin
