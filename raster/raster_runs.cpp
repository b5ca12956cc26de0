// SPDX-License-Identifier: MIT
// Long runs of pixels (kLongRun or more: the callers see to it) filled or copied with the widest
// vector stores the processor has. The build targets the baseline instruction set; the 32-byte
// versions are compiled for AVX2 alone and chosen once, at the first call, where the processor
// reports it. The upper halves of the 256-bit registers are cleared here too, on processors
// that have them (clearUpperVectorHalves).
//
// Each run's first and last vector are stored unaligned, the first first and the last last, and
// the ones between them aligned (a
// store across two cache lines costs two); the ends overlap the middle rather than being stored a
// pixel at a time.

#include <algorithm>
#include <cstddef>
#include <cstdlib>

#ifdef __SSE2__
#include <emmintrin.h>
#endif
#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define KELVARIN_RASTER_AVX2 1
#endif

#include "raster/raster_steep.h"

namespace kelvarin::raster {

namespace {

// The first pixel past `p` on a boundary of `bytes` (pixels are aligned to their size).
template <class Pixel>
Pixel* nextBoundary(Pixel* p, quintptr bytes) {
    const quintptr at = reinterpret_cast<quintptr>(p);
    const quintptr skip = ((at + bytes) & ~(bytes - 1)) - at;  // 1 to `bytes`
    return p + skip / sizeof(Pixel);
}

void fillNarrow(quint32* from, quint32* to, quint32 pixel) {
#ifdef __SSE2__
    const __m128i v = _mm_set1_epi32(static_cast<int>(pixel));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(from), v);
    for (quint32* p = nextBoundary(from, 16); to - p >= 4; p += 4)
        _mm_store_si128(reinterpret_cast<__m128i*>(p), v);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(to - 4), v);
#else
    std::fill(from, to, pixel);
#endif
}

void copyNarrow(quint32* to, const quint32* from, size_t count) {
#ifdef __SSE2__
    auto move = [](quint32* t, const quint32* f) {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(t),
                         _mm_loadu_si128(reinterpret_cast<const __m128i*>(f)));
    };
    move(to, from);
    for (auto k = static_cast<size_t>(nextBoundary(to, 16) - to); k + 4 <= count; k += 4)
        _mm_store_si128(reinterpret_cast<__m128i*>(to + k),
                        _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + k)));
    move(to + count - 4, from + count - 4);
#else
    std::copy(from, from + count, to);
#endif
}

#ifdef KELVARIN_RASTER_AVX2
__attribute__((target("avx2"))) void fillWide(quint32* from, quint32* to, quint32 pixel) {
    const __m256i v = _mm256_set1_epi32(static_cast<int>(pixel));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(from), v);
    quint32* p = nextBoundary(from, 32);
    for (; to - p >= 32; p += 32) {
        _mm256_store_si256(reinterpret_cast<__m256i*>(p), v);
        _mm256_store_si256(reinterpret_cast<__m256i*>(p + 8), v);
        _mm256_store_si256(reinterpret_cast<__m256i*>(p + 16), v);
        _mm256_store_si256(reinterpret_cast<__m256i*>(p + 24), v);
    }
    for (; to - p >= 8; p += 8)
        _mm256_store_si256(reinterpret_cast<__m256i*>(p), v);
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(to - 8), v);
}

__attribute__((target("avx2"))) void moveEight(quint32* to, const quint32* from) {
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(to),
                        _mm256_loadu_si256(reinterpret_cast<const __m256i*>(from)));
}

// The loads are unaligned: a diagonal group's rows start one column further along its colours
// each.
__attribute__((target("avx2"))) void copyWide(quint32* to, const quint32* from, size_t count) {
    const auto move = moveEight;
    move(to, from);
    auto k = static_cast<size_t>(nextBoundary(to, 32) - to);
    for (; k + 16 <= count; k += 16) {
        const __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(from + k));
        const __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(from + k + 8));
        _mm256_store_si256(reinterpret_cast<__m256i*>(to + k), a);
        _mm256_store_si256(reinterpret_cast<__m256i*>(to + k + 8), b);
    }
    if (k + 8 <= count) move(to + k, from + k);  // fewer than eight are left for the last store
    move(to + count - 8, from + count - 8);
}

__attribute__((target("avx2"))) void fillRunsWide(quint32* out, const quint32* colours,
                                                  const size_t* ends, size_t endCount, size_t from,
                                                  size_t to) {
    const size_t* run = std::upper_bound(ends, ends + endCount, from);
    for (size_t at = from; at < to; ++run) {
        const size_t next = std::min(to, *run);
        quint32* a = out + (at - from);
        quint32* b = out + (next - from);
        if (b - a >= 8) {
            fillWide(a, b, colours[at]);
        } else {
            std::fill(a, b, colours[at]);
        }
        at = next;
    }
}
#endif

void fillRunsNarrow(quint32* out, const quint32* colours, const size_t* ends, size_t endCount,
                    size_t from, size_t to) {
    const size_t* run = std::upper_bound(ends, ends + endCount, from);
    for (size_t at = from; at < to; ++run) {
        const size_t next = std::min(to, *run);
        quint32* a = out + (at - from);
        quint32* b = out + (next - from);
        if (b - a >= 4) {
            fillNarrow(a, b, colours[at]);
        } else {
            std::fill(a, b, colours[at]);
        }
        at = next;
    }
}

// The versions for this processor, chosen once when the program starts.
using FillRun = void (*)(quint32*, quint32*, quint32);
using CopyRun = void (*)(quint32*, const quint32*, size_t);
using FillRuns = void (*)(quint32*, const quint32*, const size_t*, size_t, size_t, size_t);
#ifdef KELVARIN_RASTER_AVX2
// KELVARIN_RASTER_NARROW set in the environment keeps the 16-byte versions on any processor, so
// that both can be tried on one machine.
bool wideVectors() {
    if (std::getenv("KELVARIN_RASTER_NARROW") != nullptr) return false;
    __builtin_cpu_init();  // may run before the library's own initialisation of the tests
    return __builtin_cpu_supports("avx2") != 0;
}
const bool kWide = wideVectors();
const FillRun kFill = kWide ? fillWide : fillNarrow;
const CopyRun kCopy = kWide ? copyWide : copyNarrow;
const FillRuns kFillRuns = kWide ? fillRunsWide : fillRunsNarrow;

// Any processor with AVX has the upper halves to clear, whatever KELVARIN_RASTER_NARROW says.
__attribute__((target("avx"))) void zeroUpperHalves() {
    _mm256_zeroupper();
}
const bool kAvx = (__builtin_cpu_init(), __builtin_cpu_supports("avx") != 0);
#else
const FillRun kFill = fillNarrow;
const CopyRun kCopy = copyNarrow;
const FillRuns kFillRuns = fillRunsNarrow;
#endif

}  // namespace

void clearUpperVectorHalves() {
#ifdef KELVARIN_RASTER_AVX2
    if (kAvx) zeroUpperHalves();
#endif
}

void fillLongRun(quint32* from, quint32* to, quint32 pixel) {
    kFill(from, to, pixel);
}

void copyLongRun(quint32* to, const quint32* from, size_t count) {
    kCopy(to, from, count);
}

void fillColourRuns(quint32* out, const quint32* colours, const std::vector<size_t>& ends,
                    size_t from, size_t to) {
    kFillRuns(out, colours, ends.data(), ends.size(), from, to);
}

}  // namespace kelvarin::raster
