#pragma once

#include <string>
#include <string_view>

// Entry texts are Windows-1252; the command-line companion and the sample builder speak UTF-8.
namespace Cp1252 {

std::string toUtf8(std::string_view cp1252);

// Characters that Windows-1252 cannot hold become '?'.
std::string fromUtf8(std::string_view utf8);

} // namespace Cp1252
