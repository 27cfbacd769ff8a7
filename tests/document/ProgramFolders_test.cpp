#include "document/ProgramFolders.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <vector>

namespace tessellon {
namespace {

    namespace fs = std::filesystem;

    struct Layout {
        const char* name;
        std::vector<const char*> folders; // made under the prefix
        bool installed;
    };

    // The program lives in prefix/bin in every layout.
    const Layout layouts[] = {
        { "build folder", { "bin/txt", "bin/doc" }, false },
        { "beside, doc only", { "bin/doc" }, false },
        { "installed", { "share/tessellon/txt", "share/tessellon/doc" }, true },
        { "installed, data folder empty", { "share/tessellon" }, true },
        { "beside wins over installed", { "bin/txt", "share/tessellon/txt" }, false },
        { "nothing shipped", {}, false },
        { "share without tessellon", { "share/other/txt" }, false },
    };

    TEST(ProgramFolders, DataBesideTheProgramOrUnderShare)
    {
        for (const Layout& layout : layouts) {
            SCOPED_TRACE(layout.name);
            test::TempDir prefix;
            const fs::path program = prefix.root() / "bin";
            fs::create_directories(program);
            for (const char* folder : layout.folders) {
                fs::create_directories(prefix.root() / folder);
            }
            const ProgramFolders found = findProgramFolders(program);
            EXPECT_EQ(found.program, program);
            EXPECT_EQ(found.installed, layout.installed);
            EXPECT_EQ(found.data, layout.installed ? prefix.root() / "share/tessellon" : program);
        }
    }

    TEST(ProgramFolders, AFileNamedLikeTheDataFolderIsNotIt)
    {
        test::TempDir prefix;
        fs::create_directories(prefix.root() / "bin");
        fs::create_directories(prefix.root() / "share");
        test::writeText(prefix.path("share/tessellon"), "not a folder");
        EXPECT_FALSE(findProgramFolders(prefix.root() / "bin").installed);
    }

    TEST(ProgramFolders, UnknownProgramFolderStaysEmpty)
    {
        const ProgramFolders found = findProgramFolders({});
        EXPECT_TRUE(found.data.empty());
        EXPECT_FALSE(found.installed);
    }

    TEST(ProgramFolders, RunningProgramsFolderHoldsThisTest)
    {
        const fs::path folder = programFolder();
        ASSERT_FALSE(folder.empty());
        EXPECT_TRUE(fs::exists(folder / fs::read_symlink("/proc/self/exe").filename()));
    }

} // namespace
} // namespace tessellon
