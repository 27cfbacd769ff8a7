#include "formats/BdfWriter.h"

#include "document/SafeFileWriter.h"

#include <charconv>
#include <cmath>
#include <concepts>
#include <cstdio>
#include <filesystem>

namespace tessellon {

namespace {

    // Pixel size and point size are one at this resolution.
    constexpr int resolution = 72;

    // BDF text as it is made, handed to a sink a block at a time; after the sink's first
    // failure the rest is dropped and that failure kept.
    class BdfText {
    public:
        explicit BdfText(const ByteSink& sink)
            : m_sink(sink)
        {
            m_text.reserve(blockSize + 4096);
        }

        BdfText& operator<<(std::string_view text)
        {
            m_text += text;
            return *this;
        }
        template <std::integral Number> BdfText& operator<<(Number number)
        {
            char digits[24];
            const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
            m_text.append(digits, end);
            return *this;
        }
        BdfText& operator<<(char c)
        {
            m_text += c;
            return *this;
        }

        void hexRow(std::span<const std::uint8_t> bytes)
        {
            static constexpr char digits[] = "0123456789ABCDEF";
            for (std::uint8_t byte : bytes) {
                m_text += digits[byte >> 4];
                m_text += digits[byte & 0x0F];
            }
            m_text += '\n';
        }

        // Hands the text made so far to the sink once a block of it is ready (or always, at
        // the end); false once the sink has failed.
        bool pass(bool atEnd = false)
        {
            if (!atEnd && m_text.size() < blockSize) {
                return m_status.ok();
            }
            if (m_status) {
                m_status = m_sink(
                    { reinterpret_cast<const std::uint8_t*>(m_text.data()), m_text.size() });
            }
            m_text.clear();
            return m_status.ok();
        }

        const Status& status() const { return m_status; }

    private:
        static constexpr std::size_t blockSize = 1 << 16;
        const ByteSink& m_sink;
        std::string m_text;
        Status m_status;
    };

    struct BdfMetrics {
        int width = 0;
        int height = 0;
        int ascent = 0;
        int descent = 0;
        bool withCodes = false;
    };

    std::string xlfdName(const std::string& family, const BdfMetrics& m)
    {
        const std::string size = std::to_string(m.height);
        return "-Tessellon-" + family + "-Medium-R-Normal--" + size + "-" + size + "0-"
            + std::to_string(resolution) + "-" + std::to_string(resolution) + "-C-"
            + std::to_string(m.width * 10) + (m.withCodes ? "-ISO10646-1" : "-FontSpecific-0");
    }

    void writeHeader(
        BdfText& out, const std::string& family, const BdfMetrics& m, std::uint32_t glyphCount)
    {
        out << "STARTFONT 2.1\nFONT " << xlfdName(family, m) << "\nSIZE " << m.height << ' '
            << resolution << ' ' << resolution << "\nFONTBOUNDINGBOX " << m.width << ' ' << m.height
            << " 0 " << -m.descent << "\nSTARTPROPERTIES 16\n"
            << "FOUNDRY \"Tessellon\"\nFAMILY_NAME \"" << family << "\"\n"
            << "WEIGHT_NAME \"Medium\"\nSLANT \"R\"\nSETWIDTH_NAME \"Normal\"\n"
            << "ADD_STYLE_NAME \"\"\nPIXEL_SIZE " << m.height << "\nPOINT_SIZE " << m.height * 10
            << "\nRESOLUTION_X " << resolution << "\nRESOLUTION_Y " << resolution
            << "\nSPACING \"C\"\nAVERAGE_WIDTH " << m.width * 10 << "\nCHARSET_REGISTRY \""
            << (m.withCodes ? "ISO10646" : "FontSpecific") << "\"\nCHARSET_ENCODING \""
            << (m.withCodes ? "1" : "0") << "\"\nFONT_ASCENT " << m.ascent << "\nFONT_DESCENT "
            << m.descent << "\nENDPROPERTIES\nCHARS " << glyphCount << '\n';
    }

    std::string glyphName(std::uint32_t index, std::int64_t encoding, bool withCodes)
    {
        char name[24];
        if (withCodes) {
            std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(encoding));
        } else {
            std::snprintf(name, sizeof name, "glyph%u", index);
        }
        return name;
    }

    void writeGlyphs(BdfText& out, const FontLib& font, const BdfMetrics& m)
    {
        const auto scalableWidth = std::lround(1000.0 * m.width / m.height);
        for (std::uint32_t i = 0; i < font.info.glyphCount && out.pass(); ++i) {
            const std::int64_t encoding = m.withCodes ? (*font.codeTable)[i] : std::int64_t { i };
            out << "STARTCHAR " << glyphName(i, encoding, m.withCodes) << "\nENCODING " << encoding
                << "\nSWIDTH " << scalableWidth << " 0\nDWIDTH " << m.width << " 0\nBBX " << m.width
                << ' ' << m.height << " 0 " << -m.descent << "\nBITMAP\n";
            const std::span<const std::uint8_t> glyph = font.glyph(i);
            for (int row = 0; row < m.height; ++row) {
                out.hexRow(glyph.subspan(row * font.rowBytes(), font.rowBytes()));
            }
            out << "ENDCHAR\n";
        }
        out << "ENDFONT\n";
    }

    bool fitsXlfd(char c)
    {
        return c >= 0x20 && c < 0x7F
            && std::string_view("-?*,\"").find(c) == std::string_view::npos;
    }

    Result<BdfMetrics> metricsFor(const FontLib& font, const FontFileOptions& options)
    {
        if (!font.isConsistent()) {
            return failure("the font's arrays do not match its size");
        }
        // A BDF of no glyphs is one that no reader takes, this program's included.
        if (font.info.glyphCount == 0) {
            return failure("the font has no glyphs to write");
        }
        BdfMetrics m { font.info.glyphWidth, font.info.glyphHeight, 0, 0,
            font.codeTable.has_value() };
        m.ascent = options.ascent.value_or(font.baselineOrDefault());
        if (m.ascent < 0 || m.ascent > m.height) {
            return failure("an ascent of " + std::to_string(m.ascent) + " rows does not fit glyphs "
                + std::to_string(m.height) + " rows high (it must be 0 to "
                + std::to_string(m.height) + ")");
        }
        m.descent = m.height - m.ascent;
        return m;
    }

    Status writeBdfText(
        const FontLib& font, const std::string& family, const BdfMetrics& m, const ByteSink& sink)
    {
        BdfText out(sink);
        writeHeader(out, family, m, font.info.glyphCount);
        writeGlyphs(out, font, m);
        out.pass(true);
        return out.status();
    }

} // namespace

Result<std::string> formatBdf(
    const FontLib& font, const std::string& family, const FontFileOptions& options)
{
    const Result<BdfMetrics> metrics = metricsFor(font, options);
    if (!metrics) {
        return failure(metrics.message());
    }
    std::string text;
    const ByteSink toText = [&text](std::span<const std::uint8_t> bytes) {
        text.append(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        return Status();
    };
    if (Status made = writeBdfText(font, family, *metrics, toText); !made) {
        return failure(made.message());
    }
    return text;
}

std::string bdfFamilyFor(const std::string& path)
{
    std::string family = std::filesystem::path(path).stem().string();
    for (char& c : family) {
        if (!fitsXlfd(c)) {
            c = '_';
        }
    }
    return family.empty() ? "Tessellon" : family;
}

std::string withBdfExtension(const std::string& chosenName)
{
    return lowerCaseExtension(chosenName) == ".bdf" ? chosenName : chosenName + ".bdf";
}

Status writeBdfFile(const std::string& path, const FontLib& font, const FontFileOptions& options)
{
    const Result<BdfMetrics> metrics = metricsFor(font, options);
    if (!metrics) {
        return failure("Cannot save " + path + ": " + metrics.message());
    }
    const std::string family = bdfFamilyFor(path);
    return writeFileSafely(
        path, [&](const ByteSink& sink) { return writeBdfText(font, family, *metrics, sink); },
        options.stop);
}

} // namespace tessellon
