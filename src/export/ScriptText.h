#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tessellon {

// Script text as the editor holds it: a list of lines. On reading, CR LF, LF and CR each
// end a line, and a line end at the very end of the text adds no empty line. Written
// out, the lines are joined with CR LF and no line end follows the last one.
std::vector<std::string> splitScriptLines(std::string_view text);
std::string joinScriptLines(const std::vector<std::string>& lines);

// The editor's text as the script machine gets it: the lines read from text, joined again.
std::string normalizeScriptText(std::string_view text);

} // namespace tessellon
