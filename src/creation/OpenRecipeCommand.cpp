#include "creation/OpenRecipeCommand.h"

#include "creation/DlgProgress.h"
#include "creation/ProgressDrawing.h"
#include "creation/SaveRecipeCommand.h"
#include "document/ProgramFolders.h"
#include "editor/MDIChild.h"
#include "gui/UserDialogs.h"
#include "recipe/RecipeFontMaking.h"
#include "recipe/RecipeParser.h"

#include <QFile>
#include <QFileInfo>
#include <QPointer>

#include <filesystem>

namespace tessellon {

namespace {

    const QString messageCaption = QStringLiteral("Tessellon");

    QString fromPath(const std::filesystem::path& path)
    {
        return QFile::decodeName(QByteArray::fromStdString(path.string()));
    }

    std::string joinedLines(const std::vector<std::string>& lines)
    {
        std::string text;
        for (const std::string& line : lines) {
            text += (text.empty() ? "" : "\n") + line;
        }
        return text;
    }

} // namespace

OpenRecipeCommand::OpenRecipeCommand(const CommandContext& context)
    : m_context(context)
{
}

OpenRecipeCommand::~OpenRecipeCommand() = default;

TdlgProgress& OpenRecipeCommand::progress()
{
    if (!m_progress) {
        m_progress = std::make_unique<TdlgProgress>();
    }
    return *m_progress;
}

void OpenRecipeCommand::Execute()
{
    QWidget* frame = m_context.windows.frameWindow();
    const QString path = m_context.dialogs.chooseFileToOpen(frame, SaveRecipeCommand::recipeFilter);
    if (!path.isEmpty()) {
        openRecipe(path);
    }
}

OpenRecipeCommand::WindowName OpenRecipeCommand::windowNameOf(const Recipe& recipe)
{
    if (recipe.overlay && std::filesystem::path(recipe.overlay->path).extension() == ".pix") {
        return { fromPath(recipe.overlay->path), false };
    }
    std::filesystem::path name = recipe.folder / std::filesystem::path(recipe.path).filename();
    return { fromPath(name.replace_extension(".pix")), true };
}

TMDIChild* OpenRecipeCommand::openRecipe(const QString& path)
{
    const auto recipe
        = readRecipeFile(QFile::encodeName(path).toStdString(), { programFolders().data, {} });
    if (!recipe) {
        tell(m_context.windows.frameWindow(), recipe.message());
        return nullptr;
    }
    return makeFontIn(*recipe);
}

bool OpenRecipeCommand::isShown(const QString& path) const
{
    const QString wanted = QFileInfo(path).canonicalFilePath();
    for (const TMDIChild* child : m_context.windows.childWindows()) {
        if (!child->isUntitled() && QFileInfo(child->fileName()).canonicalFilePath() == wanted) {
            return true;
        }
    }
    return false;
}

TMDIChild* OpenRecipeCommand::openWindowFor(const Recipe& recipe)
{
    const WindowName name = windowNameOf(recipe);
    TMDIChild* child = m_context.windows.addChildWindow(name.name);
    // Two windows on one file would overwrite each other's saves.
    if (name.untitled || isShown(name.name)) {
        child->setUntitledName(name.name);
    } else {
        child->setFileName(name.name);
    }
    return child;
}

NewFontDrawer OpenRecipeCommand::drawerFor(TMDIChild& child, bool& cancelled)
{
    return [this, &child, &cancelled](NewFontDrawing& drawing) {
        const Status drawn = drawWithProgress(std::move(drawing), child, progress());
        cancelled = !progress().workerFinished();
        return drawn;
    };
}

TMDIChild* OpenRecipeCommand::makeFontIn(const Recipe& recipe)
{
    const QPointer<TMDIChild> child = openWindowFor(recipe);
    bool cancelled = false;
    std::vector<std::string> warnings = recipe.warnings;
    auto made = makeRecipeFont(recipe, recipe.strict, drawerFor(*child, cancelled), warnings);
    if (!child) {
        return nullptr; // closed while the font was being made
    }
    if (!made || cancelled) {
        // The empty window goes before the message, which would otherwise stand in front of it.
        child->close();
        if (!made) {
            tell(m_context.windows.frameWindow(), made.message());
        }
        return nullptr;
    }
    child->takeFont(std::move(made->font));
    if (!warnings.empty()) {
        m_context.dialogs.inform(
            child, messageCaption, QString::fromStdString(joinedLines(warnings)));
    }
    child->focusGrid();
    return child;
}

void OpenRecipeCommand::tell(QWidget* owner, const std::string& message) const
{
    m_context.dialogs.warn(owner, messageCaption, QString::fromStdString(message));
}

} // namespace tessellon
