#include "kit/HelpKey.h"

#include "kit/HelpRequests.h"

#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

namespace {

// Sees the key presses that reach the window, those its controls leave
// to it included.
class HelpKeyFilter : public QObject {
public:
    HelpKeyFilter(QWidget& window, std::uint32_t helpId) : QObject(&window), m_contextId(helpId) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier)
            return false;
        HelpRequests::Submit({m_contextId, 0, false});
        return true;
    }

private:
    std::uint32_t m_contextId;
};

}  // namespace

void InstallHelpKey(QWidget& window, std::uint32_t contextId)
{
    window.installEventFilter(new HelpKeyFilter(window, contextId));
}
