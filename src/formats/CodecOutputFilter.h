#pragma once

namespace tessellon {

// Qt's picture codecs report the pictures they refuse on standard error: Qt's own warnings
// ("qt.gui.imageio: ...", "libpng warning: ...") through its message handler, and libpng's
// errors ("libpng error: Read Error") by printing them itself, past any handler. The
// readers' failures already say why a picture is refused, so while a filter lives what is
// written to standard error is held back, and at its end every line but those is passed on.
//
// Builds with sanitizers, whose reports of a fault in a codec must not be held back, filter
// nothing. Filters may nest; one is made at a time, by the thread that decodes pictures.
class CodecOutputFilter {
public:
    CodecOutputFilter();
    ~CodecOutputFilter();
    CodecOutputFilter(const CodecOutputFilter&) = delete;
    CodecOutputFilter& operator=(const CodecOutputFilter&) = delete;

private:
    int m_standardError = -1;
    int m_held = -1;
};

} // namespace tessellon
