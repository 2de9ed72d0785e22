// An edit of a text box as the user made it, and what the box holds after it.
// Every face delivers the selection the user replaced and the text that went in
// (a keystroke, a paste, a drop, or nothing for a delete, a cut or a backspace),
// so that the typing limit cuts what the user inserted and nothing else.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace selbrin::face {

// Offsets in UTF-16 units of the box's text as the toolkits hold it: the
// selection [start, end) is replaced by `inserted` (UTF-8).
struct UserEdit {
  std::size_t start = 0;
  std::size_t end = 0;
  std::string inserted;
};

// What the box holds after an edit: its text (UTF-8) and the cursor, in UTF-16
// units, just after what was inserted and kept. `refused` when a non-empty
// insertion kept nothing; the selection still goes then, as in the desktop's
// own boxes, so with nothing selected the text stays as it was.
struct EditOutcome {
  std::string text;
  std::size_t cursor = 0;
  bool refused = false;
};

// The edit applied to `before` in a box that takes at most `max_chars`
// characters (code points; no limit when it is 0 or less). The boxes hold one
// line, so an insertion keeps what comes before its first line break, as a
// paste into the desktop's own one-line boxes does. When the result would be
// too long, only the inserted text is cut, to the room the rest of the text
// leaves; a deletion always passes, even where a program write left the text
// over the limit. Offsets past the text's end count as its end.
EditOutcome ApplyUserEdit(std::string_view before, const UserEdit& edit, int max_chars);

// The span Backspace (`forward` false) or Delete removes from `text` with the
// selection [start, end): the selection when there is one, else the one
// character before or after the caret, a surrogate pair as one; an empty span
// at the text's ends.
struct Span {
  std::size_t start = 0;
  std::size_t end = 0;
};
Span DeletedSpan(std::u16string_view text, std::size_t start, std::size_t end, bool forward);

// UTF-16 units of the first `bytes` bytes of a UTF-8 text.
std::size_t Utf16Length(std::string_view text, std::size_t bytes);
inline std::size_t Utf16Length(std::string_view text) { return Utf16Length(text, text.size()); }

// The byte offset of UTF-16 offset `utf16` in a UTF-8 text; an offset inside a
// character's pair of units counts as the character's start, one past the end
// as the end.
std::size_t ByteOffset(std::string_view text, std::size_t utf16);

// The byte offset of the `chars`-th character (code point), or the end.
std::size_t CharOffset(std::string_view text, std::size_t chars);

}  // namespace selbrin::face
