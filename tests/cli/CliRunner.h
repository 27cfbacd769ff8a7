#pragma once

#include "cli/CliCommand.h"
#include "TempDir.h"

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace tessellon::test {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

// Runs the command line in-process, capturing both streams.
inline CliRun runCommandLine(const std::vector<std::string>& args)
{
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::runCli(args, { out, err });
    return { status, out.str(), err.str() };
}

inline std::string shellQuoted(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

// Runs a tessellon-cli program as a user would, without a display; its output goes through
// files in dir.
inline CliRun runProgram(
    const std::string& program, const std::vector<std::string>& args, const TempDir& dir)
{
    std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ";
    command += shellQuoted(program);
    for (const std::string& arg : args) {
        command += ' ' + shellQuoted(arg);
    }
    command += " >" + shellQuoted(dir.path("cli.out")) + " 2>" + shellQuoted(dir.path("cli.err"));
    const int status = std::system(command.c_str());
    return { WIFEXITED(status) ? WEXITSTATUS(status) : -1, readText(dir.path("cli.out")),
        readText(dir.path("cli.err")) };
}

} // namespace tessellon::test
