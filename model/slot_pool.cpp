#include "model/slot_pool.h"

#include <algorithm>
#include <cassert>
#include <cstddef>
#include <new>

namespace {

// Slots per block: a few hundred kilobytes for a base.
constexpr std::size_t kSlotsPerBlock = 4096;

} // namespace

SlotPool::SlotPool(std::size_t size) {
    const std::size_t align = alignof(std::max_align_t);
    slotSize = (std::max(size, sizeof(void*)) + align - 1) / align * align;
}

SlotPool::~SlotPool() {
    releaseBlocks();
}

void* SlotPool::take() {
    void* slot;
    if (freeList) {
        slot = freeList;
        freeList = *static_cast<void**>(freeList);
    } else {
        if (next == end) {
            // Grows the list first, so that a failure leaks no block.
            blockList.reserve(blockList.size() + 1);
            char* block = static_cast<char*>(::operator new(slotSize* kSlotsPerBlock));
            blockList.push_back(block);
            next = block;
            end = block + slotSize * kSlotsPerBlock;
        }
        slot = next;
        next += slotSize;
    }
    ++taken;
    return slot;
}

void SlotPool::give(void* slot) {
    assert(taken > 0 && "a slot given back that was never taken");
    *static_cast<void**>(slot) = freeList;
    freeList = slot;
    if (--taken == 0) releaseBlocks();
}

void SlotPool::releaseBlocks() {
    for (void* block : blockList)
        ::operator delete(block);
    blockList.clear();
    freeList = nullptr;
    next = end = nullptr;
}
