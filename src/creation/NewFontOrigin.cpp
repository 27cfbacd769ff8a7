#include "creation/NewFontOrigin.h"

#include <QObject>

namespace tessellon {

namespace {

    constexpr const char* originName = "NewFontOrigin";

    class NewFontOrigin final : public QObject {
    public:
        NewFontOrigin(QObject& window, const NewFontChoices& choices)
            : QObject(&window)
            , m_choices(choices)
        {
            setObjectName(originName);
        }

        const NewFontChoices& choices() const { return m_choices; }

    private:
        NewFontChoices m_choices;
    };

    NewFontOrigin* originOf(const QObject& window)
    {
        // Not qobject_cast: the class has no meta-object of its own.
        for (QObject* child : window.children()) {
            if (child->objectName() == QLatin1String(originName)) {
                return static_cast<NewFontOrigin*>(child);
            }
        }
        return nullptr;
    }

} // namespace

void rememberNewFontChoices(QObject& window, const NewFontChoices& choices)
{
    delete originOf(window);
    new NewFontOrigin(window, choices);
}

std::optional<NewFontChoices> newFontChoicesOf(const QObject& window)
{
    const NewFontOrigin* origin = originOf(window);
    return origin ? std::optional(origin->choices()) : std::nullopt;
}

} // namespace tessellon
