#include "document/FontLibInfo.h"

#include "document/LittleEndian.h"

namespace tessellon {

std::array<std::uint8_t, FontLibInfo::encodedSize> FontLibInfo::encode() const
{
    std::array<std::uint8_t, encodedSize> bytes {};
    writeLe32(&bytes[0], glyphCount);
    writeLe16(&bytes[4], codeTableFlag);
    writeLe16(&bytes[6], reserved);
    writeLe16(&bytes[8], glyphWidth);
    writeLe16(&bytes[10], glyphHeight);
    return bytes;
}

FontLibInfo FontLibInfo::decode(const std::uint8_t* bytes)
{
    FontLibInfo info;
    info.glyphCount = readLe32(bytes);
    info.codeTableFlag = readLe16(bytes + 4);
    info.reserved = readLe16(bytes + 6);
    info.glyphWidth = readLe16(bytes + 8);
    info.glyphHeight = readLe16(bytes + 10);
    return info;
}

} // namespace tessellon
