#pragma once

// What the scans over whole files share: blocks of bytes compared many at a
// time.
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace k7r::containers {

// Thirty-two bytes side by side; compilers turn operations on it into SIMD
// instructions of the width the target has.
using ByteBlock = std::uint8_t __attribute__((vector_size(32)));

// Four blocks are looked at before their results are: one scan step.
inline constexpr std::size_t kBlocksPerStep = 4;
inline constexpr std::size_t kScanStep = sizeof(ByteBlock) * kBlocksPerStep;

// Blocks go by reference: passed by value their ABI would depend on the
// instruction set a function is built for.
inline void LoadBlock(ByteBlock& block, const std::uint8_t* at) {
    std::memcpy(&block, at, sizeof block);
}

// Whether any byte of a block of comparison results is set.
inline bool AnySet(const ByteBlock& block) {
    std::uint64_t words[sizeof(ByteBlock) / 8];
    std::memcpy(words, &block, sizeof words);
    std::uint64_t any = 0;
    for (std::uint64_t word : words) {
        any |= word;
    }
    return any != 0;
}

} // namespace k7r::containers

// On x86-64 Linux the scans also come in an AVX2 version, chosen when the
// program starts on a processor that has it.
#if defined(__x86_64__) && defined(__ELF__)
#define K7R_SCAN_VERSIONS __attribute__((target_clones("avx2", "default")))
#else
#define K7R_SCAN_VERSIONS
#endif
