#pragma once

#include <string>
#include <string_view>

namespace platform {

// UTF-16 and UTF-8. Unpaired surrogates and malformed bytes become U+FFFD.
std::string ToUtf8(std::u16string_view text);
std::u16string ToUtf16(std::string_view utf8);

}  // namespace platform
