#include "model/CellarFile.h"

#include <bit>
#include <cctype>
#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <random>
#include <sstream>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes fixture(const std::string& name) {
    std::ifstream in(std::string(BW_TEST_DATA) + "/cellar/" + name, std::ios::binary);
    EXPECT_TRUE(in) << name;
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

WineList entriesOf(std::initializer_list<CWine> wines) {
    WineList list;
    for (const CWine& wine : wines)
        list.push_back(std::make_unique<CWine>(wine));
    return list;
}

CWine blankEntry() {
    CWine wine;
    wine.m_nVintage = 0;
    return wine;
}

std::string errorOf(const Bytes& bytes) {
    const CellarReadResult result = CellarFile::read(bytes);
    EXPECT_TRUE(result.entries.empty());
    return result.error;
}

void putU16(Bytes& bytes, std::size_t at, std::uint16_t value) {
    bytes[at] = static_cast<std::uint8_t>(value);
    bytes[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

// Offsets into two-entries.bwf: the first entry's class description, and the second entry's tag.
constexpr std::size_t kSchemaAt = 8;
constexpr std::size_t kClassNameAt = 12;
constexpr std::size_t kProducerPrefixAt = 21;
constexpr std::size_t kSecondTagAt = 0xDF;

} // namespace

TEST(CellarFileLayout, EmptyListIsTheHeaderWordAndACountOfZero) {
    EXPECT_EQ(CellarFile::write(WineList{}), (Bytes{0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(CellarFile::write(WineList{}), fixture("empty.bwf"));
    const CellarReadResult result = CellarFile::read(fixture("empty.bwf"));
    ASSERT_TRUE(result.ok()) << result.error;
    EXPECT_TRUE(result.entries.empty());
}

TEST(CellarFileLayout, OneBlankEntryIsSixtyTwoBytes) {
    const Bytes written = CellarFile::write(entriesOf({blankEntry()}));
    Bytes expected{0, 0, 0, 0, 1, 0, 0xFF, 0xFF, 1, 0, 5, 0, 'C', 'W', 'i', 'n', 'e'};
    expected.resize(62, 0);
    EXPECT_EQ(written, expected);
    EXPECT_EQ(written, fixture("one-blank.bwf"));
}

TEST(CellarFileLayout, FixtureOfTwoEntriesReadsFieldByField) {
    const CellarReadResult result = CellarFile::read(fixture("two-entries.bwf"));
    ASSERT_TRUE(result.ok()) << result.error;
    ASSERT_EQ(result.entries.size(), 2u);

    const CWine& first = *result.entries[0];
    EXPECT_EQ(first.m_nVintage, 1985);
    EXPECT_EQ(first.m_strProducer, "Ch\xE2teau Margaux");
    EXPECT_EQ(first.m_strDesignation, "Grand Vin");
    EXPECT_EQ(first.m_strWineType, "Red");
    EXPECT_EQ(first.m_strAppellation, "Margaux");
    EXPECT_EQ(first.m_strRegion, "Bordeaux");
    EXPECT_EQ(first.m_fCost, 24.95f);
    EXPECT_EQ(first.m_fValue, 120.5f);
    EXPECT_EQ(first.m_nNumberAcquired, 12);
    EXPECT_EQ(first.m_nNumberRemaining, 5);
    EXPECT_EQ(first.m_strDateAcquired, "3-14-90");
    EXPECT_EQ(first.m_strTryDate, "1-1-00");
    EXPECT_EQ(first.m_strDrinkDate, "12-31-25");
    EXPECT_EQ(first.m_strRating, "95+");
    EXPECT_EQ(first.m_strCountry, "France");
    EXPECT_EQ(first.m_strBins, "A1-2");
    EXPECT_EQ(first.m_strVendor, "Sherry-Lehmann");
    EXPECT_EQ(first.m_strUser1, "750ml");
    EXPECT_EQ(first.m_strUser2, "");
    EXPECT_EQ(first.m_strUser3, "u3");
    EXPECT_EQ(first.m_strUser4, "");
    EXPECT_EQ(first.m_strUser5, "5");
    EXPECT_EQ(first.m_strHistory, "3-14-90\t12\t0\t24.95\t0.00\t24.95\t0.00\x06");
    EXPECT_EQ(first.m_strSpare, "sp");
    EXPECT_EQ(first.m_strDateModified, "7-4-16");
    EXPECT_EQ(first.m_nLetterColor, CWine::Green);
    EXPECT_EQ(first.m_strNotes, "Cedar.\r\nLong finish.");

    const CWine& second = *result.entries[1];
    EXPECT_EQ(second.m_nVintage, 0);
    EXPECT_EQ(second.m_strProducer, "Krug");
    EXPECT_EQ(second.m_strDesignation, "Grande Cuv\xE9"
                                       "e");
    EXPECT_EQ(second.m_strWineType, "Sparkling");
    EXPECT_EQ(second.m_strAppellation, "Champagne");
    EXPECT_EQ(second.m_strRegion, "");
    EXPECT_EQ(std::bit_cast<std::uint32_t>(second.m_fCost), 0x80000000u); // negative zero kept
    EXPECT_EQ(second.m_fValue, -1.5f);
    EXPECT_EQ(second.m_nNumberAcquired, -3);
    EXPECT_EQ(second.m_nNumberRemaining, 2147483647);
    EXPECT_EQ(second.m_strBins, "Z9");
    EXPECT_EQ(second.m_strDateModified, "");
    EXPECT_EQ(second.m_nLetterColor, CWine::Blue);
    EXPECT_EQ(second.m_strNotes, std::string(255, 'n'));
}

TEST(CellarFileLayout, RewritingGivesTheSameBytes) {
    for (const char* name : {"empty.bwf", "one-blank.bwf", "two-entries.bwf"}) {
        const Bytes original = fixture(name);
        const CellarReadResult result = CellarFile::read(original);
        ASSERT_TRUE(result.ok()) << name << ": " << result.error;
        EXPECT_EQ(CellarFile::write(result.entries), original) << name;
    }
    const CellarReadResult result = CellarFile::read(fixture("two-entries-header-ffffffff.bwf"));
    ASSERT_TRUE(result.ok()) << result.error;
    EXPECT_EQ(CellarFile::write(result.entries, 0xFFFFFFFF), fixture("two-entries-header-ffffffff.bwf"));
}

TEST(CellarFileLayout, HeaderWordIsIgnoredWhenReading) {
    const CellarReadResult zero = CellarFile::read(fixture("two-entries.bwf"));
    const CellarReadResult ones = CellarFile::read(fixture("two-entries-header-ffffffff.bwf"));
    ASSERT_TRUE(zero.ok() && ones.ok());
    ASSERT_EQ(zero.entries.size(), ones.entries.size());
    for (std::size_t i = 0; i < zero.entries.size(); ++i)
        EXPECT_EQ(*zero.entries[i], *ones.entries[i]);
}

TEST(CellarFileLayout, FloatsAreLittleEndianIeeeWords) {
    const CellarReadResult result = CellarFile::read(fixture("two-entries.bwf"));
    ASSERT_TRUE(result.ok());
    const Bytes written = CellarFile::write(result.entries);
    const Bytes cost(written.begin() + 0x44, written.begin() + 0x48);
    EXPECT_EQ(cost, (Bytes{0x9A, 0x99, 0xC7, 0x41})); // 24.95f
}

struct PrefixCase {
    std::size_t length;
    Bytes prefix;
};

void PrintTo(const PrefixCase& c, std::ostream* out) {
    *out << "text of " << c.length << " bytes";
}

class CellarFileTextPrefix : public ::testing::TestWithParam<PrefixCase> {};

// Notes is the last member, so its prefix sits right before the last length bytes of the file.
TEST_P(CellarFileTextPrefix, LengthDecidesThePrefixForm) {
    const PrefixCase& c = GetParam();
    CWine wine = blankEntry();
    wine.m_strNotes.assign(c.length, 'x');
    const Bytes written = CellarFile::write(entriesOf({wine}));
    ASSERT_EQ(written.size(), 61 + c.prefix.size() + c.length);
    const Bytes prefix(written.begin() + 61, written.begin() + 61 + c.prefix.size());
    EXPECT_EQ(prefix, c.prefix);

    const CellarReadResult result = CellarFile::read(written);
    ASSERT_TRUE(result.ok()) << result.error;
    EXPECT_EQ(result.entries[0]->m_strNotes, wine.m_strNotes);
}

INSTANTIATE_TEST_SUITE_P(AllForms, CellarFileTextPrefix,
                         ::testing::Values(PrefixCase{0, {0x00}}, PrefixCase{254, {0xFE}},
                                           PrefixCase{255, {0xFF, 0xFF, 0x00}},
                                           PrefixCase{300, {0xFF, 0x2C, 0x01}},
                                           PrefixCase{65533, {0xFF, 0xFD, 0xFF}},
                                           PrefixCase{65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
                                           PrefixCase{70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}}));

TEST(CellarFileLayout, CountTakesSixBytesFrom65535Entries) {
    for (const std::size_t count : {std::size_t{65534}, std::size_t{65535}, std::size_t{70000}}) {
        WineList entries;
        for (std::size_t i = 0; i < count; ++i) {
            entries.push_back(std::make_unique<CWine>());
            entries.back()->m_nNumberRemaining = static_cast<std::int32_t>(i);
        }
        const Bytes written = CellarFile::write(entries);
        const bool wide = count >= 65535;
        const Bytes countBytes(written.begin() + 4, written.begin() + (wide ? 10 : 6));
        if (wide)
            EXPECT_EQ(countBytes, (Bytes{0xFF, 0xFF, static_cast<std::uint8_t>(count),
                                         static_cast<std::uint8_t>(count >> 8),
                                         static_cast<std::uint8_t>(count >> 16), 0}));
        else
            EXPECT_EQ(countBytes, (Bytes{0xFE, 0xFF}));
        EXPECT_EQ(written.size(), (wide ? 10u : 6u) + 56 + (count - 1) * 47);

        const CellarReadResult result = CellarFile::read(written);
        ASSERT_TRUE(result.ok()) << result.error;
        ASSERT_EQ(result.entries.size(), count);
        EXPECT_EQ(result.entries.back()->m_nNumberRemaining, static_cast<std::int32_t>(count - 1));
    }
}

TEST(CellarFileLayout, SixByteCountIsReadEvenForFewEntries) {
    Bytes bytes = fixture("two-entries.bwf");
    const Bytes wideCount{0xFF, 0xFF, 2, 0, 0, 0};
    bytes.erase(bytes.begin() + 4, bytes.begin() + 6);
    bytes.insert(bytes.begin() + 4, wideCount.begin(), wideCount.end());
    const CellarReadResult result = CellarFile::read(bytes);
    ASSERT_TRUE(result.ok()) << result.error;
    EXPECT_EQ(CellarFile::write(result.entries), fixture("two-entries.bwf"));
}

TEST(CellarFileDamage, EveryPrefixOfAValidFileIsRefused) {
    const Bytes whole = fixture("two-entries.bwf");
    for (std::size_t length = 0; length < whole.size(); ++length) {
        const std::string error = errorOf(Bytes(whole.begin(), whole.begin() + length));
        EXPECT_FALSE(error.empty()) << "prefix of " << length << " bytes";
        EXPECT_EQ(error.find('\n'), std::string::npos) << error;
    }
    EXPECT_EQ(errorOf(Bytes(whole.begin(), whole.begin() + 5)), "The file is too short to be a Cellar File.");
    EXPECT_EQ(errorOf(Bytes(whole.begin(), whole.begin() + kSecondTagAt + 1)),
              "The file ends in the middle of entry 2.");
    EXPECT_EQ(errorOf(Bytes(whole.begin(), whole.end() - 1)), "The file ends in the middle of entry 2.");
}

struct DamageCase {
    const char* what;
    void (*damage)(Bytes&);
    const char* reason;
};

void PrintTo(const DamageCase& c, std::ostream* out) {
    *out << c.what;
}

class CellarFileDamage : public ::testing::TestWithParam<DamageCase> {};

TEST_P(CellarFileDamage, IsRefusedWithItsReason) {
    Bytes bytes = fixture("two-entries.bwf");
    GetParam().damage(bytes);
    EXPECT_EQ(errorOf(bytes), GetParam().reason);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CellarFileDamage,
    ::testing::Values(
        DamageCase{"other class name", [](Bytes& b) { b[kClassNameAt + 4] = 'f'; },
                   "Entry 1 is of class \"CWinf\", not \"CWine\"."},
        DamageCase{"longer class name",
                   [](Bytes& b) {
                       putU16(b, kSchemaAt + 2, 6);
                       b.insert(b.begin() + kClassNameAt + 5, '\x01');
                   },
                   "Entry 1 is of class \"CWine?\", not \"CWine\"."},
        DamageCase{"class name longer than the file", [](Bytes& b) { putU16(b, kSchemaAt + 2, 0xFFFF); },
                   "The file ends in the middle of entry 1."},
        DamageCase{"schema 2", [](Bytes& b) { putU16(b, kSchemaAt, 2); },
                   "Entry 1 has schema 2 of the class CWine; only schema 1 can be read."},
        DamageCase{"first tag a class reference", [](Bytes& b) { putU16(b, 6, 0x8001); },
                   "Entry 1 starts with the tag 0x8001, not 0xFFFF (a new class)."},
        DamageCase{"second tag 0x8002", [](Bytes& b) { putU16(b, kSecondTagAt, 0x8002); },
                   "Entry 2 starts with the tag 0x8002, not 0x8001 (the class CWine)."},
        DamageCase{"second tag a new class", [](Bytes& b) { putU16(b, kSecondTagAt, 0xFFFF); },
                   "Entry 2 starts with the tag 0xFFFF, not 0x8001 (the class CWine)."},
        DamageCase{"second tag a null object", [](Bytes& b) { putU16(b, kSecondTagAt, 0); },
                   "Entry 2 starts with the tag 0x0000, not 0x8001 (the class CWine)."},
        DamageCase{"huge count",
                   [](Bytes& b) {
                       const Bytes count{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
                       b.erase(b.begin() + 4, b.begin() + 6);
                       b.insert(b.begin() + 4, count.begin(), count.end());
                   },
                   "The file announces 4294967295 entries, more than its 557 remaining bytes can hold."},
        DamageCase{"count one too high", [](Bytes& b) { putU16(b, 4, 3); },
                   "The file ends in the middle of entry 3."},
        DamageCase{"count one too low", [](Bytes& b) { putU16(b, 4, 1); },
                   "The file goes on for 340 bytes after its last entry."},
        DamageCase{"one byte after the last entry", [](Bytes& b) { b.push_back(0); },
                   "The file goes on for 1 byte after its last entry."},
        DamageCase{"huge text length",
                   [](Bytes& b) {
                       const Bytes prefix{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F};
                       b.erase(b.begin() + kProducerPrefixAt);
                       b.insert(b.begin() + kProducerPrefixAt, prefix.begin(), prefix.end());
                   },
                   "The file ends in the middle of entry 1."},
        DamageCase{"text of wide characters",
                   [](Bytes& b) {
                       const Bytes prefix{0xFF, 0xFE, 0xFF, 0x0F};
                       b.erase(b.begin() + kProducerPrefixAt);
                       b.insert(b.begin() + kProducerPrefixAt, prefix.begin(), prefix.end());
                   },
                   "Entry 1 holds wide-character text, which Cellar Files never contain."}),
    [](const ::testing::TestParamInfo<DamageCase>& info) {
        std::string name;
        for (const char* c = info.param.what; *c != '\0'; ++c)
            name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
        return name;
    });

// Loading goes through a small window over the file; it must agree with reading the same bytes from
// memory wherever a word or a text crosses the window's edge, and on damaged files too.
TEST(CellarFileLoad, LoadingAFileGivesWhatReadingItsBytesGives) {
    WineList entries;
    for (int i = 0; i < 3000; ++i) {
        entries.push_back(std::make_unique<CWine>());
        entries.back()->m_nNumberRemaining = i;
        entries.back()->m_strProducer.assign(static_cast<std::size_t>(i % 37), 'p');
        entries.back()->m_strNotes.assign(static_cast<std::size_t>(i * 7 % 301), 'n');
    }
    entries[1000]->m_strNotes.assign(70000, 'x');
    entries[2000]->m_strHistory.assign(200000, 'h');
    const Bytes whole = CellarFile::write(entries);
    ASSERT_GT(whole.size(), 3u * 65536);

    const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                       ("bw-load-" + std::to_string(std::random_device{}()) + ".bwf");
    const auto loadOf = [&](const Bytes& bytes) {
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return CellarFile::load(path);
    };

    const CellarReadResult loaded = loadOf(whole);
    ASSERT_TRUE(loaded.ok()) << loaded.error;
    ASSERT_EQ(loaded.entries.size(), entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i)
        ASSERT_EQ(*loaded.entries[i], *entries[i]) << "entry " << i;

    for (const std::size_t cut :
         {std::size_t{65535}, std::size_t{65537}, whole.size() / 2, whole.size() - 1}) {
        const Bytes prefix(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(cut));
        const CellarReadResult damaged = loadOf(prefix);
        EXPECT_TRUE(damaged.entries.empty());
        EXPECT_EQ(damaged.error, CellarFile::read(prefix).error) << "cut at " << cut;
    }
    Bytes longer = whole;
    longer.push_back(0);
    EXPECT_EQ(loadOf(longer).error, "The file goes on for 1 byte after its last entry.");
    std::filesystem::remove(path);
}

TEST(CellarFileLoad, StreamThroughAnyWindowReadsLikeMemory) {
    const Bytes whole = fixture("two-entries.bwf");
    for (std::size_t window = 16; window <= 80; ++window) {
        for (std::size_t length = 0; length <= whole.size(); ++length) {
            const std::span<const std::uint8_t> bytes(whole.data(), length);
            std::istringstream stream(std::string(bytes.begin(), bytes.end()));
            const CellarReadResult streamed = CellarFile::read(stream, length, window);
            const CellarReadResult inMemory = CellarFile::read(bytes);
            ASSERT_EQ(streamed.error, inMemory.error) << "window " << window << ", length " << length;
            ASSERT_EQ(streamed.entries.size(), inMemory.entries.size());
        }
    }
    std::istringstream shortStream(std::string(whole.begin(), whole.end() - 1));
    EXPECT_EQ(CellarFile::read(shortStream, whole.size(), 64).error,
              "The file could not be read to its end.");
}
