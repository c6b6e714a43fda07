#pragma once

#include <QChar>
#include <QHash>
#include <QObject>

#include <functional>

class QAbstractButton;

// Hands each shortcut key press of a keypad button to a callback, with the
// key of that button. A button's own shortcut does not: a press that comes
// while the click animation of the one before still runs makes it emit no
// pressed(), so a quickly typed repeated digit would be lost.
class KeypadShortcuts : public QObject
{
public:
    KeypadShortcuts(QObject *parent, std::function<void(QChar)> press);

    // Handles the shortcut of `button`, which stands for `key`.
    void add(QAbstractButton *button, QChar key);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void(QChar)> m_press;
    QHash<QObject *, QChar> m_keys;
};
