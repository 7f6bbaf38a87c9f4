#include "core/editing/IntEditRules.h"

#include "core/model/Today.h"

#include <algorithm>
#include <cstdio>

namespace IntEditRules {

std::string step(const std::string& text, int delta, bool ctrlDown, bool shiftDown,
                 const IntStepSettings& settings) {
    int read = 0;
    if (std::sscanf(text.c_str(), "%d", &read) != 1)
        read = 0;
    // Wide arithmetic: a large typed number plus a step must clamp, not wrap.
    long long value = read;
    if (ctrlDown && shiftDown)
        value = delta >= 1 ? settings.maximum : settings.minimum;
    else if (ctrlDown)
        value += static_cast<long long>(settings.ctrlStep) * delta;
    else if (shiftDown)
        value += static_cast<long long>(settings.shiftStep) * delta;
    else
        value += delta;
    value = std::max<long long>(value, settings.minimum);
    value = std::min<long long>(value, settings.maximum);
    return std::to_string(value);
}

std::string validationMessage(const std::string& text, bool blankAllowed) {
    if (text.empty())
        return blankAllowed ? std::string() : kNotNonNegativeMessage;
    if (text.size() > 7)
        return kTooLongMessage;
    if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return kNotNonNegativeMessage;
    return {};
}

IntStepSettings vintageSteps() {
    return {10, 100, 0, today().year + 2};
}

} // namespace IntEditRules
