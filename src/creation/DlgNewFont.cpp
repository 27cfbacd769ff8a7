#include "creation/DlgNewFont.h"

#include "creation/CharSetFolder.h"
#include "creation/CharSetReader.h"
#include "creation/FontCoverage.h"
#include "creation/FontDescription.h"
#include "creation/NewFontLimits.h"
#include "creation/NewFontPreview.h"
#include "creation/PreviewLayout.h"
#include "creation/RangeList.h"
#include "creation/UnicodeRangeModel.h"
#include "document/ProgramFolders.h"
#include "gui/UserDialogs.h"

#include <QComboBox>
#include <QFile>
#include <QFocusEvent>
#include <QFontInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTimer>

#include <algorithm>

namespace tessellon {

namespace {

    const QString messageCaption = QStringLiteral("Tessellon");
    const QStringList glyphSideItems { "6", "8", "12", "16", "18", "20", "24", "32" };
    constexpr int gridColumnWidth = 96;
    constexpr int gridRowHeight = 16;
    constexpr int initialHeight = -16;

    QFont dialogFont(const QFont& base)
    {
        QFont font = base;
        font.setPixelSize(11);
        return font;
    }

    // The font the glyphs are drawn with until the user chooses another.
    QFont initialGlyphFont()
    {
        QFont font(QStringLiteral("Courier New"));
        font.setPixelSize(-initialHeight);
        return font;
    }

    // Minus the character height in pixels, as the descriptions give it.
    int heightOf(const QFont& font) { return -font.pixelSize(); }

    // What the font chooser tells apart: face, style and size in points.
    bool sameChoice(const QFont& a, const QFont& b)
    {
        return a.family() == b.family() && a.pointSize() == b.pointSize()
            && a.weight() == b.weight() && a.italic() == b.italic()
            && a.underline() == b.underline() && a.strikeOut() == b.strikeOut();
    }

    // The grid's cell editor hands every keystroke to the table, so that the range rows
    // keep their spare row while the user types.
    class KeystrokeDelegate final : public QStyledItemDelegate {
    public:
        using QStyledItemDelegate::QStyledItemDelegate;

        QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
            const QModelIndex& index) const override
        {
            QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
            if (auto* line = qobject_cast<QLineEdit*>(editor)) {
                auto* self = const_cast<KeystrokeDelegate*>(this);
                connect(line, &QLineEdit::textEdited, self,
                    [self, line] { emit self->commitData(line); });
            }
            return editor;
        }
    };

    bool leavesTheField(const QEvent* event)
    {
        if (event->type() != QEvent::FocusOut) {
            return false;
        }
        // The dialog losing the focus to another window, or the field to its own list, does
        // not leave the field.
        const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
        return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
    }

} // namespace

TDlgNewFont::TDlgNewFont(UserDialogs& dialogs, QWidget* parent)
    : QDialog(parent)
    , m_dialogs(dialogs)
    , m_dataFolder(programFolders().data)
    , m_preview(previewImageSide, previewImageSide, QImage::Format_RGB32)
{
    setObjectName("DlgNewFont");
    setWindowTitle("Create font");
    setFixedSize(clientWidth, clientHeight);
    setFont(dialogFont(font()));
    m_preview.fill(Qt::white);
    m_missingCount = new QTimer(this);
    m_missingCount->setSingleShot(true);
    m_missingCount->setInterval(0);
    connect(m_missingCount, &QTimer::timeout, this, &TDlgNewFont::countMissingCharacters);
    buildCharacterSetBox();
    buildPixelFontBox();
    buildFontBox();
    buildButtons();
    buildHintingRow();
    RadioFromtextClick();
}

TDlgNewFont::~TDlgNewFont()
{
    // QDialog's destructor hides the dialog after this one has run, which commits a range
    // cell still being edited: no slot of this dialog may run then.
    m_rangeModel->disconnect(this);
}

void TDlgNewFont::buildCharacterSetBox()
{
    auto* box = new QGroupBox("Character code set", this);
    box->setObjectName("GroupBox1");
    box->setGeometry(8, 8, 241, 358);

    m_radioFromText = new QRadioButton("From text file", box);
    m_radioFromText->setObjectName("RadioFromtext");
    m_radioFromText->setGeometry(12, 20, 217, 17);
    m_radioFromText->setChecked(true);
    m_lstFontText = new QListWidget(box);
    m_lstFontText->setObjectName("lstFontText");
    m_lstFontText->setGeometry(12, 40, 217, 120);

    m_radioFromCode = new QRadioButton("Unicode subset (Hex)", box);
    m_radioFromCode->setObjectName("RadioFromcode");
    m_radioFromCode->setGeometry(12, 168, 217, 17);
    m_rangeModel = new UnicodeRangeModel(this);
    m_gridUnicode = new QTableView(box);
    m_gridUnicode->setObjectName("gridUnicode");
    m_gridUnicode->setGeometry(12, 188, 217, 158);
    m_gridUnicode->setModel(m_rangeModel);
    m_gridUnicode->setItemDelegate(new KeystrokeDelegate(m_gridUnicode));
    m_gridUnicode->verticalHeader()->hide();
    m_gridUnicode->verticalHeader()->setMinimumSectionSize(gridRowHeight);
    m_gridUnicode->verticalHeader()->setDefaultSectionSize(gridRowHeight);
    m_gridUnicode->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_gridUnicode->horizontalHeader()->setDefaultSectionSize(gridColumnWidth);
    m_gridUnicode->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_gridUnicode->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_gridUnicode->setEditTriggers(QAbstractItemView::AllEditTriggers);
    m_gridUnicode->setSelectionMode(QAbstractItemView::SingleSelection);

    connect(m_radioFromText, &QRadioButton::toggled, this, &TDlgNewFont::RadioFromtextClick);
    connect(m_radioFromCode, &QRadioButton::toggled, this, &TDlgNewFont::RadioFromtextClick);
    connect(m_lstFontText, &QListWidget::currentRowChanged, this, &TDlgNewFont::updateMissingCount);
    connect(m_rangeModel, &QAbstractItemModel::dataChanged, this, &TDlgNewFont::updateMissingCount);
}

QComboBox* TDlgNewFont::addNumberField(QWidget* box, const char* name, const QString& label,
    int top, const QString& text, const QStringList& items)
{
    auto* caption = new QLabel(label, box);
    caption->setGeometry(12, top, 80, 14);
    auto* field = new QComboBox(box);
    field->setObjectName(name);
    field->setGeometry(12, top + 14, 80, 22);
    field->setEditable(true);
    field->setInsertPolicy(QComboBox::NoInsert);
    // Inline completion would turn a typed "1" into "12".
    field->setCompleter(nullptr);
    field->addItems(items);
    field->setCurrentText(text);
    caption->setBuddy(field);
    field->installEventFilter(this);
    return field;
}

void TDlgNewFont::buildPixelFontBox()
{
    auto* box = new QGroupBox("Pixel Font", this);
    box->setObjectName("GroupBox2");
    box->setGeometry(257, 8, 254, 176);
    m_txtWidth = addNumberField(box, "txtWidth", "Width:", 18, "16", glyphSideItems);
    m_txtHeight = addNumberField(box, "txtHeight", "Height:", 56, "16", glyphSideItems);
    m_txtOffsetX = addNumberField(box, "txtOffsetX", "offset x:", 94, "0", {});
    m_txtOffsetY = addNumberField(box, "txtOffsetY", "offset y:", 132, "0", {});

    m_imgPreview = new QLabel(box);
    m_imgPreview->setObjectName("imgPreview");
    m_imgPreview->setGeometry(105, 22, previewImageSide, previewImageSide);
    m_imgPreview->setPixmap(QPixmap::fromImage(m_preview));
}

void TDlgNewFont::buildFontBox()
{
    auto* box = new QGroupBox("TTF Font", this);
    box->setObjectName("GroupBox3");
    box->setGeometry(257, 190, 254, 136);

    m_cmdFont = new QPushButton("Font...", box);
    m_cmdFont->setObjectName("cmdFont");
    m_cmdFont->setGeometry(12, 20, 75, 25);
    m_cmdAutosize = new QPushButton("Auto size", box);
    m_cmdAutosize->setObjectName("cmdAutosize");
    m_cmdAutosize->setGeometry(95, 20, 75, 25);

    m_label1 = new QLabel(initialFontDescription, box);
    m_label1->setObjectName("Label1");
    m_label1->setGeometry(12, 50, 230, 28);
    m_label1->setWordWrap(true);

    auto* scrollBox = new QScrollArea(box);
    scrollBox->setObjectName("ScrollBox1");
    scrollBox->setGeometry(12, 80, 230, 48);
    scrollBox->setWidgetResizable(true);
    m_txtPreview = new QLineEdit(initialPreviewText);
    m_txtPreview->setObjectName("txtPreview");
    m_txtPreview->setFont(initialGlyphFont());
    scrollBox->setWidget(m_txtPreview);

    // Below the box, above the buttons.
    m_lblMissing = new QLabel(this);
    m_lblMissing->setObjectName("lblMissing");
    m_lblMissing->setGeometry(257, 326, 254, 12);

    connect(m_cmdFont, &QPushButton::clicked, this, &TDlgNewFont::cmdFontClick);
    connect(m_cmdAutosize, &QPushButton::clicked, this, &TDlgNewFont::cmdAutosizeClick);
}

void TDlgNewFont::buildButtons()
{
    const auto addButton = [this](const char* name, const QString& text, int left) {
        auto* button = new QPushButton(text, this);
        button->setObjectName(name);
        button->setGeometry(left, 338, 75, 25);
        button->setAutoDefault(false);
        return button;
    };
    m_okBtn = addButton("OKBtn", "OK", 274);
    m_okBtn->setDefault(true);
    m_cancelBtn = addButton("CancelBtn", "Cancel", 355);
    m_previewBtn = addButton("PreviewBtn", "Preview", 436);
    connect(m_okBtn, &QPushButton::clicked, this, &TDlgNewFont::OKBtnClick);
    connect(m_cancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_previewBtn, &QPushButton::clicked, this, &TDlgNewFont::DrawPreview);
}

void TDlgNewFont::buildHintingRow()
{
    auto* caption = new QLabel("Hinting:", this);
    caption->setGeometry(265, hintingRowTop + 4, 60, 14);
    m_cboHinting = new QComboBox(this);
    m_cboHinting->setObjectName("cboHinting");
    m_cboHinting->setGeometry(325, hintingRowTop, 186, 22);
    for (const HintingStyleInfo& style : hintingStyles) {
        m_cboHinting->addItem(style.name);
    }
    caption->setBuddy(m_cboHinting);
    connect(m_cboHinting, &QComboBox::currentIndexChanged, this, &TDlgNewFont::redrawPreview);
}

HintingStyle TDlgNewFont::hinting() const
{
    const auto chosen = static_cast<std::size_t>(std::max(0, m_cboHinting->currentIndex()));
    return chosen < hintingStyles.size() ? hintingStyles[chosen].style : HintingStyle::System;
}

void TDlgNewFont::setDataFolder(const std::filesystem::path& folder) { m_dataFolder = folder; }

NewFontTexts TDlgNewFont::numberTexts() const
{
    return { m_txtWidth->currentText().toStdString(), m_txtHeight->currentText().toStdString(),
        m_txtOffsetX->currentText().toStdString(), m_txtOffsetY->currentText().toStdString() };
}

QFont TDlgNewFont::glyphFont() const { return m_txtPreview->font(); }

std::optional<NewFontChoices> TDlgNewFont::choices() const
{
    const Result<NewFontNumbers> numbers = readNewFontNumbers(numberTexts());
    if (!numbers) {
        return std::nullopt;
    }
    const QFont font = glyphFont();
    NewFontChoices chosen { numbers->glyphWidth, numbers->glyphHeight, numbers->offsetX,
        numbers->offsetY, QFontInfo(font).family().toStdString(), font.pixelSize(), font.bold(),
        font.italic(), std::nullopt, {}, hinting() };
    const QListWidgetItem* item = m_lstFontText->currentItem();
    if (m_radioFromText->isChecked() && item) {
        chosen.charSetName = QFile::encodeName(item->text()).toStdString();
    } else {
        chosen.ranges = rangeListText(m_rangeModel->grid());
    }
    return chosen;
}

void TDlgNewFont::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    redrawPreview();
    FormActivate();
    updateMissingCount();
}

void TDlgNewFont::hideEvent(QHideEvent* event)
{
    m_missingCount->stop();
    QDialog::hideEvent(event);
}

bool TDlgNewFont::eventFilter(QObject* watched, QEvent* event)
{
    const bool numberField = watched == m_txtWidth || watched == m_txtHeight
        || watched == m_txtOffsetX || watched == m_txtOffsetY;
    if (numberField && leavesTheField(event)) {
        redrawPreview();
    }
    return QDialog::eventFilter(watched, event);
}

QComboBox* TDlgNewFont::numberField(NewFontField field) const
{
    switch (field) {
    case NewFontField::Width:
        return m_txtWidth;
    case NewFontField::Height:
        return m_txtHeight;
    case NewFontField::OffsetX:
        return m_txtOffsetX;
    case NewFontField::OffsetY:
        break;
    }
    return m_txtOffsetY;
}

void TDlgNewFont::FormActivate()
{
    m_lstFontText->clear();
    for (const std::string& name : listCharSetFiles(m_dataFolder)) {
        m_lstFontText->addItem(QFile::decodeName(name.c_str()));
    }
    const bool found = m_lstFontText->count() > 0;
    m_okBtn->setEnabled(found);
    if (found) {
        m_lstFontText->setCurrentRow(0);
    } else {
        m_dialogs.inform(this, messageCaption, noCharSetFilesMessage);
    }
}

void TDlgNewFont::RadioFromtextClick()
{
    m_lstFontText->setEnabled(m_radioFromText->isChecked());
    m_gridUnicode->setEnabled(m_radioFromCode->isChecked());
    updateMissingCount();
}

std::optional<std::vector<std::uint16_t>> TDlgNewFont::chosenCodes() const
{
    if (m_radioFromCode->isChecked()) {
        if (m_rangeModel->grid().codeCount() > maxCharSetGlyphs) {
            return std::nullopt;
        }
        return m_rangeModel->grid().codes();
    }
    const QListWidgetItem* chosen = m_lstFontText->currentItem();
    if (!chosen) {
        return std::nullopt;
    }
    auto codes = readCharSetCodes(
        charSetFilePath(m_dataFolder, QFile::encodeName(chosen->text()).toStdString()));
    return codes ? std::optional(std::move(*codes)) : std::nullopt;
}

void TDlgNewFont::updateMissingCount()
{
    if (isVisible()) {
        m_missingCount->start();
    }
}

void TDlgNewFont::countMissingCharacters()
{
    std::optional<MissingCharacters> missing;
    if (const auto codes = chosenCodes()) {
        if (auto found = findMissingCharacters(glyphFont(), *codes); found && !found->empty()) {
            missing = std::move(*found);
        }
    }
    m_lblMissing->setText(missing ? QString::fromStdString(missingCountText(*missing)) : QString());
    m_lblMissing->setToolTip(
        missing ? QString::fromStdString(missingCharactersText(*missing)) : QString());
}

void TDlgNewFont::cmdFontClick()
{
    // The chooser starts on the face Qt draws the glyphs with: given a family that is not
    // installed, it would start on a default face of its own.
    QFont start = glyphFont();
    start.setFamily(QFontInfo(start).family());
    start.setPointSize(std::max(1, pointsForHeight(heightOf(start), logicalDpiY())));
    const std::optional<QFont> chosen = m_dialogs.chooseFont(this, start);
    // The chooser speaks in whole points, which cannot hold every pixel height: a font given
    // back as it started leaves the glyphs' font as it is.
    if (!chosen || sameChoice(*chosen, start)) {
        return;
    }
    QFont font = *chosen;
    if (font.pixelSize() <= 0) {
        font.setPixelSize(std::max(1, -heightForPoints(font.pointSizeF(), logicalDpiY())));
    }
    useFont(font);
}

void TDlgNewFont::cmdAutosizeClick()
{
    const Result<int> height
        = readNewFontField(NewFontField::Height, m_txtHeight->currentText().toStdString());
    if (!height) {
        tellBadField(NewFontField::Height, height.message());
        return;
    }
    QFont font = m_txtPreview->font();
    font.setPixelSize(*height);
    useFont(font);
}

void TDlgNewFont::useFont(const QFont& font)
{
    const int height = heightOf(font);
    m_label1->setText(QString::fromStdString(fontDescription(
        font.family().toStdString(), pointsForHeight(height, logicalDpiY()), height)));
    m_txtPreview->setFont(font);
    updateMissingCount();
    DrawPreview();
}

bool TDlgNewFont::DrawPreview()
{
    const NewFontTexts texts = numberTexts();
    if (const std::optional<NewFontField> bad = badNewFontField(texts, previewFieldOrder)) {
        tellBadField(*bad, readNewFontNumbers(texts, previewFieldOrder).message());
        return false;
    }
    redrawPreview();
    return true;
}

void TDlgNewFont::redrawPreview()
{
    const Result<NewFontNumbers> numbers = readNewFontNumbers(numberTexts(), previewFieldOrder);
    if (!numbers) {
        return;
    }
    drawNewFontPreview(m_preview, glyphFont(), m_txtPreview->text(), *numbers, hinting());
    m_imgPreview->setPixmap(QPixmap::fromImage(m_preview));
}

void TDlgNewFont::OKBtnClick()
{
    if (numbersUsable() && setCharSetFileFromSource()) {
        accept();
    }
}

bool TDlgNewFont::numbersUsable()
{
    const NewFontTexts texts = numberTexts();
    const std::optional<NewFontField> bad = badNewFontField(texts);
    if (bad) {
        tellBadField(*bad, readNewFontNumbers(texts).message());
    }
    return !bad;
}

void TDlgNewFont::tellBadField(NewFontField field, const std::string& message)
{
    warn(message);
    QComboBox* shown = numberField(field);
    shown->setFocus(Qt::OtherFocusReason);
    shown->lineEdit()->selectAll();
}

bool TDlgNewFont::setCharSetFileFromSource()
{
    m_rangeFile.remove();
    if (m_radioFromText->isChecked()) {
        const QListWidgetItem* chosen = m_lstFontText->currentItem();
        if (!chosen) {
            warn("Choose a character-set file from the list.");
            return false;
        }
        m_charSetFile = QFile::decodeName(
            charSetFilePath(m_dataFolder, QFile::encodeName(chosen->text()).toStdString()).c_str());
        return true;
    }
    if (m_rangeModel->grid().codeCount() > maxCharSetGlyphs) {
        warn("The ranges give " + std::to_string(m_rangeModel->grid().codeCount())
            + " characters; at most " + std::to_string(maxCharSetGlyphs) + " are allowed.");
        return false;
    }
    Result<TemporaryCharSetFile> written
        = TemporaryCharSetFile::create(m_rangeModel->grid().codes());
    if (!written) {
        warn(written.message());
        return false;
    }
    m_rangeFile = std::move(*written);
    m_charSetFile = QFile::decodeName(m_rangeFile.path().c_str());
    return true;
}

void TDlgNewFont::warn(const std::string& message)
{
    m_dialogs.warn(this, messageCaption, QString::fromStdString(message));
}

} // namespace tessellon
