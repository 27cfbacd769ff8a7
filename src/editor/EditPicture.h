#pragma once

#include "editor/EditorState.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace tessellon {

// The pixel editor's picture and the glyph it belongs to, as an undo step keeps them.
struct EditPicture {
    std::vector<std::uint8_t> pixels;
    std::optional<std::uint32_t> glyph;

    bool operator==(const EditPicture&) const = default;

    static EditPicture of(const EditorState& editor)
    {
        return { editor.editBuffer, editor.editGlyph };
    }

    void putInto(EditorState& editor) const
    {
        editor.editBuffer = pixels;
        editor.editGlyph = glyph;
    }
};

} // namespace tessellon
