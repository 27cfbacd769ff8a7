#include "formats/FontFileFormats.h"
#include "document/PixWriter.h"
#include "document/SafeFileWriter.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>

#include <sys/resource.h>
#include <sys/stat.h>

namespace tessellon {
namespace {

    using Bytes = std::vector<std::uint8_t>;
    namespace fs = std::filesystem;

    Status writeAll(const std::string& path, const Bytes& bytes)
    {
        SafeFileWriter writer(path);
        Status written = writer.open();
        if (written) {
            written = writer.write(bytes);
        }
        return written ? writer.commit() : written;
    }

    std::vector<std::string> namesIn(const fs::path& folder)
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    // The font lives in one folder and is reached through a link in another.
    struct LinkedFont {
        test::TempDir dir;
        std::string fonts = dir.path("fonts");
        std::string links = dir.path("links");
        std::string target = fonts + "/font.pix";
        std::string link = links + "/link.pix";

        explicit LinkedFont(bool absolute = false)
        {
            fs::create_directory(fonts);
            fs::create_directory(links);
            test::writeBytes(target, { 1, 2, 3 });
            fs::create_symlink(absolute ? fs::path(target) : "../fonts/font.pix", link);
        }

        void expectLinkIntact() const
        {
            EXPECT_TRUE(fs::is_symlink(fs::symlink_status(link)));
            EXPECT_EQ(namesIn(links), std::vector<std::string> { "link.pix" });
        }
    };

    TEST(SafeFileWriterLinks, WritesWhereARelativeOrAbsoluteLinkLeads)
    {
        for (bool absolute : { false, true }) {
            LinkedFont font(absolute);
            ASSERT_TRUE(writeAll(font.link, { 7, 8 }).ok());
            EXPECT_EQ(test::readBytes(font.target), (Bytes { 7, 8 })) << absolute;
            font.expectLinkIntact();
            EXPECT_EQ(namesIn(font.fonts), std::vector<std::string> { "font.pix" });
        }
    }

    TEST(SafeFileWriterLinks, TheTemporaryFileLiesBesideTheTarget)
    {
        LinkedFont font;
        SafeFileWriter writer(font.link);
        ASSERT_TRUE(writer.open().ok());
        EXPECT_EQ(fs::path(writer.destination()), fs::path(font.links) / "../fonts/font.pix");
        EXPECT_EQ(namesIn(font.fonts).size(), 2u) << "font.pix and the temporary file";
        EXPECT_EQ(namesIn(font.links).size(), 1u);
    }

    TEST(SafeFileWriterLinks, FollowsAChainOfLinksAndCreatesADanglingLinksTarget)
    {
        LinkedFont font;
        const std::string second = font.dir.path("second.pix");
        fs::create_symlink("links/link.pix", second);
        ASSERT_TRUE(writeAll(second, { 4 }).ok());
        EXPECT_EQ(test::readBytes(font.target), Bytes { 4 });
        EXPECT_TRUE(fs::is_symlink(fs::symlink_status(second)));

        fs::remove(font.target);
        ASSERT_TRUE(writeAll(font.link, { 5 }).ok());
        EXPECT_EQ(test::readBytes(font.target), Bytes { 5 });
        font.expectLinkIntact();
    }

    TEST(SafeFileWriterLinks, ALoopOfLinksIsRefused)
    {
        test::TempDir dir;
        fs::create_symlink("b", dir.path("a"));
        fs::create_symlink("a", dir.path("b"));
        const Status written = writeAll(dir.path("a"), { 1 });
        EXPECT_FALSE(written.ok());
        EXPECT_NE(written.message().find(dir.path("a")), std::string::npos) << written.message();
        EXPECT_EQ(namesIn(dir.root()), (std::vector<std::string> { "a", "b" }));
    }

    TEST(SafeFileWriterLinks, AFailedSaveThroughALinkLeavesTheTargetUntouched)
    {
        LinkedFont font;
        {
            SafeFileWriter writer(font.link);
            ASSERT_TRUE(writer.open().ok());
            ASSERT_TRUE(writer.write(Bytes { 9, 9, 9, 9 }).ok());
        }
        EXPECT_EQ(test::readBytes(font.target), (Bytes { 1, 2, 3 }));
        EXPECT_EQ(namesIn(font.fonts), std::vector<std::string> { "font.pix" });
        font.expectLinkIntact();

        fs::permissions(font.target, fs::perms::owner_read | fs::perms::group_read);
        EXPECT_FALSE(writeAll(font.link, { 9 }).ok());
        EXPECT_EQ(test::readBytes(font.target), (Bytes { 1, 2, 3 }));
        font.expectLinkIntact();
    }

    TEST(SafeFileWriterRefusal, ReadOnlyFilesFoldersAndFifosAreNotReplaced)
    {
        test::TempDir dir;
        const std::string readOnly = dir.path("read-only.pix");
        test::writeBytes(readOnly, { 1 });
        fs::permissions(
            readOnly, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        fs::create_directory(dir.path("folder.pix"));
        ASSERT_EQ(::mkfifo(dir.path("fifo.pix").c_str(), 0600), 0);

        const std::pair<std::string, std::string> cases[] = {
            { readOnly, "it is read-only" },
            { dir.path("folder.pix"), "it is a folder" },
            { dir.path("fifo.pix"), "it is not a regular file" },
        };
        for (const auto& [path, reason] : cases) {
            const Status written = writeAll(path, { 2 });
            EXPECT_FALSE(written.ok()) << path;
            EXPECT_NE(written.message().find(path + ": " + reason), std::string::npos)
                << written.message();
        }
        EXPECT_EQ(test::readBytes(readOnly), Bytes { 1 });
        EXPECT_EQ(fs::status(readOnly).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        EXPECT_EQ(namesIn(dir.root()),
            (std::vector<std::string> { "fifo.pix", "folder.pix", "read-only.pix" }));
    }

    TEST(SafeFileWriterNames, NamesUpToTheFolderLimitCanBeWritten)
    {
        test::TempDir dir;
        std::string accented = "x";
        for (int i = 0; i < 125; ++i) {
            accented += "\xC3\xA9"; // é, two bytes
        }
        for (const std::string& name :
            { std::string(242, 'n') + ".pix", std::string(251, 'n') + ".pix", accented + ".pix" }) {
            const std::string path = dir.path(name);
            SafeFileWriter writer(path);
            ASSERT_TRUE(writer.open().ok()) << name.size() << " bytes";
            for (const std::string& present : namesIn(dir.root())) {
                EXPECT_LE(present.size(), 255u);
                EXPECT_EQ(present.rfind(name.substr(0, 100), 0), 0u) << "starts like the target";
                EXPECT_EQ(std::count(present.begin(), present.end(), '\xC3'),
                    std::count(present.begin(), present.end(), '\xA9'))
                    << "no character cut in two";
            }
            ASSERT_TRUE(writer.write(Bytes { 6 }).ok());
            ASSERT_TRUE(writer.commit().ok());
            EXPECT_EQ(test::readBytes(path), Bytes { 6 });
            fs::remove(path);
        }
        EXPECT_TRUE(namesIn(dir.root()).empty());
    }

    // Lowers the file-size limit for one test and ignores the signal that a write past it
    // would otherwise raise, as the programs do.
    class FileSizeLimit {
    public:
        explicit FileSizeLimit(rlim_t bytes)
        {
            ::getrlimit(RLIMIT_FSIZE, &m_saved);
            m_handler = std::signal(SIGXFSZ, SIG_IGN);
            rlimit lowered = m_saved;
            lowered.rlim_cur = bytes;
            ::setrlimit(RLIMIT_FSIZE, &lowered);
        }
        ~FileSizeLimit()
        {
            ::setrlimit(RLIMIT_FSIZE, &m_saved);
            std::signal(SIGXFSZ, m_handler);
        }

    private:
        rlimit m_saved {};
        void (*m_handler)(int) = nullptr;
    };

    TEST(SafeFileWriterLimits, AWritePastTheFileSizeLimitFailsAndLeavesNothing)
    {
        test::TempDir dir;
        const std::string path = dir.path("big.pix");
        test::writeBytes(path, { 1, 2, 3 });
        Status written;
        {
            FileSizeLimit limit(4096);
            written = writePixFile(path, FontLib::blank(32, 32, 1024, true));
        }
        EXPECT_FALSE(written.ok());
        EXPECT_NE(written.message().find("Cannot write file " + path), std::string::npos)
            << written.message();
        EXPECT_NE(written.message().find(std::strerror(EFBIG)), std::string::npos)
            << written.message();
        EXPECT_EQ(test::readBytes(path), (Bytes { 1, 2, 3 }));
        EXPECT_EQ(namesIn(dir.root()), std::vector<std::string> { "big.pix" });
    }

    TEST(SafeFileWriterLinks, OtherHardLinksKeepTheOldContent)
    {
        test::TempDir dir;
        test::writeBytes(dir.path("font.pix"), { 1 });
        fs::create_hard_link(dir.path("font.pix"), dir.path("other-name.pix"));
        ASSERT_TRUE(writeAll(dir.path("font.pix"), { 2 }).ok());
        EXPECT_EQ(test::readBytes(dir.path("font.pix")), Bytes { 2 });
        EXPECT_EQ(test::readBytes(dir.path("other-name.pix")), Bytes { 1 });
    }

    // Pieces handed over one by one make the file; a failure of the maker's own, or a stop
    // requested half-way (an interrupted command), leaves the old file and no temporary.
    TEST(SafeFileWriterStreams, WritesWhatIsHandedOverAndNothingWhenItFailsOrStops)
    {
        test::TempDir dir;
        const std::string path = dir.path("font.bdf");
        const auto threePieces = [](const ByteSink& sink) {
            for (std::uint8_t piece : { 1, 2, 3 }) {
                if (Status written = sink(Bytes { piece, piece }); !written) {
                    return written;
                }
            }
            return Status();
        };
        ASSERT_TRUE(writeFileSafely(path, threePieces).ok());
        EXPECT_EQ(test::readBytes(path), (Bytes { 1, 1, 2, 2, 3, 3 }));

        const Status refused = writeFileSafely(path, [](const ByteSink& sink) -> Status {
            (void)sink(Bytes { 9 });
            return failure("the maker's own reason");
        });
        EXPECT_EQ(refused.message(), "the maker's own reason");

        std::stop_source stop;
        const Status stopped = writeFileSafely(
            path,
            [&stop](const ByteSink& sink) {
                (void)sink(Bytes { 9 });
                stop.request_stop();
                return sink(Bytes { 9 });
            },
            stop.get_token());
        EXPECT_EQ(stopped.message(), "Cannot write file " + path + ": interrupted");
        EXPECT_EQ(test::readBytes(path), (Bytes { 1, 1, 2, 2, 3, 3 }));
        EXPECT_EQ(namesIn(dir.root()), std::vector<std::string> { "font.bdf" });
    }

    TEST(SafeFileWriterStreams, EveryFontWriterStopsWhenInterrupted)
    {
        test::TempDir dir;
        std::stop_source stop;
        stop.request_stop();
        FontFileOptions options;
        options.stop = stop.get_token();
        // Picture sheets need a picture codec, which the core has not: their writer's
        // interruption is tested with Qt's (PictureSheetFile_test.cpp).
        for (const FontFileFormat& format : fontFileFormats()) {
            if (!format.canWrite() || format.needsPictureCodec) {
                continue;
            }
            const std::string path = dir.path("font" + format.extensions.front());
            test::writeBytes(path, { 7 });
            const Status written = format.write(path, FontLib::blank(8, 8, 3, true), options);
            EXPECT_EQ(written.message(), "Cannot write file " + path + ": interrupted");
            EXPECT_EQ(test::readBytes(path), Bytes { 7 });
        }
        EXPECT_EQ(namesIn(dir.root()), (std::vector<std::string> { "font.bdf", "font.pix" }));
    }

} // namespace
} // namespace tessellon
