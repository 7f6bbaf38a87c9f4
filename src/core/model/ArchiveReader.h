#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <span>
#include <string>
#include <vector>

// Reads the framework archive's little-endian words and length-prefixed strings, either from a buffer
// in memory or from a stream of known length through a small window, so that loading a file never holds
// all its bytes and all its entries at once. Every read checks the bytes left first and reports a
// shortfall instead of reading past the end.
class ArchiveReader {
public:
    enum class Text { Read, Truncated, Wide };

    explicit ArchiveReader(std::span<const std::uint8_t> bytes) : m_window(bytes) {}
    // Holds at most window bytes (at least 16) of the stream at a time.
    ArchiveReader(std::istream& stream, std::uint64_t size, std::size_t window);

    // Bytes not yet read, in the window and still in the stream.
    std::uint64_t remaining() const { return windowLeft() + m_streamLeft; }
    // False when the stream failed before its announced length.
    bool streamFailed() const { return m_streamFailed; }

    // The little-endian words at p, for a caller that reads straight from the bytes ahead.
    static std::uint16_t u16At(const std::uint8_t* p) {
        return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
    }
    static std::uint32_t u32At(const std::uint8_t* p) {
        return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
               (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
    }

    bool readU16(std::uint16_t& value) {
        if (windowLeft() < 2 && !fill(2))
            return false;
        value = u16At(m_window.data() + m_position);
        m_position += 2;
        return true;
    }

    bool readU32(std::uint32_t& value) {
        if (windowLeft() < 4 && !fill(4))
            return false;
        value = u32At(m_window.data() + m_position);
        m_position += 4;
        return true;
    }

    // The unread bytes, at least count of them where the file still has them and the window can hold
    // them, for a caller that reads several values straight from memory and then skips what it used.
    std::span<const std::uint8_t> ahead(std::size_t count);
    void skip(std::size_t count) { m_position += count; }

    bool readI32(std::int32_t& value);
    bool readFloat(float& value);

    // Exactly length bytes as text.
    bool readBytes(std::uint64_t length, std::string& text);

    // A string with its 1-, 3- or 7-byte length prefix. Wide (two-byte) text is never written by the
    // program, so it is reported rather than read.
    Text readString(std::string& text);

private:
    std::size_t windowLeft() const { return m_window.size() - m_position; }
    // Moves what is left of the window to the front of the buffer and tops it up from the stream;
    // false when fewer than count bytes are left in all.
    bool fill(std::size_t count);

    std::span<const std::uint8_t> m_window;
    std::size_t m_position = 0;
    std::istream* m_stream = nullptr;
    std::uint64_t m_streamLeft = 0;
    bool m_streamFailed = false;
    std::vector<std::uint8_t> m_buffer;
};
