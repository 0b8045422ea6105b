#pragma once
// An ordered array whose storage grows by a fixed rule shared by the QSO log
// and the band list: the first append makes room for exactly one element;
// when full, room grows by one eighth of the current size, at least 4 and at
// most 1024 elements. Emptying it, or removing its last element, releases the
// storage. Appends give the strong guarantee: if memory runs out, the array
// is left as it was and std::bad_alloc propagates.

#include <algorithm>
#include <cstddef>
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
 public:
  std::size_t size() const { return items_.size(); }
  bool empty() const { return items_.empty(); }
  std::size_t capacity() const { return items_.capacity(); }

  const T& operator[](std::size_t index) const { return items_[index]; }
  typename std::vector<T>::const_iterator begin() const { return items_.begin(); }
  typename std::vector<T>::const_iterator end() const { return items_.end(); }

  void append(T value) {
    if (items_.size() == items_.capacity()) items_.reserve(nextCapacity(items_.size()));
    items_.push_back(std::move(value));
  }

  // Removes one element; later elements move down, keeping their order.
  void removeAt(std::size_t index) {
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
    if (items_.empty()) clear();
  }

  void swapElements(std::size_t a, std::size_t b) { std::swap(items_[a], items_[b]); }

  void clear() { std::vector<T>().swap(items_); }

 private:
  std::vector<T> items_;
};

}  // namespace velmora
