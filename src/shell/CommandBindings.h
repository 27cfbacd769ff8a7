#pragma once

#include <QList>

#include <functional>
#include <memory>
#include <vector>

class QAction;

namespace tessellon {

class MainCommand;

// Binds the main window's actions to what they do and keeps their enabled state current.
// An action bound to nothing stays disabled.
class CommandBindings {
public:
    CommandBindings();
    ~CommandBindings();
    CommandBindings(const CommandBindings&) = delete;
    CommandBindings& operator=(const CommandBindings&) = delete;

    void bind(QAction* action, std::unique_ptr<MainCommand> command);
    // A command of the main window's own: enabled always when enabled is empty.
    void bind(QAction* action, std::function<void()> execute, std::function<bool()> enabled = {});

    // Disables every one of actions that has no command bound.
    void disableUnbound(const QList<QAction*>& actions) const;
    // Sets every bound action's enabled state from its command.
    void update() const;
    // The command bound to action; null for none.
    MainCommand* commandOf(const QAction* action) const;

private:
    struct Binding {
        QAction* action;
        std::unique_ptr<MainCommand> command;
    };

    bool isBound(const QAction* action) const;

    std::vector<Binding> m_bindings;
};

} // namespace tessellon
