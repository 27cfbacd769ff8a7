#include "recipe/RecipeParser.h"

#include "creation/CharSetFolder.h"
#include "creation/NewFontLimits.h"
#include "creation/RangeList.h"
#include "document/ByteSource.h"
#include "document/FontLib.h"
#include "document/OptionValues.h"
#include "document/SameFile.h"
#include "document/Utf8.h"

#include <algorithm>
#include <array>
#include <map>
#include <sys/stat.h>

namespace tessellon {

namespace {

    namespace fs = std::filesystem;

    // A bitmap font a recipe reads itself: picture sheets, which need a picture codec and a
    // cell size, are not among them.
    bool isFontFileFormat(const FontFileFormat* format)
    {
        return format && format->canRead() && !format->needsPictureCodec;
    }

    enum class Section { Font, Output };

    std::string trimmed(std::string_view text)
    {
        const auto first = text.find_first_not_of(" \t");
        if (first == std::string_view::npos) {
            return {};
        }
        const auto last = text.find_last_not_of(" \t");
        return std::string(text.substr(first, last - first + 1));
    }

    std::string withoutSpaces(std::string text)
    {
        std::erase_if(text, [](char c) { return c == ' ' || c == '\t'; });
        return text;
    }

    // "no such file", "a folder", or nothing for a regular file (links followed).
    std::optional<std::string> whyNoFile(const std::string& path)
    {
        struct stat status { };
        if (::stat(path.c_str(), &status) != 0) {
            return std::string("it is missing");
        }
        if (!S_ISREG(status.st_mode)) {
            return std::string(
                S_ISDIR(status.st_mode) ? "it is a folder" : "it is not a regular file");
        }
        return std::nullopt;
    }

    std::string absoluteNormal(const std::string& path)
    {
        std::error_code error;
        const fs::path absolute = fs::absolute(path, error);
        return (error ? fs::path(path) : absolute).lexically_normal().string();
    }

    bool isCIdentifier(const std::string& text)
    {
        auto letter
            = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; };
        return !text.empty() && letter(text[0])
            && std::all_of(text.begin(), text.end(),
                [&letter](char c) { return letter(c) || (c >= '0' && c <= '9'); });
    }

    class Parser {
    public:
        Parser(const std::string& path, const RecipePlaces& places)
            : m_places(places)
        {
            m_recipe.path = path;
            m_recipe.folder = fs::path(path).parent_path();
            m_recipe.outputFolder
                = places.outputFolder.empty() ? m_recipe.folder : places.outputFolder;
        }

        Result<Recipe> parse(std::string_view text);

        // What a key's setter sees.
        int line() const { return m_line; }
        Recipe& recipe() { return m_recipe; }
        RecipeOutput& output() { return m_recipe.outputs.back(); }
        Failure fault(const std::string& why) const { return fault(m_line, why); }
        Failure fault(int line, const std::string& why) const
        {
            const std::string where = line > 0 ? ":" + std::to_string(line) : std::string();
            return failure(m_recipe.path + where + ": " + why);
        }
        Result<RecipeFile> inputFile(const std::string& written, const char* kind) const;
        Result<RecipeFile> charSetFile(const std::string& written) const;
        RecipeFile outputFile(const std::string& written) const;
        Result<int> number(
            const std::string& key, const std::string& value, int low, int high) const;
        Result<bool> yesOrNo(const std::string& key, const std::string& value) const;

    private:
        Status parseLine(std::string_view text);
        Status startSection(const std::string& text);
        Status setKey(const std::string& key, const std::string& value);
        Status checkFont() const;
        Status checkCharacters() const;
        Status checkOutput(const RecipeOutput& output) const;
        Status checkOutputFiles() const;
        Status checkOutputIsNoInput(const RecipeOutput& output) const;

        Recipe m_recipe;
        RecipePlaces m_places;
        int m_line = 0;
        Section m_section = Section::Font;
        std::map<std::string, int> m_fontKeys; // key -> line
        std::vector<std::map<std::string, int>> m_outputKeys;
    };

    using Setter = Status (*)(Parser& parser, const std::string& value);

    struct KeyRule {
        const char* key;
        Section section;
        Setter set;
        bool repeatable = false;
    };

    Status setFontFile(Parser& parser, const std::string& value)
    {
        if (const FontFileFormat* format = fontFileFormatNamed(value);
            format && format->needsPictureCodec) {
            return parser.fault("a picture sheet cannot be a recipe's font: convert "
                + quoted(value) + " to .pix first");
        }
        auto file = parser.inputFile(value, "the font file");
        if (!file) {
            return failure(file.message());
        }
        const FontFileFormat* format = fontFileFormatNamed(value);
        parser.recipe().source
            = isFontFileFormat(format) ? RecipeSource::BitmapFile : RecipeSource::OutlineFile;
        parser.recipe().fontFile = std::move(*file);
        return {};
    }

    Status setFamily(Parser& parser, const std::string& value)
    {
        parser.recipe().source = RecipeSource::Family;
        parser.recipe().family = value;
        return {};
    }

    Status setSize(Parser& parser, const std::string& value)
    {
        const auto size = parser.number("size", value, 1, maxPixelSize);
        if (!size) {
            return failure(size.message());
        }
        parser.recipe().pixelSize = *size;
        return {};
    }

    Status setCell(Parser& parser, const std::string& value)
    {
        const auto cell = parseGlyphSize(value);
        if (!cell) {
            return parser.fault("cell must be WIDTHxHEIGHT, each from "
                + std::to_string(minGlyphSide) + " to " + std::to_string(maxGlyphSide) + ", not "
                + quoted(value));
        }
        parser.recipe().cell = *cell;
        return {};
    }

    Status setOffset(Parser& parser, const std::string& value)
    {
        const auto offset = parseOffset(withoutSpaces(value), "offset");
        if (!offset) {
            return parser.fault(offset.message());
        }
        parser.recipe().offset = *offset;
        return {};
    }

    Status setBaseline(Parser& parser, const std::string& value)
    {
        const auto rows = parser.number("baseline", value, 0, maxGlyphSide);
        if (!rows) {
            return failure(rows.message());
        }
        parser.recipe().baseline = *rows;
        return {};
    }

    Status setHinting(Parser& parser, const std::string& value)
    {
        const auto style = hintingStyleForOption(value);
        if (!style) {
            return parser.fault(
                "hinting must be one of " + hintingStyleOptions() + ", not " + quoted(value));
        }
        parser.recipe().hinting = *style;
        return {};
    }

    template <bool Recipe::*flag> Status setFlag(Parser& parser, const std::string& value)
    {
        static constexpr std::array<std::pair<bool Recipe::*, const char*>, 3> names {
            { { &Recipe::bold, "bold" }, { &Recipe::italic, "italic" },
                { &Recipe::strict, "strict" } }
        };
        const char* name = std::find_if(names.begin(), names.end(), [](const auto& entry) {
            return entry.first == flag;
        })->second;
        const auto set = parser.yesOrNo(name, value);
        if (!set) {
            return failure(set.message());
        }
        parser.recipe().*flag = *set;
        return {};
    }

    Status setCharSet(Parser& parser, const std::string& value)
    {
        auto file = parser.charSetFile(value);
        if (!file) {
            return failure(file.message());
        }
        parser.recipe().charSet = std::move(*file);
        return {};
    }

    Status setRanges(Parser& parser, const std::string& value)
    {
        const std::string list = withoutSpaces(value);
        const auto ranges = parseRangeList(list);
        if (!ranges) {
            return parser.fault(ranges.message());
        }
        if (ranges->codeCount > maxCharSetGlyphs) {
            return parser.fault("the ranges give " + std::to_string(ranges->codeCount)
                + " characters, more than the " + std::to_string(maxCharSetGlyphs)
                + " a font may hold");
        }
        for (const std::string& warning : ranges->warnings) {
            parser.recipe().warnings.push_back(parser.fault(warning).message);
        }
        parser.recipe().ranges = list;
        return {};
    }

    Status setCharsFrom(Parser& parser, const std::string& value)
    {
        for (const std::string& item : split(value, ',')) {
            const std::string name = trimmed(item);
            if (name.empty()) {
                return parser.fault(
                    "chars-from lists files separated by commas, not " + quoted(value));
            }
            auto file = parser.inputFile(name, "the source file");
            if (!file) {
                return failure(file.message());
            }
            parser.recipe().charsFrom.push_back(std::move(*file));
        }
        return {};
    }

    Status setOverlay(Parser& parser, const std::string& value)
    {
        if (!isFontFileFormat(fontFileFormatNamed(value))) {
            return parser.fault(
                "the overlay must be a font file (.pix, .bdf, .hex), not " + quoted(value));
        }
        auto file = parser.inputFile(value, "the overlay");
        if (!file) {
            return failure(file.message());
        }
        parser.recipe().overlay = std::move(*file);
        return {};
    }

    Status setOutputFile(Parser& parser, const std::string& value)
    {
        parser.output().file = parser.outputFile(value);
        return {};
    }

    std::string targetNames()
    {
        std::string names;
        for (const OutputTargetInfo& target : outputTargets) {
            names += (names.empty() ? "" : ", ") + std::string(target.name);
        }
        return names;
    }

    Status setTarget(Parser& parser, const std::string& value)
    {
        if (!outputTargetNamed(value)) {
            return parser.fault(
                "unknown target " + quoted(value) + " (targets: " + targetNames() + ")");
        }
        parser.output().target = value;
        return {};
    }

    Status setScript(Parser& parser, const std::string& value)
    {
        if (value == "default") {
            parser.output().script.reset();
            return {};
        }
        auto file = parser.inputFile(value, "the script");
        if (!file) {
            return failure(file.message());
        }
        parser.output().script = std::move(*file);
        return {};
    }

    Status setComment(Parser& parser, const std::string& value)
    {
        static constexpr std::array<std::pair<const char*, OutputComment>, 3> styles {
            { { "c", OutputComment::C }, { "hash", OutputComment::Hash },
                { "none", OutputComment::None } }
        };
        for (const auto& [name, style] : styles) {
            if (value == name) {
                parser.output().comment = style;
                return {};
            }
        }
        return parser.fault("comment must be c, hash or none, not " + quoted(value));
    }

    Status setProportional(Parser& parser, const std::string& value)
    {
        if (value == "no" || value == "yes") {
            parser.output().proportionalGap = value == "yes" ? std::optional<int>(1) : std::nullopt;
            return {};
        }
        const auto gap = parser.number("proportional", value, 0, maxGlyphSide);
        if (!gap) {
            return parser.fault(
                "proportional must be no, yes or the gap in pixels, not " + quoted(value));
        }
        parser.output().proportionalGap = *gap;
        return {};
    }

    Status setName(Parser& parser, const std::string& value)
    {
        if (!isCIdentifier(value)) {
            return parser.fault("name must be a C identifier, not " + quoted(value));
        }
        parser.output().name = value;
        return {};
    }

    Status setDecoder(Parser& parser, const std::string& value)
    {
        if (value != "yes" && value != "no") {
            return parser.fault("decoder must be yes or no, not " + quoted(value));
        }
        parser.output().withDecoder = value == "yes";
        return {};
    }

    Status setOutputBaseline(Parser& parser, const std::string& value)
    {
        const auto rows = parser.number("baseline", value, 0, maxGlyphSide);
        if (!rows) {
            return failure(rows.message());
        }
        parser.output().baseline = *rows;
        return {};
    }

    const std::array keyRules {
        KeyRule { "font", Section::Font, setFontFile },
        KeyRule { "family", Section::Font, setFamily },
        KeyRule { "size", Section::Font, setSize },
        KeyRule { "cell", Section::Font, setCell },
        KeyRule { "offset", Section::Font, setOffset },
        KeyRule { "baseline", Section::Font, setBaseline },
        KeyRule { "hinting", Section::Font, setHinting },
        KeyRule { "bold", Section::Font, setFlag<&Recipe::bold> },
        KeyRule { "italic", Section::Font, setFlag<&Recipe::italic> },
        KeyRule { "charset", Section::Font, setCharSet },
        KeyRule { "ranges", Section::Font, setRanges },
        KeyRule { "chars-from", Section::Font, setCharsFrom, true },
        KeyRule { "overlay", Section::Font, setOverlay },
        KeyRule { "strict", Section::Font, setFlag<&Recipe::strict> },
        KeyRule { "file", Section::Output, setOutputFile },
        KeyRule { "target", Section::Output, setTarget },
        KeyRule { "script", Section::Output, setScript },
        KeyRule { "comment", Section::Output, setComment },
        KeyRule { "proportional", Section::Output, setProportional },
        KeyRule { "name", Section::Output, setName },
        KeyRule { "baseline", Section::Output, setOutputBaseline },
        KeyRule { "decoder", Section::Output, setDecoder },
    };

    // The output keys that are options of some targets only.
    const std::array<std::pair<const char*, OutputOption>, 5> optionKeys { {
        { "script", OutputOption::Script },
        { "proportional", OutputOption::Proportional },
        { "name", OutputOption::Name },
        { "baseline", OutputOption::Baseline },
        { "decoder", OutputOption::Decoder },
    } };

    const KeyRule* ruleFor(const std::string& key, Section section)
    {
        for (const KeyRule& rule : keyRules) {
            if (key == rule.key && rule.section == section) {
                return &rule;
            }
        }
        return nullptr;
    }

    Result<RecipeFile> Parser::inputFile(const std::string& written, const char* kind) const
    {
        const std::string path = (m_recipe.folder / written).string();
        if (const auto why = whyNoFile(path)) {
            return fault(std::string(kind) + " " + written + " cannot be used: " + *why + " ("
                + absoluteNormal(path) + ")");
        }
        return RecipeFile { written, path, m_line };
    }

    Result<RecipeFile> Parser::charSetFile(const std::string& written) const
    {
        const std::string path = findCharSetFile(written, m_recipe.folder, m_places.dataFolder);
        if (const auto why = whyNoFile(path)) {
            return fault("the character set " + written + " cannot be used: " + *why
                + " (neither in "
                + absoluteNormal(m_recipe.folder.empty() ? "." : m_recipe.folder.string())
                + " nor among the shipped sets)");
        }
        return RecipeFile { written, path, m_line };
    }

    RecipeFile Parser::outputFile(const std::string& written) const
    {
        return RecipeFile { written, (m_recipe.outputFolder / written).string(), m_line };
    }

    Result<int> Parser::number(
        const std::string& key, const std::string& value, int low, int high) const
    {
        const auto parsed = parseInteger(value, low, high);
        if (!parsed) {
            return fault(key + " must be a whole number from " + std::to_string(low) + " to "
                + std::to_string(high) + ", not " + quoted(value));
        }
        return *parsed;
    }

    Result<bool> Parser::yesOrNo(const std::string& key, const std::string& value) const
    {
        if (value == "yes" || value == "true") {
            return true;
        }
        if (value == "no" || value == "false") {
            return false;
        }
        return fault(key + " must be yes or no, not " + quoted(value));
    }

    Result<Recipe> Parser::parse(std::string_view text)
    {
        if (text.substr(0, 3) == "\xEF\xBB\xBF") {
            text.remove_prefix(3);
        }
        if (const auto textFault = findTextFault(text)) {
            return fault(
                static_cast<int>(textFault->line), textFault->what + "; a recipe is UTF-8 text");
        }
        std::size_t start = 0;
        while (start < text.size()) {
            ++m_line;
            const std::size_t end = std::min(text.find('\n', start), text.size());
            std::string_view line = text.substr(start, end - start);
            if (!line.empty() && line.back() == '\r') {
                line.remove_suffix(1);
            }
            if (const Status parsed = parseLine(line); !parsed) {
                return failure(parsed.message());
            }
            start = end + 1;
        }
        for (const Status& check : { checkFont(), checkCharacters(), checkOutputFiles() }) {
            if (!check) {
                return failure(check.message());
            }
        }
        return std::move(m_recipe);
    }

    Status Parser::parseLine(std::string_view text)
    {
        if (std::any_of(text.begin(), text.end(),
                [](char c) { return c != '\t' && static_cast<unsigned char>(c) < 0x20; })) {
            return fault("a control character; a recipe holds text only");
        }
        const std::string line = trimmed(text);
        if (line.empty() || line[0] == '#') {
            return {};
        }
        if (line[0] == '[') {
            return startSection(line);
        }
        const auto equals = line.find('=');
        if (equals == std::string::npos) {
            return fault("expected key = value, not " + quoted(line));
        }
        return setKey(trimmed(std::string_view(line).substr(0, equals)),
            trimmed(std::string_view(line).substr(equals + 1)));
    }

    Status Parser::startSection(const std::string& text)
    {
        if (text.back() != ']'
            || trimmed(std::string_view(text).substr(1, text.size() - 2)) != "output") {
            return fault("unknown section " + quoted(text) + "; the only section is [output]");
        }
        if (m_section == Section::Output) {
            if (const Status previous = checkOutput(output()); !previous) {
                return previous;
            }
        }
        m_section = Section::Output;
        RecipeOutput added;
        added.line = m_line;
        added.target = defaultOutputTargetName;
        m_recipe.outputs.push_back(std::move(added));
        m_outputKeys.emplace_back();
        return {};
    }

    Status Parser::setKey(const std::string& key, const std::string& value)
    {
        const KeyRule* rule = ruleFor(key, m_section);
        if (!rule) {
            const Section other = m_section == Section::Font ? Section::Output : Section::Font;
            if (ruleFor(key, other)) {
                return fault(key
                    + (other == Section::Output ? " belongs in an [output] section"
                                                : " belongs before the first [output]"));
            }
            return fault("unknown key " + quoted(key));
        }
        auto& seen = m_section == Section::Font ? m_fontKeys : m_outputKeys.back();
        if (const auto earlier = seen.find(key); earlier != seen.end() && !rule->repeatable) {
            return fault(
                key + " is given twice (first on line " + std::to_string(earlier->second) + ")");
        }
        seen.emplace(key, m_line);
        if (value.empty()) {
            return fault(key + " needs a value");
        }
        return rule->set(*this, value);
    }

    Status Parser::checkFont() const
    {
        const bool file = m_fontKeys.contains("font");
        if (file == m_fontKeys.contains("family")) {
            return fault(file ? m_fontKeys.at("family") : 0,
                file ? "give either font or family, not both"
                     : "no font: give font = FILE or family = NAME");
        }
        if (m_recipe.source == RecipeSource::BitmapFile) {
            for (const char* key : { "size", "hinting", "bold", "italic" }) {
                if (const auto given = m_fontKeys.find(key); given != m_fontKeys.end()) {
                    return fault(given->second,
                        std::string(key) + " applies to outline fonts, not to the bitmap font "
                            + m_recipe.fontFile->written);
                }
            }
        } else {
            for (const char* key : { "size", "cell" }) {
                if (!m_fontKeys.contains(key)) {
                    return fault(0,
                        std::string(key) + " is needed to draw the font"
                            + (std::string(key) == "size" ? " (its height in pixels)"
                                                          : " (WIDTHxHEIGHT)"));
                }
            }
        }
        if (m_recipe.baseline && m_recipe.cell && *m_recipe.baseline > m_recipe.cell->height) {
            return fault(m_fontKeys.at("baseline"),
                "baseline must be from 0 to " + std::to_string(m_recipe.cell->height)
                    + " (the cell's height), not " + std::to_string(*m_recipe.baseline));
        }
        return {};
    }

    Status Parser::checkCharacters() const
    {
        const bool given = m_recipe.charSet || m_recipe.ranges || !m_recipe.charsFrom.empty();
        if (!given && m_recipe.source != RecipeSource::BitmapFile) {
            return fault(0, "no characters: give charset, ranges or chars-from");
        }
        return {};
    }

    Status Parser::checkOutput(const RecipeOutput& added) const
    {
        const std::size_t index = static_cast<std::size_t>(&added - m_recipe.outputs.data());
        const auto& keys = m_outputKeys[index];
        if (!keys.contains("file")) {
            return fault(added.line, "the [output] has no file");
        }
        const OutputTargetInfo& target = *outputTargetNamed(added.target);
        for (const auto& [key, option] : optionKeys) {
            if (const auto given = keys.find(key);
                given != keys.end() && !takesOption(target, option)) {
                return fault(
                    given->second, "the " + added.target + " target takes no option " + key);
            }
        }
        return {};
    }

    Status Parser::checkOutputFiles() const
    {
        if (m_recipe.outputs.empty()) {
            return fault(0, "no output: add an [output] section with file = NAME");
        }
        for (const RecipeOutput& output : m_recipe.outputs) {
            if (const Status checked = checkOutput(output); !checked) {
                return checked;
            }
            if (const Status apart = checkOutputIsNoInput(output); !apart) {
                return apart;
            }
        }
        for (std::size_t i = 0; i < m_recipe.outputs.size(); ++i) {
            for (std::size_t j = 0; j < i; ++j) {
                const RecipeFile& first = m_recipe.outputs[j].file;
                const RecipeFile& second = m_recipe.outputs[i].file;
                if (absoluteNormal(first.path) == absoluteNormal(second.path)
                    || isSameFile(first.path, second.path)) {
                    return fault(second.line,
                        "the output " + second.written + " is also the output of line "
                            + std::to_string(first.line));
                }
            }
        }
        return {};
    }

    Status Parser::checkOutputIsNoInput(const RecipeOutput& output) const
    {
        const RecipeFile& file = output.file;
        if (absoluteNormal(file.path) == absoluteNormal(stampPath(m_recipe))) {
            return fault(file.line,
                "the output " + file.written
                    + " is where the recipe's stamp is kept; give another name");
        }
        for (const RecipeOutput& other : m_recipe.outputs) {
            for (const RecipeInput& input : recipeInputs(m_recipe, other)) {
                if (absoluteNormal(file.path) == absoluteNormal(input.path)
                    || isSameFile(file.path, input.path)) {
                    return fault(file.line,
                        "the output " + file.written + " is the input " + input.name
                            + "; give another name");
                }
            }
        }
        return {};
    }

} // namespace

Result<Recipe> parseRecipe(
    std::string_view text, const std::string& path, const RecipePlaces& places)
{
    return Parser(path, places).parse(text);
}

Result<Recipe> readRecipeFile(const std::string& path, const RecipePlaces& places)
{
    const auto text = readWholeFile<std::string>(path, maxRecipeBytes, "a recipe");
    if (!text) {
        return failure(text.message());
    }
    return parseRecipe(*text, path, places);
}

} // namespace tessellon
