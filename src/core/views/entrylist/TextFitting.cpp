#include "core/views/entrylist/TextFitting.h"

namespace TextFitting {

std::size_t firstLineLength(std::string_view text) {
    const std::size_t end = text.find_first_of("\r\n");
    return end == std::string_view::npos ? text.size() : end;
}

int fittedLength(std::string_view text, int width, const std::function<int(int count)>& measurePrefix) {
    const int usable = width - 3;
    const int length = static_cast<int>(firstLineLength(text));
    int high = length;
    if (length > 3) {
        int low = 2;
        while (high - low > 1) {
            const int middle = (low + high) / 2;
            if (measurePrefix(middle) <= usable)
                low = middle;
            else
                high = middle;
        }
    }
    const int shown = measurePrefix(high) <= usable ? high : high - 1;
    return shown > 0 ? shown : 0;
}

} // namespace TextFitting
