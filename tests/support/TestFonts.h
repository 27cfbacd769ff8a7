#pragma once

#include "FontBuilders.h"
#include "document/FontLib.h"
#include "document/PixReader.h"
#include "document/PixWriter.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <string>

// Helpers for the Qt tests: fonts and files named by QString paths.
namespace tessellon::test {

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

inline QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace tessellon::test
