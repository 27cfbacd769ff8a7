#include "creation/FaceFont.h"

#include "creation/CharSetFolder.h"
#include "creation/CharSetReader.h"
#include "creation/FontCoverage.h"
#include "creation/NewFontLimits.h"
#include "creation/RangeList.h"
#include "document/ByteSource.h"
#include "document/ProgramFolders.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <span>

namespace tessellon {

namespace {

    namespace fs = std::filesystem;

    // Font files are read whole; none of the largest real ones comes near this.
    constexpr std::uint64_t maxFontFileBytes = 256ull << 20;

    bool looksLikeFontFile(const std::string& given)
    {
        std::string suffix = fs::path(given).extension().string();
        std::transform(suffix.begin(), suffix.end(), suffix.begin(),
            [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        static const std::array suffixes { ".ttf", ".otf", ".ttc", ".otc", ".pfb", ".pfa" };
        return given.find('/') != std::string::npos
            || std::find(suffixes.begin(), suffixes.end(), suffix) != suffixes.end();
    }

    // The family to draw with, and the font file it was loaded from when one was given.
    struct FontChoice {
        QString family;
        QString file;
    };

    Result<QString> familyOfFontFile(const std::string& path)
    {
        const auto bytes = readWholeFile<QByteArray>(path, maxFontFileBytes, "a font file");
        if (!bytes) {
            return failure(bytes.message());
        }
        const int id = QFontDatabase::addApplicationFontFromData(*bytes);
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (id < 0 || families.isEmpty()) {
            return failure("Cannot load font file " + path + ": not a font Qt can read");
        }
        return families.first();
    }

    // A family name, or the family of the font file given by path.
    Result<FontChoice> resolveFamily(const std::string& given)
    {
        std::error_code error;
        if (fs::exists(given, error) || looksLikeFontFile(given)) {
            auto family = familyOfFontFile(given);
            if (!family) {
                return failure(family.message());
            }
            return FontChoice { *family, QFile::decodeName(QByteArray::fromStdString(given)) };
        }
        return FontChoice { QString::fromStdString(given), {} };
    }

    QFont fontFor(const FaceFontRequest& request, const QString& family)
    {
        QFont font(family);
        font.setPixelSize(request.pixelSize);
        font.setWeight(request.bold ? QFont::Bold : QFont::Normal);
        font.setItalic(request.italic);
        return font;
    }

    Result<FaceCharSet> temporaryCharSet(
        const FaceFontRequest& request, std::span<const std::uint16_t> codes)
    {
        const Status size = checkNewFontSize(request.width, request.height, codes.size());
        if (!size) {
            return failure(size.message());
        }
        auto temporary = TemporaryCharSetFile::create(codes);
        if (!temporary) {
            return failure(temporary.message());
        }
        std::string path = temporary->path();
        return FaceCharSet { std::move(path), std::move(*temporary) };
    }

    // The characters of the set that the face lacks; an error with --strict.
    Result<FaceCoverage> checkCoverage(const GlyphDrawingPlan& plan, const std::string& charSetPath,
        const FaceFontRequest& request)
    {
        const auto codes = readCharSetCodes(charSetPath);
        if (!codes) {
            return failure(codes.message());
        }
        auto coverage = findMissingCharacters(plan, *codes);
        if (coverage && request.strict && !coverage->missing.empty()) {
            return failure(
                missingCharactersText(coverage->missing) + "; nothing was written (--strict)");
        }
        return coverage;
    }

    // A family asked for by name that no installed family has: fontconfig quietly draws
    // another, which the user is told of, or refused with --strict.
    Result<std::optional<std::string>> checkFamilyInstalled(
        const FaceFontRequest& request, const GlyphDrawingParams& params)
    {
        const QString asked = QString::fromStdString(request.font);
        if (!params.fontFile.isEmpty()
            || QFontDatabase::families().contains(asked, Qt::CaseInsensitive)) {
            return std::optional<std::string>();
        }
        const std::string text = "no installed font family is named " + request.font
            + ": the glyphs are drawn with " + QFontInfo(params.font).family().toStdString();
        if (request.strict) {
            return failure(text + "; nothing was written (--strict)");
        }
        return std::optional(text);
    }

} // namespace

Result<FaceCharSet> chooseFaceCharSet(
    const FaceFontRequest& request, std::vector<std::string>& warnings)
{
    if (request.codes) {
        return temporaryCharSet(request, *request.codes);
    }
    if (request.charSetFile) {
        return FaceCharSet { findCharSetFile(*request.charSetFile, {}, programFolders().data), {} };
    }
    const auto ranges = parseRangeList(*request.ranges);
    if (!ranges) {
        return failure(ranges.message());
    }
    warnings.insert(warnings.end(), ranges->warnings.begin(), ranges->warnings.end());
    if (const Status size = checkNewFontSize(request.width, request.height, ranges->codeCount);
        !size) {
        return failure(size.message());
    }
    return temporaryCharSet(request, ranges->codes());
}

Result<GlyphDrawingParams> faceDrawingParams(const FaceFontRequest& request)
{
    const auto family = resolveFamily(request.font);
    if (!family) {
        return failure(family.message());
    }
    return GlyphDrawingParams { fontFor(request, family->family), family->file, request.width,
        request.height, request.offsetX, request.offsetY, request.hinting };
}

Result<FaceFont> makeFaceFont(
    const FaceFontRequest& request, const std::string& charSetPath, const NewFontDrawer& draw)
{
    const auto params = faceDrawingParams(request);
    if (!params) {
        return failure(params.message());
    }
    const auto substitution = checkFamilyInstalled(request, *params);
    if (!substitution) {
        return failure(substitution.message());
    }
    auto setUp = setUpNewFont(*params, charSetPath);
    if (!setUp) {
        return failure(setUp.message());
    }
    auto coverage = checkCoverage(setUp->drawing.plan, charSetPath, request);
    if (!coverage) {
        return failure(coverage.message());
    }
    FaceFont made { std::move(setUp->font), QFontInfo(params->font).family().toStdString(),
        coverage->face, coverage->missing, *substitution };
    if (request.baseline) {
        made.font.baseline = request.baseline;
    }
    if (const Status drawn = draw(setUp->drawing); !drawn) {
        return failure(drawn.message());
    }
    return made;
}

} // namespace tessellon
