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

// A PNG file of width x height RGB pixels of bitDepth bits a channel, with one empty
// compressed block of data.
inline QByteArray pngClaiming(quint32 width, quint32 height, char bitDepth = 8)
{
    return QByteArray::fromHex("89504E470D0A1A0A")
        + pngChunk("IHDR",
            bigEndian32(width) + bigEndian32(height) + bitDepth + QByteArray::fromHex("02000000"))
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

// The 54-byte header of a 24-bit BMP file of width x height pixels (a negative height: rows
// stored top down), without any pixel data.
inline QByteArray bmpClaiming(qint32 width, qint32 height)
{
    QByteArray header(54, '\0');
    const auto put = [&header](int at, quint32 value) {
        for (int i = 0; i < 4; ++i) {
            header[at + i] = char(value >> (8 * i));
        }
    };
    header[0] = 'B';
    header[1] = 'M';
    put(2, 54);
    put(10, 54);
    put(14, 40);
    put(18, quint32(width));
    put(22, quint32(height));
    header[26] = 1;
    header[28] = 24;
    return header;
}

// The same BMP file with its pixel rows stored top down, as a negative height says.
inline QByteArray topDownBmp(QByteArray bmp)
{
    const auto le32 = [&bmp](int at) {
        return quint32(quint8(bmp[at])) | quint32(quint8(bmp[at + 1])) << 8
            | quint32(quint8(bmp[at + 2])) << 16 | quint32(quint8(bmp[at + 3])) << 24;
    };
    const qsizetype start = le32(10);
    const quint32 height = le32(22);
    const qsizetype rowBytes = (le32(18) * quint8(bmp[28]) + 31) / 32 * 4;
    QByteArray rows;
    for (qsizetype row = height - 1; row >= 0; --row) {
        rows += bmp.mid(start + row * rowBytes, rowBytes);
    }
    const quint32 negative = 0u - height;
    for (int i = 0; i < 4; ++i) {
        bmp[22 + i] = char(negative >> (8 * i));
    }
    return bmp.left(start) + rows;
}

} // namespace tessellon::test
