#pragma once

#include <optional>

// How the History List and the Bin List move when scrolled or keyed.
namespace ListScrolling {

enum class ScrollCode { LineUp, LineDown, PageUp, PageDown, ThumbPosition, ThumbTrack, EndScroll };

// The new first row after a vertical scroll, or nothing when the code does nothing. It stops at the
// last page and never goes above the first row.
std::optional<int> verticalTop(ScrollCode code, int position, int top, int count, int perPage);
// The scroll range runs from 0 to this.
inline int verticalMaximum(int count, int perPage) {
    return count - perPage > 0 ? count - perPage : 0;
}

// The new horizontal offset; a line is 10 pixels, a page two thirds of the client width.
std::optional<int> horizontalOffset(ScrollCode code, int position, int offset, int clientWidth,
                                    int totalWidth);

enum class Key { PageUp, PageDown, End, Home, Up, Down };
// The scroll a key asks for: Up and Down move by one through the thumb, End asks for the count,
// which stops at the last page.
struct KeyScroll {
    ScrollCode code;
    int position;
};
KeyScroll keyScroll(Key key, int top, int count);

} // namespace ListScrolling
