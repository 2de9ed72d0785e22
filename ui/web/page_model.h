// The one form the page shows, and what the page keeps besides it: the title
// lines and the name of the drive file last opened (the sheet prints them).
#pragma once

#include "form/form1.h"
#include "sheet/sheet.h"

namespace selbrin::web {

Form1& Model();
sheet::TitleBlock& DriveTitle();

}  // namespace selbrin::web
