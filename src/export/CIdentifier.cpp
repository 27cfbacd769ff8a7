#include "export/CIdentifier.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <string_view>

namespace tessellon {

namespace {

    constexpr std::array<std::string_view, 37> keywords { "auto", "break", "case", "char", "const",
        "continue", "default", "do", "double", "else", "enum", "extern", "float", "for", "goto",
        "if", "inline", "int", "long", "register", "restrict", "return", "short", "signed",
        "sizeof", "static", "struct", "switch", "typedef", "union", "unsigned", "void", "volatile",
        "while", "_Bool", "_Complex", "_Imaginary" };

    bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
    bool isDigit(char c) { return c >= '0' && c <= '9'; }

    bool isKeyword(std::string_view name)
    {
        return std::find(keywords.begin(), keywords.end(), name) != keywords.end();
    }

} // namespace

Status checkCIdentifier(const std::string& name)
{
    const std::string quoted = "'" + name + "'";
    if (name.empty()) {
        return failure("the font's C identifier is empty");
    }
    if (name.size() > maxIdentifierLength) {
        return failure(quoted.substr(0, 20) + "...' is too long for a C identifier here (at most "
            + std::to_string(maxIdentifierLength) + " characters)");
    }
    if (!isLetter(name.front()) || !std::all_of(name.begin(), name.end(), [](char c) {
            return isLetter(c) || isDigit(c);
        })) {
        return failure(quoted
            + " is not a C identifier: it must start with a letter or '_' and hold only letters, "
              "digits and '_'");
    }
    if (isKeyword(name)) {
        return failure(quoted + " is a keyword of C and cannot name the font");
    }
    return {};
}

std::string identifierForFile(const std::string& path)
{
    std::string name = std::filesystem::path(path).stem().string();
    for (char& c : name) {
        if (!isLetter(c) && !isDigit(c)) {
            c = '_';
        }
    }
    if (name.empty()) {
        return "font";
    }
    if (isDigit(name.front()) || isKeyword(name)) {
        name = "font_" + name;
    }
    if (name.size() > maxIdentifierLength) {
        name.resize(maxIdentifierLength);
    }
    return name;
}

} // namespace tessellon
