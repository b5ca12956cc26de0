// SPDX-License-Identifier: MIT
// Long runs of pixels filled or copied with the widest vector stores the processor has. The
// build targets the baseline instruction set; the 32-byte versions are compiled for AVX2 alone
// and chosen once, at the first call, where the processor reports it.

#include <cstddef>

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

void fillNarrow(quint32* from, quint32* to, quint32 pixel) {
#ifdef __SSE2__
    const __m128i v = _mm_set1_epi32(static_cast<int>(pixel));
    for (; to - from >= 8; from += 8) {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(from), v);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(from + 4), v);
    }
#endif
    for (; from < to; ++from)
        *from = pixel;
}

void copyNarrow(quint32* to, const quint32* from, size_t count) {
#ifdef __SSE2__
    for (; count > 0 && (reinterpret_cast<quintptr>(to) & 15) != 0; --count)
        *to++ = *from++;
    for (; count >= 8; count -= 8, from += 8, to += 8) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + 4));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to), a);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to + 4), b);
    }
#endif
    for (; count > 0; --count)
        *to++ = *from++;
}

#ifdef KELVARIN_RASTER_AVX2
__attribute__((target("avx2"))) void fillWide(quint32* from, quint32* to, quint32 pixel) {
    const __m256i v = _mm256_set1_epi32(static_cast<int>(pixel));
    for (; from < to && (reinterpret_cast<quintptr>(from) & 31) != 0; ++from)
        *from = pixel;
    for (; to - from >= 32; from += 32) {
        _mm256_store_si256(reinterpret_cast<__m256i*>(from), v);
        _mm256_store_si256(reinterpret_cast<__m256i*>(from + 8), v);
        _mm256_store_si256(reinterpret_cast<__m256i*>(from + 16), v);
        _mm256_store_si256(reinterpret_cast<__m256i*>(from + 24), v);
    }
    for (; to - from >= 8; from += 8)
        _mm256_store_si256(reinterpret_cast<__m256i*>(from), v);
    for (; from < to; ++from)
        *from = pixel;
}

// The stores are aligned (a store across two cache lines costs two), the loads not: a diagonal
// group's rows start one column further along each, against its colours.
__attribute__((target("avx2"))) void copyWide(quint32* to, const quint32* from, size_t count) {
    for (; count > 0 && (reinterpret_cast<quintptr>(to) & 31) != 0; --count)
        *to++ = *from++;
    for (; count >= 16; count -= 16, from += 16, to += 16) {
        const __m256i a = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(from));
        const __m256i b = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(from + 8));
        _mm256_store_si256(reinterpret_cast<__m256i*>(to), a);
        _mm256_store_si256(reinterpret_cast<__m256i*>(to + 8), b);
    }
    for (; count > 0; --count)
        *to++ = *from++;
}

bool haveAvx2() {
    static const bool have = __builtin_cpu_supports("avx2");
    return have;
}
#endif

}  // namespace

void fillLongRun(quint32* from, quint32* to, quint32 pixel) {
#ifdef KELVARIN_RASTER_AVX2
    if (haveAvx2()) {
        fillWide(from, to, pixel);
        return;
    }
#endif
    fillNarrow(from, to, pixel);
}

void copyLongRun(quint32* to, const quint32* from, size_t count) {
#ifdef KELVARIN_RASTER_AVX2
    if (haveAvx2()) {
        copyWide(to, from, count);
        return;
    }
#endif
    copyNarrow(to, from, count);
}

}  // namespace kelvarin::raster
