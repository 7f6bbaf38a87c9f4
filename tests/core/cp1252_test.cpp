#include "core/model/Cp1252.h"

#include <gtest/gtest.h>

TEST(Cp1252, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte)
        all += static_cast<char>(byte);
    EXPECT_EQ(Cp1252::fromUtf8(Cp1252::toUtf8(all)), all);
}

TEST(Cp1252, MapsTheWindowsPunctuationAndLatinLetters) {
    EXPECT_EQ(Cp1252::toUtf8("\x80"), "\xE2\x82\xAC");         // euro sign
    EXPECT_EQ(Cp1252::toUtf8("Ch\xE2teau"), "Ch\xC3\xA2teau"); // a with circumflex
    EXPECT_EQ(Cp1252::fromUtf8("\xE2\x80\x99"), "\x92");       // right single quotation mark
    EXPECT_EQ(Cp1252::fromUtf8("Ch\xC3\xA2teau"), "Ch\xE2teau");
}

TEST(Cp1252, UnrepresentableAndBrokenTextBecomesQuestionMarks) {
    EXPECT_EQ(Cp1252::fromUtf8("\xE6\x97\xA5"), "?"); // a CJK character
    EXPECT_EQ(Cp1252::fromUtf8("\xC3"
                               "A"),
              "?A"); // a lead byte without its continuation
    EXPECT_EQ(Cp1252::fromUtf8("\xFF"
                               "AB"),
              "?AB");                               // a byte that never starts a character
    EXPECT_EQ(Cp1252::fromUtf8("x\xE2\x82"), "x?"); // cut short at the end
}
