// The game's UTF-8 texts as the UTF-16 that Windows' wide calls take, and back.
#pragma once

#include <string>
#include <string_view>

namespace tolm::windows {

std::wstring wide(std::string_view utf8);
std::string narrow(std::wstring_view utf16);

}  // namespace tolm::windows
