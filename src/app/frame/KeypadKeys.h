#pragma once

#include "Ids.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

class QWidget;

// Commands on keys of the numeric keypad, written "Num++" or "Ctrl+Num+-"
// in the command table. Qt's shortcut map does not match keypad keys under
// X11, so the window watches its own key presses for them instead; a key
// typed into a text field stays the field's.
class KeypadKeys : public QObject {
public:
    struct Key {
        Qt::KeyboardModifiers modifiers;  // without the keypad modifier
        int key;
    };

    KeypadKeys(QWidget& window, std::function<void(CommandId)> run);

    // The keypad key of a table key text; none for other keys.
    static std::optional<Key> Parse(const char* text);
    // The key as menus show it: "Num +", "Ctrl+Num -".
    static QString MenuText(const char* text);

    // Runs the command when its keypad key is pressed in the window.
    void Add(const Key& key, CommandId id);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& m_window;
    std::function<void(CommandId)> m_run;
    std::vector<std::pair<Key, CommandId>> m_keys;
};
