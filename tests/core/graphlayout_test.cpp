#include "core/views/graphs/GraphLayout.h"

#include <gtest/gtest.h>

using namespace GraphLayout;

TEST(GraphLayout, MarginsFollowTheOrientation) {
    EXPECT_EQ(plotRect(1000, 500, margins(1000, 500, false)), (Rect{300, 40, 950, 450}));
    EXPECT_EQ(plotRect(1000, 500, margins(1000, 500, true)), (Rect{100, 40, 950, 350}));
}

TEST(GraphLayout, SlotsAndLabelStep) {
    const struct {
        int extent, n, pitch, shown;
    } slots[] = {{390, 12, 30, 12}, {100, 50, 3, 32}, {20, 12, 3, 5}, {400, 0, 400, 0}};
    for (const auto& c : slots) {
        const BarSlots result = barSlots(c.extent, c.n);
        EXPECT_EQ(result.pitch, c.pitch) << c.extent << " " << c.n;
        EXPECT_EQ(result.shown, c.shown) << c.extent << " " << c.n;
    }
    EXPECT_EQ(labelStep(17, 14), 1);
    EXPECT_EQ(labelStep(16, 14), 2);
    EXPECT_EQ(labelStep(3, 14), 6);
}

TEST(GraphLayout, TicksAndScale) {
    const Ticks horizontal = horizontalTicks(400, 37, 14);
    EXPECT_EQ(horizontal.count, 18);
    EXPECT_EQ(horizontal.step, 2);
    const Ticks fewBottles = horizontalTicks(400, 3, 7);
    EXPECT_EQ(fewBottles.count, 3);
    EXPECT_EQ(fewBottles.step, 1);
    const Ticks vertical = verticalTicks(300, 100, 7);
    EXPECT_EQ(vertical.count, 10);
    EXPECT_EQ(vertical.step, 10);
    EXPECT_EQ(axisLabel(25, true), "$25");

    GraphBars bars;
    bars.counts = {3, 25, 7, 0};
    bars.labels.resize(4);
    bars.maxCount = 25;
    EXPECT_EQ(scaleMaximum(bars, 0, 2, 2, 10), 7);
    EXPECT_EQ(scaleMaximum(bars, 0, 3, 1, 10), 1);
    EXPECT_EQ(scaleMaximum(bars, 1, 2, 2, 10), 25);
    EXPECT_EQ(scaleMaximum(bars, 2, 2, 2, 10), 10);
    EXPECT_EQ(drawnCount(25, 10, 2), 10);
    EXPECT_EQ(drawnCount(25, 10, 1), 25);
}

TEST(GraphLayout, HitTestAndScrolling) {
    const Rect plot{100, 40, 500, 400};
    // pitch 30: slots start half a pitch below the top
    EXPECT_EQ(hitTestBar(200, 54, plot, false, 30, 0, 12, 20), -1);
    EXPECT_EQ(hitTestBar(200, 55, plot, false, 30, 0, 12, 20), 0);
    EXPECT_EQ(hitTestBar(200, 85, plot, false, 30, 5, 12, 20), 6);
    EXPECT_EQ(hitTestBar(200, 85, plot, false, 30, 5, 12, 6), -1);
    EXPECT_EQ(hitTestBar(200, 399, plot, false, 30, 0, 11, 20), -1);
    EXPECT_EQ(hitTestBar(99, 85, plot, false, 30, 0, 12, 20), -1);
    EXPECT_EQ(hitTestBar(145, 300, plot, true, 30, 2, 12, 20), 3);

    EXPECT_EQ(scrolledFirstBar(ScrollCode::PageDown, 0, 4, 12), 15);
    EXPECT_EQ(scrolledFirstBar(ScrollCode::ThumbTrack, 9, 4, 12), 9);
    EXPECT_EQ(scrolledFirstBar(ScrollCode::Other, 9, 4, 12), std::nullopt);
    EXPECT_EQ(limitFirstBar(100, 30, 12), 18);
    EXPECT_EQ(limitFirstBar(5, 8, 12), 0);
    EXPECT_EQ(lastFirstBar(8, 12), 0);
}
