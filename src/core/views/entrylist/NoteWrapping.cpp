#include "core/views/entrylist/NoteWrapping.h"

#include "core/views/entrylist/TextMeasurer.h"

namespace NoteWrapping {

namespace {

constexpr std::size_t kNoBreak = std::string_view::npos;

bool isBreak(char c) {
    return static_cast<unsigned char>(c) < 33;
}

} // namespace

std::vector<std::string> wrap(std::string_view notes, int width, const TextMeasurer& measurer) {
    // The closing carriage return ends the last line like any other.
    std::string text(notes);
    text += '\r';
    std::vector<std::string> lines;
    std::string_view rest = text;
    while (!rest.empty()) {
        std::size_t lastBreak = kNoBreak;
        for (std::size_t pos = 0; pos < rest.size(); ++pos) {
            const char c = rest[pos];
            if (c == '\r') {
                if (lastBreak == kNoBreak || measurer.width(rest.substr(0, pos)) <= width) {
                    lines.emplace_back(rest.substr(0, pos));
                    std::size_t next = pos + 1;
                    while (next < rest.size() && isBreak(rest[next]))
                        ++next;
                    rest.remove_prefix(next);
                } else {
                    lines.emplace_back(rest.substr(0, lastBreak));
                    rest.remove_prefix(lastBreak + 1);
                }
                break;
            }
            if (isBreak(c)) {
                if (measurer.width(rest.substr(0, pos)) >= width) {
                    const std::size_t end = lastBreak == kNoBreak ? pos : lastBreak;
                    lines.emplace_back(rest.substr(0, end));
                    rest.remove_prefix(end + 1);
                    break;
                }
                lastBreak = pos;
            }
        }
    }
    if (lines.empty())
        lines.emplace_back(" ");
    return lines;
}

} // namespace NoteWrapping
