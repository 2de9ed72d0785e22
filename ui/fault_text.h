// What the window tells the user when an arithmetic fault ended an action.
#pragma once

#include <QString>

#include "runtime/fault.h"

namespace selbrin::ui {

// The Turkish name of the fault's kind: "Sıfıra bölme", "Geçersiz değer", "Taşma".
QString FaultText(FaultKind kind);

}  // namespace selbrin::ui
