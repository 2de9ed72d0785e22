// selbrin-replay [FILE]: plays a script of user actions on the calculation form.
#include <fstream>
#include <iostream>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#endif

#include "tools/replay/replay.h"

int main(int argc, char** argv) {
#ifdef _WIN32
  // Lines end in LF on every system, so scenario output compares byte for byte.
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
#endif
  std::ios::sync_with_stdio(false);
  if (argc > 2) {
    std::cerr << "usage: selbrin-replay [FILE]\n";
    return selbrin::replay::kBadLine;
  }
  if (argc == 2) {
    std::ifstream file(argv[1], std::ios::binary);
    if (!file) {
      std::cerr << "selbrin-replay: cannot read " << argv[1] << '\n';
      return selbrin::replay::kBadLine;
    }
    return selbrin::replay::Run(file, std::cout, std::cerr);
  }
  return selbrin::replay::Run(std::cin, std::cout, std::cerr);
}
