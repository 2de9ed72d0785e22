#include "ui/web/page_rules.h"

namespace selbrin::web {
std::optional<face::Arrow> ArrowOfKey(std::string_view key) {
  if (key == "ArrowLeft") return face::Arrow::Left;
  if (key == "ArrowRight") return face::Arrow::Right;
  if (key == "ArrowUp") return face::Arrow::Up;
  if (key == "ArrowDown") return face::Arrow::Down;
  return std::nullopt;
}

}  // namespace selbrin::web
