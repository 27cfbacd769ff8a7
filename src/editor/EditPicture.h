#pragma once

#include "document/FontDocument.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace tessellon {

// The pixel editor's picture and the glyph it belongs to, as an undo step keeps them.
struct EditPicture {
    std::vector<std::uint8_t> pixels;
    std::optional<std::uint32_t> glyph;

    bool operator==(const EditPicture&) const = default;

    static EditPicture of(const FontDocument& document)
    {
        return { document.editBuffer, document.editGlyph };
    }

    void putInto(FontDocument& document) const
    {
        document.editBuffer = pixels;
        document.editGlyph = glyph;
    }
};

} // namespace tessellon
