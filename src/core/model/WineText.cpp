#include "core/model/WineText.h"

#include <algorithm>
#include <cstdlib>
#include <new>
#include <ostream>

#if defined(__SANITIZE_ADDRESS__)
#define BW_LEAK_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define BW_LEAK_SANITIZER 1
#endif
#endif
#ifdef BW_LEAK_SANITIZER
#include <sanitizer/lsan_interface.h>
#endif

namespace {

// The bytes a block for a text of this many characters is given: its characters, the NUL, and what
// the allocator would round up to anyway (blocks come in steps of 16 bytes, 8 of them its own). A text
// that later gets no longer than that reuses the block, so a text read again and again into the same
// member seldom allocates.
std::size_t blockCapacity(std::size_t length) {
    constexpr std::size_t kStep = 16;
    constexpr std::size_t kAllocatorOwn = 8;
    return (length + 1 + kAllocatorOwn + kStep - 1) / kStep * kStep - kAllocatorOwn;
}

} // namespace

WineText::WineText(WineText&& other) {
    setInline({});
    if (other.ownsBlock())
        adopt(other);
    else
        store(other.view());
}

WineText& WineText::operator=(const WineText& other) {
    if (this != &other)
        assign(other.view());
    return *this;
}

WineText& WineText::operator=(WineText&& other) {
    if (this == &other)
        return *this;
    if (other.ownsBlock())
        adopt(other);
    else
        assign(other.view());
    return *this;
}

void WineText::assign(std::string_view text) {
    const std::uint64_t length = lengthBits();
    if (ownsBlock() && length != kLongLength && text.size() > kInlineCapacity && text.size() < kLongLength &&
        text.size() < blockCapacity(length)) {
        auto* characters = const_cast<char*>(address());
        std::memmove(characters, text.data(), text.size()); // the text may be part of this one
        characters[text.size()] = '\0';
        setOutside(characters, text.size(), true);
        return;
    }
    // The text may be part of this one, so the new form is made before the old one goes.
    WineText replacement(text);
    adopt(replacement);
}

void WineText::clear() noexcept {
    release();
    setInline({});
}

WineText& WineText::operator+=(std::string_view text) {
    std::string joined(view());
    joined.append(text);
    assign(joined);
    return *this;
}

std::size_t WineText::longLength() const noexcept {
    std::uint64_t length;
    std::memcpy(&length, address() - kLengthBytes, kLengthBytes);
    return static_cast<std::size_t>(length);
}

void WineText::store(std::string_view text) {
    if (text.size() <= kInlineCapacity) {
        setInline(text);
        return;
    }
    const std::size_t bytes =
        text.size() >= kLongLength ? lentSpace(text) : std::max(lentSpace(text), blockCapacity(text.size()));
    auto* block = static_cast<char*>(std::malloc(bytes));
    if (block == nullptr)
        throw std::bad_alloc();
    if ((reinterpret_cast<std::uintptr_t>(block) & ~kAddressMask) != 0) {
        std::free(block);
        throw std::bad_alloc(); // beyond the 48-bit addresses every supported system hands out
    }
    const char* characters = write(text, block);
#ifdef BW_LEAK_SANITIZER
    // Only the tagged word points at the block, which the leak checker cannot read as a pointer: the
    // texts of entries left to the system at exit would be reported. A lost entry is still reported.
    __lsan_ignore_object(block);
#endif
    setOutside(characters, text.size(), true);
}

void WineText::adopt(WineText& other) noexcept {
    release();
    std::memcpy(m_bytes, other.m_bytes, sizeof m_bytes);
    other.setInline({});
}

std::ostream& operator<<(std::ostream& out, const WineText& text) {
    return out << text.view();
}
