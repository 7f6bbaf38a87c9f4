#include "core/model/EntryArena.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstring>
#include <new>
#include <utility>

namespace {

constexpr std::size_t kLine = 64;
// A small file takes a small block; blocks grow with the file up to this.
constexpr std::size_t kFirstBlockBytes = std::size_t{16} << 10;
constexpr std::size_t kLargestBlockBytes = std::size_t{1} << 20;
// The word before each entry, naming its block.
constexpr std::size_t kWord = sizeof(void*);

std::atomic<std::size_t> g_blocksHeld{0};

char* lineAfter(char* p) {
    return reinterpret_cast<char*>((reinterpret_cast<std::uintptr_t>(p) + kLine - 1) & ~(kLine - 1));
}

} // namespace

// Held by the arena while it fills the block and by each entry in it.
struct EntryArena::Block {
    std::atomic<std::size_t> holders{1};
};

EntryArena::~EntryArena() {
    if (m_block != nullptr)
        release(m_block);
}

std::unique_ptr<CWine> EntryArena::packed(const CWine& numbers,
                                          std::span<const std::string_view, CWine::kTextCount> texts) {
    const std::size_t size = CWine::packedSize(texts);
    // An entry of very long texts gets an allocation of its own rather than most of a block.
    if (size + kLine > kLargestBlockBytes / 4)
        return CWine::packed(numbers, texts);
    // The last entry may have ended so near the block's end that the next line lies beyond it.
    if (m_block == nullptr || m_end - m_next < static_cast<std::ptrdiff_t>(size)) {
        const std::size_t grown =
            std::min(m_blockBytes == 0 ? kFirstBlockBytes : 2 * m_blockBytes, kLargestBlockBytes);
        startBlock(std::max(grown, (size + 2 * kLine) / kLine * kLine));
    }
    char* const place = m_next;
    Block* const block = m_block;
    std::memcpy(place - kWord, &block, kWord);
    block->holders.fetch_add(1, std::memory_order_relaxed);
    // The next entry's word goes in this one's last line where there is room, else in the line after.
    m_next = lineAfter(place + size + kWord);
    return std::unique_ptr<CWine>(CWine::packInto(place, numbers, texts));
}

void EntryArena::startBlock(std::size_t bytes) {
    if (m_block != nullptr)
        release(std::exchange(m_block, nullptr));
    void* const memory = ::operator new (bytes, std::align_val_t{kLine});
    m_block = new (memory) Block;
    g_blocksHeld.fetch_add(1, std::memory_order_relaxed);
    m_blockBytes = bytes;
    // The first line holds the block's count and the first entry's word.
    m_next = static_cast<char*>(memory) + kLine;
    m_end = static_cast<char*>(memory) + bytes;
}

void EntryArena::release(void* block) noexcept {
    auto* const held = static_cast<Block*>(block);
    if (held->holders.fetch_sub(1, std::memory_order_acq_rel) != 1)
        return;
    held->~Block();
    ::operator delete (block, std::align_val_t{kLine});
    g_blocksHeld.fetch_sub(1, std::memory_order_relaxed);
}

std::size_t EntryArena::blocksHeld() noexcept {
    return g_blocksHeld.load(std::memory_order_relaxed);
}
