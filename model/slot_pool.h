#pragma once

#include <cstddef>
#include <vector>

// Storage for many objects of one size that are made and dropped in great
// numbers together: a drawing may hold a million bases, made by one paste or
// open and dropped by one New. Slots come from blocks of a few thousand, so
// objects made one after another lie side by side; a dropped slot goes on a
// free list, and when the last slot is given back every block is released.
// With the general allocator, a million small blocks dropped at once made it
// merge them for far longer than the drop itself (and ever longer the more
// there were).
//
// Not thread-safe: the drawing is made and changed on one thread.
class SlotPool {
  public:
    // A pool of slots of `slotSize` bytes (rounded up to the largest alignment).
    explicit SlotPool(std::size_t slotSize);
    ~SlotPool();
    SlotPool(const SlotPool&) = delete;
    SlotPool& operator=(const SlotPool&) = delete;

    // A free slot; throws std::bad_alloc when no block can be had.
    void* take();
    // Gives back a slot that take() returned.
    void give(void* slot);
    // Slots taken and not given back.
    std::size_t live() const { return taken; }
    // Blocks held now.
    std::size_t blocks() const { return blockList.size(); }

  private:
    void releaseBlocks();

    std::size_t slotSize;
    std::vector<void*> blockList;
    // The free list runs through the given-back slots themselves.
    void* freeList = nullptr;
    // The unused rest of the newest block.
    char* next = nullptr;
    char* end = nullptr;
    std::size_t taken = 0;
};
