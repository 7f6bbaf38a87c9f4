#pragma once

#include <string_view>

// The width of a text as drawn in the font of the surface it goes to; tests use a fake.
class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    virtual int width(std::string_view text) const = 0;
};
