#include "cli/CliCommand.h"

#include <csignal>
#include <iostream>

int main(int argc, char* argv[])
{
    // A write past the file-size limit then fails as any failed write does (EFBIG), with a
    // message and the temporary file removed, instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    std::ios::sync_with_stdio(false);
    return tessellon::cli::runCli({ argv + 1, argv + argc }, { std::cout, std::cerr });
}
