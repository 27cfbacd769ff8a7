#pragma once

#include <memory>
#include <string>
#include <vector>

class QGuiApplication;

namespace tessellon::cli {

// Qt Gui's fonts and picture codecs need a QGuiApplication. A scope makes one when there is
// none yet and removes it at its end; without a display (and without a platform chosen by
// the user) the offscreen platform serves.
class GuiApplicationScope {
public:
    GuiApplicationScope();
    ~GuiApplicationScope();
    GuiApplicationScope(const GuiApplicationScope&) = delete;
    GuiApplicationScope& operator=(const GuiApplicationScope&) = delete;

private:
    std::vector<std::string> m_arguments;
    std::vector<char*> m_argv;
    int m_argc = 0;
    std::unique_ptr<QGuiApplication> m_application;
};

} // namespace tessellon::cli
