#include "longtextbox.h"

#include <QFont>
#include <QScrollBar>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextOption>

namespace LongTextBox {

void prepare(QTextEdit *box)
{
    box->setWordWrapMode(QTextOption::WrapAnywhere);
    QFont font = box->font();
    font.setStyleStrategy(QFont::PreferNoShaping);
    box->setFont(font);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

QString text(const QTextEdit *box)
{
    return box->toPlainText();
}

void show(QTextEdit *box, const QString &text)
{
    box->document()->setPlainText(text);
    box->verticalScrollBar()->setValue(0);
}

} // namespace LongTextBox
