#include "core/model/ArchiveWriter.h"

#include <bit>
#include <cassert>
#include <cstring>
#include <stdexcept>
#include <utility>

ArchiveWriter::ArchiveWriter(std::size_t size) : m_bytes(size), m_next(m_bytes.data()) {}

std::size_t ArchiveWriter::stringSize(std::string_view text) {
    if (text.size() < 0xFF)
        return 1 + text.size();
    if (text.size() < 0xFFFE)
        return 3 + text.size();
    return 7 + text.size();
}

void ArchiveWriter::writeU16(std::uint16_t value) {
    m_next[0] = static_cast<std::uint8_t>(value);
    m_next[1] = static_cast<std::uint8_t>(value >> 8);
    m_next += 2;
}

void ArchiveWriter::writeU32(std::uint32_t value) {
    m_next[0] = static_cast<std::uint8_t>(value);
    m_next[1] = static_cast<std::uint8_t>(value >> 8);
    m_next[2] = static_cast<std::uint8_t>(value >> 16);
    m_next[3] = static_cast<std::uint8_t>(value >> 24);
    m_next += 4;
}

void ArchiveWriter::writeFloat(float value) {
    writeU32(std::bit_cast<std::uint32_t>(value));
}

void ArchiveWriter::writeBytes(std::string_view bytes) {
    if (!bytes.empty())
        std::memcpy(m_next, bytes.data(), bytes.size());
    m_next += bytes.size();
}

void ArchiveWriter::writeString(std::string_view text) {
    // The widest prefix holds a 32-bit length; no text in memory comes near it in practice.
    if (text.size() > 0xFFFFFFFFu)
        throw std::length_error("A text is too long for a Cellar File.");
    if (text.size() < 0xFF) {
        *m_next++ = static_cast<std::uint8_t>(text.size());
    } else if (text.size() < 0xFFFE) {
        *m_next++ = 0xFF;
        writeU16(static_cast<std::uint16_t>(text.size()));
    } else {
        *m_next++ = 0xFF;
        writeU16(0xFFFF);
        writeU32(static_cast<std::uint32_t>(text.size()));
    }
    writeBytes(text);
}

std::vector<std::uint8_t> ArchiveWriter::take() {
    assert(m_next == m_bytes.data() + m_bytes.size());
    return std::move(m_bytes);
}
