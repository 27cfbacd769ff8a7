#include "recipe/BuildStamp.h"

#include "document/ByteSource.h"
#include "document/SafeFileWriter.h"

#include <chrono>
#include <limits>
#include <map>
#include <sstream>

#include <sys/stat.h>

namespace tessellon {

namespace {

    constexpr std::string_view firstLine = "tessellon build stamp 1";
    constexpr std::uint64_t maxStampBytes = 16 << 20;

    // A file changed this recently when it was hashed may change again within the
    // resolution of its time stamp without its time showing it.
    constexpr std::int64_t settledNanoseconds = 2'000'000'000;

    std::int64_t nowNanoseconds()
    {
        return std::chrono::duration_cast<std::chrono::nanoseconds>(
            std::chrono::system_clock::now().time_since_epoch())
            .count();
    }

    // Splits off the text up to the next space.
    std::string_view takeWord(std::string_view& text)
    {
        const auto space = text.find(' ');
        const std::string_view word = text.substr(0, space);
        text = space == std::string_view::npos ? std::string_view() : text.substr(space + 1);
        return word;
    }

    // Up to 19 decimal digits fit 64 bits unsigned; the value must fit Number.
    template <class Number> std::optional<Number> numberOf(std::string_view text)
    {
        if (text.empty() || text.size() > 19) {
            return std::nullopt;
        }
        std::uint64_t value = 0;
        for (char c : text) {
            if (c < '0' || c > '9') {
                return std::nullopt;
            }
            value = value * 10 + static_cast<std::uint64_t>(c - '0');
        }
        if (value > static_cast<std::uint64_t>(std::numeric_limits<Number>::max())) {
            return std::nullopt;
        }
        return static_cast<Number>(value);
    }

    bool readInput(std::string_view rest, bool face, BuildStamp& stamp)
    {
        const auto size = numberOf<std::uint64_t>(takeWord(rest));
        const auto modified = numberOf<std::int64_t>(takeWord(rest));
        const auto digest = digestFromHex(takeWord(rest));
        if (!size || !modified || !digest || rest.empty()) {
            return false;
        }
        stamp.inputs.push_back({ face, *size, *modified, *digest, std::string(rest) });
        return true;
    }

    bool readOutput(std::string_view rest, BuildStamp& stamp)
    {
        const auto digest = digestFromHex(takeWord(rest));
        if (!digest || rest.empty()) {
            return false;
        }
        stamp.outputs.push_back({ *digest, std::string(rest) });
        return true;
    }

    bool readEntry(std::string_view line, BuildStamp& stamp)
    {
        const std::string_view kind = takeWord(line);
        if (kind == "tool" && stamp.tool.empty() && !line.empty()) {
            stamp.tool = line;
            return true;
        }
        if (kind == "input" || kind == "face") {
            return readInput(line, kind == "face", stamp);
        }
        return kind == "output" && readOutput(line, stamp);
    }

    // Hashes each input at most once for all the outputs that read it.
    class InputCheck {
    public:
        explicit InputCheck(const BuildStamp& stamp)
            : m_stamp(stamp)
        {
        }

        // Why the input has changed since the stamp, or nothing.
        std::optional<std::string> changeOf(const std::string& name, const std::string& path)
        {
            const auto known = m_changes.find(name);
            if (known != m_changes.end()) {
                return known->second;
            }
            return m_changes[name] = findChange(name, path);
        }

    private:
        std::optional<std::string> findChange(const std::string& name, const std::string& path)
        {
            const StampedInput* recorded = m_stamp.input(name);
            if (!recorded) {
                return name + " is a new input";
            }
            if (!fileTimesOf(path)) {
                return name + " is missing";
            }
            const auto now = stampInput(name, path, recorded);
            if (!now) {
                return name + " cannot be read";
            }
            return now->digest == recorded->digest ? std::nullopt
                                                   : std::optional(name + " changed");
        }

        const BuildStamp& m_stamp;
        std::map<std::string, std::optional<std::string>> m_changes;
    };

    std::optional<std::string> inputChange(const Recipe& recipe, const RecipeOutput& output,
        const BuildStamp& stamp, InputCheck& inputs)
    {
        for (const RecipeInput& input : recipeInputs(recipe, output)) {
            if (auto change = inputs.changeOf(input.name, input.path)) {
                return change;
            }
        }
        for (const StampedInput& input : stamp.inputs) {
            if (input.face) {
                if (auto change = inputs.changeOf(input.name, input.name)) {
                    return change;
                }
            }
        }
        return std::nullopt;
    }

    std::optional<std::string> outputChange(const RecipeOutput& output, const BuildStamp& stamp)
    {
        const StampedOutput* recorded = stamp.output(output.file.written);
        if (!recorded) {
            return std::string("it was not made by the last build");
        }
        if (!fileTimesOf(output.file.path)) {
            return std::string("it is missing");
        }
        const auto now = hashFile(output.file.path);
        if (!now || now->digest != recorded->digest) {
            return std::string("it was changed after it was made");
        }
        return std::nullopt;
    }

} // namespace

const StampedInput* BuildStamp::input(const std::string& name) const
{
    for (const StampedInput& entry : inputs) {
        if (entry.name == name) {
            return &entry;
        }
    }
    return nullptr;
}

const StampedOutput* BuildStamp::output(const std::string& name) const
{
    for (const StampedOutput& entry : outputs) {
        if (entry.name == name) {
            return &entry;
        }
    }
    return nullptr;
}

std::string formatStamp(const BuildStamp& stamp)
{
    std::ostringstream text;
    text << firstLine << "\ntool " << stamp.tool << "\n";
    for (const StampedInput& input : stamp.inputs) {
        text << (input.face ? "face " : "input ") << input.size << " " << input.modified << " "
             << toHex(input.digest) << " " << input.name << "\n";
    }
    for (const StampedOutput& output : stamp.outputs) {
        text << "output " << toHex(output.digest) << " " << output.name << "\n";
    }
    return text.str();
}

std::optional<BuildStamp> parseStamp(std::string_view text)
{
    BuildStamp stamp;
    bool first = true;
    while (!text.empty()) {
        const auto end = text.find('\n');
        if (end == std::string_view::npos) {
            return std::nullopt; // cut off
        }
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end + 1);
        const bool read = first ? line == firstLine : readEntry(line, stamp);
        if (!read) {
            return std::nullopt;
        }
        first = false;
    }
    if (first || stamp.tool.empty()) {
        return std::nullopt;
    }
    return stamp;
}

std::optional<BuildStamp> readStamp(const std::string& path)
{
    const auto text = readWholeFile<std::string>(path, maxStampBytes, "a stamp");
    return text ? parseStamp(*text) : std::nullopt;
}

Status writeStamp(const std::string& path, const BuildStamp& stamp)
{
    const std::string text = formatStamp(stamp);
    return writeFileSafely(
        path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

std::optional<FileTimes> fileTimesOf(const std::string& path)
{
    struct stat status { };
    if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) {
        return std::nullopt;
    }
    const std::int64_t modified
        = static_cast<std::int64_t>(status.st_mtim.tv_sec) * 1'000'000'000 + status.st_mtim.tv_nsec;
    return FileTimes { static_cast<std::uint64_t>(status.st_size), modified };
}

Result<StampedInput> stampInput(
    const std::string& name, const std::string& path, const StampedInput* recorded)
{
    const auto times = fileTimesOf(path);
    if (times && recorded && recorded->modified != 0 && times->size == recorded->size
        && times->modified == recorded->modified) {
        return *recorded;
    }
    const auto hashed = hashFile(path);
    if (!hashed) {
        return failure(hashed.message());
    }
    const std::int64_t modified = times ? times->modified : 0;
    const bool settled = modified > 0 && nowNanoseconds() - modified >= settledNanoseconds;
    return StampedInput { recorded && recorded->face, hashed->size, settled ? modified : 0,
        hashed->digest, name };
}

std::vector<StaleOutput> staleOutputs(
    const Recipe& recipe, const BuildStamp& stamp, std::string_view toolVersion)
{
    std::vector<StaleOutput> stale;
    InputCheck inputs(stamp);
    for (const RecipeOutput& output : recipe.outputs) {
        std::optional<std::string> reason;
        if (stamp.tool != toolVersion) {
            reason = "it was made by tessellon-cli " + stamp.tool;
        } else if (!(reason = inputChange(recipe, output, stamp, inputs))) {
            reason = outputChange(output, stamp);
        }
        if (reason) {
            stale.push_back({ output.file.written, output.file.path, *reason });
        }
    }
    return stale;
}

} // namespace tessellon
