#include "editor/ChildExchange.h"

#include "editor/ExchangeClipboard.h"
#include "editor/ExchangePicture.h"
#include "editor/GlyphExchange.h"
#include "editor/GlyphGrid.h"
#include "editor/MDIChild.h"
#include "editor/UserDialogs.h"

#include <QClipboard>
#include <QGuiApplication>

namespace tessellon {

namespace {

    const QString messageCaption = QStringLiteral("Tessellon");

} // namespace

ChildExchange::ChildExchange(TMDIChild& child, UserDialogs& dialogs)
    : m_child(child)
    , m_dialogs(dialogs)
{
}

bool ChildExchange::HasGlyphSelection() const
{
    return tessellon::HasGlyphSelection(m_child.gridFontLib().selectedCells());
}

bool ChildExchange::CopyGlyphs(const QString& fileName)
{
    const GridRect cells = m_child.gridFontLib().selectedCells();
    if (!tessellon::HasGlyphSelection(cells)) {
        return false;
    }
    const Result<QImage> picture = copyPicture(m_child.document().fontLib(), cells);
    if (!picture) {
        m_dialogs.warn(&m_child, messageCaption, QString::fromStdString(picture.message()));
        return true;
    }
    if (fileName.isEmpty()) {
        putPictureOnClipboard(*QGuiApplication::clipboard(), *picture);
        return true;
    }
    if (const Status written = writeExchangePicture(*picture, fileName); !written) {
        m_dialogs.warn(&m_child, messageCaption, QString::fromStdString(written.message()));
    }
    return true;
}

bool ChildExchange::PasteGlyphs(const QString& fileName)
{
    GlyphGrid& grid = m_child.gridFontLib();
    const GridRect cells = grid.selectedCells();
    if (!tessellon::HasGlyphSelection(cells)) {
        return false;
    }
    std::optional<Result<QImage>> picture;
    if (fileName.isEmpty()) {
        picture = clipboardPicture(*QGuiApplication::clipboard());
    } else {
        picture = readExchangePictureFile(fileName);
    }
    if (!picture) {
        return false;
    }
    if (!*picture) {
        tellCannotPaste(picture->message());
        return true;
    }
    const FontLib& font = m_child.document().fontLib();
    const TileBlock block = pasteBlockOf(font, cells, picture->value());
    const GlyphChange change = pasteChange(font, block, picture->value());
    if (!change.empty() && !m_child.changeGlyphs(change, "Paste")) {
        return true;
    }
    grid.selectCells(pastedCells(cells, block, gridRowCount(font.info.glyphCount)));
    return true;
}

void ChildExchange::tellCannotPaste(const std::string& why)
{
    m_dialogs.warn(&m_child, messageCaption, "Can not paste\n\n" + QString::fromStdString(why));
}

} // namespace tessellon
