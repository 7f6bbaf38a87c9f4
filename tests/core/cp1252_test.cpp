#include "core/model/Cp1252.h"

#include <gtest/gtest.h>

TEST(Cp1252, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte)
        all += static_cast<char>(byte);
    EXPECT_EQ(Cp1252::fromUtf8(Cp1252::toUtf8(all)), all);
}

// Bytes 0x80..0x9F against their code points; the five Windows leaves undefined stay C1 controls.
TEST(Cp1252, TheWindowsRowMapsEveryByteToItsCodePoint) {
    const char32_t codePoints[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                     0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                     0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                     0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    for (int i = 0; i < 32; ++i) {
        const char32_t cp = codePoints[i];
        const std::string utf8 = cp < 0x800 ? std::string{static_cast<char>(0xC0 | (cp >> 6)),
                                                          static_cast<char>(0x80 | (cp & 0x3F))}
                                            : std::string{static_cast<char>(0xE0 | (cp >> 12)),
                                                          static_cast<char>(0x80 | ((cp >> 6) & 0x3F)),
                                                          static_cast<char>(0x80 | (cp & 0x3F))};
        const std::string byte(1, static_cast<char>(0x80 + i));
        EXPECT_EQ(Cp1252::toUtf8(byte), utf8) << std::hex << 0x80 + i;
        EXPECT_EQ(Cp1252::fromUtf8(utf8), byte) << std::hex << 0x80 + i;
    }
}

TEST(Cp1252, MapsLatinLetters) {
    EXPECT_EQ(Cp1252::toUtf8("Ch\xE2teau"), "Ch\xC3\xA2teau"); // a with circumflex
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
    // Overlong forms of "/" are not "/".
    EXPECT_EQ(Cp1252::fromUtf8("\xC0\xAF"), "??");
    EXPECT_EQ(Cp1252::fromUtf8("\xE0\x80\xAF"), "?");
    EXPECT_EQ(Cp1252::fromUtf8("\xF0\x80\x80\xAF"), "?");
}
