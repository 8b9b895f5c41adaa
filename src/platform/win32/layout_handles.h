// Input-locale handles between HKL and the 32 bits the program keeps of them.
#pragma once

#include <windows.h>

#include <cstdint>

#include "platform/keyboard.h"

namespace fennick::win32 {

// A 64-bit HKL is the sign extension of its low 32 bits.
inline HKL ToHkl(platform::LayoutHandle handle) {
  return reinterpret_cast<HKL>(static_cast<INT_PTR>(static_cast<std::int32_t>(handle)));
}
inline platform::LayoutHandle FromHkl(HKL hkl) {
  return static_cast<platform::LayoutHandle>(reinterpret_cast<UINT_PTR>(hkl));
}

}  // namespace fennick::win32
