#include "recipe/Sha256.h"

#include "document/ByteSource.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <vector>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <cpuid.h>
#include <immintrin.h>
#define TESSELLON_SHA_NATIVE 1
#endif

namespace tessellon {

namespace {

    constexpr std::array<std::uint32_t, 64> roundConstants { 0x428a2f98, 0x71374491, 0xb5c0fbcf,
        0xe9b5dba5, 0x3956c25b, 0x59f111f1, 0x923f82a4, 0xab1c5ed5, 0xd807aa98, 0x12835b01,
        0x243185be, 0x550c7dc3, 0x72be5d74, 0x80deb1fe, 0x9bdc06a7, 0xc19bf174, 0xe49b69c1,
        0xefbe4786, 0x0fc19dc6, 0x240ca1cc, 0x2de92c6f, 0x4a7484aa, 0x5cb0a9dc, 0x76f988da,
        0x983e5152, 0xa831c66d, 0xb00327c8, 0xbf597fc7, 0xc6e00bf3, 0xd5a79147, 0x06ca6351,
        0x14292967, 0x27b70a85, 0x2e1b2138, 0x4d2c6dfc, 0x53380d13, 0x650a7354, 0x766a0abb,
        0x81c2c92e, 0x92722c85, 0xa2bfe8a1, 0xa81a664b, 0xc24b8b70, 0xc76c51a3, 0xd192e819,
        0xd6990624, 0xf40e3585, 0x106aa070, 0x19a4c116, 0x1e376c08, 0x2748774c, 0x34b0bcb5,
        0x391c0cb3, 0x4ed8aa4a, 0x5b9cca4f, 0x682e6ff3, 0x748f82ee, 0x78a5636f, 0x84c87814,
        0x8cc70208, 0x90befffa, 0xa4506ceb, 0xbef9a3f7, 0xc67178f2 };

    constexpr std::array<std::uint32_t, 8> initialState { 0x6a09e667, 0xbb67ae85, 0x3c6ef372,
        0xa54ff53a, 0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19 };

    std::uint32_t bigEndian32(const std::uint8_t* bytes)
    {
        return (std::uint32_t { bytes[0] } << 24) | (std::uint32_t { bytes[1] } << 16)
            | (std::uint32_t { bytes[2] } << 8) | std::uint32_t { bytes[3] };
    }

    void portableBlock(std::array<std::uint32_t, 8>& state, const std::uint8_t* block)
    {
        std::array<std::uint32_t, 64> w {};
        for (int i = 0; i < 16; ++i) {
            w[i] = bigEndian32(block + 4 * i);
        }
        for (int i = 16; i < 64; ++i) {
            const std::uint32_t s0
                = std::rotr(w[i - 15], 7) ^ std::rotr(w[i - 15], 18) ^ (w[i - 15] >> 3);
            const std::uint32_t s1
                = std::rotr(w[i - 2], 17) ^ std::rotr(w[i - 2], 19) ^ (w[i - 2] >> 10);
            w[i] = w[i - 16] + s0 + w[i - 7] + s1;
        }
        auto [a, b, c, d, e, f, g, h] = state;
        for (int i = 0; i < 64; ++i) {
            const std::uint32_t s1 = std::rotr(e, 6) ^ std::rotr(e, 11) ^ std::rotr(e, 25);
            const std::uint32_t choice = (e & f) ^ (~e & g);
            const std::uint32_t t1 = h + s1 + choice + roundConstants[i] + w[i];
            const std::uint32_t s0 = std::rotr(a, 2) ^ std::rotr(a, 13) ^ std::rotr(a, 22);
            const std::uint32_t majority = (a & b) ^ (a & c) ^ (b & c);
            h = g;
            g = f;
            f = e;
            e = d + t1;
            d = c;
            c = b;
            b = a;
            a = t1 + s0 + majority;
        }
        const std::array<std::uint32_t, 8> worked { a, b, c, d, e, f, g, h };
        for (int i = 0; i < 8; ++i) {
            state[i] += worked[i];
        }
    }

    void portableBlocks(
        std::array<std::uint32_t, 8>& state, const std::uint8_t* blocks, std::size_t count)
    {
        for (std::size_t i = 0; i < count; ++i) {
            portableBlock(state, blocks + 64 * i);
        }
    }

#ifdef TESSELLON_SHA_NATIVE
    // The rounds with the SHA extensions: the state is kept as the words ABEF and CDGH, each
    // instruction does two rounds, and the message schedule is made four words at a time.
    struct NativeRounds {
        __m128i abef;
        __m128i cdgh;

        __attribute__((target("sha,ssse3,sse4.1"))) void four(__m128i words, int first)
        {
            const __m128i constants
                = _mm_loadu_si128(reinterpret_cast<const __m128i*>(roundConstants.data() + first));
            const __m128i sums = _mm_add_epi32(words, constants);
            cdgh = _mm_sha256rnds2_epu32(cdgh, abef, sums);
            abef = _mm_sha256rnds2_epu32(abef, cdgh, _mm_shuffle_epi32(sums, 0x0E));
        }
    };

    __attribute__((target("sha,ssse3,sse4.1"))) __m128i nextWords(
        __m128i w0, __m128i w1, __m128i w2, __m128i w3)
    {
        const __m128i partial
            = _mm_add_epi32(_mm_sha256msg1_epu32(w0, w1), _mm_alignr_epi8(w3, w2, 4));
        return _mm_sha256msg2_epu32(partial, w3);
    }

    __attribute__((target("sha,ssse3,sse4.1"))) void nativeBlocks(
        std::array<std::uint32_t, 8>& state, const std::uint8_t* blocks, std::size_t count)
    {
        const __m128i byteOrder = _mm_set_epi64x(0x0c0d0e0f08090a0bLL, 0x0405060700010203LL);
        const __m128i dcba = _mm_loadu_si128(reinterpret_cast<const __m128i*>(state.data()));
        const __m128i hgfe = _mm_loadu_si128(reinterpret_cast<const __m128i*>(state.data() + 4));
        const __m128i cdab = _mm_shuffle_epi32(dcba, 0xB1);
        const __m128i efgh = _mm_shuffle_epi32(hgfe, 0x1B);
        NativeRounds rounds { _mm_alignr_epi8(cdab, efgh, 8), _mm_blend_epi16(efgh, cdab, 0xF0) };
        for (std::size_t b = 0; b < count; ++b) {
            const auto* block = reinterpret_cast<const __m128i*>(blocks + 64 * b);
            const __m128i savedAbef = rounds.abef;
            const __m128i savedCdgh = rounds.cdgh;
            __m128i w[4];
            for (int i = 0; i < 4; ++i) {
                w[i] = _mm_shuffle_epi8(_mm_loadu_si128(block + i), byteOrder);
                rounds.four(w[i], 4 * i);
            }
            for (int i = 4; i < 16; ++i) {
                const __m128i next
                    = nextWords(w[i % 4], w[(i + 1) % 4], w[(i + 2) % 4], w[(i + 3) % 4]);
                w[i % 4] = next;
                rounds.four(next, 4 * i);
            }
            rounds.abef = _mm_add_epi32(rounds.abef, savedAbef);
            rounds.cdgh = _mm_add_epi32(rounds.cdgh, savedCdgh);
        }
        const __m128i feba = _mm_shuffle_epi32(rounds.abef, 0x1B);
        const __m128i dchg = _mm_shuffle_epi32(rounds.cdgh, 0xB1);
        _mm_storeu_si128(
            reinterpret_cast<__m128i*>(state.data()), _mm_blend_epi16(feba, dchg, 0xF0));
        _mm_storeu_si128(
            reinterpret_cast<__m128i*>(state.data() + 4), _mm_alignr_epi8(dchg, feba, 8));
    }

    // CPUID: leaf 7 EBX bit 29 is SHA, leaf 1 ECX bits 9 and 19 are SSSE3 and SSE4.1.
    bool processorHasSha()
    {
        static const bool has = [] {
            unsigned a = 0;
            unsigned b = 0;
            unsigned c = 0;
            unsigned d = 0;
            if (__get_cpuid(1, &a, &b, &c, &d) == 0 || (c & (1u << 9)) == 0
                || (c & (1u << 19)) == 0) {
                return false;
            }
            return __get_cpuid_count(7, 0, &a, &b, &c, &d) != 0 && (b & (1u << 29)) != 0;
        }();
        return has;
    }
#else
    bool processorHasSha() { return false; }
#endif

    // Files are hashed a piece of this size at a time.
    constexpr std::size_t filePieceBytes = 1 << 20;

} // namespace

Sha256::Sha256(Engine engine)
    : m_blocks(portableBlocks)
{
#ifdef TESSELLON_SHA_NATIVE
    if (engine == Engine::Fastest && processorHasSha()) {
        m_blocks = nativeBlocks;
    }
#else
    (void)engine;
#endif
    reset();
}

bool Sha256::hasNativeEngine() { return processorHasSha(); }

void Sha256::reset()
{
    m_state = initialState;
    m_pendingSize = 0;
    m_totalBytes = 0;
}

void Sha256::update(std::span<const std::uint8_t> bytes)
{
    m_totalBytes += bytes.size();
    if (m_pendingSize > 0) {
        const std::size_t taken = std::min(bytes.size(), m_pending.size() - m_pendingSize);
        std::memcpy(m_pending.data() + m_pendingSize, bytes.data(), taken);
        m_pendingSize += taken;
        bytes = bytes.subspan(taken);
        if (m_pendingSize < m_pending.size()) {
            return;
        }
        m_blocks(m_state, m_pending.data(), 1);
        m_pendingSize = 0;
    }
    const std::size_t wholeBlocks = bytes.size() / 64;
    if (wholeBlocks > 0) {
        m_blocks(m_state, bytes.data(), wholeBlocks);
    }
    const std::size_t rest = bytes.size() - wholeBlocks * 64;
    if (rest > 0) {
        std::memcpy(m_pending.data(), bytes.data() + wholeBlocks * 64, rest);
    }
    m_pendingSize = rest;
}

void Sha256::update(std::string_view text)
{
    update(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

Sha256Digest Sha256::finish()
{
    const std::uint64_t bitCount = m_totalBytes * 8;
    std::array<std::uint8_t, 72> padding {};
    padding[0] = 0x80;
    const std::size_t zeros = (m_pendingSize < 56 ? 56 : 120) - m_pendingSize;
    for (int i = 0; i < 8; ++i) {
        padding[zeros + i] = static_cast<std::uint8_t>(bitCount >> (56 - 8 * i));
    }
    update(std::span(padding.data(), zeros + 8));
    Sha256Digest digest {};
    for (int i = 0; i < 8; ++i) {
        for (int j = 0; j < 4; ++j) {
            digest[4 * i + j] = static_cast<std::uint8_t>(m_state[i] >> (24 - 8 * j));
        }
    }
    reset();
    return digest;
}

Sha256Digest sha256(std::span<const std::uint8_t> bytes)
{
    Sha256 hash;
    hash.update(bytes);
    return hash.finish();
}

Sha256Digest sha256(std::string_view text)
{
    Sha256 hash;
    hash.update(text);
    return hash.finish();
}

std::string toHex(const Sha256Digest& digest)
{
    static constexpr char digits[] = "0123456789abcdef";
    std::string hex;
    hex.reserve(64);
    for (std::uint8_t byte : digest) {
        hex += digits[byte >> 4];
        hex += digits[byte & 15];
    }
    return hex;
}

std::optional<Sha256Digest> digestFromHex(std::string_view hex)
{
    auto value = [](char c) -> int {
        if (c >= '0' && c <= '9') {
            return c - '0';
        }
        return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
    };
    Sha256Digest digest {};
    if (hex.size() != 2 * digest.size()) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < digest.size(); ++i) {
        const int high = value(hex[2 * i]);
        const int low = value(hex[2 * i + 1]);
        if (high < 0 || low < 0) {
            return std::nullopt;
        }
        digest[i] = static_cast<std::uint8_t>(high * 16 + low);
    }
    return digest;
}

Result<FileDigest> hashFile(const std::string& path)
{
    auto source = openFileForReading(path);
    if (!source) {
        return failure(source.message());
    }
    const std::uint64_t size = (*source)->size();
    std::vector<std::uint8_t> piece(
        static_cast<std::size_t>(std::min<std::uint64_t>(size, filePieceBytes)));
    Sha256 hash;
    for (std::uint64_t offset = 0; offset < size; offset += piece.size()) {
        const auto length
            = static_cast<std::size_t>(std::min<std::uint64_t>(piece.size(), size - offset));
        const std::span<std::uint8_t> bytes(piece.data(), length);
        if (!(*source)->readAt(offset, bytes)) {
            return failure("Cannot read file " + path + ": it ended early");
        }
        hash.update(bytes);
    }
    return FileDigest { size, hash.finish() };
}

} // namespace tessellon
