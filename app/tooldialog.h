#pragma once

#include <QAbstractButton>
#include <QDialog>
#include <QPointer>

// A modeless dialog of a tool that deletes itself when it closes, however
// the close comes. A press handled through onPress may open a box or wait
// with events running, and the dialog may be closed meanwhile: the close then
// hides it, answers the boxes it parents as cancelled and says `closed` at
// once (so the window may open a new one), but the dialog and its widgets go
// only once every such press has returned, so no button is deleted while its
// own press is still being handled.
class ToolDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ToolDialog(QWidget *parent);
    ~ToolDialog() override;

    // Builds a Qt Designer form on the dialog. The form (a plain structure of
    // pointers) is deleted with the dialog, also when the window's teardown
    // deletes it.
    template <class Form> Form *installForm();

    // Runs `handler` on each press of `button` (a pressed() signal, whether
    // from the mouse, the keyboard or an accessibility action).
    template <class Receiver>
    void onPress(QAbstractButton *button, Receiver *receiver, void (Receiver::*handler)());

    void done(int result) override;

Q_SIGNALS:
    // The dialog has closed, or is deleted without having closed.
    void closed();

private:
    // Holds the dialog's deletion for as long as one press is handled.
    class Press
    {
    public:
        explicit Press(ToolDialog *dialog);
        ~Press();
        Press(const Press &) = delete;
        Press &operator=(const Press &) = delete;

    private:
        const QPointer<ToolDialog> m_dialog;
    };

    int m_pressesRunning = 0;
    bool m_closed = false;
};

template <class Form> Form *ToolDialog::installForm()
{
    auto *form = new Form;
    form->setupUi(this);
    connect(this, &QObject::destroyed, this, [form] { delete form; });
    return form;
}

template <class Receiver>
void ToolDialog::onPress(QAbstractButton *button, Receiver *receiver, void (Receiver::*handler)())
{
    connect(button, &QAbstractButton::pressed, receiver, [this, receiver, handler] {
        const Press press(this);
        (receiver->*handler)();
    });
}
