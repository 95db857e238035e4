// A value as a message quotes it: cut after its first 80 characters (never
// inside a UTF-8 character) with "..." marking the cut, so that a huge or
// hostile value cannot flood a message.
#pragma once

#include <string>
#include <string_view>

namespace quorin {

inline constexpr std::size_t kQuotedCharacters = 80;

// The text, cut as above.
std::string shortenedText(std::string_view text);
// The same in double quotes.
std::string quotedText(std::string_view text);

}  // namespace quorin
