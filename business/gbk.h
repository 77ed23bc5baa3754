#pragma once
// Text is UTF-8 everywhere; a few rules count bytes as the college's GBK code page does
// (a Chinese character two bytes, an ASCII character one). They count through here.
#include <string>
#include <string_view>

namespace business {

// Number of GBK bytes of the text; a character GBK cannot hold counts two, as '?' would.
std::size_t gbkLength(std::string_view utf8);
// The longest start of the text that fits in `bytes` GBK bytes, never splitting a character.
std::string gbkLeft(std::string_view utf8, std::size_t bytes);
// The text without its first `bytes` GBK bytes (a character cut in half is dropped whole).
std::string gbkDropLeft(std::string_view utf8, std::size_t bytes);

}  // namespace business
