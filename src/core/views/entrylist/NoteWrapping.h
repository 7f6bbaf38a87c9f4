#pragma once

#include <string>
#include <string_view>
#include <vector>

class TextMeasurer;

namespace NoteWrapping {

// The notes broken into lines narrower than width: at spaces and other characters below code 33, and
// at every carriage return, where the blanks after it are dropped. A word wider than the line stands
// alone. There is always at least one line.
std::vector<std::string> wrap(std::string_view notes, int width, const TextMeasurer& measurer);

} // namespace NoteWrapping
