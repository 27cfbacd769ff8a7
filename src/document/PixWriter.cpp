#include "document/PixWriter.h"

#include "document/LittleEndian.h"
#include "document/PixFormat.h"
#include "document/SafeFileWriter.h"

#include <algorithm>
#include <array>
#include <bit>
#include <optional>

namespace tessellon {

namespace {

    void writeBaseline(std::uint8_t* field, std::optional<int> baseline)
    {
        if (!baseline) {
            writeLe32(field, 0);
            return;
        }
        field[0] = pix::baselineTag0;
        field[1] = pix::baselineTag1;
        writeLe16(field + 2, static_cast<std::uint16_t>(*baseline));
    }

    std::array<std::uint8_t, pix::sectionsOffset> encodeHeadAndInfo(
        const FontLibInfo& info, std::optional<int> baseline)
    {
        const bool hasCodes = info.codeTableFlag == 1;
        std::array<std::uint8_t, pix::sectionsOffset> bytes {};
        bytes[0] = pix::magic0;
        bytes[1] = pix::magic1;
        writeLe16(&bytes[2], pix::version);
        writeBaseline(&bytes[pix::baselineOffset], baseline);
        writeLe32(&bytes[8], hasCodes ? pix::sectionsOffset : 0);
        writeLe32(&bytes[12], pix::sectionsOffset + (hasCodes ? 2 * info.glyphCount : 0));
        const auto encodedInfo = info.encode();
        std::copy(encodedInfo.begin(), encodedInfo.end(), bytes.begin() + pix::infoOffset);
        return bytes;
    }

    Status writeCodeTable(SafeFileWriter& writer, const std::vector<std::uint16_t>& codes)
    {
        if constexpr (std::endian::native == std::endian::little) {
            auto bytes = std::as_bytes(std::span(codes));
            return writer.write(
                { reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size() });
        } else {
            std::vector<std::uint8_t> bytes(2 * codes.size());
            for (std::size_t i = 0; i < codes.size(); ++i) {
                writeLe16(&bytes[2 * i], codes[i]);
            }
            return writer.write(bytes);
        }
    }

} // namespace

FontLibInfo infoForSaving(const FontLib& font)
{
    FontLibInfo info = font.info;
    info.codeTableFlag = font.codeTable ? 1 : 0;
    info.reserved = 0;
    return info;
}

Status writePixFile(const std::string& path, const FontLib& font, std::stop_token stop)
{
    if (!font.isConsistent()) {
        return failure("Cannot save " + path + ": the font's arrays do not match its size");
    }
    SafeFileWriter writer(path, std::move(stop));
    Status written = writer.open();
    if (written) {
        written = writer.write(encodeHeadAndInfo(infoForSaving(font), font.baseline));
    }
    if (written && font.codeTable) {
        written = writeCodeTable(writer, *font.codeTable);
    }
    if (written) {
        written = writer.write(font.pixelData);
    }
    if (written) {
        written = writer.commit();
    }
    return written;
}

} // namespace tessellon
