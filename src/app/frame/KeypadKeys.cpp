#include "app/frame/KeypadKeys.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>

namespace {

const QString kKeypadPrefix = QStringLiteral("Num+");

bool TakesText(const QWidget* widget)
{
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QAbstractSpinBox*>(widget)
           || qobject_cast<const QTextEdit*>(widget) || qobject_cast<const QPlainTextEdit*>(widget);
}

}  // namespace

KeypadKeys::KeypadKeys(QWidget& keyWindow, std::function<void(CommandId)> runCommand)
    : QObject(&keyWindow), m_window(keyWindow), m_run(std::move(runCommand))
{
    qApp->installEventFilter(this);
}

std::optional<KeypadKeys::Key> KeypadKeys::Parse(const char* text)
{
    const QKeySequence sequence(QString::fromLatin1(text), QKeySequence::PortableText);
    if (sequence.count() != 1)
        return std::nullopt;
    const QKeyCombination combination = sequence[0];
    if (!(combination.keyboardModifiers() & Qt::KeypadModifier))
        return std::nullopt;
    return Key{combination.keyboardModifiers() & ~Qt::KeypadModifier, combination.key()};
}

QString KeypadKeys::MenuText(const char* text)
{
    QString shown = QString::fromLatin1(text);
    const qsizetype at = shown.indexOf(kKeypadPrefix);
    return at < 0 ? shown : shown.left(at) + QStringLiteral("Num ") + shown.mid(at + kKeypadPrefix.size());
}

void KeypadKeys::Add(const Key& key, CommandId id)
{
    m_keys.emplace_back(key, id);
}

bool KeypadKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* press = static_cast<QKeyEvent*>(event);
    const auto* target = qobject_cast<QWidget*>(watched);
    if (!(press->modifiers() & Qt::KeypadModifier) || !target || target->window() != &m_window
        || TakesText(QApplication::focusWidget()))
        return false;
    const Qt::KeyboardModifiers modifiers = press->modifiers() & ~Qt::KeypadModifier;
    for (const auto& [key, id] : m_keys) {
        if (key.key == press->key() && key.modifiers == modifiers) {
            m_run(id);
            return true;
        }
    }
    return false;
}
