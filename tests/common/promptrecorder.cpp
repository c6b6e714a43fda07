#include "promptrecorder.h"

#include <QTest>

namespace {
// The lowest-valued button of the box, e.g. Ok or Cancel.
QMessageBox::StandardButton firstButton(const Prompt::Message &message)
{
    for (unsigned int bit = QMessageBox::FirstButton; bit <= QMessageBox::LastButton; bit <<= 1) {
        if (message.buttons.testFlag(QMessageBox::StandardButton(bit)))
            return QMessageBox::StandardButton(bit);
    }
    return QMessageBox::NoButton;
}

void failUnexpected(const QString &what)
{
    const QByteArray text = "unexpected prompt: " + what.toUtf8();
    if (QTest::currentTestFunction())
        QTest::qFail(text.constData(), __FILE__, __LINE__);
    else
        qWarning("%s", text.constData());
}
} // namespace

PromptRecorder::PromptRecorder()
{
    Prompt::setMessageHandler([this](const Prompt::Message &message) {
        messages.append(message);
        if (openMs > 0)
            QTest::qWait(openMs);
        if (!buttonAnswers.isEmpty())
            return buttonAnswers.takeFirst();
        if (answerWithEnter && message.defaultButton != QMessageBox::NoButton)
            return message.defaultButton;
        return firstButton(message);
    });
    Prompt::setFileHandler([this](const Prompt::FileRequest &request) {
        fileRequests.append(request);
        if (openMs > 0)
            QTest::qWait(openMs);
        return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
    });
    Prompt::setTextHandler([this](const Prompt::TextRequest &request, QString &answer) {
        textRequests.append(request);
        if (openMs > 0)
            QTest::qWait(openMs);
        if (textAnswers.isEmpty())
            return false;
        answer = textAnswers.takeFirst();
        return true;
    });
}

PromptRecorder::~PromptRecorder()
{
    failOnPrompts();
}

void PromptRecorder::failOnPrompts()
{
    Prompt::setMessageHandler([](const Prompt::Message &message) {
        failUnexpected(message.title + QStringLiteral(": ") + message.text);
        return firstButton(message);
    });
    Prompt::setFileHandler([](const Prompt::FileRequest &request) {
        failUnexpected(request.caption);
        return QString();
    });
    Prompt::setTextHandler([](const Prompt::TextRequest &request, QString &) {
        failUnexpected(request.title);
        return false;
    });
}
