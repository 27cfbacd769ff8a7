#include "cli/GuiApplicationScope.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

namespace tessellon::cli {

namespace {

    bool hasDisplay()
    {
        const char* display = std::getenv("DISPLAY");
        const char* wayland = std::getenv("WAYLAND_DISPLAY");
        return (display && *display) || (wayland && *wayland);
    }

    // Qt's own messages go to standard error as usual, but for the note that a headless
    // session has no runtime folder, which says nothing about the work in hand.
    void filterQtMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        if (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"))) {
            return;
        }
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
    }

} // namespace

GuiApplicationScope::GuiApplicationScope()
{
    if (QCoreApplication::instance()) {
        return;
    }
    qInstallMessageHandler(filterQtMessages);
    m_arguments = { "tessellon-cli" };
    if (!hasDisplay() && !std::getenv("QT_QPA_PLATFORM")) {
        m_arguments.insert(m_arguments.end(), { "-platform", "offscreen" });
    }
    for (auto& argument : m_arguments) {
        m_argv.push_back(argument.data());
    }
    m_argv.push_back(nullptr);
    m_argc = static_cast<int>(m_arguments.size());
    m_application = std::make_unique<QGuiApplication>(m_argc, m_argv.data());
}

GuiApplicationScope::~GuiApplicationScope()
{
    if (m_application) {
        m_application.reset();
        qInstallMessageHandler(nullptr);
    }
}

} // namespace tessellon::cli
