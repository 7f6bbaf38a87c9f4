#include "core/model/ArchiveReader.h"

#include <algorithm>
#include <bit>
#include <cstring>

ArchiveReader::ArchiveReader(std::istream& stream, std::uint64_t size, std::size_t window)
    : m_stream(&stream), m_streamLeft(size), m_buffer(std::max<std::size_t>(window, 16)) {}

bool ArchiveReader::fill(std::size_t count) {
    if (remaining() < count || m_streamFailed)
        return false;
    const std::size_t kept = windowLeft();
    if (kept > 0)
        std::memmove(m_buffer.data(), m_window.data() + m_position, kept);
    const auto wanted =
        static_cast<std::size_t>(std::min<std::uint64_t>(m_buffer.size() - kept, m_streamLeft));
    m_stream->read(reinterpret_cast<char*>(m_buffer.data() + kept), static_cast<std::streamsize>(wanted));
    const auto got = static_cast<std::size_t>(m_stream->gcount());
    m_streamLeft -= got;
    m_window = std::span<const std::uint8_t>(m_buffer.data(), kept + got);
    m_position = 0;
    if (got < wanted) {
        m_streamFailed = true;
        m_streamLeft = 0;
    }
    return windowLeft() >= count;
}

std::span<const std::uint8_t> ArchiveReader::ahead(std::size_t count) {
    if (windowLeft() < count && m_stream != nullptr)
        fill(static_cast<std::size_t>(std::min<std::uint64_t>({count, m_buffer.size(), remaining()})));
    return m_window.subspan(m_position);
}

bool ArchiveReader::readI32(std::int32_t& value) {
    std::uint32_t word = 0;
    if (!readU32(word))
        return false;
    value = static_cast<std::int32_t>(word);
    return true;
}

bool ArchiveReader::readFloat(float& value) {
    std::uint32_t word = 0;
    if (!readU32(word))
        return false;
    value = std::bit_cast<float>(word);
    return true;
}

bool ArchiveReader::readBytes(std::uint64_t length, std::string& text) {
    // Checked first, so that a damaged length cannot ask for more memory than the file has bytes.
    if (remaining() < length)
        return false;
    const auto* window = reinterpret_cast<const char*>(m_window.data() + m_position);
    if (length <= windowLeft()) {
        text.assign(window, static_cast<std::size_t>(length));
        m_position += static_cast<std::size_t>(length);
        return true;
    }
    // A text longer than the window: what the window holds, then the rest straight from the stream.
    const std::size_t fromWindow = windowLeft();
    text.resize(static_cast<std::size_t>(length));
    if (fromWindow > 0)
        std::memcpy(text.data(), window, fromWindow);
    m_position = m_window.size();
    const std::size_t rest = text.size() - fromWindow;
    m_stream->read(text.data() + fromWindow, static_cast<std::streamsize>(rest));
    if (static_cast<std::size_t>(m_stream->gcount()) != rest) {
        m_streamFailed = true;
        m_streamLeft = 0;
        return false;
    }
    m_streamLeft -= rest;
    return true;
}

ArchiveReader::Text ArchiveReader::readString(std::string& text) {
    std::uint8_t shortLength = 0;
    if (windowLeft() < 1 && !fill(1))
        return Text::Truncated;
    shortLength = m_window[m_position++];
    std::uint64_t length = shortLength;
    if (shortLength == 0xFF) {
        std::uint16_t word = 0;
        if (!readU16(word))
            return Text::Truncated;
        if (word == 0xFFFE)
            return Text::Wide;
        length = word;
        if (word == 0xFFFF) {
            std::uint32_t wide = 0;
            if (!readU32(wide))
                return Text::Truncated;
            length = wide;
        }
    }
    return readBytes(length, text) ? Text::Read : Text::Truncated;
}
