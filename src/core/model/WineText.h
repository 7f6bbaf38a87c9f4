#pragma once

#include <algorithm>
#include <bit>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iosfwd>
#include <string>
#include <string_view>

// One text of an entry, in eight bytes, read and written like a std::string. A text of up to seven
// characters sits in the eight bytes themselves; a longer one either owns a heap block of its own or is
// lent by a packed entry, whose long texts follow it in the entry's single allocation. A copy or a move
// of a lent text owns its characters, so no text outlives the entry that lends it. Texts may hold any
// byte, NUL included, and c_str() is always NUL-terminated.
class WineText {
public:
    static constexpr std::size_t npos = std::string::npos;
    // The longest text kept in the eight bytes themselves.
    static constexpr std::size_t kInlineCapacity = 7;

    WineText() noexcept { setInline({}); }
    explicit WineText(std::string_view text) { store(text); }
    WineText(const WineText& other) { store(other.view()); }
    WineText(WineText&& other);
    ~WineText() { release(); }

    WineText& operator=(const WineText& other);
    WineText& operator=(WineText&& other);
    WineText& operator=(std::string_view text) {
        assign(text);
        return *this;
    }
    WineText& operator=(const std::string& text) { return *this = std::string_view(text); }
    WineText& operator=(const char* text) { return *this = std::string_view(text); }

    void assign(std::string_view text);
    void assign(const char* text, std::size_t length) { assign(std::string_view(text, length)); }
    void assign(std::size_t count, char c) { assign(std::string(count, c)); }
    template <typename Iterator> void assign(Iterator first, Iterator last) {
        assign(std::string(first, last));
    }
    void clear() noexcept;
    WineText& operator+=(std::string_view text);
    WineText& operator+=(char c) { return *this += std::string_view(&c, 1); }

    std::size_t size() const noexcept {
        if (!outside())
            return kInlineCapacity - static_cast<unsigned char>(m_bytes[7]);
        const std::uint64_t length = lengthBits();
        return length != kLongLength ? static_cast<std::size_t>(length) : longLength();
    }
    std::size_t length() const noexcept { return size(); }
    bool empty() const noexcept { return size() == 0; }
    const char* data() const noexcept { return outside() ? address() : m_bytes; }
    const char* c_str() const noexcept { return data(); }
    const char* begin() const noexcept { return data(); }
    const char* end() const noexcept { return data() + size(); }
    // Characters may be changed in place; the length stays.
    char* begin() noexcept { return const_cast<char*>(data()); }
    char* end() noexcept { return begin() + size(); }
    char front() const noexcept { return *data(); }
    char back() const noexcept { return data()[size() - 1]; }
    char operator[](std::size_t index) const noexcept { return data()[index]; }
    std::string_view view() const noexcept { return {data(), size()}; }
    operator std::string_view() const noexcept { return view(); }
    std::string str() const { return std::string(view()); }
    // Implicit, so that a text passes wherever a std::string is taken; each pass copies it.
    operator std::string() const { return str(); }
    std::string substr(std::size_t position, std::size_t count = npos) const {
        return std::string(view().substr(position, count));
    }
    std::size_t find(std::string_view text, std::size_t position = 0) const noexcept {
        return view().find(text, position);
    }

    // The bytes a text takes in a packed entry's space: none for a text kept in the eight bytes.
    static std::size_t lentSpace(std::string_view text) noexcept;
    // Becomes text, its characters written at space when they do not fit in the eight bytes; returns
    // the space after them. The space must outlive this text and every read of it.
    char* lend(std::string_view text, char* space) noexcept;

    friend bool operator==(const WineText& a, const WineText& b) noexcept { return a.view() == b.view(); }
    friend bool operator==(const WineText& a, std::string_view b) noexcept { return a.view() == b; }
    friend std::strong_ordering operator<=>(const WineText& a, const WineText& b) noexcept {
        return a.view() <=> b.view();
    }
    friend std::strong_ordering operator<=>(const WineText& a, std::string_view b) noexcept {
        return a.view() <=> b;
    }
    friend std::string operator+(const WineText& a, std::string_view b) { return a.str().append(b); }
    friend std::string operator+(const WineText& a, char b) { return a.str() + b; }
    friend std::string operator+(std::string a, const WineText& b) { return a.append(b.view()); }
    friend std::string operator+(const char* a, const WineText& b) { return std::string(a).append(b.view()); }
    friend std::string operator+(char a, const WineText& b) { return std::string(1, a).append(b.view()); }

private:
    // The eighth byte tells the forms apart. Inline: below 0x80, it is seven minus the length, so a
    // seven-character text ends in the NUL it needs. Outside: bit 63 is set, bit 62 marks an owned
    // block, bits 48 to 61 hold the length (or kLongLength, when the length is kept in the eight bytes
    // before the characters), and bits 0 to 47 the characters' address.
    static constexpr std::uint64_t kOutside = std::uint64_t{1} << 63;
    static constexpr std::uint64_t kOwned = std::uint64_t{1} << 62;
    static constexpr int kLengthShift = 48;
    static constexpr std::uint64_t kLongLength = 0x3FFF;
    static constexpr std::uint64_t kAddressMask = (std::uint64_t{1} << kLengthShift) - 1;
    // The length before the characters of a text too long for the length bits.
    static constexpr std::size_t kLengthBytes = sizeof(std::uint64_t);
    static_assert(std::endian::native == std::endian::little, "the inline form keeps its length in byte 7");

    std::uint64_t bits() const noexcept {
        std::uint64_t value;
        std::memcpy(&value, m_bytes, sizeof value);
        return value;
    }
    bool outside() const noexcept { return (static_cast<unsigned char>(m_bytes[7]) & 0x80) != 0; }
    bool ownsBlock() const noexcept { return outside() && (bits() & kOwned) != 0; }
    // The outside form's length, or kLongLength when it is kept before the characters.
    std::uint64_t lengthBits() const noexcept { return (bits() >> kLengthShift) & kLongLength; }
    const char* address() const noexcept {
        return reinterpret_cast<const char*>(static_cast<std::uintptr_t>(bits() & kAddressMask));
    }
    // The length of a text too long for the length bits, kept before its characters.
    std::size_t longLength() const noexcept;
    void setInline(std::string_view text) noexcept;
    // Writes text (with its length first when long, and a NUL after) at space; returns the characters.
    static char* write(std::string_view text, char* space) noexcept;
    void setOutside(const char* characters, std::size_t length, bool owned) noexcept;
    // Becomes text in a block of its own; the current form must already be released.
    void store(std::string_view text);
    // Takes other's form, which becomes empty.
    void adopt(WineText& other) noexcept;
    void release() noexcept;

    alignas(8) char m_bytes[8];
};

// Inline, as reading a file makes every text of every entry through them.
inline std::size_t WineText::lentSpace(std::string_view text) noexcept {
    if (text.size() <= kInlineCapacity)
        return 0;
    return text.size() + 1 + (text.size() >= kLongLength ? kLengthBytes : 0);
}

inline char* WineText::lend(std::string_view text, char* space) noexcept {
    release();
    if (text.size() <= kInlineCapacity) {
        setInline(text);
        return space;
    }
    setOutside(write(text, space), text.size(), false);
    return space + lentSpace(text);
}

inline void WineText::setInline(std::string_view text) noexcept {
    std::memset(m_bytes, 0, sizeof m_bytes);
    if (!text.empty())
        std::memcpy(m_bytes, text.data(), text.size());
    m_bytes[7] = static_cast<char>(kInlineCapacity - text.size());
}

inline char* WineText::write(std::string_view text, char* space) noexcept {
    if (text.size() >= kLongLength) {
        const std::uint64_t length = text.size();
        std::memcpy(space, &length, kLengthBytes);
        space += kLengthBytes;
    }
    std::memcpy(space, text.data(), text.size());
    space[text.size()] = '\0';
    return space;
}

inline void WineText::setOutside(const char* characters, std::size_t length, bool owned) noexcept {
    const auto address = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(characters));
    const std::uint64_t value = kOutside | (owned ? kOwned : 0) |
                                (std::min<std::uint64_t>(length, kLongLength) << kLengthShift) | address;
    std::memcpy(m_bytes, &value, sizeof value);
}

inline void WineText::release() noexcept {
    if (!ownsBlock())
        return;
    std::free(const_cast<char*>(address()) - (lengthBits() == kLongLength ? kLengthBytes : 0));
}

std::ostream& operator<<(std::ostream& out, const WineText& text);

static_assert(sizeof(WineText) == 8);
