#include "core/views/lists/ListScrolling.h"

namespace ListScrolling {

std::optional<int> verticalTop(ScrollCode code, int position, int top, int count, int perPage) {
    switch (code) {
    case ScrollCode::LineUp:
        top -= 1;
        break;
    case ScrollCode::LineDown:
        top += 1;
        break;
    case ScrollCode::PageUp:
        top += 1 - perPage;
        break;
    case ScrollCode::PageDown:
        top += perPage - 1;
        break;
    case ScrollCode::ThumbPosition:
    case ScrollCode::ThumbTrack:
        top = position;
        break;
    default:
        return std::nullopt;
    }
    // The last page first, then the top, so that a short list starts at its first row.
    if (top > count - perPage)
        top = count - perPage;
    if (top < 0)
        top = 0;
    return top;
}

std::optional<int> horizontalOffset(ScrollCode code, int position, int offset, int clientWidth,
                                    int totalWidth) {
    switch (code) {
    case ScrollCode::LineUp:
        offset -= 10;
        break;
    case ScrollCode::LineDown:
        offset += 10;
        break;
    case ScrollCode::PageUp:
        offset -= (2 * clientWidth) / 3;
        break;
    case ScrollCode::PageDown:
        offset += (2 * clientWidth) / 3;
        break;
    case ScrollCode::ThumbPosition:
    case ScrollCode::ThumbTrack:
        offset = position;
        break;
    default:
        return std::nullopt;
    }
    if (offset < 0)
        offset = 0;
    if (offset > totalWidth - clientWidth)
        offset = totalWidth - clientWidth;
    return offset;
}

KeyScroll keyScroll(Key key, int top, int count) {
    switch (key) {
    case Key::PageUp:
        return {ScrollCode::PageUp, 0};
    case Key::PageDown:
        return {ScrollCode::PageDown, 0};
    case Key::End:
        return {ScrollCode::ThumbPosition, count};
    case Key::Home:
        return {ScrollCode::ThumbPosition, 0};
    case Key::Up:
        return {ScrollCode::ThumbPosition, top - 1};
    case Key::Down:
        break;
    }
    return {ScrollCode::ThumbPosition, top + 1};
}

} // namespace ListScrolling
