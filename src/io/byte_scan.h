// Finding bytes in text eight at a time, in one 64-bit word, without vector
// instructions: the readers look for line ends and field separators so.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace morlindo {

inline constexpr std::size_t kScanWordSize = 8;

// The eight bytes from p as one word, byte i in bits 8i to 8i + 7.
inline std::uint64_t loadScanWord(const char* p) {
    std::uint64_t word = 0;
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(&word, p, sizeof word);
    } else {
        for (std::size_t i = 0; i < kScanWordSize; ++i) {
            word |= std::uint64_t{static_cast<unsigned char>(p[i])} << (8 * i);
        }
    }
    return word;
}

// The word with bit 7 of a byte set where that byte equals c, and no other
// bit set. A byte of word ^ c...c is zero exactly where c is; adding 0x7F to
// its low seven bits sets its bit 7 unless they are all zero, and no carry
// crosses into the next byte.
inline std::uint64_t bytesEqualTo(std::uint64_t word, char c) {
    constexpr std::uint64_t kOnes = 0x0101010101010101;
    constexpr std::uint64_t kLowBits = 0x7F7F7F7F7F7F7F7F;
    const std::uint64_t x = word ^ (kOnes * static_cast<unsigned char>(c));
    return ~(((x & kLowBits) + kLowBits) | x | kLowBits);
}

// The position in its word of the first byte marked by bytesEqualTo.
inline std::size_t firstMarkedByte(std::uint64_t marks) {
    return static_cast<std::size_t>(std::countr_zero(marks)) / 8;
}

}  // namespace morlindo
