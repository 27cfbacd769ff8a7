#include "shell/CommandBindings.h"

#include "gui/CommandContext.h"

#include <QAction>

#include <algorithm>

namespace tessellon {

namespace {

    class FunctionCommand final : public MainCommand {
    public:
        FunctionCommand(std::function<void()> execute, std::function<bool()> enabled)
            : m_execute(std::move(execute))
            , m_enabled(std::move(enabled))
        {
        }

        void Execute() override { m_execute(); }
        bool Update() const override { return !m_enabled || m_enabled(); }

    private:
        std::function<void()> m_execute;
        std::function<bool()> m_enabled;
    };

} // namespace

CommandBindings::CommandBindings() = default;

CommandBindings::~CommandBindings() = default;

void CommandBindings::bind(QAction* action, std::unique_ptr<MainCommand> command)
{
    MainCommand* bound = command.get();
    // The actions belong to the main window, which keeps these bindings as long as itself.
    QObject::connect(action, &QAction::triggered, action, [bound] { bound->Execute(); });
    m_bindings.push_back({ action, std::move(command) });
}

void CommandBindings::bind(
    QAction* action, std::function<void()> execute, std::function<bool()> enabled)
{
    bind(action, std::make_unique<FunctionCommand>(std::move(execute), std::move(enabled)));
}

void CommandBindings::disableUnbound(const QList<QAction*>& actions) const
{
    for (QAction* action : actions) {
        if (!isBound(action)) {
            action->setEnabled(false);
        }
    }
}

void CommandBindings::update() const
{
    for (const Binding& binding : m_bindings) {
        binding.action->setEnabled(binding.command->Update());
    }
}

bool CommandBindings::isBound(const QAction* action) const { return commandOf(action) != nullptr; }

MainCommand* CommandBindings::commandOf(const QAction* action) const
{
    const auto found = std::find_if(m_bindings.begin(), m_bindings.end(),
        [action](const Binding& binding) { return binding.action == action; });
    return found == m_bindings.end() ? nullptr : found->command.get();
}

} // namespace tessellon
