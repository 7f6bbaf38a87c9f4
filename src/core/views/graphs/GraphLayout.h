#pragma once

#include "core/views/graphs/GraphBars.h"

#include <optional>
#include <string>

// The geometry of a graph window: margins, bar slots, the value axis, hit-testing and scrolling.
namespace GraphLayout {

// Window pixels; right and bottom lie just outside.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool operator==(const Rect&) const = default;
};

struct Margins {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The labels take the margin beside the bars: the left one with horizontal bars, the bottom one with
// vertical bars.
Margins margins(int clientRight, int clientBottom, bool vertical);
Rect plotRect(int clientRight, int clientBottom, const Margins& margins);

struct BarSlots {
    int pitch = 3; // pixels per bar along the category axis
    int shown = 0; // bars drawn
};
// The slots of n bars (at most barsPerView) along a plot extent of that many pixels.
BarSlots barSlots(int plotExtent, int n);

// Every E-th bar gets a label, so that labels of that text height do not overlap.
int labelStep(int pitch, int textHeight);

// The count that fills the value axis: the largest bar shown (style 0), the largest of all (1), or
// the user's length (2).
int scaleMaximum(const GraphBars& bars, int barStyle, int firstBar, int n, int userBarLength);

// The count a bar is drawn with: under style 2 no bar reaches beyond the user's length.
inline int drawnCount(int count, int maximum, int barStyle) {
    return barStyle == 2 && count > maximum ? maximum : count;
}

struct Ticks {
    int count = 1; // T
    int step = 1;  // D
};
// Horizontal bars: labels labelWidth pixels wide along plotWidth.
Ticks horizontalTicks(int plotWidth, int maximum, int labelWidth);
// Vertical bars: labels 2 * halfHeight high along plotHeight.
Ticks verticalTicks(int plotHeight, int maximum, int halfHeight);

// "%d", or "$%d" on a money axis.
std::string axisLabel(int value, bool money);

// The bar under a point, or -1.
int hitTestBar(int x, int y, const Rect& plot, bool vertical, int pitch, int firstBar, int barsPerView,
               int barCount);

enum class ScrollCode { LineUp, LineDown, PageUp, PageDown, ThumbPosition, ThumbTrack, Other };
// The first bar a scroll request asks for, or nothing for codes that are ignored.
std::optional<int> scrolledFirstBar(ScrollCode code, int position, int firstBar, int barsPerView);
// The last first bar that still fills a window, at least 0.
int lastFirstBar(int barCount, int barsPerView);
int limitFirstBar(int firstBar, int barCount, int barsPerView);

} // namespace GraphLayout
