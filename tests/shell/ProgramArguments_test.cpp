#include "shell/ProgramArguments.h"

#include <gtest/gtest.h>

namespace tessellon {
namespace {

    using Arguments = std::vector<std::string>;

    struct Case {
        Arguments given;
        ProgramRequest request;
        Arguments files;
    };

    const Case accepted[] = {
        { {}, ProgramRequest::Edit, {} },
        { { "a.pix", "b.pix" }, ProgramRequest::Edit, { "a.pix", "b.pix" } },
        { { "--help" }, ProgramRequest::Help, {} },
        { { "a.pix", "-h" }, ProgramRequest::Help, {} },
        { { "--version" }, ProgramRequest::Version, {} },
        { { "-v", "a.pix" }, ProgramRequest::Version, {} },
        // Help and version win over a bad option, so that asking for help always works.
        { { "--bogus", "--help" }, ProgramRequest::Help, {} },
        { { "--", "-v", "--help" }, ProgramRequest::Edit, { "-v", "--help" } },
        { { "a.pix", "--", "--" }, ProgramRequest::Edit, { "a.pix", "--" } },
        // A lone "-" is a name like any other.
        { { "-" }, ProgramRequest::Edit, { "-" } },
        { { "f\xe9.pix", "" }, ProgramRequest::Edit, { "f\xe9.pix", "" } },
    };

    TEST(ProgramArguments, RequestsAndFilesInTheOrderGiven)
    {
        for (const Case& c : accepted) {
            SCOPED_TRACE(testing::PrintToString(c.given));
            const Result<ProgramArguments> parsed = parseProgramArguments(c.given);
            ASSERT_TRUE(parsed) << parsed.message();
            EXPECT_EQ(parsed->request, c.request);
            EXPECT_EQ(parsed->files, c.files);
        }
    }

    TEST(ProgramArguments, UnknownOptionIsNamed)
    {
        const Result<ProgramArguments> parsed
            = parseProgramArguments({ "a.pix", "--bogus", "-x", "b.pix" });
        ASSERT_FALSE(parsed);
        EXPECT_EQ(parsed.message(), "unknown option --bogus");
    }

    TEST(ProgramArguments, HelpNamesEveryOptionAndVersionNamesTheProgram)
    {
        const std::string help = programHelpText();
        for (const char* option : { "-h, --help", "-v, --version", "--  " }) {
            EXPECT_NE(help.find(option), std::string::npos) << option;
        }
        EXPECT_EQ(programVersionText("1.2.3.4"), "tessellon 1.2.3.4\n");
    }

} // namespace
} // namespace tessellon
