#pragma once

#include "document/RgbImage.h"

#include <QString>

#include <array>

namespace tessellon {

// A display the text preview can show: width x height display pixels; 0 x 0 for the
// panel's own width, as tall as the text.
struct PreviewDisplay {
    const char* name;
    int width;
    int height;

    bool fitsPanel() const { return width == 0; }
};

inline constexpr std::array<PreviewDisplay, 6> previewDisplays { {
    { "128 x 64", 128, 64 },
    { "128 x 32", 128, 32 },
    { "160 x 128", 160, 128 },
    { "240 x 128", 240, 128 },
    { "320 x 240", 320, 240 },
    { "Panel width", 0, 0 },
} };

// Ink and background of a kind of monochrome display.
struct PreviewScheme {
    const char* name;
    Rgb ink;
    Rgb background;
};

inline constexpr std::array<PreviewScheme, 3> previewSchemes { {
    { "OLED: white on black", white, black },
    { "LCD: black on grey-green", black, Rgb { 0xa4, 0xb8, 0x8c } },
    { "Paper: black on white", black, white },
} };

inline constexpr int minPreviewScale = 1;
inline constexpr int maxPreviewScale = 8;

// What the user last chose in a text preview. The main window keeps one for the whole run:
// every font window starts its preview from it, so the choices carry over from window to
// window (nothing is kept beyond the run).
struct TextPreviewSettings {
    bool shown = false;
    QString text = "Hello, world! 0123456789";
    int display = 0;
    int scale = 2;
    int scheme = 0;
};

} // namespace tessellon
