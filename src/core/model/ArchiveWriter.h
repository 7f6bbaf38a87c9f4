#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

// Writes the framework archive's little-endian words and length-prefixed strings into a buffer
// sized once up front, the same bytes whatever the host's byte order.
class ArchiveWriter {
public:
    explicit ArchiveWriter(std::size_t size);

    // The bytes a string takes with its length prefix.
    static std::size_t stringSize(std::string_view text);

    void writeU16(std::uint16_t value);
    void writeU32(std::uint32_t value);
    void writeI32(std::int32_t value) { writeU32(static_cast<std::uint32_t>(value)); }
    void writeFloat(float value);
    void writeBytes(std::string_view bytes);
    void writeString(std::string_view text);

    // The finished buffer; every byte of the size given at construction must have been written.
    std::vector<std::uint8_t> take();

private:
    std::vector<std::uint8_t> m_bytes;
    std::uint8_t* m_next;
};
