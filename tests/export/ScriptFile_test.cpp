#include "export/DefaultScript.h"
#include "export/ProgramScriptFile.h"
#include "export/ScriptFile.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

using namespace tessellon;
using Lines = std::vector<std::string>;

TEST(ScriptFile, WritesTheLinesJoinedWithCrLf)
{
    TempFolder folder;
    const std::string path = folder.file("tessellon.spt");
    const ScriptWriteResult written = writeScriptFile(path, { "int i;", " ", "WRITE(\"x\");" });
    ASSERT_TRUE(written.ok) << written.message;
    EXPECT_EQ(readBytes(path), "int i;\r\n \r\nWRITE(\"x\");");
}

TEST(ScriptFile, DefaultScriptRoundTrips)
{
    TempFolder folder;
    const std::string path = folder.file("tessellon.spt");
    ASSERT_TRUE(writeScriptFile(path, defaultScript()).ok);
    const std::string bytes = readBytes(path);
    EXPECT_EQ(bytes.substr(0, 16), "int i,unicode;\r\n");
    const std::string ending = "}\r\nWRITE(\"};\\n\");";
    ASSERT_GT(bytes.size(), ending.size());
    EXPECT_EQ(bytes.substr(bytes.size() - ending.size()), ending);
    // Lines 1 and 2 take 14 + 2 + 34 bytes; line 3 holds one space.
    EXPECT_EQ(bytes.find("\r\n \r\n"), 50u);
    const ScriptReadResult read = readScriptFile(path);
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.lines, defaultScript());
}

TEST(ScriptFile, ReadsAnyLineEnds)
{
    TempFolder folder;
    const std::string path = folder.file("mixed.spt");
    writeBytes(path, "a\nb\r\nc\rd\n");
    const ScriptReadResult read = readScriptFile(path);
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.lines, (Lines { "a", "b", "c", "d" }));
}

TEST(ScriptFile, EmptyFileGivesNoLinesNotAFailure)
{
    TempFolder folder;
    const std::string path = folder.file("empty.spt");
    writeBytes(path, "");
    const ScriptReadResult read = readScriptFile(path);
    EXPECT_TRUE(read.ok);
    EXPECT_TRUE(read.lines.empty());
}

TEST(ScriptFile, MissingFileOrFolderCannotBeOpened)
{
    TempFolder folder;
    const std::string missing = folder.file("missing.spt");
    const ScriptReadResult read = readScriptFile(missing);
    EXPECT_FALSE(read.ok);
    EXPECT_EQ(read.message, "Cannot open file " + missing);
    EXPECT_FALSE(readScriptFile(folder.path()).ok);
}

TEST(ScriptFile, WritingOverAFolderFailsWithTheCreateMessage)
{
    TempFolder folder;
    const ScriptWriteResult written = writeScriptFile(folder.path(), { "x" });
    EXPECT_FALSE(written.ok);
    EXPECT_EQ(written.message, "Cannot create file " + folder.path());
}

TEST(ScriptFile, WritingReplacesTheOldFileWhole)
{
    TempFolder folder;
    const std::string path = folder.file("s.spt");
    writeBytes(path, "a much longer old script text\r\nwith two lines");
    ASSERT_TRUE(writeScriptFile(path, { "new" }).ok);
    EXPECT_EQ(readBytes(path), "new");
    ASSERT_TRUE(writeScriptFile(path, {}).ok);
    EXPECT_EQ(readBytes(path), "");
}

TEST(ScriptFile, WritingCreatesAMissingFolder)
{
    TempFolder folder;
    const std::string path = folder.file("user/data/tessellon.spt");
    ASSERT_TRUE(writeScriptFile(path, { "x" }).ok);
    EXPECT_EQ(readBytes(path), "x");
}

TEST(ProgramScriptFile, ProgramFolderWhenFilesCanBeCreatedThere)
{
    TempFolder program;
    TempFolder user;
    EXPECT_EQ(scriptFileFolder(program.path(), user.path()), program.path());
    EXPECT_EQ(programScriptFilePath(program.path(), user.path()), program.file("tessellon.spt"));
    // The probe leaves nothing behind.
    EXPECT_TRUE(std::filesystem::is_empty(program.path()));
}

TEST(ProgramScriptFile, UserDataFolderWhenTheProgramFolderIsNotWritable)
{
    TempFolder user;
    const std::string missing = user.file("no-such-program-folder");
    EXPECT_FALSE(canCreateFilesIn(missing));
    EXPECT_EQ(scriptFileFolder(missing, user.path()), user.path());
    EXPECT_EQ(programScriptFilePath(missing, user.path()), user.file("tessellon.spt"));
}

TEST(ProgramScriptFile, ReadOnlyProgramFolderIsNotWritable)
{
    TempFolder program;
    TempFolder user;
    namespace fs = std::filesystem;
    fs::permissions(program.path(), fs::perms::owner_read | fs::perms::owner_exec);
    if (canCreateFilesIn(program.path())) {
        fs::permissions(program.path(), fs::perms::owner_all);
        GTEST_SKIP() << "folder permissions do not bind this user (root)";
    }
    EXPECT_EQ(scriptFileFolder(program.path(), user.path()), user.path());
    fs::permissions(program.path(), fs::perms::owner_all);
}

TEST(ScriptFile, OverlargeFileIsRefused)
{
    TempFolder folder;
    const std::string path = folder.file("huge.spt");
    writeBytes(path, std::string(maxScriptFileBytes + 1, 'x'));
    EXPECT_FALSE(readScriptFile(path).ok);
    writeBytes(path, std::string(maxScriptFileBytes, 'x'));
    const ScriptReadResult read = readScriptFile(path);
    ASSERT_TRUE(read.ok);
    ASSERT_EQ(read.lines.size(), 1u);
    EXPECT_EQ(read.lines[0].size(), maxScriptFileBytes);
}
