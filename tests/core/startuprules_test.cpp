#include "core/app/StartupRules.h"

#include <gtest/gtest.h>

using StartupRules::defaultFile;

TEST(StartupRules, HomecelFolderInAnyCaseOpensItsOwnFileWhateverTheSetting) {
    for (const char* folder : {"C:\\homecel", "C:\\HOMECEL", "c:\\HomeCel", "C:/homecel", "C:\\homecel\\"}) {
        EXPECT_EQ(defaultFile(folder, "Sample3.bwf"), std::filesystem::path("C:\\homecel\\homecel.bwf"))
            << folder;
        EXPECT_EQ(defaultFile(folder, ""), std::filesystem::path("C:\\homecel\\homecel.bwf")) << folder;
        EXPECT_FALSE(StartupRules::usesDefaultFileSetting(folder)) << folder;
    }
}

TEST(StartupRules, OtherFoldersUseTheSetting) {
    for (const char* folder : {"C:\\homecel2", "D:\\homecel", "C:\\homecel\\sub", "/home/user/cellar"})
        EXPECT_TRUE(StartupRules::usesDefaultFileSetting(folder)) << folder;

    const std::filesystem::path start = "/home/user/cellar";
    EXPECT_EQ(defaultFile(start, StartupRules::kDefaultFileName), start / "Sample3.bwf");
    EXPECT_EQ(defaultFile(start, "/srv/wine/Mine.bwf"), std::filesystem::path("/srv/wine/Mine.bwf"));
    EXPECT_TRUE(defaultFile(start, "").empty());
}

TEST(StartupRules, OrientationIsPortraitUnlessLandscape) {
    EXPECT_EQ(StartupRules::normalizedOrientation(1), 1);
    EXPECT_EQ(StartupRules::normalizedOrientation(2), 2);
    EXPECT_EQ(StartupRules::normalizedOrientation(7), 1);
    EXPECT_EQ(StartupRules::normalizedOrientation(0), 1);
    EXPECT_EQ(StartupRules::normalizedOrientation(-2), 1);
}
