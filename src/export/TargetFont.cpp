#include "export/TargetFont.h"

#include "export/CIdentifier.h"
#include "export/ExportTarget.h"

namespace tessellon {

namespace {

    Status settleChoices(const FontLib& font, ExportChoices& choices, const std::string& outputPath)
    {
        if (choices.name.empty()) {
            choices.name = identifierForFile(outputPath);
        }
        if (Status name = checkCIdentifier(choices.name); !name) {
            return name;
        }
        if (choices.baseline) {
            return checkBaseline(*choices.baseline, font.info.glyphHeight);
        }
        return {};
    }

} // namespace

std::uint32_t TargetFont::runEnd(std::size_t run) const
{
    return run + 1 < runStarts.size() ? runStarts[run + 1]
                                      : static_cast<std::uint32_t>(order.size());
}

InkBox TargetFont::ink(std::uint32_t glyph) const
{
    if (glyph < metrics.size() && metrics[glyph].ink) {
        return *metrics[glyph].ink;
    }
    return InkBox { 0, baseline, 0, 0 };
}

int TargetFont::advance(std::uint32_t glyph) const
{
    return glyph < metrics.size() ? metrics[glyph].advance : spaceAdvance;
}

Result<TargetFont> prepareTargetFont(const FontLib& font, const ExportTarget& target,
    ExportChoices choices, const std::string& outputPath)
{
    if (!font.isConsistent()) {
        return failure("the font's arrays do not match its size");
    }
    if (Status settled = settleChoices(font, choices, outputPath); !settled) {
        return failure(settled.message());
    }
    TargetFont prepared;
    prepared.font = &font;
    prepared.target = &target;
    prepared.baseline = choices.baseline.value_or(font.baselineOrDefault());
    prepared.layout = target.layout ? target.layout(choices) : 0;
    prepared.spaceAdvance = choices.advance.proportional
        ? choices.advance.spaceWidth.value_or(defaultSpaceWidth(font.info.glyphHeight))
        : font.info.glyphWidth;
    prepared.choices = std::move(choices);
    prepared.metrics = glyphMetrics(font, prepared.choices.advance);
    prepared.order = codeOrder(font, target.keepsCodeZero);
    prepared.runStarts = codeRuns(prepared.order.codes, target.runs);
    if (prepared.order.size() == 0) {
        return failure("the font has no glyphs for " + std::string(target.title) + " to hold");
    }
    if (target.check) {
        if (Status held = target.check(prepared); !held) {
            return failure(held.message());
        }
    }
    if (target.encoder) {
        Result<EncodedFont> encoded = target.encoder(prepared);
        if (!encoded) {
            return failure(encoded.message());
        }
        prepared.encoded = std::move(encoded).value();
    }
    return prepared;
}

} // namespace tessellon
