#include "shell/ProgramArguments.h"

namespace tessellon {

namespace {

    bool isOption(const std::string& argument) { return argument.size() > 1 && argument[0] == '-'; }

} // namespace

Result<ProgramArguments> parseProgramArguments(const std::vector<std::string>& arguments)
{
    ProgramArguments parsed;
    std::string unknown;
    bool optionsEnded = false;
    for (const std::string& argument : arguments) {
        if (optionsEnded || !isOption(argument)) {
            parsed.files.push_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "-h" || argument == "--help") {
            return ProgramArguments { ProgramRequest::Help, {} };
        } else if (argument == "-v" || argument == "--version") {
            return ProgramArguments { ProgramRequest::Version, {} };
        } else if (unknown.empty()) {
            unknown = argument;
        }
    }
    if (!unknown.empty()) {
        return failure("unknown option " + unknown);
    }
    return parsed;
}

std::string programHelpText()
{
    return "Usage: tessellon [OPTION] [FILE.pix...]\n"
           "Edits 1-bit-per-pixel fonts. Each font file given opens in a window of its own,\n"
           "as File > Open opens it.\n"
           "\n"
           "  -h, --help     print this help and exit\n"
           "  -v, --version  print the version and exit\n"
           "  --             what follows is a file name, even when it starts with \"-\"\n"
           "\n"
           "Fonts are made, converted and exported without a window by tessellon-cli.\n";
}

std::string programVersionText(const std::string& version) { return "tessellon " + version + "\n"; }

} // namespace tessellon
