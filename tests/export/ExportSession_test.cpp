#include "export/DefaultScript.h"
#include "export/ExportSession.h"
#include "export/TargetExport.h"

#include "ExportFonts.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <sys/stat.h>

using namespace tessellon;
using Lines = std::vector<std::string>;

namespace {

struct Session {
    explicit Session(const test::TempDir& dir)
        : session(dir.path("program/tessellon.spt"),
            [this](const std::string& line) { lines.push_back(line); })
    {
        std::filesystem::create_directories(dir.path("program"));
    }
    Lines lines;
    ExportSession session;
};

} // namespace

TEST(ExportSession, FirstUseShowsTheDefaultScriptAndExportSavesIt)
{
    test::TempDir dir;
    Session s(dir);
    const FontLib font = test::twoGlyphFont();
    const Lines editor = s.session.PrepareExport(dir.path("font.c"), font);
    EXPECT_EQ(editor, defaultScript());

    EXPECT_TRUE(test::endedAs(s.session.RunExport(editor), ExecuteResult::Ran));
    EXPECT_EQ(test::readText(dir.path("font.c")), test::twoGlyphDefaultOutput);
    const std::string saved = test::readText(s.session.scriptFilePath());
    EXPECT_EQ(saved.rfind("int i,unicode;\r\nWRITE(", 0), 0u);
    EXPECT_EQ(saved.substr(saved.size() - 3), "\");");
}

TEST(ExportSession, EditsNeverExportedAreGoneAtTheNextOpening)
{
    test::TempDir dir;
    Session s(dir);
    const FontLib font = test::twoGlyphFont();
    s.session.PrepareExport(dir.path("a.c"), font);
    const Lines exported { "WRITE(\"first\");" };
    ASSERT_TRUE(test::endedAs(s.session.RunExport(exported), ExecuteResult::Ran));
    // The user edits to something else and closes without exporting.
    EXPECT_EQ(s.session.PrepareExport(dir.path("b.c"), font), exported);
}

TEST(ExportSession, EmptyScriptFileGivesAnEmptyEditor)
{
    test::TempDir dir;
    Session s(dir);
    const FontLib font = test::twoGlyphFont();
    s.session.PrepareExport(dir.path("a.c"), font);
    ASSERT_TRUE(test::endedAs(s.session.RunExport({}), ExecuteResult::Ran));
    EXPECT_EQ(test::readText(s.session.scriptFilePath()), "");
    EXPECT_TRUE(s.session.PrepareExport(dir.path("a.c"), font).empty());
}

TEST(ExportSession, ScriptFileThatCannotBeWrittenStopsThePress)
{
    test::TempDir dir;
    const std::string folderInTheWay = dir.path("program/tessellon.spt");
    std::filesystem::create_directories(folderInTheWay);
    Session s(dir);
    const FontLib font = test::twoGlyphFont();
    EXPECT_EQ(s.session.PrepareExport(dir.path("font.c"), font), defaultScript());
    bool afterSaveCalled = false;
    const Result<ExecuteResult> result
        = s.session.RunExport(defaultScript(), [&] { afterSaveCalled = true; });
    EXPECT_EQ(result.message(), "Cannot create file " + folderInTheWay + ": it is a folder");
    EXPECT_FALSE(afterSaveCalled);
    EXPECT_TRUE(s.lines.empty());
    EXPECT_FALSE(std::filesystem::exists(dir.path("font.c")));
}

TEST(ExportSession, AfterSaveComesBeforeTheScriptUnitsLines)
{
    test::TempDir dir;
    Session s(dir);
    const FontLib font = test::twoGlyphFont();
    s.session.PrepareExport(dir.path("font.c"), font);
    s.lines.push_back("left from before");
    EXPECT_TRUE(test::endedAs(
        s.session.RunExport({ "WRITE(\"x\");" }, [&] { s.lines.clear(); }), ExecuteResult::Ran));
    EXPECT_EQ(s.lines, (Lines { "Compiling...", "No error", "Run...", "OK" }));
}

TEST(ExportSession, CompileErrorLeavesAZeroLengthOutput)
{
    test::TempDir dir;
    Session s(dir);
    const FontLib font = test::twoGlyphFont();
    s.session.PrepareExport(dir.path("font.c"), font);
    EXPECT_TRUE(test::endedAs(
        s.session.RunExport({ "int i;", "i = 1", "}" }), ExecuteResult::CompileError));
    EXPECT_EQ(std::filesystem::file_size(dir.path("font.c")), 0u);
    ASSERT_EQ(s.lines.size(), 2u);
    EXPECT_EQ(s.lines[1], "Line 3: [E5] ; expected \"}\"");
}

TEST(ExportSession, ScriptLinesAreJoinedWithCrLf)
{
    test::TempDir dir;
    Session s(dir);
    const FontLib font = test::twoGlyphFont();
    s.session.PrepareExport(dir.path("font.c"), font);
    // A string literal that spans lines keeps the CR LF between them.
    EXPECT_TRUE(test::endedAs(s.session.RunExport({ "WRITE(\"a", "b\");" }), ExecuteResult::Ran));
    EXPECT_EQ(test::readText(dir.path("font.c")), "a\r\nb");
}

TEST(ExportSession, OutputNameWithoutExtensionIsUsedUnchanged)
{
    test::TempDir dir;
    Session s(dir);
    const FontLib font = test::twoGlyphFont();
    s.session.PrepareExport(dir.path("fontdata"), font);
    EXPECT_TRUE(test::endedAs(s.session.RunExport(defaultScript()), ExecuteResult::Ran));
    EXPECT_TRUE(std::filesystem::exists(dir.path("fontdata")));
    EXPECT_FALSE(std::filesystem::exists(dir.path("fontdata.c")));
}

TEST(ExportSession, OutputThatIsTheScriptFileIsRefusedBeforeSaving)
{
    test::TempDir dir;
    Session s(dir);
    const FontLib font = test::twoGlyphFont();
    test::writeText(s.session.scriptFilePath(), "WRITE(\"kept\");");
    s.session.PrepareExport(s.session.scriptFilePath(), font);
    const Result<ExecuteResult> result = s.session.RunExport({ "WRITE(\"new\");" });
    EXPECT_EQ(result.message(),
        "Cannot create file " + s.session.scriptFilePath() + ": it is the same file as "
            + s.session.scriptFilePath());
    EXPECT_EQ(test::readText(s.session.scriptFilePath()), "WRITE(\"kept\");");
    EXPECT_TRUE(s.lines.empty());
}

TEST(ExportSession, OutputThatIsTheFontsFileIsRefusedUnderAnyName)
{
    test::TempDir dir;
    Session s(dir);
    const FontLib font = test::twoGlyphFont();
    test::writeText(dir.path("font.pix"), "the saved font");
    std::filesystem::create_hard_link(dir.path("font.pix"), dir.path("link.c"));
    for (const std::string& output : { dir.path("font.pix"), dir.path("link.c") }) {
        s.session.PrepareExport(output, font, dir.path("font.pix"));
        const Result<ExecuteResult> result = s.session.RunExport(defaultScript());
        EXPECT_EQ(result.message(),
            "Cannot create file " + output + ": it is the same file as " + dir.path("font.pix"));
    }
    EXPECT_EQ(test::readText(dir.path("font.pix")), "the saved font");
    EXPECT_FALSE(std::filesystem::exists(s.session.scriptFilePath()));
    // A font without a file yet, or another output, exports as usual.
    s.session.PrepareExport(dir.path("font.c"), font);
    EXPECT_TRUE(test::endedAs(s.session.RunExport(defaultScript()), ExecuteResult::Ran));
}

TEST(ExportSession, OutputThatCannotBeCreatedRunsNothingAfterTheSave)
{
    test::TempDir dir;
    Session s(dir);
    std::filesystem::create_directories(dir.path("folder.c"));
    s.session.PrepareExport(dir.path("folder.c"), test::twoGlyphFont());
    bool afterSaveCalled = false;
    const Result<ExecuteResult> result
        = s.session.RunExport({ "WRITE(\"x\");" }, [&] { afterSaveCalled = true; });
    EXPECT_EQ(result.message().rfind("Cannot create file " + dir.path("folder.c") + ": ", 0), 0u);
    EXPECT_TRUE(afterSaveCalled);
    EXPECT_TRUE(s.lines.empty());
    EXPECT_EQ(test::readText(s.session.scriptFilePath()), "WRITE(\"x\");");
}

TEST(ExportSession, UnchangedScriptIsNotWrittenAgain)
{
    test::TempDir dir;
    Session s(dir);
    s.session.PrepareExport(dir.path("font.c"), test::twoGlyphFont());
    const Lines script { "int i;", "WRITE(\"x\");" };
    ASSERT_TRUE(test::endedAs(s.session.RunExport(script), ExecuteResult::Ran));
    const auto inode = [&] {
        struct stat status { };
        ::stat(s.session.scriptFilePath().c_str(), &status);
        return status.st_ino;
    };
    const ino_t written = inode();
    // A save replaces the file with a new one; the same lines leave it alone, even read-only.
    std::filesystem::permissions(s.session.scriptFilePath(), std::filesystem::perms::owner_read);
    EXPECT_TRUE(test::endedAs(s.session.RunExport(script), ExecuteResult::Ran));
    EXPECT_EQ(inode(), written);
    const Result<ExecuteResult> changed = s.session.RunExport({ "int i;" });
    EXPECT_EQ(
        changed.message(), "Cannot write file " + s.session.scriptFilePath() + ": it is read-only");
    std::filesystem::permissions(s.session.scriptFilePath(), std::filesystem::perms::owner_all);
    EXPECT_TRUE(test::endedAs(s.session.RunExport({ "int i;" }), ExecuteResult::Ran));
    EXPECT_NE(inode(), written);
    EXPECT_EQ(test::readText(s.session.scriptFilePath()), "int i;");
}

TEST(ExportSession, TargetThatCannotBeExportedIsRefusedBeforeTheOutputIsTouched)
{
    const struct {
        const char* target;
        const char* name;
        bool shippedFiles;
        const char* refusal;
    } cases[] = {
        { "gfx", "int", true, "gfx: " },
        { "lvgl", "9lives", true, "lvgl: " },
        { "tessellon", "", false, "tessellon_font.h is missing" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target);
        test::TempDir dir;
        Session s(dir);
        const FontLib font = test::twoGlyphFont();
        test::writeText(dir.path("font.c"), "kept");
        s.session.PrepareExport(dir.path("font.c"), font);
        ExportChoices choices;
        choices.name = c.name;
        const Result<Lines> chosen = s.session.chooseTarget(exportTargetNamed(c.target), choices,
            c.shippedFiles ? SHIPPED_DATA_DIR : dir.path("empty"));
        ASSERT_FALSE(chosen);
        EXPECT_NE(chosen.message().find(c.refusal), std::string::npos) << chosen.message();
        EXPECT_EQ(s.session.target(), nullptr);
        EXPECT_EQ(test::readText(dir.path("font.c")), "kept");
    }
}

TEST(ExportSession, TargetRunEndsWithTheShippedHeaderAndTheSizeLine)
{
    test::TempDir dir;
    Session s(dir);
    const FontLib font = test::twoGlyphFont();
    s.session.PrepareExport(dir.path("font.c"), font);
    const ExportTarget& target = *exportTargetNamed("tessellon");
    ASSERT_TRUE(s.session.chooseTarget(&target, {}, SHIPPED_DATA_DIR));
    const std::string script = test::readText(targetScriptPath(target, SHIPPED_DATA_DIR).string());
    Result<FileHandle> output = s.session.createOutput();
    ASSERT_TRUE(output);
    EXPECT_TRUE(
        test::endedAs(s.session.runScript(std::move(output).value(), script), ExecuteResult::Ran));
    EXPECT_NE(
        test::readText(dir.path("font.c")).find("struct tessellon_font font"), std::string::npos);
    const Result<Lines> end = s.session.finishTargetRun();
    ASSERT_TRUE(end);
    EXPECT_EQ(*end,
        (Lines { "wrote " + dir.path("tessellon_font.h"),
            sizeReportText(exportSize(*s.session.target())) }));
    s.session.PrepareExport(dir.path("font.c"), font);
    EXPECT_EQ(s.session.target(), nullptr);
}
