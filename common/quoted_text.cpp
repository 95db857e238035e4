#include "common/quoted_text.h"

namespace quorin {

std::string shortenedText(std::string_view text) {
  std::size_t characters = 0, cut = 0;
  while (cut < text.size()) {
    // A character begins at every byte that does not continue one.
    if ((static_cast<unsigned char>(text[cut]) & 0xC0) != 0x80 && characters++ == kQuotedCharacters) break;
    ++cut;
  }
  if (cut == text.size()) return std::string(text);
  return std::string(text.substr(0, cut)) + "...";
}

std::string quotedText(std::string_view text) { return "\"" + shortenedText(text) + "\""; }

}  // namespace quorin
