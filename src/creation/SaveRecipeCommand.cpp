#include "creation/SaveRecipeCommand.h"

#include "creation/NewFontOrigin.h"
#include "document/SafeFileWriter.h"
#include "document/SameFile.h"
#include "editor/MDIChild.h"
#include "gui/UserDialogs.h"

#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <filesystem>
#include <span>

namespace tessellon {

namespace {

    std::string withRecipeExtension(std::string path)
    {
        if (!std::filesystem::path(path).has_extension()) {
            path += ".tfont";
        }
        return path;
    }

    // The window whose font is kept in the file at path: a recipe written there would
    // replace the font.
    const TMDIChild* windowKeepingFontIn(const ChildWindows& windows, const std::string& path)
    {
        for (const TMDIChild* window : windows.childWindows()) {
            if (isSameFile(QFile::encodeName(window->fileName()).toStdString(), path)) {
                return window;
            }
        }
        return nullptr;
    }

    // Why the recipe cannot be written at path; empty when it can.
    QString refusalToSaveAt(const ChildWindows& windows, const std::string& path)
    {
        const QString name = QFile::decodeName(path.c_str());
        if (std::filesystem::path(path).extension() != ".tfont") {
            return "Cannot save the recipe as " + name + ": a recipe's name ends in .tfont";
        }
        if (const TMDIChild* window = windowKeepingFontIn(windows, path)) {
            return "Cannot save the recipe as " + name + ": the window \"" + window->fileName()
                + "\" keeps its font in that file. Choose another name.";
        }
        return {};
    }

} // namespace

SaveRecipeCommand::SaveRecipeCommand(const CommandContext& context)
    : m_context(context)
{
}

bool SaveRecipeCommand::Update() const
{
    const TMDIChild* child = m_context.windows.activeChild();
    return child && newFontChoicesOf(*child);
}

QString SaveRecipeCommand::suggestedName(const QString& fileName)
{
    return QFileInfo(fileName).completeBaseName() + ".tfont";
}

void SaveRecipeCommand::Execute()
{
    TMDIChild* child = m_context.windows.activeChild();
    const auto choices = child ? newFontChoicesOf(*child) : std::nullopt;
    if (!choices) {
        return;
    }
    const QString chosen
        = m_context.dialogs.chooseFileToSave(child, recipeFilter, suggestedName(child->fileName()));
    if (chosen.isEmpty()) {
        return;
    }
    const std::string path = withRecipeExtension(QFile::encodeName(chosen).toStdString());
    if (const QString refusal = refusalToSaveAt(m_context.windows, path); !refusal.isEmpty()) {
        m_context.dialogs.warn(child, QStringLiteral("Tessellon"), refusal);
        return;
    }
    const std::string text = newFontRecipeText(*choices, path);
    const Status written = writeFileSafely(
        path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
    if (!written) {
        m_context.dialogs.warn(
            child, QStringLiteral("Tessellon"), QString::fromStdString(written.message()));
    }
}

} // namespace tessellon
