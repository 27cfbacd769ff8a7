// Feeds arbitrary bytes to the scanner of source files, as C and as other text: what it
// finds are characters, ascending, each once, none of them a control character.
#include "document/Utf8.h"
#include "recipe/SourceCharacters.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tessellon;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (SourceScan scan : { SourceScan::Literals, SourceScan::WholeText }) {
        const auto found = scanSourceText(text, scan, "fuzz.c");
        if (!found) {
            continue;
        }
        char32_t previous = 0;
        for (char32_t code : *found) {
            if (!isUnicodeScalar(code) || code < 0x20 || code <= previous
                || (code >= 0x7F && code <= 0x9F)) {
                std::abort();
            }
            previous = code;
        }
    }
    return 0;
}
