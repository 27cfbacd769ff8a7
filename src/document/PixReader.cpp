#include "document/PixReader.h"

#include "document/LittleEndian.h"
#include "document/PixFormat.h"

#include <algorithm>
#include <array>
#include <bit>
#include <optional>

namespace tessellon {

namespace {

    Failure damaged(const std::string& detail)
    {
        return failure("The font pixel file is damaged: " + detail + ".");
    }

    bool fitsInFile(std::uint64_t offset, std::uint64_t length, std::uint64_t fileSize)
    {
        return offset <= fileSize && length <= fileSize - offset;
    }

    std::string sectionPastEnd(
        const char* section, std::uint64_t offset, std::uint64_t length, std::uint64_t fileSize)
    {
        return std::string(section) + " (" + std::to_string(length) + " bytes at offset "
            + std::to_string(offset) + ") does not fit in the file of " + std::to_string(fileSize)
            + " bytes";
    }

    bool readCodeTable(ByteSource& source, std::uint64_t offset, std::vector<std::uint16_t>& codes)
    {
        auto bytes = std::as_writable_bytes(std::span(codes));
        std::span<std::uint8_t> raw(reinterpret_cast<std::uint8_t*>(bytes.data()), bytes.size());
        if (!source.readAt(offset, raw)) {
            return false;
        }
        if constexpr (std::endian::native != std::endian::little) {
            for (std::size_t i = 0; i < codes.size(); ++i) {
                codes[i] = readLe16(raw.data() + 2 * i);
            }
        }
        return true;
    }

    // The baseline the header's reserved field carries, if it carries one that fits the cell.
    std::optional<int> baselineOf(const std::uint8_t* field, int glyphHeight)
    {
        if (field[0] != pix::baselineTag0 || field[1] != pix::baselineTag1) {
            return std::nullopt;
        }
        const int rows = readLe16(field + 2);
        return rows <= glyphHeight ? std::optional(rows) : std::nullopt;
    }

} // namespace

Result<FontLib> readPixFile(const std::string& path)
{
    auto source = openFileForReading(path);
    if (!source) {
        return failure(source.message());
    }
    return readPix(**source);
}

Result<FontLib> readPix(ByteSource& source)
{
    const std::uint64_t fileSize = source.size();
    std::array<std::uint8_t, pix::sectionsOffset> head {};
    const auto available = static_cast<std::size_t>(std::min<std::uint64_t>(fileSize, head.size()));
    if (!source.readAt(0, std::span(head).first(available))) {
        return damaged("its header could not be read");
    }
    if (available < 2 || head[0] != pix::magic0 || head[1] != pix::magic1) {
        return failure(pix::notFontPixelFileMessage, FailureKind::NotThisFormat);
    }
    if (available < head.size()) {
        return damaged("it ends inside its header (" + std::to_string(fileSize) + " of "
            + std::to_string(pix::sectionsOffset) + " bytes)");
    }

    const std::uint32_t codeTableOffset = readLe32(&head[8]);
    const std::uint32_t pixelDataOffset = readLe32(&head[12]);
    FontLib font;
    font.info = FontLibInfo::decode(&head[pix::infoOffset]);
    const FontLibInfo& info = font.info;
    font.baseline = baselineOf(&head[pix::baselineOffset], info.glyphHeight);

    if (!isSupportedGlyphSize(info.glyphWidth, info.glyphHeight)) {
        return failure("The font pixel file holds glyphs of " + std::to_string(info.glyphWidth)
            + " x " + std::to_string(info.glyphHeight) + " pixels; width and height must be "
            + std::to_string(minGlyphSide) + " to " + std::to_string(maxGlyphSide) + ".");
    }

    const std::uint64_t codeBytes = 2ull * info.glyphCount;
    const bool hasCodes = info.codeTableFlag == 1;
    if (hasCodes && !fitsInFile(codeTableOffset, codeBytes, fileSize)) {
        return damaged(sectionPastEnd("the code table", codeTableOffset, codeBytes, fileSize));
    }
    const std::uint64_t pixelBytes
        = static_cast<std::uint64_t>(font.glyphBytes()) * info.glyphCount;
    if (!fitsInFile(pixelDataOffset, pixelBytes, fileSize)) {
        return damaged(sectionPastEnd("the pixel data", pixelDataOffset, pixelBytes, fileSize));
    }

    if (hasCodes) {
        font.codeTable.emplace(info.glyphCount);
        if (!readCodeTable(source, codeTableOffset, *font.codeTable)) {
            return damaged("the code table could not be read");
        }
    }
    font.pixelData.resize(pixelBytes);
    if (!source.readAt(pixelDataOffset, font.pixelData)) {
        return damaged("the pixel data could not be read");
    }
    return font;
}

} // namespace tessellon
