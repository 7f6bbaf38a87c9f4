#include "core/views/graphs/GraphLayout.h"

#include <algorithm>

namespace GraphLayout {

Margins margins(int clientRight, int clientBottom, bool vertical) {
    const float left = vertical ? 0.1f : 0.3f;
    const float bottom = vertical ? 0.3f : 0.1f;
    return {static_cast<int>(static_cast<float>(clientRight) * left),
            static_cast<int>(static_cast<float>(clientBottom) * 0.08f),
            static_cast<int>(static_cast<float>(clientRight) * 0.05f),
            static_cast<int>(static_cast<float>(clientBottom) * bottom)};
}

Rect plotRect(int clientRight, int clientBottom, const Margins& margins) {
    return {margins.left, margins.top, clientRight - margins.right, clientBottom - margins.bottom};
}

BarSlots barSlots(int plotExtent, int n) {
    BarSlots slots;
    slots.pitch = std::max(plotExtent / (n + 1), 3);
    const double fits = static_cast<double>(plotExtent) / slots.pitch - 1.0;
    slots.shown = std::min(n, static_cast<int>(fits));
    return slots;
}

int labelStep(int pitch, int textHeight) {
    if (pitch >= textHeight + 3)
        return 1;
    int step = 2;
    while (step * pitch < textHeight + 3)
        ++step;
    return step;
}

int scaleMaximum(const GraphBars& bars, int barStyle, int firstBar, int n, int userBarLength) {
    if (barStyle == 1)
        return bars.maxCount;
    if (barStyle == 2)
        return userBarLength;
    int maximum = 1;
    for (int b = firstBar; b < firstBar + n && b < bars.size(); ++b)
        maximum = std::max(maximum, bars.counts[b]);
    return maximum;
}

Ticks horizontalTicks(int plotWidth, int maximum, int labelWidth) {
    Ticks ticks;
    ticks.count = std::max(plotWidth / (2 * labelWidth + 1), 1);
    ticks.step = std::max(maximum / ticks.count, 1);
    while ((ticks.count + 1) * ticks.step < maximum)
        ++ticks.count;
    ticks.count = std::min(ticks.count, maximum);
    return ticks;
}

Ticks verticalTicks(int plotHeight, int maximum, int halfHeight) {
    Ticks ticks;
    ticks.count = std::max(plotHeight / (4 * halfHeight + 1), 1);
    ticks.step = std::max(maximum / ticks.count, 1);
    ticks.count = std::min(ticks.count, maximum);
    while ((ticks.count + 1) * ticks.step < maximum)
        ++ticks.count;
    return ticks;
}

std::string axisLabel(int value, bool money) {
    std::string label = money ? "$" : "";
    label += std::to_string(value);
    return label;
}

int hitTestBar(int x, int y, const Rect& plot, bool vertical, int pitch, int firstBar, int barsPerView,
               int barCount) {
    if (!plot.contains(x, y) || pitch <= 0)
        return -1;
    const int half = pitch / 2;
    const int start = vertical ? plot.left + half : plot.top + half;
    const int offset = (vertical ? x : y) - start;
    if (offset < 0 || offset / pitch >= barsPerView)
        return -1;
    const int bar = offset / pitch + firstBar;
    return bar < barCount ? bar : -1;
}

std::optional<int> scrolledFirstBar(ScrollCode code, int position, int firstBar, int barsPerView) {
    switch (code) {
    case ScrollCode::LineUp:
        return firstBar - 1;
    case ScrollCode::LineDown:
        return firstBar + 1;
    case ScrollCode::PageUp:
        return firstBar - (barsPerView - 1);
    case ScrollCode::PageDown:
        return firstBar + (barsPerView - 1);
    case ScrollCode::ThumbPosition:
    case ScrollCode::ThumbTrack:
        return position;
    case ScrollCode::Other:
        break;
    }
    return std::nullopt;
}

int lastFirstBar(int barCount, int barsPerView) {
    return std::max(barCount - barsPerView, 0);
}

int limitFirstBar(int firstBar, int barCount, int barsPerView) {
    return std::max(std::min(firstBar, barCount - barsPerView), 0);
}

} // namespace GraphLayout
