#pragma once

#include "cli/CliCommand.h"

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

} // namespace tessellon::test
