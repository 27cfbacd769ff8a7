#include "creation/FontFaceLookup.h"
#include "creation/GlyphDrawing.h"

#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QSet>

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <memory>
#include <optional>

namespace tessellon {

namespace {

    struct PatternRelease {
        void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
    };
    struct FontSetRelease {
        void operator()(FcFontSet* set) const { FcFontSetDestroy(set); }
    };
    struct ObjectSetRelease {
        void operator()(FcObjectSet* set) const { FcObjectSetDestroy(set); }
    };
    using Pattern = std::unique_ptr<FcPattern, PatternRelease>;
    using FontSet = std::unique_ptr<FcFontSet, FontSetRelease>;

    const FcChar8* fcText(const QByteArray& text)
    {
        return reinterpret_cast<const FcChar8*>(text.constData());
    }

    std::optional<FontFaceFile> faceFileOf(const FcPattern* pattern)
    {
        FcChar8* file = nullptr;
        int index = 0;
        if (FcPatternGetString(pattern, FC_FILE, 0, &file) != FcResultMatch || file == nullptr) {
            return std::nullopt;
        }
        if (FcPatternGetInteger(pattern, FC_INDEX, 0, &index) != FcResultMatch) {
            index = 0;
        }
        return FontFaceFile { reinterpret_cast<const char*>(file), index };
    }

    QString familyOf(const FcPattern* pattern)
    {
        FcChar8* family = nullptr;
        if (FcPatternGetString(pattern, FC_FAMILY, 0, &family) != FcResultMatch) {
            return {};
        }
        return QString::fromUtf8(reinterpret_cast<const char*>(family));
    }

    // A pattern for a face of the family, the weight (on the OpenType scale that QFont
    // uses) and the slant asked for, completed by the configuration as for drawing.
    Pattern requestPattern(const QString& family, int weight, bool italic)
    {
        Pattern pattern(FcPatternCreate());
        FcPatternAddString(pattern.get(), FC_FAMILY, fcText(family.toUtf8()));
        FcPatternAddInteger(pattern.get(), FC_WEIGHT, FcWeightFromOpenType(weight));
        FcPatternAddInteger(pattern.get(), FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
        return pattern;
    }

    void substitute(FcPattern* pattern)
    {
        FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
    }

    // A family as Qt names it: "Nimbus Mono PS [UKWN]" when foundries share the name.
    struct FamilyName {
        QString family;
        QString foundry;
    };

    FamilyName splitFamilyName(const QString& name)
    {
        const qsizetype open = name.lastIndexOf(QStringLiteral(" ["));
        if (open <= 0 || !name.endsWith(']')) {
            return { name, {} };
        }
        return { name.left(open), name.mid(open + 2, name.size() - open - 3) };
    }

    // The installed face of the family and style that Qt drew from: Qt's font database
    // lists the faces that fontconfig lists, by family, foundry and style name. When none
    // has that style name, the face fontconfig matches best.
    std::optional<FontFaceFile> installedFace(
        const FamilyName& name, const QString& style, int weight, bool italic)
    {
        const QString& family = name.family;
        Pattern named(FcPatternCreate());
        FcPatternAddString(named.get(), FC_FAMILY, fcText(family.toUtf8()));
        FcPatternAddString(named.get(), FC_STYLE, fcText(style.toUtf8()));
        if (!name.foundry.isEmpty()) {
            FcPatternAddString(named.get(), FC_FOUNDRY, fcText(name.foundry.toUtf8()));
        }
        std::unique_ptr<FcObjectSet, ObjectSetRelease> objects(
            FcObjectSetBuild(FC_FILE, FC_INDEX, nullptr));
        const FontSet listed(FcFontList(nullptr, named.get(), objects.get()));
        if (listed && listed->nfont > 0) {
            if (auto face = faceFileOf(listed->fonts[0])) {
                return face;
            }
        }
        Pattern request = requestPattern(family, weight, italic);
        substitute(request.get());
        FcResult result = FcResultNoMatch;
        const Pattern match(FcFontMatch(nullptr, request.get(), &result));
        return match ? faceFileOf(match.get()) : std::nullopt;
    }

    // The face of a font file that Qt took for the family and style: of the faces of that
    // family, the one that is bold and italic as asked, or nearest; the first face when none
    // is of the family.
    Result<FontFaceFile> faceInFile(
        const QString& path, const QString& family, bool bold, bool italic)
    {
        const std::string file = QFile::encodeName(path).toStdString();
        FT_Library library = nullptr;
        if (FT_Init_FreeType(&library) != 0) {
            return failure("Cannot start FreeType to read the font file " + file + ".");
        }
        const QByteArray familyName = family.toUtf8();
        FontFaceFile best { file, 0 };
        int bestScore = -1;
        long faceCount = 1;
        for (long index = 0; index < faceCount; ++index) {
            FT_Face face = nullptr;
            if (FT_New_Face(library, file.c_str(), index, &face) != 0) {
                break;
            }
            faceCount = face->num_faces;
            if (face->family_name != nullptr && familyName == face->family_name) {
                const bool faceBold = (face->style_flags & FT_STYLE_FLAG_BOLD) != 0;
                const bool faceItalic = (face->style_flags & FT_STYLE_FLAG_ITALIC) != 0;
                const int score = 1 + (faceBold == bold ? 1 : 0) + (faceItalic == italic ? 1 : 0);
                if (score > bestScore) {
                    best.index = static_cast<int>(index);
                    bestScore = score;
                }
            }
            FT_Done_Face(face);
        }
        FT_Done_FreeType(library);
        return best;
    }

    // Whether the desktop hints this face at this size, and with which hinter: Qt asks
    // fontconfig for the face at the pixel size and follows its hint style and auto-hint
    // setting.
    void readSystemHinting(const QString& family, int pixelSize, FreeTypeDrawing& drawing)
    {
        Pattern pattern(FcPatternCreate());
        FcPatternAddString(pattern.get(), FC_FAMILY, fcText(family.toUtf8()));
        FcPatternAddString(
            pattern.get(), FC_FILE, fcText(QByteArray::fromStdString(drawing.face.path)));
        FcPatternAddInteger(pattern.get(), FC_INDEX, drawing.face.index);
        FcPatternAddDouble(pattern.get(), FC_PIXEL_SIZE, pixelSize);
        substitute(pattern.get());
        FcResult result = FcResultNoMatch;
        const Pattern match(FcFontMatch(nullptr, pattern.get(), &result));
        if (!match) {
            return;
        }
        int hintStyle = FC_HINT_FULL;
        if (FcPatternGetInteger(match.get(), FC_HINT_STYLE, 0, &hintStyle) == FcResultMatch) {
            drawing.systemHinting = hintStyle != FC_HINT_NONE;
        }
        FcBool autoHint = FcFalse;
        if (FcPatternGetBool(match.get(), FC_AUTOHINT, 0, &autoHint) == FcResultMatch) {
            drawing.systemAutoHint = autoHint != FcFalse;
        }
    }

    // The faces Qt falls back on, in its order: fontconfig's sort of every installed face
    // for the family, one face per family (the one nearest in weight and slant), leaving
    // out the families already drawn from.
    std::vector<FontFaceFile> fallbackFaces(
        const QString& asked, const QString& drawn, int weight, bool italic)
    {
        Pattern request = requestPattern(asked, weight, italic);
        substitute(request.get());
        FcResult result = FcResultNoMatch;
        const FontSet sorted(FcFontSort(nullptr, request.get(), FcFalse, nullptr, &result));
        std::vector<FontFaceFile> faces;
        if (!sorted) {
            return faces;
        }
        QSet<QString> seen { asked.toCaseFolded(), drawn.toCaseFolded() };
        for (int i = 0; i < sorted->nfont; ++i) {
            const QString family = familyOf(sorted->fonts[i]).toCaseFolded();
            if (family.isEmpty() || seen.contains(family)) {
                continue;
            }
            seen.insert(family);
            if (auto face = faceFileOf(sorted->fonts[i])) {
                faces.push_back(std::move(*face));
            }
        }
        return faces;
    }

    // The font as the System style draws it, whose metrics place the baseline.
    QFont sharpFont(const QFont& font)
    {
        QFont sharp(font);
        sharp.setStyleStrategy(
            static_cast<QFont::StyleStrategy>(sharp.styleStrategy() | QFont::NoAntialias));
        return sharp;
    }

} // namespace

Result<FreeTypeDrawing> freeTypeDrawingFor(const GlyphDrawingParams& params)
{
    const QFont font = sharpFont(params.font);
    const QFontInfo info(font);
    FreeTypeDrawing drawing;
    drawing.pixelSize = font.pixelSize() > 0 ? font.pixelSize() : info.pixelSize();
    drawing.weight = font.weight();
    drawing.italic = font.style() != QFont::StyleNormal;
    drawing.glyphWidth = params.glyphWidth;
    drawing.glyphHeight = params.glyphHeight;
    drawing.originX = params.offsetX;
    drawing.baseline = params.offsetY + QFontMetrics(font).ascent();
    drawing.hinting = params.hinting;
    const bool bold = drawing.weight >= QFont::Bold;
    const FamilyName name = splitFamilyName(info.family());
    if (!params.fontFile.isEmpty()) {
        const auto face = faceInFile(params.fontFile, name.family, bold, drawing.italic);
        if (!face) {
            return failure(face.message());
        }
        drawing.face = *face;
    } else if (auto face = installedFace(name, info.styleName(), drawing.weight, drawing.italic)) {
        drawing.face = std::move(*face);
    } else {
        return failure("Cannot find the file of the font " + name.family.toStdString() + ".");
    }
    readSystemHinting(name.family, drawing.pixelSize, drawing);
    drawing.fallbacks = fallbackFaces(
        splitFamilyName(font.family()).family, name.family, drawing.weight, drawing.italic);
    return drawing;
}

} // namespace tessellon
