#include "cli/ExportArguments.h"

#include "document/OptionValues.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace tessellon::cli {

namespace {

    constexpr std::array valueOptions { "--target", "--space", "--baseline", "--name", "--bit0",
        "--order", "--first-bit" };

    // Longer limits are taken as this one (about 31 years), so the deadline stays countable.
    constexpr double longestLimit = 1e9;
    constexpr int largestGap = 255;

    std::optional<double> positiveSeconds(const std::string& text)
    {
        char* end = nullptr;
        const double value = std::strtod(text.c_str(), &end);
        if (text.empty() || *end != '\0' || !std::isfinite(value) || value <= 0) {
            return std::nullopt;
        }
        return std::min(value, longestLimit);
    }

    // Which target an option belongs to: "" for every target, else the one it needs.
    struct ChoiceOption {
        const char* name;
        const char* target;
    };

    constexpr std::array choiceOptions { ChoiceOption { "--proportional", "" },
        ChoiceOption { "--space", "" }, ChoiceOption { "--baseline", "" },
        ChoiceOption { "--name", "" }, ChoiceOption { "--bit0", "pages" },
        ChoiceOption { "--order", "pages" }, ChoiceOption { "--first-bit", "rows" },
        ChoiceOption { "--inverted", "rows" }, ChoiceOption { "--with-decoder", "compact" } };

    // One of two words, as an option's value.
    Result<bool> secondWord(
        const std::string& name, const std::string& value, const char* first, const char* second)
    {
        if (value == first || value == second) {
            return value == second;
        }
        return failure(name + " must be " + first + " or " + second + ", not " + quoted(value));
    }

    Status setBool(const Result<bool>& word, bool& choice)
    {
        if (!word) {
            return failure(word.message());
        }
        choice = *word;
        return {};
    }

    Status setNumber(const std::string& name, const std::string& value, int low, int high,
        std::optional<int>& number)
    {
        const auto parsed = parseInteger(value, low, high);
        if (!parsed) {
            return failure(name + " must be a whole number from " + std::to_string(low) + " to "
                + std::to_string(high) + ", not " + quoted(value));
        }
        number = parsed;
        return {};
    }

    Status setValue(const std::string& name, const std::string& value, ExportArguments& parsed)
    {
        ExportChoices& choices = parsed.choices;
        if (name == "--target") {
            parsed.target = value;
            return {};
        }
        if (name == "--space") {
            return setNumber(name, value, 0, largestGap, choices.advance.spaceWidth);
        }
        if (name == "--baseline") {
            const Result<int> rows = parseBaseline(value);
            choices.baseline = rows ? std::optional(*rows) : std::nullopt;
            return rows ? Status() : failure(rows.message());
        }
        if (name == "--name") {
            choices.name = value;
            return value.empty() ? failure("--name needs a C identifier") : Status();
        }
        if (name == "--bit0") {
            return setBool(secondWord(name, value, "top", "bottom"), choices.pages.bit0Bottom);
        }
        if (name == "--order") {
            return setBool(secondWord(name, value, "pages", "columns"), choices.pages.byColumns);
        }
        return setBool(secondWord(name, value, "msb", "lsb"), choices.rows.lsbFirst);
    }

    constexpr std::string_view proportionalOption = "--proportional";

    // --proportional takes the gap after it when the next argument is a number, or as
    // --proportional=GAP.
    Status setProportional(
        const std::vector<std::string>& args, std::size_t& i, ExportArguments& parsed)
    {
        AdvanceRule& advance = parsed.choices.advance;
        advance.proportional = true;
        const std::string& arg = args[i];
        const bool gapJoined = arg.size() > proportionalOption.size();
        const bool gapFollows = !gapJoined && i + 1 < args.size() && !args[i + 1].empty()
            && std::all_of(args[i + 1].begin(), args[i + 1].end(),
                [](char c) { return c >= '0' && c <= '9'; });
        if (!gapJoined && !gapFollows) {
            return {};
        }
        const std::string value = gapJoined ? arg.substr(proportionalOption.size() + 1) : args[++i];
        const auto gap = parseInteger(value, 0, largestGap);
        if (!gap) {
            return failure("--proportional takes a gap from 0 to " + std::to_string(largestGap)
                + ", not " + quoted(value));
        }
        advance.gap = *gap;
        return {};
    }

    Status setOther(const std::vector<std::string>& args, std::size_t& i, ExportArguments& parsed)
    {
        const std::string& arg = args[i];
        const bool takesValue = arg == "-o" || arg == "-s" || arg == "--max-seconds";
        if (takesValue && i + 1 == args.size()) {
            return failure(arg + " needs a value");
        }
        if (arg == "-o") {
            parsed.outputPath = args[++i];
        } else if (arg == "-s") {
            parsed.scriptPath = args[++i];
        } else if (arg == "--max-seconds") {
            parsed.maxSeconds = positiveSeconds(args[++i]);
            if (!parsed.maxSeconds) {
                return failure("--max-seconds needs a number above 0");
            }
        } else if (arg == proportionalOption || arg.rfind("--proportional=", 0) == 0) {
            return setProportional(args, i, parsed);
        } else if (arg == "--inverted") {
            parsed.choices.rows.inverted = true;
        } else if (arg == "--with-decoder") {
            parsed.withDecoder = true;
        } else if (parsed.fontPath.empty() && (arg.empty() || arg[0] != '-')) {
            parsed.fontPath = arg;
        } else {
            return failure("unexpected argument '" + arg + "'");
        }
        return {};
    }

    bool given(const std::vector<std::string>& args, const char* option)
    {
        const std::string name(option);
        return std::any_of(args.begin(), args.end(), [&name](const std::string& arg) {
            return arg == name || arg.rfind(name + "=", 0) == 0;
        });
    }

    // The choices need a target, and some of them one target.
    Status checkChoicesFitTarget(
        const std::vector<std::string>& args, const ExportArguments& parsed)
    {
        for (const ChoiceOption& option : choiceOptions) {
            if (!given(args, option.name)) {
                continue;
            }
            const std::string needed(option.target);
            if (!parsed.target) {
                return failure(std::string(option.name)
                    + " is a choice of the export targets: give "
                    + (needed.empty() ? "--target" : "--target " + needed));
            }
            if (!needed.empty() && *parsed.target != needed) {
                return failure(std::string(option.name) + " is a choice of the " + needed
                    + " target, not of " + *parsed.target);
            }
        }
        return {};
    }

} // namespace

Result<ExportArguments> parseExportArguments(const std::vector<std::string>& args)
{
    ExportArguments parsed;
    const Status read = readArguments(
        args, valueOptions,
        [&parsed](const std::string& name, const std::string& value) {
            return setValue(name, value, parsed);
        },
        [&](std::size_t& i) { return setOther(args, i, parsed); });
    if (!read) {
        return failure(read.message());
    }
    if (parsed.fontPath.empty()) {
        return failure("FONT.pix is missing");
    }
    if (parsed.outputPath.empty()) {
        return failure("-o OUT is missing: name the file the export writes");
    }
    if (Status fits = checkChoicesFitTarget(args, parsed); !fits) {
        return failure(fits.message());
    }
    return parsed;
}

} // namespace tessellon::cli
