#pragma once

#include <QByteArray>

// Pictures for the Qt tests that claim sizes no one could hold: whole enough for Qt's readers
// to report the size, with hardly any pixel data behind it.
namespace tessellon::test {

inline QByteArray bigEndian32(quint32 value)
{
    return QByteArray(1, char(value >> 24)) + char(value >> 16) + char(value >> 8) + char(value);
}

inline quint32 pngCrc(const QByteArray& bytes)
{
    quint32 crc = 0xFFFFFFFFu;
    for (const char byte : bytes) {
        crc ^= static_cast<quint8>(byte);
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
    }
    return ~crc;
}

inline QByteArray pngChunk(const QByteArray& type, const QByteArray& data)
{
    return bigEndian32(quint32(data.size())) + type + data + bigEndian32(pngCrc(type + data));
}

// A PNG file of width x height RGB pixels, with one empty compressed block of data.
inline QByteArray pngClaiming(quint32 width, quint32 height)
{
    return QByteArray::fromHex("89504E470D0A1A0A")
        + pngChunk(
            "IHDR", bigEndian32(width) + bigEndian32(height) + QByteArray::fromHex("0802000000"))
        + pngChunk("IDAT", QByteArray::fromHex("789C030000000001")) + pngChunk("IEND", {});
}

// A GIF file of one width x height frame holding a single code.
inline QByteArray gifClaiming(quint16 width, quint16 height)
{
    const QByteArray size
        = QByteArray(1, char(width)) + char(width >> 8) + char(height) + char(height >> 8);
    return "GIF89a" + size + QByteArray::fromHex("000000") + QByteArray::fromHex("2C00000000")
        + size + QByteArray::fromHex("0002024401003B");
}

} // namespace tessellon::test
