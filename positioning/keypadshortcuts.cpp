#include "keypadshortcuts.h"

#include <QAbstractButton>
#include <QEvent>
#include <QTimer>

#include <utility>

namespace {
// How long a key press holds its button down.
constexpr int keyFlashMs = 100;
} // namespace

KeypadShortcuts::KeypadShortcuts(QObject *parent, std::function<void(QChar)> press)
    : QObject(parent)
    , m_press(std::move(press))
{}

void KeypadShortcuts::add(QAbstractButton *button, QChar key)
{
    m_keys.insert(button, key);
    button->installEventFilter(this);
}

// A disabled button takes no key, as it takes no click.
bool KeypadShortcuts::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Shortcut || !m_keys.contains(watched))
        return QObject::eventFilter(watched, event);
    auto *button = static_cast<QAbstractButton *>(watched);
    if (button->isEnabled()) {
        m_press(m_keys.value(watched));
        button->setDown(true);
        QTimer::singleShot(keyFlashMs, button, [button] { button->setDown(false); });
    }
    return true;
}
