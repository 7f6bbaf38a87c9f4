#include "core/model/CellarFile.h"

#include <bit>
#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <random>
#include <sstream>
#include <tuple>

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

void replace(Bytes& bytes, std::size_t at, std::size_t length, const Bytes& by) {
    bytes.erase(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                bytes.begin() + static_cast<std::ptrdiff_t>(at + length));
    bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(at), by.begin(), by.end());
}

// Offsets into two-entries.bwf: the first entry's class description, and the second entry's tag.
constexpr std::size_t kSchemaAt = 8;
constexpr std::size_t kClassNameAt = 12;
constexpr std::size_t kProducerPrefixAt = 21;
constexpr std::size_t kSecondTagAt = 0xDF;

} // namespace

TEST(CellarFileLayout, SmallestFilesAreTheHeaderWordTheCountAndOneEntry) {
    EXPECT_EQ(CellarFile::write(WineList{}), (Bytes{0, 0, 0, 0, 0, 0}));
    Bytes oneBlank{0, 0, 0, 0, 1, 0, 0xFF, 0xFF, 1, 0, 5, 0, 'C', 'W', 'i', 'n', 'e'};
    oneBlank.resize(62, 0);
    EXPECT_EQ(CellarFile::write(entriesOf({blankEntry()})), oneBlank);
}

// Reading and writing again gives the same bytes, and the header word read is ignored.
TEST(CellarFileLayout, FixturesRewriteToTheirOwnBytes) {
    for (const auto& [name, header] : {std::pair{"empty.bwf", 0u},
                                       {"one-blank.bwf", 0u},
                                       {"two-entries.bwf", 0u},
                                       {"two-entries-header-ffffffff.bwf", 0xFFFFFFFFu}}) {
        const Bytes original = fixture(name);
        const CellarReadResult result = CellarFile::read(original);
        ASSERT_TRUE(result.ok()) << name << ": " << result.error;
        EXPECT_EQ(CellarFile::write(result.entries, header), original) << name;
        EXPECT_EQ(CellarFile::write(result.entries, 0), fixture(header == 0 ? name : "two-entries.bwf"))
            << name;
    }
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

// Notes is the last member, so its prefix sits right before the last length bytes of the file.
TEST(CellarFileLayout, TextLengthDecidesThePrefixForm) {
    const std::pair<std::size_t, Bytes> cases[] = {{0, {0x00}},
                                                   {254, {0xFE}},
                                                   {255, {0xFF, 0xFF, 0x00}},
                                                   {300, {0xFF, 0x2C, 0x01}},
                                                   {65533, {0xFF, 0xFD, 0xFF}},
                                                   {65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
                                                   {70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}}};
    for (const auto& [length, prefix] : cases) {
        SCOPED_TRACE(testing::Message() << "text of " << length << " bytes");
        CWine wine = blankEntry();
        wine.m_strNotes.assign(length, 'x');
        const Bytes written = CellarFile::write(entriesOf({wine}));
        ASSERT_EQ(written.size(), 61 + prefix.size() + length);
        EXPECT_EQ(Bytes(written.begin() + 61, written.begin() + 61 + prefix.size()), prefix);
        const CellarReadResult result = CellarFile::read(written);
        ASSERT_TRUE(result.ok()) << result.error;
        EXPECT_EQ(result.entries[0]->m_strNotes, wine.m_strNotes);
    }
}

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

    // The wide form is read even for few entries.
    Bytes bytes = fixture("two-entries.bwf");
    replace(bytes, 4, 2, {0xFF, 0xFF, 2, 0, 0, 0});
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
}

// A copy tool's padding after the last entry is read past, and counted for the note to the user.
TEST(CellarFileDamage, BytesAfterTheLastEntryAreCountedNotRefused) {
    for (const auto& [count, size, note] :
         {std::tuple{1, 340u,
                     "The file holds 340 bytes after its last entry; they will not be kept when you save."},
          std::tuple{2, 1u,
                     "The file holds 1 byte after its last entry; it will not be kept when you save."}}) {
        Bytes bytes = fixture("two-entries.bwf");
        putU16(bytes, 4, static_cast<std::uint16_t>(count));
        bytes.resize(bytes.size() + (count == 2 ? 1 : 0));
        const CellarReadResult result = CellarFile::read(bytes);
        ASSERT_TRUE(result.ok()) << result.error;
        EXPECT_EQ(result.entries.size(), static_cast<std::size_t>(count));
        EXPECT_EQ(CellarFile::trailingBytesNote(result.trailingBytes), note);
    }
}

TEST(CellarFileDamage, IsRefusedWithItsReason) {
    const struct {
        void (*damage)(Bytes&);
        const char* reason;
    } cases[] = {
        {[](Bytes& b) { b.resize(5); }, "The file is too short to be a Cellar File."},
        {[](Bytes& b) { b.resize(kSecondTagAt + 1); }, "The file ends in the middle of entry 2."},
        {[](Bytes& b) { b.pop_back(); }, "The file ends in the middle of entry 2."},
        {[](Bytes& b) { b[kClassNameAt + 4] = 'f'; }, "Entry 1 is of class \"CWinf\", not \"CWine\"."},
        {[](Bytes& b) {
             putU16(b, kSchemaAt + 2, 6);
             b.insert(b.begin() + kClassNameAt + 5, '\x01');
         },
         "Entry 1 is of class \"CWine?\", not \"CWine\"."},
        {[](Bytes& b) { putU16(b, kSchemaAt + 2, 0xFFFF); }, "The file ends in the middle of entry 1."},
        {[](Bytes& b) { putU16(b, kSchemaAt, 2); },
         "Entry 1 has schema 2 of the class CWine; only schema 1 can be read."},
        {[](Bytes& b) { putU16(b, 6, 0x8001); },
         "Entry 1 starts with the tag 0x8001, not 0xFFFF (a new class)."},
        {[](Bytes& b) { putU16(b, kSecondTagAt, 0x8002); },
         "Entry 2 starts with the tag 0x8002, not 0x8001 (the class CWine)."},
        {[](Bytes& b) { putU16(b, kSecondTagAt, 0xFFFF); },
         "Entry 2 starts with the tag 0xFFFF, not 0x8001 (the class CWine)."},
        {[](Bytes& b) { putU16(b, kSecondTagAt, 0); },
         "Entry 2 starts with the tag 0x0000, not 0x8001 (the class CWine)."},
        {[](Bytes& b) {
             replace(b, 4, 2, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
         },
         "The file announces 4294967295 entries, more than its 557 remaining bytes can hold."},
        {[](Bytes& b) { putU16(b, 4, 3); }, "The file ends in the middle of entry 3."},
        {[](Bytes& b) {
             b.resize(6);
             putU16(b, 4, 1);
         },
         "The file announces 1 entry, more than its 0 remaining bytes can hold."},
        {[](Bytes& b) {
             b.resize(7);
             putU16(b, 4, 2);
         },
         "The file announces 2 entries, more than its 1 remaining byte can hold."},
        // A first entry written like a later one is a bad tag, not a bad count.
        {[](Bytes& b) {
             b.assign(6 + 2 + 45, 0);
             putU16(b, 4, 1);
             putU16(b, 6, 0x8001);
         },
         "Entry 1 starts with the tag 0x8001, not 0xFFFF (a new class)."},
        {[](Bytes& b) {
             replace(b, kProducerPrefixAt, 1, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F});
         },
         "The file ends in the middle of entry 1."},
        {[](Bytes& b) {
             replace(b, kProducerPrefixAt, 1, {0xFF, 0xFE, 0xFF, 0x0F});
         },
         "Entry 1 holds wide-character text, which Cellar Files never contain."}};
    for (const auto& c : cases) {
        Bytes bytes = fixture("two-entries.bwf");
        c.damage(bytes);
        EXPECT_EQ(errorOf(bytes), c.reason);
    }
}

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
    const CellarReadResult padded = loadOf(longer);
    EXPECT_TRUE(padded.ok()) << padded.error;
    EXPECT_EQ(padded.entries.size(), entries.size());
    EXPECT_EQ(padded.trailingBytes, 1u);
    std::filesystem::remove(path);
}

// A large file is loaded in parts, each but the first from a place that looks like the start of an
// entry; whatever the file holds, and wherever the parts begin, the outcome must be that of one reading
// from the start.
TEST(CellarFileLoad, ALargeFileLoadedInPartsGivesWhatOneReadingGives) {
    constexpr std::size_t kCount = 30000;
    const auto entriesWith = [](std::size_t at, const std::string& notes) {
        WineList entries;
        for (std::size_t i = 0; i < kCount; ++i) {
            entries.push_back(std::make_unique<CWine>());
            entries.back()->m_nNumberRemaining = static_cast<std::int32_t>(i);
            entries.back()->m_strProducer.assign(i % 23, 'p');
        }
        entries[at]->m_strNotes = notes;
        return entries;
    };
    const auto offsetOf = [](const WineList& entries, std::size_t entry) {
        std::vector<const CWine*> first;
        for (std::size_t i = 0; i < entry; ++i)
            first.push_back(entries[i].get());
        return CellarFile::write(first).size();
    };
    // Entries as a later entry is written, tag first: a text of them in the middle entry makes the
    // second half start inside that text, where it only looks like entries.
    const WineList plain = entriesWith(0, "");
    const Bytes written = CellarFile::write(plain);
    const auto laterEntries = written.begin() + static_cast<std::ptrdiff_t>(offsetOf(plain, 1));
    const std::string lookalike(laterEntries, laterEntries + 30000);
    const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                       ("bw-halves-" + std::to_string(std::random_device{}()) + ".bwf");
    const struct {
        const char* what;
        std::size_t at;
        std::string notes;
        void (*damage)(Bytes&, std::size_t entryAt);
    } cases[] = {
        {"plain entries", 0, "", nullptr},
        {"padding after the last entry", 0, "",
         [](Bytes& b, std::size_t) {
             b.insert(b.end(), {1, 0x80, 0});
         }},
        {"a text that looks like entries across the half", kCount / 2, lookalike, nullptr},
        {"a text that looks like entries across the quarter", kCount / 4, lookalike, nullptr},
        {"a long text in the second quarter", kCount * 3 / 8, std::string(70000, 'n'), nullptr},
        {"a long text in the second half", kCount * 3 / 4, std::string(70000, 'n'), nullptr},
        {"a file cut in the second half", kCount - 100, "",
         [](Bytes& b, std::size_t at) { b.resize(at + 10); }},
        {"a wrong tag in the second half", kCount - 100, "", [](Bytes& b, std::size_t at) { b[at] = 2; }},
        {"wide text in the second half", kCount - 100, "",
         [](Bytes& b, std::size_t at) {
             replace(b, at + 6, 1, {0xFF, 0xFE, 0xFF, 0x01});
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const WineList entries = entriesWith(c.at, c.notes);
        Bytes bytes = CellarFile::write(entries);
        if (c.damage != nullptr)
            c.damage(bytes, offsetOf(entries, c.at));
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        const CellarReadResult read = CellarFile::read(bytes);
        // The parts as the program chooses them; a tail from the file's half and a middle from its
        // quarter; a tail from inside the case's entry, with the middle as the program chooses it; a
        // middle from inside that entry, before a short tail; a middle that reads up to a tail from
        // inside that entry.
        const std::uint64_t size = bytes.size();
        const std::uint64_t inside = size - std::min<std::uint64_t>(size, offsetOf(entries, c.at) + 1000);
        const CellarFile::Sharing sharings[] = {
            {},
            {size / 2, size * 3 / 4, true},
            {inside, 0, true},
            {size / 8, inside, true},
            {inside, std::min(size, inside + size / 8), true},
        };
        for (const CellarFile::Sharing& sharing : sharings) {
            SCOPED_TRACE(testing::Message()
                         << "tail " << sharing.tailBytes << ", middle " << sharing.middleBytes);
            const CellarReadResult loaded = CellarFile::load(path, sharing);
            EXPECT_EQ(loaded.error, read.error);
            EXPECT_EQ(loaded.trailingBytes, read.trailingBytes);
            ASSERT_EQ(loaded.entries.size(), read.entries.size());
            for (std::size_t i = 0; i < read.entries.size(); ++i)
                ASSERT_EQ(*loaded.entries[i], *read.entries[i]) << "entry " << i;
        }
    }
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
            // Through a small window an entry is read value by value; in memory, straight from the bytes.
            for (std::size_t i = 0; i < inMemory.entries.size(); ++i)
                ASSERT_EQ(*streamed.entries[i], *inMemory.entries[i])
                    << "window " << window << ", entry " << i;
        }
    }
    std::istringstream shortStream(std::string(whole.begin(), whole.end() - 1));
    EXPECT_EQ(CellarFile::read(shortStream, whole.size(), 64).error,
              "The file could not be read to its end.");
}
