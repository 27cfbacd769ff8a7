#include "export/ExportHelpText.h"

namespace tessellon {

const std::vector<std::string>& exportHelpText()
{
    static const std::vector<std::string> lines {
        "This script language is subset of C language.Details refer to help.",
        "",
        "Here below is predefined macro:",
        "FONT_NUMBER     font number",
        "",
        "Here below are predefined functions:",
        "",
        "WRITE(formatstring,id...);",
        "    write format string into the final output file",
        "GETUNICODE(i);",
        "    get the No. i font's unicode",
        "PUTITEM(i);",
        "    write the No.i font's pixel text array into the final output file",
        "PUTITEMZIP(i);",
        "    write the No.i font's pixel text array(compressed format) into the final output file",
        "PUTITEMBIN(i);",
        "    write the No.i font's pixel binary array into the final output file",
        "PUTITEMZIPBIN(i);",
        "    write the No.i font's pixel binary array(compressed format)into the final output ",
        "file",
        "PUTITEMCOL(i);",
        "    write the No.i font's pixel text array(columns format) into the final output file",
        "PUTITEMCOLBIN(i);",
        "    write the No.i font's pixel binary array(columns format) into the final output file",
        "",
    };
    return lines;
}

} // namespace tessellon
