#include "export/OutputFile.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

using namespace tessellon;

TEST(OutputFile, CreatesAMissingFile)
{
    TempFolder folder;
    const std::string path = folder.file("font.c");
    OutputFileResult created = createOutputFile(path);
    ASSERT_TRUE(created.file) << created.message;
    EXPECT_EQ(std::fputs("x", created.file.get()), 1);
    EXPECT_TRUE(closeOutputFile(std::move(created.file)));
    EXPECT_EQ(readBytes(path), "x");
}

TEST(OutputFile, TruncatesAnExistingFile)
{
    TempFolder folder;
    const std::string path = folder.file("font");
    writeBytes(path, "old contents");
    OutputFileResult created = createOutputFile(path);
    ASSERT_TRUE(created.file);
    EXPECT_TRUE(closeOutputFile(std::move(created.file)));
    EXPECT_EQ(readBytes(path), "");
}

TEST(OutputFile, FolderOrMissingParentCannotBeCreated)
{
    TempFolder folder;
    const OutputFileResult onFolder = createOutputFile(folder.path());
    EXPECT_FALSE(onFolder.file);
    EXPECT_EQ(onFolder.message, "Cannot create file " + folder.path());
    const std::string deep = folder.file("missing/font.c");
    const OutputFileResult inMissing = createOutputFile(deep);
    EXPECT_FALSE(inMissing.file);
    EXPECT_EQ(inMissing.message, "Cannot create file " + deep);
}
