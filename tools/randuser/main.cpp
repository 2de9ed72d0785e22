// selbrin-randuser SEED ACTIONS: prints a script of ACTIONS random user actions
// for selbrin-replay and the faces' random-user tests.
#include <charconv>
#include <cstdint>
#include <iostream>
#include <string_view>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#endif

#include "tools/randuser/randuser.h"

namespace {

template <typename T>
bool ReadNumber(std::string_view text, T& value) {
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && end == text.data() + text.size() && !text.empty();
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
  _setmode(_fileno(stdout), _O_BINARY);  // lines end in LF on every system
#endif
  std::uint64_t seed = 0;
  int actions = 0;
  if (argc != 3 || !ReadNumber(argv[1], seed) || !ReadNumber(argv[2], actions) || actions < 0) {
    std::cerr << "usage: selbrin-randuser SEED ACTIONS\n";
    return 2;
  }
  std::cout << selbrin::randuser::RandomScript(seed, actions);
  return 0;
}
