#pragma once

#include "document/Result.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tessellon {

using Sha256Digest = std::array<std::uint8_t, 32>;

// SHA-256 (FIPS 180-4) of a byte stream given in pieces of any size. The processor's SHA
// instructions do the rounds where it has them (x86-64), the portable code elsewhere or when
// asked for; both give the same digest.
class Sha256 {
public:
    enum class Engine {
        Fastest, // the SHA instructions when the processor has them
        Portable,
    };

    explicit Sha256(Engine engine = Engine::Fastest);

    void update(std::span<const std::uint8_t> bytes);
    void update(std::string_view text);
    // The digest of everything given; the object then starts over.
    Sha256Digest finish();

    // Whether Engine::Fastest uses the processor's SHA instructions here.
    static bool hasNativeEngine();

private:
    using State = std::array<std::uint32_t, 8>;
    using BlockFunction = void (*)(State& state, const std::uint8_t* blocks, std::size_t count);

    void reset();

    BlockFunction m_blocks;
    State m_state {};
    std::array<std::uint8_t, 64> m_pending {};
    std::size_t m_pendingSize = 0;
    std::uint64_t m_totalBytes = 0;
};

Sha256Digest sha256(std::span<const std::uint8_t> bytes);
Sha256Digest sha256(std::string_view text);

// Lower-case hexadecimal, 64 digits; and back (nothing for anything else).
std::string toHex(const Sha256Digest& digest);
std::optional<Sha256Digest> digestFromHex(std::string_view hex);

// The size and digest of a regular file's bytes, read in pieces; "Cannot open file PATH:
// reason" when it cannot be opened or is not a regular file, "Cannot read file PATH: ..."
// when its bytes cannot all be read.
struct FileDigest {
    std::uint64_t size = 0;
    Sha256Digest digest {};
};
Result<FileDigest> hashFile(const std::string& path);

} // namespace tessellon
