#include "creation/FontMaking.h"

#include "creation/CharSetReader.h"
#include "creation/GlyphBatches.h"
#include "creation/NewFontLimits.h"
#include "document/FontLib.h"

#include <algorithm>
#include <optional>
#include <system_error>
#include <thread>
#include <vector>

namespace tessellon {

namespace {

    // A batch holds up to 32 glyphs and up to 32 KiB of them: small enough that the threads
    // share out even a short character set, large enough that they meet rarely. Each thread
    // has enough batches to go on with for several milliseconds while the leader is not
    // scheduled (on a busy machine) or waits for an older batch.
    constexpr std::size_t maxBatchGlyphs = 32;
    constexpr std::size_t maxBatchBytes = 32 * 1024;
    constexpr std::size_t batchesPerThread = 16;

    // One drawing thread: its own glyph source, batch after batch until the ring closes;
    // after a stop request the rest of a batch is left undrawn (it is never handed over).
    void drawBatches(GlyphBatches& batches, const GlyphSourceOpener& openSource,
        const CreateFontRun& run, Status& opened)
    {
        auto source = openSource();
        if (!source) {
            opened = failure(source.message());
            batches.leave();
            return;
        }
        while (GlyphBatch* batch = batches.batchToDraw()) {
            for (std::size_t i = 0; i < batch->count && !run.stopRequested(); ++i) {
                const std::span<std::uint8_t> glyph = batch->glyph(i);
                std::fill(glyph.begin(), glyph.end(), std::uint8_t { 0 });
                (*source)->drawGlyph(batch->codes[i], glyph);
            }
            batches.markDrawn(*batch);
        }
        batches.leave();
    }

    // Fills the free batches with the next units of the set, up to unitsLeft of them.
    void fillBatches(CharSetReader& reader, GlyphBatches& batches, std::uint32_t& unitsLeft)
    {
        while (unitsLeft > 0) {
            GlyphBatch* batch = batches.freeBatch();
            if (!batch) {
                return;
            }
            while (batch->count < batch->codes.size() && unitsLeft > 0) {
                const std::optional<std::uint16_t> code = reader.next();
                if (!code) {
                    unitsLeft = 0;
                    break;
                }
                batch->codes[batch->count] = *code;
                batch->doneBytes[batch->count] = reader.position();
                ++batch->count;
                --unitsLeft;
            }
            if (batch->count > 0) {
                batches.publish();
            }
        }
    }

    // The leader's loop: keeps the batches filled and hands their glyphs over in order as
    // they are drawn. False after a stop request, or when no thread is left to draw.
    bool handOverBatches(
        CharSetReader& reader, GlyphBatches& batches, CreateFontRun& run, std::uint32_t glyphCount)
    {
        std::uint32_t unitsLeft = glyphCount;
        while (!run.stopRequested()) {
            fillBatches(reader, batches, unitsLeft);
            if (!batches.anyPublished()) {
                return true;
            }
            GlyphBatch* batch = batches.waitForDrawn();
            if (!batch) {
                return false;
            }
            for (std::size_t i = 0; i < batch->count; ++i) {
                if (!run.handOver(batch->codes[i], batch->glyph(i), batch->doneBytes[i])) {
                    return false;
                }
            }
            batches.takeBack();
        }
        return false;
    }

    // Starts up to count drawing threads; a thread the system refuses is a source that could
    // not be opened.
    std::vector<std::jthread> startDrawing(GlyphBatches& batches,
        const GlyphSourceOpener& openSource, const CreateFontRun& run, std::vector<Status>& opened)
    {
        std::vector<std::jthread> threads;
        for (Status& status : opened) {
            batches.join();
            try {
                threads.emplace_back(drawBatches, std::ref(batches), std::cref(openSource),
                    std::cref(run), std::ref(status));
            } catch (const std::system_error& error) {
                batches.leave();
                status = failure(std::string("Cannot start a drawing thread: ") + error.what());
            }
        }
        return threads;
    }

} // namespace

Result<OpenCharSet> openNewFontCharSet(const std::string& path, int glyphWidth, int glyphHeight)
{
    auto charSet = openCharSetFile(path);
    if (!charSet) {
        return charSet;
    }
    const Status size = checkNewFontSize(glyphWidth, glyphHeight, charSet->measure.glyphCount);
    if (!size) {
        return failure(size.message());
    }
    return charSet;
}

Result<NewFontArrays> claimNewFontArrays(std::span<std::uint8_t> pixelData,
    std::span<std::uint16_t> codeTable, std::uint32_t glyphCount, int glyphWidth, int glyphHeight)
{
    const Status size = checkNewFontSize(glyphWidth, glyphHeight, glyphCount);
    if (!size) {
        return failure(size.message());
    }
    const std::size_t glyphBytes = rowBytesFor(glyphWidth) * static_cast<std::size_t>(glyphHeight);
    if (pixelData.size() / glyphBytes < glyphCount || codeTable.size() < glyphCount) {
        return failure(
            "The font's arrays hold fewer than " + std::to_string(glyphCount) + " glyphs.");
    }
    NewFontArrays font { pixelData.first(glyphBytes * glyphCount), codeTable.first(glyphCount),
        glyphCount, glyphBytes };
    std::fill(font.pixelData.begin(), font.pixelData.end(), std::uint8_t { 0 });
    std::fill(font.codeTable.begin(), font.codeTable.end(), std::uint16_t { 0 });
    return font;
}

void drawCharSet(
    ByteSource& charSet, GlyphSource& glyphs, const NewFontArrays& font, CreateFontRun& run)
{
    CharSetReader reader(charSet);
    run.setFont(font);
    std::vector<std::uint8_t> glyph(font.glyphBytes, 0);
    for (std::uint32_t k = 0; k < font.glyphCount && !run.stopRequested(); ++k) {
        const std::optional<std::uint16_t> code = reader.next();
        if (!code) {
            break;
        }
        std::fill(glyph.begin(), glyph.end(), std::uint8_t { 0 });
        glyphs.drawGlyph(*code, glyph);
        if (!run.handOver(*code, glyph, reader.position())) {
            return;
        }
    }
    run.finishHandOvers();
}

unsigned drawingThreadCount() { return std::max(1u, std::thread::hardware_concurrency()); }

Status drawCharSetOnThreads(ByteSource& charSet, const GlyphSourceOpener& openSource,
    unsigned threadCount, const NewFontArrays& font, CreateFontRun& run)
{
    CharSetReader reader(charSet);
    run.setFont(font);
    threadCount = std::clamp(threadCount, 1u, maxDrawingThreads);
    const std::size_t glyphsPerBatch = std::clamp<std::size_t>(
        maxBatchBytes / std::max<std::size_t>(font.glyphBytes, 1), 1, maxBatchGlyphs);
    GlyphBatches batches(font.glyphBytes, glyphsPerBatch, batchesPerThread * threadCount);
    std::vector<Status> opened(threadCount);
    bool handedAll = false;
    {
        std::vector<std::jthread> threads = startDrawing(batches, openSource, run, opened);
        handedAll = handOverBatches(reader, batches, run, font.glyphCount);
        batches.close();
    }
    if (handedAll) {
        run.finishHandOvers();
        return {};
    }
    if (!run.stopRequested()) {
        for (Status& status : opened) {
            if (!status) {
                return status;
            }
        }
    }
    return {};
}

} // namespace tessellon
