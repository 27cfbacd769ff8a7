#pragma once

#include "document/FontLib.h"
#include "document/PixReader.h"
#include "document/PixWriter.h"

#include <QByteArray>
#include <QFile>
#include <QString>

namespace tessellon::test {

// A font whose glyphs can be told apart: glyph i has the bits of i + 1 in its first row
// (leftmost pixel the lowest bit) and a pixel at (i mod width, height - 1). Codes are
// 0x41 + i.
inline FontLib numberedFont(int width, int height, std::uint32_t count, bool withCodes = true)
{
    FontLib font = FontLib::blank(width, height, count, withCodes);
    for (std::uint32_t i = 0; i < count; ++i) {
        for (int x = 0; x < width && x < 32; ++x) {
            if (((i + 1) >> x) & 1u) {
                font.setPixel(i, x, 0);
            }
        }
        font.setPixel(i, static_cast<int>(i % width), height - 1);
        if (withCodes) {
            (*font.codeTable)[i] = static_cast<std::uint16_t>(0x41 + i);
        }
    }
    return font;
}

inline std::string localPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

inline bool writeFont(const QString& path, const FontLib& font)
{
    return writePixFile(localPath(path), font).ok();
}

// The font in a .pix file; an empty font when it cannot be read.
inline FontLib readFont(const QString& path)
{
    Result<FontLib> read = readPixFile(localPath(path));
    return read ? std::move(read).value() : FontLib {};
}

inline bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace tessellon::test
