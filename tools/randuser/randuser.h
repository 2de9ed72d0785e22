// The random user: scripts of random user actions in the runner's language,
// which every face plays through its real widgets and compares, at each
// `state` line, with what selbrin-replay prints for the same script.
//
// Besides the runner's lines it writes comments that only the faces act on:
//   # arrow DIR          the next line's `select N` is made by that arrow key in
//                        the profile group (DIR: Left, Right, Up, Down)
//   # key Escape         Esc in the form, which closes the fault message
//   # copy-field NAME    "Kopyala" from the display field's menu; the clipboard
//                        then holds the field's value
// Every action is followed by `state`. Each line is played on the model while
// the script is made, so every line is valid and every pick names an item.
#pragma once

#include <cstdint>
#include <string>

namespace selbrin::randuser {

// The same seed gives the same script on every system.
std::string RandomScript(std::uint64_t seed, int actions);

}  // namespace selbrin::randuser
