// The lists of the form's combo boxes, as every face opens them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace selbrin::face {

// An open list shows this many items before it scrolls: most of a power list.
inline constexpr int kListVisibleItems = 15;

// The item of a list equal to `text`, which the list highlights when it opens
// and while the user types with it open; -1 when none is, so that Enter picks
// nothing the user did not choose.
int ItemEqualTo(const std::vector<std::string>& items, std::string_view text);

}  // namespace selbrin::face
