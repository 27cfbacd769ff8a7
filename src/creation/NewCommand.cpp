#include "creation/NewCommand.h"

#include "creation/DlgNewFont.h"
#include "creation/DlgProgress.h"
#include "creation/GlyphRenderer.h"
#include "creation/NewFontOrigin.h"
#include "creation/NewFontSetUp.h"
#include "creation/ProgressDrawing.h"
#include "editor/MDIChild.h"
#include "gui/UserDialogs.h"

#include <QFile>
#include <QPointer>

namespace tessellon {

namespace {

    const QString messageCaption = QStringLiteral("Tessellon");

    GlyphDrawingParams drawingParams(const NewFontNumbers& numbers, const TDlgNewFont& dialog)
    {
        return { dialog.glyphFont(), {}, numbers.glyphWidth, numbers.glyphHeight, numbers.offsetX,
            numbers.offsetY, dialog.hinting() };
    }

    // What the window gets when the set-up is refused: a font of no glyphs, of the size and
    // baseline asked for.
    FontLib emptyFont(const GlyphDrawingParams& params)
    {
        FontLib font = FontLib::blank(params.glyphWidth, params.glyphHeight, 0, true);
        font.baseline
            = GlyphRenderer::cellBaseline(params.font, params.glyphHeight, params.offsetY);
        return font;
    }

} // namespace

NewCommand::NewCommand(const CommandContext& context)
    : m_context(context)
{
}

NewCommand::~NewCommand() = default;

QString NewCommand::newFontName() const
{
    return "NONAME" + QString::number(m_context.windows.childWindows().size() + 1);
}

void NewCommand::Execute() { m_context.windows.OpenOrCreate(newFontName()); }

TDlgNewFont& NewCommand::dialog()
{
    if (!m_dialog) {
        m_dialog = std::make_unique<TDlgNewFont>(m_context.dialogs);
    }
    return *m_dialog;
}

TdlgProgress& NewCommand::progress()
{
    if (!m_progress) {
        m_progress = std::make_unique<TdlgProgress>();
    }
    return *m_progress;
}

bool NewCommand::makeFont(TMDIChild& window, const QString& name)
{
    window.setFileName(name);
    if (m_context.dialogs.runModal(dialog()) != QDialog::Accepted) {
        return false;
    }
    const Result<NewFontNumbers> numbers = readNewFontNumbers(dialog().numberTexts());
    if (!numbers) {
        m_context.dialogs.warn(&window, messageCaption, QString::fromStdString(numbers.message()));
        return true;
    }
    const QPointer<TMDIChild> making(&window);
    FontLib font = drawFont(window, drawingParams(*numbers, dialog()));
    if (!making) {
        return true; // closed while the font was being made
    }
    window.takeFont(std::move(font));
    if (const auto choices = dialog().choices()) {
        rememberNewFontChoices(window, *choices);
    }
    return true;
}

FontLib NewCommand::drawFont(TMDIChild& window, const GlyphDrawingParams& params)
{
    auto setUp = setUpNewFont(params, QFile::encodeName(dialog().CharSetFile()).toStdString());
    if (!setUp) {
        m_context.dialogs.warn(&window, messageCaption, QString::fromStdString(setUp.message()));
        return emptyFont(params);
    }
    const QPointer<TMDIChild> making(&window);
    const Status drawn = drawWithProgress(std::move(setUp->drawing), window, progress());
    if (making && !drawn) {
        m_context.dialogs.warn(&window, messageCaption, QString::fromStdString(drawn.message()));
    }
    return std::move(setUp->font);
}

} // namespace tessellon
