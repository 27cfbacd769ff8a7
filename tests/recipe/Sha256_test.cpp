#include "recipe/Sha256.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>

namespace tessellon {
namespace {

    using Engine = Sha256::Engine;

    std::vector<Engine> engines()
    {
        std::vector<Engine> available { Engine::Portable };
        if (Sha256::hasNativeEngine()) {
            available.push_back(Engine::Fastest);
        }
        return available;
    }

    std::string hexOf(Engine engine, std::string_view text)
    {
        Sha256 hash(engine);
        hash.update(text);
        return toHex(hash.finish());
    }

    std::vector<std::uint8_t> randomBytes(std::size_t size, unsigned seed)
    {
        std::mt19937 random(seed);
        std::vector<std::uint8_t> bytes(size);
        for (auto& byte : bytes) {
            byte = static_cast<std::uint8_t>(random());
        }
        return bytes;
    }

    // The examples of FIPS 180-2 (appendix B) and the empty message.
    TEST(Sha256, PublishedExamplesGiveTheirDigestsInEveryEngine)
    {
        const struct {
            std::string message;
            const char* digest;
        } examples[] = {
            { "", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855" },
            { "abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad" },
            { "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
                "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1" },
            { "abcdefghbcdefghicdefghijdefghijkefghijklfghijklmghijklmnhijklmnoijklmnopjklmnopqklm"
              "nopqrlmnopqrsmnopqrstnopqrstu",
                "cf5b16a778af8380036ce59e7b0492370b249b11e8f07a51afac45037afee9d1" },
            { std::string(1000000, 'a'),
                "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0" },
        };
        for (Engine engine : engines()) {
            for (const auto& example : examples) {
                EXPECT_EQ(hexOf(engine, example.message), example.digest)
                    << example.message.substr(0, 20) << " engine " << static_cast<int>(engine);
            }
        }
    }

    // Every split of a message into pieces gives the digest of the whole, and the engines
    // agree on messages around the block and padding boundaries.
    TEST(Sha256, PiecesAndEnginesAgreeOnEveryLength)
    {
        for (std::size_t size : { 0, 1, 55, 56, 57, 63, 64, 65, 119, 120, 128, 1000, 4099 }) {
            const auto bytes = randomBytes(size, static_cast<unsigned>(size));
            const std::string whole = toHex(sha256(bytes));
            Sha256 portable(Engine::Portable);
            portable.update(bytes);
            EXPECT_EQ(toHex(portable.finish()), whole) << size;
            for (std::size_t piece : { 1, 7, 63, 64, 100 }) {
                Sha256 hash;
                for (std::size_t at = 0; at < size; at += piece) {
                    hash.update(std::span(bytes).subspan(at, std::min(piece, size - at)));
                }
                EXPECT_EQ(toHex(hash.finish()), whole) << size << " in pieces of " << piece;
            }
        }
    }

    TEST(Sha256, HexReadsBackAndRefusesAnythingElse)
    {
        const Sha256Digest digest = sha256(std::string_view("abc"));
        EXPECT_EQ(digestFromHex(toHex(digest)), digest);
        const std::string hex = toHex(digest);
        std::vector<std::string> bad { std::string(), hex.substr(1), hex + "0" };
        for (char first : { 'B', 'g', ' ' }) {
            bad.push_back(hex);
            bad.back()[0] = first;
        }
        for (const std::string& text : bad) {
            EXPECT_FALSE(digestFromHex(text).has_value()) << text;
        }
    }

    std::string sha256sumOf(const std::string& path)
    {
        std::FILE* pipe = ::popen(("sha256sum '" + path + "'").c_str(), "r");
        EXPECT_NE(pipe, nullptr);
        char line[65] {};
        const std::size_t read = pipe ? std::fread(line, 1, 64, pipe) : 0;
        if (pipe) {
            ::pclose(pipe);
        }
        return std::string(line, read);
    }

    // Files read in pieces (one of a megabyte and more crosses pieces) give what the
    // system's sha256sum prints for them.
    TEST(Sha256, FilesHashAsSha256sumHashesThem)
    {
        test::TempDir folder;
        for (std::size_t size : { 0, 3, 64, 100000, (1 << 20) + 17, 3 << 20 }) {
            const std::string path
                = folder.write("file" + std::to_string(size), randomBytes(size, 7));
            const auto hashed = hashFile(path);
            ASSERT_TRUE(hashed.ok()) << hashed.message();
            EXPECT_EQ(hashed->size, size);
            EXPECT_EQ(toHex(hashed->digest), sha256sumOf(path)) << size;
        }
    }

    TEST(Sha256, FilesThatCannotBeReadAreRefusedNamingThem)
    {
        test::TempDir folder;
        EXPECT_EQ(hashFile(folder.path("none")).message(),
            "Cannot open file " + folder.path("none") + ": No such file or directory");
        EXPECT_EQ(hashFile(folder.root().string()).message(),
            "Cannot open file " + folder.root().string() + ": it is a folder");
    }

} // namespace
} // namespace tessellon
