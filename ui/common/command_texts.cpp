#include "ui/common/command_texts.h"

namespace selbrin::face {

std::string ShortcutText(const Shortcut& keys) {
  std::string text = keys.shift ? "Ctrl+Shift+" : "Ctrl+";
  text += keys.letter;
  return text;
}

}  // namespace selbrin::face
