#pragma once

#include "core/model/CWine.h"

#include <cstddef>
#include <memory>
#include <span>
#include <string_view>

// Makes packed entries one after another in large blocks, for reading a file: one allocation for
// thousands of entries instead of one each, and each entry starting on a cache line of its own, so
// that a walk in sorted order, which meets them scattered, fetches as few lines an entry as it can.
// One thread uses an arena at a time. A block goes when the arena has left it and its last entry is
// deleted, whoever holds the entries by then.
class EntryArena {
public:
    EntryArena() = default;
    ~EntryArena();
    EntryArena(const EntryArena&) = delete;
    EntryArena& operator=(const EntryArena&) = delete;

    // As CWine::packed.
    std::unique_ptr<CWine> packed(const CWine& numbers,
                                  std::span<const std::string_view, CWine::kTextCount> texts);

    // An entry of a block is deleted, or an arena leaves the block.
    static void release(void* block) noexcept;
    // The blocks of every arena not yet given back: none once every arena and entry has gone.
    static std::size_t blocksHeld() noexcept;

private:
    struct Block;
    void startBlock(std::size_t bytes);

    Block* m_block = nullptr;
    std::size_t m_blockBytes = 0;
    // Where the next entry goes, a cache line's start, and the end of the block.
    char* m_next = nullptr;
    char* m_end = nullptr;
};
