#pragma once

#include <string>
#include <string_view>

// Entry texts are Windows-1252; the command-line companion and the sample builder speak UTF-8.
namespace Cp1252 {

std::string toUtf8(std::string_view cp1252);
// The same appended to out, for writers that build their output in one buffer.
void appendUtf8(std::string& out, std::string_view cp1252);

// Characters that Windows-1252 cannot hold become '?'.
std::string fromUtf8(std::string_view utf8);

// Lower case as the program's searches see it: ASCII, the accented capitals and the few capitals in
// 0x80-0x9F.
char toLower(char c);
std::string toLower(std::string_view text);

} // namespace Cp1252
