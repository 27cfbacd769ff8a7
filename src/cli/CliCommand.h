#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

namespace tessellon::cli {

// Exit statuses shared by the commands.
inline constexpr int exitOk = 0;
inline constexpr int exitUnusable = 2; // bad arguments, unreadable or unwritable files

struct CliStreams {
    std::ostream& out;
    std::ostream& err;
};

// A command gets the arguments after its name.
using CommandFunction = int (*)(const std::vector<std::string>& args, CliStreams io);

struct CliCommand {
    const char* name;
    const char* usage;
    const char* summary;
    CommandFunction run;
};

int runInfoCommand(const std::vector<std::string>& args, CliStreams io);
int runMakeCommand(const std::vector<std::string>& args, CliStreams io);
int runExportCommand(const std::vector<std::string>& args, CliStreams io);
int runConvertCommand(const std::vector<std::string>& args, CliStreams io);
int runBuildCommand(const std::vector<std::string>& args, CliStreams io);

// The message of a failure to use the file at path, naming the file when the message does
// not already (a font file's own texts, such as "This is not an font pixel file!", do not).
std::string aboutFile(const std::string& path, const std::string& message);

// "1 glyph", "95 glyphs".
std::string glyphCountText(std::uint32_t count);

// Runs the command line (arguments after the program name) and returns the exit status.
int runCli(const std::vector<std::string>& args, CliStreams io);

} // namespace tessellon::cli
