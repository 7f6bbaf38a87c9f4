#include "core/model/CellarFile.h"

#include "core/model/ArchiveReader.h"
#include "core/model/ArchiveWriter.h"
#include "core/model/AtomicFile.h"
#include "core/model/WorkInParts.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <bit>
#include <cerrno>
#include <cstdio>
#include <deque>
#include <functional>
#include <istream>
#include <iterator>
#include <new>
#include <optional>
#include <streambuf>
#include <string_view>
#include <type_traits>
#include <unistd.h>
#include <utility>

namespace {

constexpr std::uint16_t kNewClassTag = 0xFFFF;
constexpr std::uint16_t kFirstClassReference = 0x8001; // the class "CWine" is object index 1
constexpr std::uint16_t kSchema = 1;
constexpr std::string_view kClassName = "CWine";
constexpr std::uint16_t kBigCountMarker = 0xFFFF;

// The smallest records: 6 words and 21 empty texts, plus the class tag and, for the first entry,
// the class description.
constexpr std::size_t kMembersMinSize = 6 * 4 + CWine::kTextCount;
constexpr std::size_t kFirstEntryMinSize = 2 + 2 + 2 + kClassName.size() + kMembersMinSize;
constexpr std::size_t kLaterEntryMinSize = 2 + kMembersMinSize;

std::string formatted(const char* format, auto... values) {
    char buffer[160];
    std::snprintf(buffer, sizeof buffer, format, values...);
    return buffer;
}

// A class name from a damaged file, fit for a one-line message.
std::string printable(std::string_view name) {
    constexpr std::size_t kShown = 40;
    std::string out;
    for (char c : name.substr(0, kShown)) {
        const auto byte = static_cast<unsigned char>(c);
        out += byte >= 0x20 && byte < 0x7F ? c : '?';
    }
    if (name.size() > kShown)
        out += "...";
    return out;
}

std::size_t entrySize(const CWine& wine) {
    std::size_t size = 0;
    CWine::visitMembers(wine, [&size](const char*, const auto& member) {
        if constexpr (std::is_same_v<std::decay_t<decltype(member)>, WineText>)
            size += ArchiveWriter::stringSize(member);
        else
            size += sizeof member;
    });
    return size;
}

void writeMembers(ArchiveWriter& out, const CWine& wine) {
    CWine::visitMembers(wine, [&out](const char*, const auto& member) {
        using Member = std::decay_t<decltype(member)>;
        if constexpr (std::is_same_v<Member, WineText>)
            out.writeString(member);
        else if constexpr (std::is_same_v<Member, float>)
            out.writeFloat(member);
        else
            out.writeI32(member);
    });
}

// Reads one entry in its stored order, the numbers into numbers and the texts one after another into
// pool; stops at the first text that fails.
ArchiveReader::Text readMembers(ArchiveReader& in, CWine& numbers, std::string& pool,
                                std::array<std::size_t, CWine::kTextCount + 1>& textEnds,
                                std::string& scratch) {
    using Text = ArchiveReader::Text;
    Text text = Text::Read;
    pool.clear();
    std::size_t textIndex = 0;
    CWine::visitMembers(numbers, [&](const char*, auto& member) {
        if (text != Text::Read)
            return;
        using Member = std::decay_t<decltype(member)>;
        if constexpr (std::is_same_v<Member, WineText>) {
            text = in.readString(scratch);
            pool += scratch;
            textEnds[++textIndex] = pool.size();
        } else if constexpr (std::is_same_v<Member, float>) {
            text = in.readFloat(member) ? Text::Read : Text::Truncated;
        } else {
            text = in.readI32(member) ? Text::Read : Text::Truncated;
        }
    });
    return text;
}

// An entry as the program writes it, read straight from the bytes ahead: a later entry's class tag
// first when tagged, and no text of 65,534 bytes or more. Gives the bytes it takes, or 0 for anything
// else (an entry past the bytes given, a long or wide text, another tag), which the reading value by
// value then reads or refuses with its reason.
std::size_t readPlainEntry(std::span<const std::uint8_t> bytes, bool tagged, CWine& numbers,
                           std::array<std::string_view, CWine::kTextCount>& texts) {
    const std::uint8_t* p = bytes.data();
    const std::uint8_t* const end = p + bytes.size();
    if (tagged) {
        if (end - p < 2 || ArchiveReader::u16At(p) != kFirstClassReference)
            return 0;
        p += 2;
    }
    bool plain = true;
    std::size_t textIndex = 0;
    CWine::visitMembers(numbers, [&](const char*, auto& member) {
        if (!plain)
            return;
        using Member = std::decay_t<decltype(member)>;
        if constexpr (std::is_same_v<Member, WineText>) {
            std::size_t length = 0xFFFF;
            if (p < end && *p != 0xFF) {
                length = *p++;
            } else if (end - p >= 3) {
                length = ArchiveReader::u16At(p + 1);
                p += 3;
            }
            if (length >= 0xFFFE || length > static_cast<std::size_t>(end - p)) {
                plain = false;
                return;
            }
            texts[textIndex++] = std::string_view(reinterpret_cast<const char*>(p), length);
            p += length;
        } else {
            if (end - p < 4) {
                plain = false;
                return;
            }
            member = std::bit_cast<Member>(ArchiveReader::u32At(p));
            p += 4;
        }
    });
    return plain ? static_cast<std::size_t>(p - bytes.data()) : 0;
}

std::string endsInside(std::uint64_t number) {
    return formatted("The file ends in the middle of entry %llu.", static_cast<unsigned long long>(number));
}

// The class tag, and for the first entry the class description; an empty string when they fit.
std::string readClassTag(ArchiveReader& in, std::uint64_t number) {
    std::uint16_t tag = 0;
    if (!in.readU16(tag))
        return endsInside(number);
    const auto n = static_cast<unsigned long long>(number);
    if (number > 1) {
        if (tag != kFirstClassReference)
            return formatted("Entry %llu starts with the tag 0x%04X, not 0x8001 (the class CWine).", n, tag);
        return {};
    }
    if (tag != kNewClassTag)
        return formatted("Entry 1 starts with the tag 0x%04X, not 0xFFFF (a new class).", tag);
    std::uint16_t schema = 0;
    std::uint16_t nameLength = 0;
    std::string name;
    if (!in.readU16(schema) || !in.readU16(nameLength) || !in.readBytes(nameLength, name))
        return endsInside(number);
    if (name != kClassName)
        return "Entry 1 is of class \"" + printable(name) + "\", not \"CWine\".";
    if (schema != kSchema)
        return formatted("Entry 1 has schema %u of the class CWine; only schema 1 can be read.", schema);
    return {};
}

// The bytes of an open file from an offset on, as a stream read straight into the reader's window. It
// reads at an offset of its own, so that two of them can read one file at once.
class DescriptorBuffer : public std::streambuf {
public:
    DescriptorBuffer(int fd, std::uint64_t offset) : m_fd(fd), m_offset(offset) {}

protected:
    std::streamsize xsgetn(char* out, std::streamsize count) override {
        std::streamsize done = 0;
        if (count > 0 && gptr() < egptr()) { // a byte looked at and not yet taken
            *out = *gptr();
            setg(nullptr, nullptr, nullptr);
            done = 1;
        }
        while (done < count) {
            const long got = ::pread(m_fd, out + done, static_cast<std::size_t>(count - done),
                                     static_cast<off_t>(m_offset));
            if (got < 0 && errno == EINTR)
                continue;
            if (got <= 0)
                break;
            done += got;
            m_offset += static_cast<std::uint64_t>(got);
        }
        return done;
    }
    int_type underflow() override {
        if (gptr() < egptr())
            return traits_type::to_int_type(*gptr());
        if (xsgetn(&m_byte, 1) != 1)
            return traits_type::eof();
        setg(&m_byte, &m_byte, &m_byte + 1);
        return traits_type::to_int_type(m_byte);
    }

private:
    int m_fd;
    std::uint64_t m_offset;
    char m_byte = 0;
};

// A reader over a file's last bytes, with the stream it reads through.
struct TailSource {
    TailSource(int fd, std::uint64_t offset, std::uint64_t size, std::size_t window)
        : buffer(fd, offset), stream(&buffer), reader(stream, size, window) {}
    DescriptorBuffer buffer;
    std::istream stream;
    ArchiveReader reader;
};

constexpr const char* kCannotReadToEnd = "The file could not be read to its end.";

CellarReadResult failure(std::string reason) {
    CellarReadResult result;
    result.error = std::move(reason);
    return result;
}

// Most entries are read straight from the bytes ahead; what that cannot read is read value by value.
constexpr std::size_t kPlainEntryBytes = 8192;

// What reading an entry needs besides the reader, kept from one entry to the next.
struct EntryScratch {
    CWine numbers;
    // An entry read value by value has its texts one after another in the pool.
    std::string pool;
    std::string text;
    std::array<std::size_t, CWine::kTextCount + 1> textEnds{};
    std::array<std::string_view, CWine::kTextCount> texts;
};

// Reads entry number (its class tag first unless it is the first) and appends it to entries; gives
// the reason when it cannot.
std::string readEntry(ArchiveReader& in, std::uint64_t number, EntryScratch& scratch, WineList& entries) {
    if (const std::size_t used =
            readPlainEntry(in.ahead(kPlainEntryBytes), number > 1, scratch.numbers, scratch.texts)) {
        in.skip(used);
        entries.push_back(CWine::packed(scratch.numbers, scratch.texts));
        return {};
    }
    if (number > 1)
        if (std::string reason = readClassTag(in, number); !reason.empty())
            return reason;
    switch (readMembers(in, scratch.numbers, scratch.pool, scratch.textEnds, scratch.text)) {
    case ArchiveReader::Text::Read:
        break;
    case ArchiveReader::Text::Truncated:
        return endsInside(number);
    case ArchiveReader::Text::Wide:
        return formatted("Entry %llu holds wide-character text, which Cellar Files never contain.",
                         static_cast<unsigned long long>(number));
    }
    for (std::size_t i = 0; i < scratch.texts.size(); ++i)
        scratch.texts[i] = std::string_view(scratch.pool)
                               .substr(scratch.textEnds[i], scratch.textEnds[i + 1] - scratch.textEnds[i]);
    entries.push_back(CWine::packed(scratch.numbers, scratch.texts));
    return {};
}

// Makes a reader over the last bytes of the file, for reading them on another thread; or none.
using TailOf = std::function<ArchiveReader*(std::uint64_t bytes)>;

// One part of a large file, read on a helper's thread while the file is read from the start: from a
// place where three plain entries follow one another, the plain entries up to the end of the file, or up
// to where another part starts. Where the reading from the start arrives at exactly that place, it
// takes the part's entries, so the entries are those of one reading from the start; where it passes
// the place (which only looked like entries), they are thrown away. The helper writes to the part for
// every entry it reads: what the reading from the start looks at has cache lines of its own.
class alignas(64) PartReading {
public:
    static constexpr std::uint64_t kNowhere = ~std::uint64_t{0};

    // The bytes the part began with, 0 until chosen: a reading from the start has reached the part once it
    // has no more bytes left than these. They never change once chosen.
    std::uint64_t bytes() const { return m_bytes.load(std::memory_order_acquire); }
    // The bytes left after the place where the part's entries start, once it is found: kNowhere when
    // there is none.
    std::uint64_t start() const {
        m_start.wait(kUnknown);
        return m_start.load();
    }
    void abandon() { m_abandoned.store(true); }

    // On the helper's thread: reads the part over the last bytes of the file through reader (none: there
    // is no part), up to where until bytes are left.
    void read(ArchiveReader* reader, std::uint64_t bytes, std::uint64_t until, double entriesPerByte) {
        std::uint64_t start = kNowhere;
        if (reader != nullptr && !m_abandoned.load()) {
            m_reader = reader;
            m_bytes.store(bytes, std::memory_order_release);
            start = findEntryStart();
            if (start != kNowhere && start <= until)
                start = kNowhere;
        }
        m_start.store(start);
        m_start.notify_all();
        if (start == kNowhere)
            return;
        try {
            const auto expected = static_cast<std::size_t>(static_cast<double>(bytes) * entriesPerByte);
            m_entries.reserve(expected + expected / 16);
            m_bytesAfter.reserve(expected + expected / 16);
            EntryScratch scratch;
            while (!m_abandoned.load(std::memory_order_relaxed) && m_reader->remaining() > until) {
                const std::size_t used =
                    readPlainEntry(m_reader->ahead(kPlainEntryBytes), true, scratch.numbers, scratch.texts);
                if (used == 0)
                    return;
                m_entries.push_back(CWine::packed(scratch.numbers, scratch.texts));
                m_bytesAfter.push_back(m_reader->remaining() - used);
                m_reader->skip(used);
            }
        } catch (const std::bad_alloc&) {
            m_outOfMemory = true; // the reading from the start reads on alone, and will tell
        }
    }

    // Once the helper is joined: whether memory ran out, the entries read, the bytes left after each,
    // and the reader, which stands at the first entry the part did not read.
    bool ranOutOfMemory() const { return m_outOfMemory; }
    WineList& entries() { return m_entries; }
    std::uint64_t bytesAfter(std::size_t entry) const { return m_bytesAfter[entry]; }
    ArchiveReader& reader() { return *m_reader; }

private:
    static constexpr std::uint64_t kUnknown = kNowhere - 1;

    // Where three plain entries follow one another, within the part's first 64 KB.
    std::uint64_t findEntryStart() {
        constexpr int kEntriesInARow = 3;
        constexpr std::size_t kSearched = std::size_t{1} << 16;
        EntryScratch scratch;
        for (std::size_t skipped = 0; skipped < kSearched; ++skipped) {
            const std::span<const std::uint8_t> bytes = m_reader->ahead(kEntriesInARow * kPlainEntryBytes);
            if (bytes.empty())
                return kNowhere;
            std::size_t at = 0;
            int inARow = 0;
            while (inARow < kEntriesInARow) {
                const std::size_t used =
                    readPlainEntry(bytes.subspan(at), true, scratch.numbers, scratch.texts);
                if (used == 0)
                    break;
                at += used;
                ++inARow;
            }
            if (inARow == kEntriesInARow)
                return m_reader->remaining();
            m_reader->skip(1);
        }
        return kNowhere;
    }

    std::atomic<std::uint64_t> m_bytes{0};
    std::atomic<std::uint64_t> m_start{kUnknown};
    std::atomic<bool> m_abandoned{false};
    alignas(64) ArchiveReader* m_reader = nullptr;
    bool m_outOfMemory = false;
    WineList m_entries;
    std::vector<std::uint64_t> m_bytesAfter;
};

// The parts a helper reads beside the reading from the start. Once it runs, it takes the tail: half of
// what the reading from the start has not yet reached, so that a helper that starts late still gets as
// much work as is left. When it is done with the tail while the reading from the start still has far to
// go (the cores of a virtual machine need not be equally fast), it takes the second half of that too:
// the middle, up to where the tail starts.
class HelperParts {
public:
    // headRemaining: the bytes the reading from the start has left, which it keeps up to date.
    // entriesPerByte: about how many entries a byte holds, so that the parts' lists grow at most once.
    // sharing: where the parts begin, when a test chooses.
    HelperParts(TailOf tailOf, const std::atomic<std::uint64_t>& headRemaining, double entriesPerByte,
                const CellarFile::Sharing& sharing)
        : m_tailOf(std::move(tailOf)), m_headRemaining(headRemaining), m_entriesPerByte(entriesPerByte),
          m_sharing(sharing) {}

    PartReading& tail() { return m_tail; }
    PartReading& middle() { return m_middle; }
    void abandon() {
        m_tail.abandon();
        m_middle.abandon();
    }

    // Runs on the helper's thread.
    void run() {
        const std::uint64_t tailBytes = m_sharing.tailBytes != 0
                                            ? m_sharing.tailBytes
                                            : m_headRemaining.load(std::memory_order_relaxed) / 2;
        m_tail.read(m_tailOf(tailBytes), tailBytes, 0, m_entriesPerByte);
        const std::uint64_t tailStart = m_tail.start();
        const std::uint64_t head = m_headRemaining.load(std::memory_order_relaxed);
        std::uint64_t middleBytes = m_sharing.middleBytes;
        if (middleBytes == 0 && head > tailStart && head - tailStart >= kWorthTaking)
            middleBytes = tailStart + (head - tailStart) / 2;
        if (tailStart != PartReading::kNowhere && !m_tail.ranOutOfMemory() && middleBytes > tailStart &&
            middleBytes < head)
            m_middle.read(m_tailOf(middleBytes), middleBytes, tailStart, m_entriesPerByte);
        else
            m_middle.read(nullptr, 0, 0, m_entriesPerByte);
    }

private:
    // Less than this left before the tail is not worth looking for a place to start from.
    static constexpr std::uint64_t kWorthTaking = std::uint64_t{1} << 20;

    const TailOf m_tailOf;
    const std::atomic<std::uint64_t>& m_headRemaining;
    const double m_entriesPerByte;
    const CellarFile::Sharing m_sharing;
    PartReading m_tail;
    PartReading m_middle;
};

// Files of fewer entries are read on one thread.
constexpr std::uint64_t kEntriesReadInParts = 20000;

// The header, the count and the entries; refuses a count the bytes left cannot hold before reserving.
// A large file is read in parts when tailOf gives readers over its last bytes.
CellarReadResult parse(ArchiveReader& in, const TailOf& tailOf = {},
                       const CellarFile::Sharing& sharing = {}) {
    std::uint32_t headerWord = 0; // carries nothing the entries depend on
    std::uint16_t shortCount = 0;
    if (!in.readU32(headerWord) || !in.readU16(shortCount))
        return failure("The file is too short to be a Cellar File.");
    std::uint64_t count = shortCount;
    if (shortCount == kBigCountMarker) {
        std::uint32_t longCount = 0;
        if (!in.readU32(longCount))
            return failure("The file is too short to be a Cellar File.");
        count = longCount;
    }

    // The first tag comes before the count check: a first entry written like a later one is a bad
    // tag, though it also leaves too few bytes for the count.
    const std::uint64_t remaining = in.remaining();
    std::string firstTag;
    if (count > 0 && (firstTag = readClassTag(in, 1)) != endsInside(1) && !firstTag.empty())
        return failure(std::move(firstTag));
    if (count > 0 && kFirstEntryMinSize + (count - 1) * kLaterEntryMinSize > remaining)
        return failure(formatted("The file announces %llu %s, more than its %llu remaining %s can hold.",
                                 static_cast<unsigned long long>(count), count == 1 ? "entry" : "entries",
                                 static_cast<unsigned long long>(remaining),
                                 remaining == 1 ? "byte" : "bytes"));
    if (!firstTag.empty())
        return failure(std::move(firstTag));

    WineList entries;
    entries.reserve(count);
    std::optional<HelperParts> helper;
    std::atomic<std::uint64_t> headRemaining{in.remaining()};
    WorkInParts::Task helperThread;
    if (count >= kEntriesReadInParts && tailOf) {
        helper.emplace(tailOf, headRemaining, static_cast<double>(count) / static_cast<double>(remaining),
                       sharing);
        helperThread = WorkInParts::startBeside([&helper] { helper->run(); });
        if (sharing.startWhenPartsFound) {
            helper->tail().start();
            helper->middle().start();
        }
    }
    const auto stopHelper = [&] {
        helper->abandon();
        if (helperThread.joinable())
            helperThread.join();
        helper.reset();
    };
    ArchiveReader* reader = &in;
    EntryScratch scratch;
    // The reading from the start has arrived exactly where part starts: once the helper is joined, the
    // part's entries are entries number, number + 1, and so on, no more than are still wanted. Gives the
    // result when they are the last; otherwise the reading goes on where the part stopped (a long text,
    // damage, the next part) with number the entry after them.
    const auto landOn = [&](PartReading& part, std::uint64_t& number) -> std::optional<CellarReadResult> {
        if (helperThread.joinable())
            helperThread.join();
        if (part.ranOutOfMemory())
            return std::nullopt; // the reading from the start reads the part itself
        const std::uint64_t wanted = count - number + 1;
        const std::uint64_t taken = std::min<std::uint64_t>(wanted, part.entries().size());
        std::move(part.entries().begin(), part.entries().begin() + static_cast<std::ptrdiff_t>(taken),
                  std::back_inserter(entries));
        if (taken == wanted) {
            CellarReadResult result;
            result.entries = std::move(entries);
            result.trailingBytes = part.bytesAfter(static_cast<std::size_t>(taken) - 1);
            return result;
        }
        number += taken;
        reader = &part.reader();
        return std::nullopt;
    };
    // Kept here once known: the helper writes next to them for every entry it reads.
    std::uint64_t tailBytes = 0;
    std::uint64_t middleBytes = 0;
    bool middleAhead = true; // until the middle is reached, passed, or known to be none
    for (std::uint64_t number = 1; number <= count; ++number) {
        if (helper) {
            headRemaining.store(reader->remaining(), std::memory_order_relaxed);
            if (tailBytes == 0)
                tailBytes = helper->tail().bytes();
            if (middleAhead && middleBytes == 0)
                middleBytes = helper->middle().bytes();
        }
        if (helper && middleAhead && middleBytes != 0 && reader->remaining() <= middleBytes) {
            PartReading& middle = helper->middle();
            const std::uint64_t start = middle.start();
            if (reader->remaining() == start) {
                middleAhead = false;
                if (std::optional<CellarReadResult> result = landOn(middle, number))
                    return std::move(*result);
            } else if (start == PartReading::kNowhere || reader->remaining() < start) {
                middle.abandon();
                middleAhead = false;
            }
        }
        if (helper && tailBytes != 0 && reader->remaining() <= tailBytes) {
            const std::uint64_t start = helper->tail().start();
            if (reader->remaining() == start) {
                // A middle not yet begun is of no use any more.
                helper->middle().abandon();
                if (std::optional<CellarReadResult> result = landOn(helper->tail(), number))
                    return std::move(*result);
                helper.reset();
            } else if (start == PartReading::kNowhere || reader->remaining() < start) {
                stopHelper();
            }
        }
        if (std::string reason = readEntry(*reader, number, scratch, entries); !reason.empty()) {
            if (helper)
                stopHelper();
            return failure(std::move(reason));
        }
    }
    if (helper)
        stopHelper();

    // Nothing is written after the last entry, but copy tools pad: those bytes are counted, not read.
    CellarReadResult result;
    result.entries = std::move(entries);
    result.trailingBytes = reader->remaining();
    return result;
}

} // namespace

namespace CellarFile {

std::string trailingBytesNote(std::uint64_t trailingBytes) {
    if (trailingBytes == 0)
        return {};
    return trailingBytes == 1
               ? std::string("The file holds 1 byte after its last entry; it will not be kept when you save.")
               : "The file holds " + std::to_string(trailingBytes) +
                     " bytes after its last entry; they will not be kept when you save.";
}

CellarReadResult read(std::span<const std::uint8_t> bytes) {
    ArchiveReader in(bytes);
    return parse(in);
}

// A regular file is read through a small window, so its bytes and its entries are never in memory
// together.
CellarReadResult load(const std::filesystem::path& path) {
    return load(path, Sharing{});
}

CellarReadResult load(const std::filesystem::path& path, const Sharing& sharing) {
    // A device, a pipe or a file larger than any cellar is refused before a byte is read.
    std::uint64_t size = 0;
    std::string problem;
    int systemError = 0;
    const int fd = openReadableFile(path, size, problem, systemError);
    if (fd < 0)
        return failure(std::move(problem));
    const struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    DescriptorBuffer buffer(fd, 0);
    std::istream stream(&buffer);
    ArchiveReader in(stream, size, kWindow);
    // The parts of a large file read beside the first, each through a reader of its own.
    std::deque<TailSource> parts;
    CellarReadResult result = parse(
        in,
        [&](std::uint64_t bytes) {
            parts.emplace_back(fd, size - bytes, bytes, kWindow);
            return &parts.back().reader;
        },
        sharing);
    if (in.streamFailed() || std::any_of(parts.begin(), parts.end(),
                                         [](const TailSource& part) { return part.reader.streamFailed(); }))
        return failure(kCannotReadToEnd);
    return result;
}

CellarReadResult read(std::istream& stream, std::uint64_t size, std::size_t window) {
    ArchiveReader in(stream, size, window);
    CellarReadResult result = parse(in);
    if (in.streamFailed())
        return failure(kCannotReadToEnd);
    return result;
}

std::vector<std::uint8_t> write(std::span<const CWine* const> entries, std::uint32_t headerWord) {
    const bool bigCount = entries.size() >= kBigCountMarker;
    std::size_t size = 4 + 2 + (bigCount ? 4 : 0);
    for (std::size_t i = 0; i < entries.size(); ++i)
        size += (i == 0 ? kFirstEntryMinSize - kMembersMinSize : 2) + entrySize(*entries[i]);

    ArchiveWriter out(size);
    out.writeU32(headerWord);
    if (bigCount) {
        out.writeU16(kBigCountMarker);
        out.writeU32(static_cast<std::uint32_t>(entries.size()));
    } else {
        out.writeU16(static_cast<std::uint16_t>(entries.size()));
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (i == 0) {
            out.writeU16(kNewClassTag);
            out.writeU16(kSchema);
            out.writeU16(static_cast<std::uint16_t>(kClassName.size()));
            out.writeBytes(kClassName);
        } else {
            out.writeU16(kFirstClassReference);
        }
        writeMembers(out, *entries[i]);
    }
    return out.take();
}

std::vector<std::uint8_t> write(const WineList& entries, std::uint32_t headerWord) {
    std::vector<const CWine*> pointers;
    pointers.reserve(entries.size());
    for (const auto& wine : entries)
        pointers.push_back(wine.get());
    return write(pointers, headerWord);
}

std::string save(const std::filesystem::path& path, std::span<const CWine* const> entries) {
    return writeFileAtomically(path, write(entries));
}

std::string save(const std::filesystem::path& path, const WineList& entries) {
    return writeFileAtomically(path, write(entries));
}

} // namespace CellarFile
