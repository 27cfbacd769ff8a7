#pragma once

#include "creation/HintingStyle.h"
#include "creation/NewFontNumbers.h"
#include "creation/TemporaryCharSetFile.h"
#include "recipe/NewFontRecipe.h"

#include <QDialog>
#include <QFont>
#include <QImage>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTableView;
class QTimer;

namespace tessellon {

class UnicodeRangeModel;
class UserDialogs;

// The new-font dialog ("Create font"): one object for the whole run, shown modally for
// every new font and hidden, not destroyed, when it closes, so it keeps what the user left
// in it. It gathers the character set, the four numbers, the font the glyphs are drawn
// with and how they are hinted, and shows how characters will sit in their glyphs. It
// checks none of the numbers for its caller: after OK the caller reads them (numberTexts)
// and converts them.
class TDlgNewFont final : public QDialog {
    Q_OBJECT
public:
    static constexpr int clientWidth = 519;
    // The hinting list takes a row of its own below the other controls.
    static constexpr int hintingRowTop = 374;
    static constexpr int clientHeight = hintingRowTop + 30;
    static constexpr const char* initialPreviewText = "Preview 1234";

    explicit TDlgNewFont(UserDialogs& dialogs, QWidget* parent = nullptr);
    ~TDlgNewFont() override;

    // The folder whose "txt" folder holds the character-set files: the program's data
    // folder unless set otherwise.
    void setDataFolder(const std::filesystem::path& folder);

    // What the caller reads after OK: the texts of the four number fields, the font the
    // glyphs are drawn with (txtPreview's) and the path of the character-set file.
    NewFontTexts numberTexts() const;
    QFont glyphFont() const;
    const QString& CharSetFile() const { return m_charSetFile; }
    // How the glyphs are fitted to the pixels: the style chosen in the hinting list.
    HintingStyle hinting() const;

    // What the dialog holds, as a recipe keeps it; nothing while a number cannot be used.
    std::optional<NewFontChoices> choices() const;

    // The preview as last drawn.
    const QImage& previewImage() const { return m_preview; }

    QRadioButton& RadioFromtext() { return *m_radioFromText; }
    QListWidget& lstFontText() { return *m_lstFontText; }
    QRadioButton& RadioFromcode() { return *m_radioFromCode; }
    QTableView& gridUnicode() { return *m_gridUnicode; }
    QComboBox& txtWidth() { return *m_txtWidth; }
    QComboBox& txtHeight() { return *m_txtHeight; }
    QComboBox& txtOffsetX() { return *m_txtOffsetX; }
    QComboBox& txtOffsetY() { return *m_txtOffsetY; }
    QLabel& imgPreview() { return *m_imgPreview; }
    QPushButton& cmdFont() { return *m_cmdFont; }
    QPushButton& cmdAutosize() { return *m_cmdAutosize; }
    QLabel& Label1() { return *m_label1; }
    QLineEdit& txtPreview() { return *m_txtPreview; }
    QPushButton& OKBtn() { return *m_okBtn; }
    QPushButton& CancelBtn() { return *m_cancelBtn; }
    QPushButton& PreviewBtn() { return *m_previewBtn; }
    // How many of the chosen characters the glyphs' font lacks ("3 characters not in
    // DejaVu Sans", the codes in its tool tip); empty when it has them all.
    QLabel& lblMissing() { return *m_lblMissing; }
    // The hinting styles, in hintingStyles' order; the preview follows the choice.
    QComboBox& cboHinting() { return *m_cboHinting; }

    // Rebuilds the list of character-set files and selects the first; without any, says so
    // and disables OK until a rebuild finds some.
    void FormActivate();
    // lstFontText is enabled exactly when "From text file" is checked, gridUnicode exactly
    // when "Unicode subset (Hex)" is.
    void RadioFromtextClick();
    // The font chooser, started on the glyphs' font as Qt resolved it; a font chosen, other
    // than the one it started on, becomes the glyphs' font.
    void cmdFontClick();
    void cmdAutosizeClick();
    // Draws the preview from the four number fields; false, after telling the user which
    // field is wrong and putting the focus there, with the preview left as it was.
    bool DrawPreview();
    // Counts again the chosen characters the glyphs' font lacks, at the next pass of the
    // event loop: once for any number of changes made before it (a user's keystrokes, a
    // paste), and not at all while the dialog is hidden.
    void updateMissingCount();
    // Checks the four numbers, sets CharSetFile from the chosen source and ends the dialog
    // with OK; stays open, after telling the user why, when a number cannot be used (the
    // focus goes to its field) or there is no file to make the font from.
    void OKBtnClick();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildCharacterSetBox();
    void buildPixelFontBox();
    void buildFontBox();
    void buildButtons();
    void buildHintingRow();
    QComboBox* addNumberField(QWidget* box, const char* name, const QString& label, int top,
        const QString& text, const QStringList& items);
    // The font chosen in the chooser (or auto-sized) becomes the glyphs' font.
    void useFont(const QFont& font);
    // Draws the preview when the numbers allow it, silently otherwise: the dialog being
    // shown and the focus moving between fields are no moments for a message.
    void redrawPreview();
    void countMissingCharacters();
    bool numbersUsable();
    void tellBadField(NewFontField field, const std::string& message);
    QComboBox* numberField(NewFontField field) const;
    bool setCharSetFileFromSource();
    // The codes of the chosen character set or ranges; nothing when they cannot be read.
    std::optional<std::vector<std::uint16_t>> chosenCodes() const;
    void warn(const std::string& message);

    UserDialogs& m_dialogs;
    std::filesystem::path m_dataFolder;
    // Owned by the dialog as a child object, so it outlives the grid that shows it.
    UnicodeRangeModel* m_rangeModel = nullptr;
    QImage m_preview;
    QString m_charSetFile;
    TemporaryCharSetFile m_rangeFile;

    QRadioButton* m_radioFromText = nullptr;
    QListWidget* m_lstFontText = nullptr;
    QRadioButton* m_radioFromCode = nullptr;
    QTableView* m_gridUnicode = nullptr;
    QComboBox* m_txtWidth = nullptr;
    QComboBox* m_txtHeight = nullptr;
    QComboBox* m_txtOffsetX = nullptr;
    QComboBox* m_txtOffsetY = nullptr;
    QLabel* m_imgPreview = nullptr;
    QPushButton* m_cmdFont = nullptr;
    QPushButton* m_cmdAutosize = nullptr;
    QLabel* m_label1 = nullptr;
    QLineEdit* m_txtPreview = nullptr;
    QPushButton* m_okBtn = nullptr;
    QPushButton* m_cancelBtn = nullptr;
    QPushButton* m_previewBtn = nullptr;
    QLabel* m_lblMissing = nullptr;
    QTimer* m_missingCount = nullptr;
    QComboBox* m_cboHinting = nullptr;
};

} // namespace tessellon
