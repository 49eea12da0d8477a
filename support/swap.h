// Exchanging two values of one type.
#pragma once

namespace support {

template <typename T>
void Swap(T& a, T& b) {
  T t = a;
  a = b;
  b = t;
}

}  // namespace support
