#include "export/OutputFile.h"

#include "TempDir.h"

#include <gtest/gtest.h>

using namespace tessellon;

namespace {

} // namespace

TEST(OutputFile, CreatesAMissingFile)
{
    test::TempDir folder;
    const std::string path = folder.path("font.c");
    OutputFileResult created = createOutputFile(path);
    ASSERT_TRUE(created.file) << created.message;
    EXPECT_EQ(std::fputs("x", created.file.get()), 1);
    EXPECT_TRUE(closeOutputFile(std::move(created.file)));
    EXPECT_EQ(test::readText(path), "x");
}

TEST(OutputFile, TruncatesAnExistingFile)
{
    test::TempDir folder;
    const std::string path = folder.path("font");
    test::writeText(path, "old contents");
    OutputFileResult created = createOutputFile(path);
    ASSERT_TRUE(created.file);
    EXPECT_TRUE(closeOutputFile(std::move(created.file)));
    EXPECT_EQ(test::readText(path), "");
}

TEST(OutputFile, FolderOrMissingParentCannotBeCreated)
{
    test::TempDir folder;
    const OutputFileResult onFolder = createOutputFile(folder.root().string());
    EXPECT_FALSE(onFolder.file);
    EXPECT_EQ(onFolder.message, "Cannot create file " + folder.root().string());
    const std::string deep = folder.path("missing/font.c");
    const OutputFileResult inMissing = createOutputFile(deep);
    EXPECT_FALSE(inMissing.file);
    EXPECT_EQ(inMissing.message, "Cannot create file " + deep);
}
