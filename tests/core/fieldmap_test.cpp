#include "core/exchange/FieldMap.h"

#include <gtest/gtest.h>

TEST(FieldMap, ExportBoxesMustBeConsecutiveFromOne) {
    struct Case {
        std::vector<std::string> boxes;
        bool ok;
        std::optional<int> offending;
    };
    for (const Case& c : std::vector<Case>{{{}, true, {}},
                                           {{"1", "2", "3"}, true, {}},
                                           {{"1", "2", "4"}, false, {}},
                                           {{"1", "2", "2"}, false, 2},
                                           {{"1", "x"}, false, 1},
                                           {{"25"}, false, 0},
                                           {{"2", "1"}, true, {}}}) {
        std::array<std::string, FieldMap::kFieldCount> boxes;
        std::copy(c.boxes.begin(), c.boxes.end(), boxes.begin());
        std::optional<int> offending;
        EXPECT_EQ(FieldMap::checkExportBoxes(boxes, offending), c.ok) << c.boxes.size();
        EXPECT_EQ(offending, c.offending);
    }
}

TEST(FieldMap, MapFileHoldsTheNumbersInMapOrderAndShortFilesKeepTheRest) {
    FieldMap map;
    map.setColumn(FieldMap::Vintage, 1);
    std::string expected;
    for (int i = 0; i < 24; ++i)
        expected += std::string(i > 0 ? " " : "") + (i == 22 ? "1" : "4095");
    EXPECT_EQ(map.toText(), expected + "\n");

    FieldMap partial;
    partial.setColumn(FieldMap::WineType, 7);
    EXPECT_FALSE(partial.readText("3 4"));
    EXPECT_EQ(partial.column(FieldMap::Appellation), 3);
    EXPECT_EQ(partial.column(FieldMap::WineType), 7);
    EXPECT_EQ(partial.limitedTo(3).column(FieldMap::Bins), FieldMap::kUnmapped);
}
