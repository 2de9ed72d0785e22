// The items of the drive file, in the order it writes them: one row each, with
// how its value is written and read, so that writing and reading cannot part.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "drivefile/drive.h"

namespace selbrin::drivefile {

struct Field {
  using Reason = std::optional<std::string>;
  // The value as it goes into the file (unescaped); nullopt leaves the line out.
  using Writer = std::function<std::optional<std::string>(const Drive&)>;
  // Takes an unescaped value into the drive; returns why it cannot, if it cannot.
  using Reader = std::function<Reason(std::string_view, Drive&)>;
  // Once every line is read: why the value does not fit the rest, if it does not.
  using Checker = std::function<Reason(const Drive&)>;

  Field(std::string n, bool req, Writer w, Reader r, Checker c = {})
      : name(std::move(n)),
        required(req),
        write(std::move(w)),
        read(std::move(r)),
        check(std::move(c)) {}

  std::string name;
  bool required;
  Writer write;
  Reader read;
  Checker check;
};

const std::vector<Field>& Fields();

}  // namespace selbrin::drivefile
