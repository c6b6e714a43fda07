#include "tooldialog.h"

ToolDialog::ToolDialog(QWidget *parent)
    : QDialog(parent)
{}

ToolDialog::~ToolDialog()
{
    if (!m_closed)
        Q_EMIT closed();
}

// A deletion asked for inside the event loop of a box would run in that
// loop, under the press that opened the box; a deletion asked for when the
// last press returns runs after it.
void ToolDialog::done(int result)
{
    QDialog::done(result);
    if (m_closed)
        return;
    m_closed = true;
    for (QDialog *box : findChildren<QDialog *>(Qt::FindDirectChildrenOnly)) {
        if (box->isVisible())
            box->reject();
    }
    Q_EMIT closed();
    if (m_pressesRunning == 0)
        deleteLater();
}

ToolDialog::Press::Press(ToolDialog *dialog)
    : m_dialog(dialog)
{
    ++m_dialog->m_pressesRunning;
}

ToolDialog::Press::~Press()
{
    if (m_dialog && --m_dialog->m_pressesRunning == 0 && m_dialog->m_closed)
        m_dialog->deleteLater();
}
