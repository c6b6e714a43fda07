#include "prompt.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QPointer>

namespace {
Prompt::MessageHandler &messageHandler()
{
    static Prompt::MessageHandler handler;
    return handler;
}

Prompt::FileHandler &fileHandler()
{
    static Prompt::FileHandler handler;
    return handler;
}

Prompt::TextHandler &textHandler()
{
    static Prompt::TextHandler handler;
    return handler;
}

QMessageBox::Icon iconOf(Prompt::Kind kind)
{
    switch (kind) {
    case Prompt::Kind::Information:
        return QMessageBox::Information;
    case Prompt::Kind::Warning:
        return QMessageBox::Warning;
    case Prompt::Kind::Critical:
        return QMessageBox::Critical;
    case Prompt::Kind::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}
} // namespace

// The box is a child of its parent, so a parent that goes while the box is
// open takes the box along, and a tool dialog that closes rejects it: either
// way no button was clicked, and the question counts as cancelled. Its text
// is plain text: much of what boxes say comes from a device, a peer or the
// user, and none of it is markup.
QMessageBox::StandardButton Prompt::message(QWidget *parent, const Message &message)
{
    if (messageHandler())
        return messageHandler()(message);
    const QPointer<QMessageBox> box =
        new QMessageBox(iconOf(message.kind), message.title, message.text, message.buttons, parent);
    box->setTextFormat(Qt::PlainText);
    if (message.defaultButton != QMessageBox::NoButton)
        box->setDefaultButton(message.defaultButton);
    box->exec();
    if (!box)
        return QMessageBox::Cancel;
    QAbstractButton *const clicked = box->clickedButton();
    const QMessageBox::StandardButton answer =
        clicked ? box->standardButton(clicked) : QMessageBox::Cancel;
    delete box;
    return answer;
}

QMessageBox::StandardButton Prompt::information(QWidget *parent, const QString &title,
                                                const QString &text,
                                                QMessageBox::StandardButtons buttons,
                                                QMessageBox::StandardButton defaultButton)
{
    return message(parent, {Kind::Information, title, text, buttons, defaultButton});
}

QMessageBox::StandardButton Prompt::warning(QWidget *parent, const QString &title,
                                            const QString &text,
                                            QMessageBox::StandardButtons buttons,
                                            QMessageBox::StandardButton defaultButton)
{
    return message(parent, {Kind::Warning, title, text, buttons, defaultButton});
}

QMessageBox::StandardButton Prompt::critical(QWidget *parent, const QString &title,
                                             const QString &text,
                                             QMessageBox::StandardButtons buttons,
                                             QMessageBox::StandardButton defaultButton)
{
    return message(parent, {Kind::Critical, title, text, buttons, defaultButton});
}

QMessageBox::StandardButton Prompt::question(QWidget *parent, const QString &title,
                                             const QString &text,
                                             QMessageBox::StandardButtons buttons,
                                             QMessageBox::StandardButton defaultButton)
{
    return message(parent, {Kind::Question, title, text, buttons, defaultButton});
}

QString Prompt::file(QWidget *parent, const FileRequest &request)
{
    if (fileHandler())
        return fileHandler()(request);
    if (request.mode == FileMode::Open)
        return QFileDialog::getOpenFileName(parent, request.caption, request.directory,
                                            request.filter);
    return QFileDialog::getSaveFileName(parent, request.caption, request.directory, request.filter);
}

QString Prompt::openFileName(QWidget *parent, const QString &caption, const QString &directory,
                             const QString &filter)
{
    return file(parent, {FileMode::Open, caption, directory, filter});
}

QString Prompt::saveFileName(QWidget *parent, const QString &caption, const QString &directory,
                             const QString &filter)
{
    return file(parent, {FileMode::Save, caption, directory, filter});
}

bool Prompt::text(QWidget *parent, const QString &title, const QString &label, QString &answer)
{
    if (textHandler())
        return textHandler()({title, label, answer}, answer);
    bool ok = false;
    const QString typed =
        QInputDialog::getText(parent, title, label, QLineEdit::Normal, answer, &ok);
    if (ok)
        answer = typed;
    return ok;
}

void Prompt::setMessageHandler(MessageHandler handler)
{
    messageHandler() = std::move(handler);
}

void Prompt::setFileHandler(FileHandler handler)
{
    fileHandler() = std::move(handler);
}

void Prompt::setTextHandler(TextHandler handler)
{
    textHandler() = std::move(handler);
}
