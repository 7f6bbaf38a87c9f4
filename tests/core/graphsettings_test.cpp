#include "core/views/graphs/GraphSettings.h"

#include <gtest/gtest.h>

TEST(GraphSettings, CopyAppearanceTakesScopeAndSortOnlyWhenChosen) {
    GraphSettings source;
    source.barColor = 0x123456;
    source.numberBars = 20;
    source.vertical = 1;
    source.minVintage = 1900;
    source.applyToAll = true;

    GraphSettings keeps;
    keeps.scope = 2;
    keeps.sort = 3;
    copyAppearance(keeps, source, GraphKind::Producer);
    EXPECT_EQ(keeps.scope, 2);
    EXPECT_EQ(keeps.sort, 3);
    EXPECT_EQ(keeps.barColor, 0x123456);
    EXPECT_EQ(keeps.numberBars, 20);
    EXPECT_EQ(keeps.vertical, 1);
    EXPECT_EQ(keeps.minVintage, 1970);
    EXPECT_FALSE(keeps.applyToAll);

    source.scope = 2;
    source.sort = 1;
    GraphSettings takes;
    copyAppearance(takes, source, GraphKind::Vintage);
    EXPECT_EQ(takes.scope, 2);
    EXPECT_EQ(takes.sort, 1);

    GraphSettings spending;
    forceFixedSettings(GraphKind::Spending, spending);
    copyAppearance(spending, source, GraphKind::Spending);
    EXPECT_EQ(spending.scope, -1);
    EXPECT_EQ(spending.sort, -1);
}

TEST(GraphSettings, RangesBelongToTheirGraphs) {
    GraphSettings settings;
    setGraphRange(GraphKind::Cost, settings, {5, 50});
    EXPECT_EQ(settings.minCost, 5);
    EXPECT_EQ(graphRange(GraphKind::Vintage, settings).maximum, 1995);
    EXPECT_TRUE(graphRangeKeys(GraphKind::Producer).empty());
    EXPECT_STREQ(graphRangeKeys(GraphKind::Value)[1].key, "Max Value");
}
