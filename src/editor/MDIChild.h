#pragma once

#include "document/FontDocument.h"
#include "document/GlyphHistory.h"
#include "editor/EditorState.h"
#include "editor/GlyphTransform.h"

#include <QMdiSubWindow>

#include <functional>
#include <memory>
#include <vector>

class QAction;
class QScrollArea;
class QSplitter;

namespace tessellon {

class CreateFontRun;
class EditBufferBar;
class FontHistory;
class GlyphGrid;
class PenToolBar;
class PixelEditor;
class TextPreviewPanel;
class UserDialogs;
struct TextPreviewSettings;

// A child window of the main window: one font, its grid of glyphs and the pixel editor.
// The window owns the font and all of its editing state.
class TMDIChild final : public QMdiSubWindow {
    Q_OBJECT
public:
    static constexpr int initialWidth = 552;
    static constexpr int initialHeight = 419;
    static constexpr int initialPanelLeftWidth = 193;
    // The window that shows the font file of a path, if any; the main window knows.
    using WindowShowingFile = std::function<TMDIChild*(const QString& path)>;

    explicit TMDIChild(UserDialogs& dialogs, QWidget* parent = nullptr);
    ~TMDIChild() override;

    FontDocument& document() { return m_document; }
    const FontDocument& document() const { return m_document; }
    // The pixel editor's picture, its pen and zoom.
    EditorState& editorState() { return m_editorState; }
    const EditorState& editorState() const { return m_editorState; }
    QString fileName() const;
    // The window's caption is the name, with "*" after it while the font has changes that
    // are not saved.
    void setFileName(const QString& name);
    // A font without a file of its own yet, so that Save asks for one: a new font, named
    // NONAME followed by a number, or an imported one, named after the file it came from
    // with .pix (the name the save dialog suggests). Saving under a name ends it.
    void setUntitledName(const QString& name);
    bool isUntitled() const;

    // Reads a font file into this fresh window; false, after telling the user why, when it
    // cannot be read or is not a usable font. The caller closes the window then.
    bool LoadFontLib(const QString& path);
    // The run of the rasteriser while it makes this window's font (New, Open Recipe), so
    // that closing the window stops it; null when it has ended.
    void followMaking(std::shared_ptr<CreateFontRun> run) { m_making = std::move(run); }
    // While a font is being made: stops the rasteriser and waits until it has ended.
    // Nothing otherwise.
    void stopMaking();
    bool isMakingFont() const { return m_making != nullptr; }
    // Puts a whole font, read or made, in place in this fresh window: sets up the editor and
    // the grid for it and shows it. A font made or imported counts as modified until it is
    // saved, one read from its file does not; the caller sets the name.
    void takeFont(FontLib font, FontOrigin origin = FontOrigin::madeOrImported);
    // Every command that changes glyphs of the font in place (paste, transforms, import of
    // glyphs) goes through here, as one undoable step named stepName ("Paste"). False, after
    // telling the user why, when the change does not fit the font; nothing changes then.
    bool changeGlyphs(const GlyphChange& change, const QString& stepName);
    // The font's undo history, the pixel editor's strokes included.
    FontHistory& history() { return *m_history; }
    void undo();
    void redo();

    // Transforms the pixel editor's picture when the editor has the focus, otherwise every
    // selected glyph, as one step.
    void transform(GlyphTransform transform);
    bool canTransform() const;
    bool editorHasFocus() const;

    // Zooms the pixel editor, or scales the grid, steps levels in (out when negative).
    void zoomEditor(int steps);
    bool canZoomEditor(int steps) const;
    void scaleGrid(int steps);
    bool canScaleGrid(int steps) const;

    // The text preview under the grid starts from, and keeps its choices in, settings.
    void useTextPreviewSettings(TextPreviewSettings& settings);
    void showTextPreview(bool shown);
    // Writes the font; asks for a name first when saveAs is set or the font is untitled.
    // False when the user cancelled, the name is that of a font open in another window, or
    // the file could not be written (the user is told why).
    bool SaveFontLib(bool saveAs);
    // Brings the window to the front and asks whether to save unsaved changes; false means
    // the window must stay open.
    bool QuerySave();
    // Makes this the window that keys go to: the active one, its grid holding the focus.
    void focusGrid();

    void setWindowShowingFile(WindowShowingFile find);
    // The Save As dialog's filter.
    static QString saveFilter();

    void SetupGrid();
    void SetupEditor(int width, int height);

    void gridFontLibClick();
    void gridFontLibDblClick();
    void spdUpdateClick();
    void spdColorBlackClick();

    // The main window's Copy and Paste, offered by the grid's context menu.
    void setContextActions(QAction* copy, QAction* paste);

    int panelLeftWidth() const;
    GlyphGrid& gridFontLib() { return *m_grid; }
    PixelEditor& imgEdit() { return *m_editor; }
    PenToolBar& CoolBar1() { return *m_toolBar; }
    EditBufferBar& editBufferBar() { return *m_bufferBar; }
    TextPreviewPanel& textPreview() { return *m_preview; }

signals:
    // Text for one of the main window's status panels (1 position, 2 code, 3 index).
    void statusText(int panel, const QString& text);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildLayout();
    QWidget* buildPanelLeft();
    void connectHandlers();
    void connectEditingKeys();
    void pictureStroked(const std::vector<std::uint8_t>& before);
    void transformPicture(GlyphTransform transform);
    void pictureRestored();
    void refreshBufferBar();
    void setPanelLeftWidth(int width);
    // The glyph the editor commands act on: the top-left selected cell; -1 for none.
    std::int64_t selectedGlyph() const;
    // Every glyph of the selected cells, in index order.
    std::vector<std::uint32_t> selectedGlyphs() const;
    void showGridMenu(const QPoint& at);
    void tellWhyNotRead(const Result<FontLib>& read);
    QString suggestedSaveName() const;
    const TMDIChild* otherWindowShowing(const QString& path) const;
    void bringToFront();
    UserDialogs& m_dialogs;
    FontDocument m_document;
    EditorState m_editorState { m_document };
    FontHistory* m_history;
    FontDocument::ListenerId m_glyphsListener = 0;
    QSplitter* m_splitter = nullptr;
    QSplitter* m_gridSplitter = nullptr;
    QWidget* m_panelLeft = nullptr;
    PenToolBar* m_toolBar = nullptr;
    EditBufferBar* m_bufferBar = nullptr;
    QScrollArea* m_scrollBox = nullptr;
    PixelEditor* m_editor = nullptr;
    GlyphGrid* m_grid = nullptr;
    TextPreviewPanel* m_preview = nullptr;
    bool m_previewSized = false;
    QAction* m_copyAction = nullptr;
    QAction* m_pasteAction = nullptr;
    WindowShowingFile m_windowShowingFile;
    bool m_untitled = false;
    // The run of the rasteriser while it makes this window's font.
    std::shared_ptr<CreateFontRun> m_making;
};

} // namespace tessellon
