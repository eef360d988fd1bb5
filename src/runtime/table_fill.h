#pragma once
// Filling of the fixed tables at load: each value of a literal list is converted to the
// element type and stored at the running write index StoreCursor, which then goes up by one.
#include <initializer_list>
#include <span>

#include "runtime/int16.h"

namespace zv {

template <typename Element, typename Convert>
void FillTable(std::span<Element> target, int16& storeCursor, std::initializer_list<long> source,
               Convert convert) {
  for (long value : source) {
    if (storeCursor < 0 || static_cast<std::size_t>(storeCursor) >= target.size())
      throw RuntimeError(ErrorNumber::SubscriptOutOfRange);
    Element element = convert(value);
    target[static_cast<std::size_t>(storeCursor)] = element;
    storeCursor = Add(storeCursor, 1);
  }
}

inline void FillByteTable(std::span<byte> target, int16& storeCursor, std::initializer_list<long> source) {
  FillTable(target, storeCursor, source, [](long v) { return CByte(v); });
}

inline void FillIntegerTable(std::span<int16> target, int16& storeCursor, std::initializer_list<long> source) {
  FillTable(target, storeCursor, source, [](long v) { return Checked16(v); });
}

// Bounds-checked read of a fixed table: an index outside it raises SubscriptOutOfRange.
template <typename Element>
Element At(std::span<const Element> table, long index) {
  if (index < 0 || static_cast<std::size_t>(index) >= table.size())
    throw RuntimeError(ErrorNumber::SubscriptOutOfRange);
  return table[static_cast<std::size_t>(index)];
}

}  // namespace zv
