// What only the web page decides, beyond the rules every face shares
// (ui/common): its own texts, the arrow keys by the browser's key names, the one
// scale of the page's layout, and a typed edit's cursor in the browser's UTF-16
// units. The page only draws what these say and delivers the user's actions.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "form/form1.h"
#include "ui/common/commands.h"
#include "ui/common/keyboard.h"

namespace selbrin::web {

inline constexpr std::string_view kEndedText =
    "Program sona erdi. Yeniden başlatmak için sayfayı yenileyin.";
inline constexpr std::string_view kOpenList = "Listeyi aç";

// The arrow of a browser key name ("ArrowLeft"); nothing for other keys.
std::optional<face::Arrow> ArrowOfKey(std::string_view key);

// A typed edit of a box: the text it leaves and where the cursor goes, counted in
// The item of a list equal to `text`, which the open list highlights; -1 when
// none is, so that Enter picks nothing the user did not choose.
int ItemEqualTo(const std::vector<std::string>& items, std::string_view text);

// UTF-16 units as the page counts. A box with a character limit keeps what fits;
// an edit that adds characters and fits none leaves the text as it was.
struct PageEdit {
  std::string text;
  std::size_t cursor = 0;
  bool refused = false;
};
PageEdit FitPageEdit(const Form1& form, Ctl box, std::string_view after);

// The item of a list equal to `text`, which the open list highlights; -1 when
// none is, so that Enter picks nothing the user did not choose.
int ItemEqualTo(const std::vector<std::string>& items, std::string_view text);

// UTF-16 units of the first `bytes` bytes of a UTF-8 text.
std::size_t Utf16Length(std::string_view text, std::size_t bytes);

}  // namespace selbrin::web
