#pragma once
// Bits of the Windows-style file attribute word that listings and found entries carry.
#include <cstdint>

namespace twinsweep {

inline constexpr uint32_t faReadOnly = 0x01;
inline constexpr uint32_t faHidden = 0x02;
inline constexpr uint32_t faSysFile = 0x04;
inline constexpr uint32_t faDirectory = 0x10;
inline constexpr uint32_t faArchive = 0x20;

} // namespace twinsweep
