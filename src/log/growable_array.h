#pragma once
// An ordered array whose storage grows by a fixed rule shared by the QSO log
// and the band list: the first append makes room for exactly one element;
// when full, room grows by one eighth of the current size, at least 4 and at
// most 1024 elements. Emptying it, or removing its last element, releases the
// storage. Appends give the strong guarantee: if memory runs out, the array
// is left as it was and std::bad_alloc propagates.
//
// Each growth step is a block of its own, so growing never copies or moves
// the elements already stored: an append touches only the new element (and,
// when full, one new block). Removing an element moves every later one down
// a place, across blocks, as in one contiguous array.

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <memory>
#include <new>
#include <type_traits>
#include <utility>
#include <vector>

namespace velmora {

// The capacity to grow to when an array of `size` full elements needs one more.
inline std::size_t nextCapacity(std::size_t size) {
  if (size == 0) return 1;
  return size + std::clamp<std::size_t>(size / 8, 4, 1024);
}

template <typename T>
class GrowableArray {
  static_assert(std::is_nothrow_move_constructible_v<T> && std::is_nothrow_move_assignable_v<T>,
                "appending and removing move elements and must not fail half-way");

  struct Block {
    T* items;
    std::size_t first;  // the index of items[0] in the array
    std::size_t capacity;
  };

 public:
  class const_iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = T;
    using difference_type = std::ptrdiff_t;
    using pointer = const T*;
    using reference = const T&;

    const_iterator() = default;
    reference operator*() const { return *item_; }
    pointer operator->() const { return item_; }
    const_iterator& operator++() {
      ++index_;
      if (++item_ == blockEnd_ && ++block_ < blocks_->size()) enter((*blocks_)[block_]);
      return *this;
    }
    const_iterator operator++(int) {
      const_iterator before = *this;
      ++*this;
      return before;
    }
    // Iterators of one array are equal when they stand at the same index.
    bool operator==(const const_iterator& other) const { return index_ == other.index_; }
    bool operator!=(const const_iterator& other) const { return index_ != other.index_; }

   private:
    friend class GrowableArray;
    const_iterator(const std::vector<Block>* blocks, std::size_t index)
        : blocks_(blocks), index_(index) {
      if (!blocks->empty()) enter(blocks->front());
    }
    void enter(const Block& block) {
      item_ = block.items;
      blockEnd_ = block.items + block.capacity;
    }

    const std::vector<Block>* blocks_ = nullptr;
    std::size_t block_ = 0;
    std::size_t index_ = 0;
    const T* item_ = nullptr;
    const T* blockEnd_ = nullptr;
  };

  GrowableArray() = default;
  GrowableArray(const GrowableArray& other) {
    for (const T& item : other) append(item);
  }
  GrowableArray(GrowableArray&& other) noexcept { swap(other); }
  GrowableArray& operator=(GrowableArray other) noexcept {
    swap(other);
    return *this;
  }
  ~GrowableArray() { clear(); }

  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  std::size_t capacity() const { return capacity_; }

  const T& operator[](std::size_t index) const { return *slot(index); }
  const_iterator begin() const { return const_iterator(&blocks_, 0); }
  const_iterator end() const { return const_iterator(&blocks_, size_); }

  // If memory runs out, `value` is left as it was too.
  void append(T&& value) {
    if (size_ == capacity_) addBlock(nextCapacity(size_) - size_);
    ::new (static_cast<void*>(slot(size_))) T(std::move(value));
    ++size_;
  }
  void append(const T& value) { append(T(value)); }

  // Removes one element; later elements move down, keeping their order.
  void removeAt(std::size_t index) {
    std::size_t b = blockOf(index);
    T* hole = blocks_[b].items + (index - blocks_[b].first);
    for (;;) {
      // The block's later elements move down within it; then the first
      // element of the next block, if any is used, fills its last place.
      const Block& block = blocks_[b];
      const std::size_t end = std::min(block.first + block.capacity, size_);
      hole = std::move(hole + 1, block.items + (end - block.first), hole);
      if (end == size_) break;
      ++b;
      *hole = std::move(blocks_[b].items[0]);
      hole = blocks_[b].items;
    }
    hole->~T();
    if (--size_ == 0) clear();
  }

  void swapElements(std::size_t a, std::size_t b) {
    using std::swap;
    swap(*slot(a), *slot(b));
  }

  void clear() {
    for (const Block& block : blocks_) {
      const std::size_t used = std::min(block.capacity, size_ - std::min(size_, block.first));
      std::destroy_n(block.items, used);
      std::allocator<T>().deallocate(block.items, block.capacity);
    }
    std::vector<Block>().swap(blocks_);
    size_ = 0;
    capacity_ = 0;
  }

 private:
  void swap(GrowableArray& other) noexcept {
    blocks_.swap(other.blocks_);
    std::swap(size_, other.size_);
    std::swap(capacity_, other.capacity_);
  }

  void addBlock(std::size_t count) {
    if (blocks_.size() == blocks_.capacity()) blocks_.reserve(2 * blocks_.size() + 1);
    T* const items = std::allocator<T>().allocate(count);
    blocks_.push_back(Block{items, capacity_, count});
    capacity_ += count;
  }

  // The block holding `index` (below the capacity): the last whose first
  // index is not above it. Appends and most reads are in the last block.
  std::size_t blockOf(std::size_t index) const {
    if (index >= blocks_.back().first) return blocks_.size() - 1;
    const auto after = std::upper_bound(
        blocks_.begin(), blocks_.end(), index,
        [](std::size_t i, const Block& block) { return i < block.first; });
    return static_cast<std::size_t>(after - blocks_.begin()) - 1;
  }

  T* slot(std::size_t index) const {
    const Block& block = blocks_[blockOf(index)];
    return block.items + (index - block.first);
  }

  std::vector<Block> blocks_;
  std::size_t size_ = 0;
  std::size_t capacity_ = 0;
};

}  // namespace velmora
