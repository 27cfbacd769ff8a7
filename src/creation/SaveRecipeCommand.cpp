#include "creation/SaveRecipeCommand.h"

#include "creation/NewFontOrigin.h"
#include "document/SafeFileWriter.h"
#include "editor/MDIChild.h"
#include "editor/UserDialogs.h"

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
    const std::string text = newFontRecipeText(*choices, path);
    const Status written = writeFileSafely(
        path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
    if (!written) {
        m_context.dialogs.warn(
            child, QStringLiteral("Tessellon"), QString::fromStdString(written.message()));
    }
}

} // namespace tessellon
