// A file name in the temporary folder that no other test run uses: the same test
// runs at once in several locales and build folders, which share the folder.
#pragma once

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>

namespace selbrin::test {

inline std::string UniqueTempPath(std::string_view name) {
  static const std::string run = std::to_string(std::random_device{}());
  return testing::TempDir() + "selbrin-" + run + "-" + std::string(name);
}

}  // namespace selbrin::test
