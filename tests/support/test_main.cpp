// GoogleTest main that first adopts the locale of the environment, as the window
// does on a desktop: the tests run once as they are and once under LC_ALL=tr_TR.UTF-8,
// whose decimal comma must never reach how numbers are read or written.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <locale>

int main(int argc, char** argv) {
  const char* name = std::setlocale(LC_ALL, "");
  if (name == nullptr) {
    std::fprintf(stderr, "the locale of the environment is not installed\n");
    return 1;
  }
#ifndef _WIN32
  // MinGW's C++ library knows only the "C" locale and throws on any other.
  std::locale::global(std::locale(""));
#endif
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
