#pragma once

// Proves an export target by drawing its output back: a decoder program of
// tests/export/decoders/ is compiled with the exported C file(s), asked for every code of the
// font and for codes the font lacks, and each glyph it draws is compared with the font's own
// cell and advance.

#include "FontBuilders.h"
#include "TempDir.h"
#include "document/FontLib.h"
#include "export/GlyphMetrics.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace tessellon::test {

// A decoder and what it is built with.
struct CheckProgram {
    std::string decoder; // tests/export/decoders/<target>_check.c
    std::vector<std::string> exportedFiles;
    std::string identifier; // the exported font's name, given as -DFONT
    std::string includeFolder; // for targets that export a header; empty for none
};

// What the decoder printed for one code: "missing", "outside", "drawn" with the advance and
// the cell's rows, or the line itself when it is none of these.
struct DecodedGlyph {
    std::string state;
    int advance = 0;
    std::vector<std::string> rows;
};

inline std::string shellQuoted(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

inline std::string hexCode(std::uint16_t code)
{
    char text[8];
    std::snprintf(text, sizeof text, "%04X", static_cast<unsigned>(code));
    return text;
}

// The program's path, or the compiler's complaint.
inline std::optional<std::string> buildCheck(
    const TempDir& dir, const CheckProgram& program, std::string& complaint)
{
    const std::string binary = dir.path("check");
    const std::string log = dir.path("cc.log");
    std::string command = "cc -std=c99 -Wall -Wextra -pedantic -Werror -DFONT=" + program.identifier
        + " -o " + shellQuoted(binary) + " " + shellQuoted(program.decoder);
    for (const std::string& file : program.exportedFiles) {
        command += " " + shellQuoted(file);
    }
    if (!program.includeFolder.empty()) {
        command += " -I" + shellQuoted(program.includeFolder);
    }
    if (std::system((command + " >" + shellQuoted(log) + " 2>&1").c_str()) != 0) {
        complaint = command + "\n" + readText(log);
        return std::nullopt;
    }
    return binary;
}

inline std::map<std::uint16_t, DecodedGlyph> parseDecoded(const std::string& output, int height)
{
    std::map<std::uint16_t, DecodedGlyph> decoded;
    std::istringstream lines(output);
    std::string line;
    while (std::getline(lines, line)) {
        const auto code = static_cast<std::uint16_t>(std::strtoul(line.c_str(), nullptr, 16));
        const std::string rest = line.size() > 5 ? line.substr(5) : "";
        DecodedGlyph& glyph = decoded[code];
        if (rest.rfind("advance ", 0) != 0) {
            glyph.state = rest;
            continue;
        }
        glyph.state = "drawn";
        glyph.advance = std::atoi(rest.c_str() + 8);
        for (int y = 0; y < height && std::getline(lines, line); ++y) {
            glyph.rows.push_back(line);
        }
    }
    return decoded;
}

// The codes to ask for: the font's own and, around them and at the edges of the search
// ranges, codes it lacks.
inline std::vector<std::uint16_t> codesToAsk(const std::map<std::uint16_t, std::uint32_t>& own)
{
    std::set<std::uint16_t> codes;
    for (const auto& [code, index] : own) {
        codes.insert(code);
        codes.insert(static_cast<std::uint16_t>(code - 1));
        codes.insert(static_cast<std::uint16_t>(code + 1));
    }
    for (std::uint16_t edge : { 0x0000, 0x0040, 0x0041, 0x0060, 0x0061, 0x00FF, 0x0100, 0xFFFF }) {
        codes.insert(edge);
    }
    return { codes.begin(), codes.end() };
}

// The first glyph of each code: the one every target keeps.
inline std::map<std::uint16_t, std::uint32_t> firstGlyphOfEachCode(const FontLib& font)
{
    std::map<std::uint16_t, std::uint32_t> first;
    for (std::uint32_t i = 0; i < font.info.glyphCount; ++i) {
        const auto code
            = font.codeTable ? (*font.codeTable)[i] : static_cast<std::uint16_t>(i & 0xFFFF);
        first.emplace(code, i);
    }
    return first;
}

inline std::vector<std::string> cellPicture(const FontLib& font, std::uint32_t index)
{
    std::vector<std::string> rows;
    for (int y = 0; y < font.info.glyphHeight; ++y) {
        std::string row;
        for (int x = 0; x < font.info.glyphWidth; ++x) {
            row += font.pixel(index, x, y) ? '#' : '.';
        }
        rows.push_back(row);
    }
    return rows;
}

inline std::string sideBySide(
    const std::vector<std::string>& font, const std::vector<std::string>& decoded)
{
    std::string text = "font | decoded\n";
    for (std::size_t y = 0; y < std::max(font.size(), decoded.size()); ++y) {
        text += (y < font.size() ? font[y] : "") + " | " + (y < decoded.size() ? decoded[y] : "")
            + "\n";
    }
    return text;
}

// Empty when the decoded glyph is the font's; otherwise what differs.
inline std::string glyphDifference(const FontLib& font, std::uint32_t index, int advance,
    const std::optional<DecodedGlyph>& decoded)
{
    if (!decoded) {
        return "not printed";
    }
    if (decoded->state != "drawn") {
        return decoded->state;
    }
    const std::vector<std::string> expected = cellPicture(font, index);
    if (decoded->rows != expected) {
        return "pixels differ:\n" + sideBySide(expected, decoded->rows);
    }
    if (decoded->advance != advance) {
        return "advance " + std::to_string(decoded->advance) + " instead of "
            + std::to_string(advance);
    }
    return {};
}

// Builds and runs the check program on the exported font and compares every glyph, its
// pixels and its advance, with the font; codes the font lacks must be missing.
inline testing::AssertionResult decodesAsFont(
    const CheckProgram& program, const FontLib& font, const AdvanceRule& rule, int baseline)
{
    TempDir dir;
    std::string complaint;
    const std::optional<std::string> check = buildCheck(dir, program, complaint);
    if (!check) {
        return testing::AssertionFailure() << "the check does not compile: " << complaint;
    }
    const std::map<std::uint16_t, std::uint32_t> own = firstGlyphOfEachCode(font);
    std::string codes;
    for (std::uint16_t code : codesToAsk(own)) {
        codes += hexCode(code) + "\n";
    }
    writeText(dir.path("codes.txt"), codes);
    const std::string run = "timeout 60 " + shellQuoted(*check) + " "
        + std::to_string(font.info.glyphWidth) + " " + std::to_string(font.info.glyphHeight) + " "
        + std::to_string(baseline) + " <" + shellQuoted(dir.path("codes.txt")) + " >"
        + shellQuoted(dir.path("out.txt")) + " 2>&1";
    if (std::system(run.c_str()) != 0) {
        return testing::AssertionFailure() << "the check failed: " << readText(dir.path("out.txt"));
    }
    const auto decoded = parseDecoded(readText(dir.path("out.txt")), font.info.glyphHeight);
    const std::vector<GlyphMetric> metrics = glyphMetrics(font, rule);
    std::string faults;
    for (std::uint16_t code : codesToAsk(own)) {
        const auto printed = decoded.find(code);
        const auto glyph = own.find(code);
        std::string fault;
        if (glyph == own.end()) {
            fault = printed == decoded.end() || printed->second.state != "missing"
                ? "found, though the font lacks it"
                : "";
        } else {
            fault = glyphDifference(font, glyph->second, metrics[glyph->second].advance,
                printed == decoded.end() ? std::nullopt : std::optional(printed->second));
        }
        if (!fault.empty()) {
            faults += hexCode(code) + ": " + fault + "\n";
        }
    }
    if (!faults.empty()) {
        return testing::AssertionFailure() << faults;
    }
    return testing::AssertionSuccess();
}

} // namespace tessellon::test
