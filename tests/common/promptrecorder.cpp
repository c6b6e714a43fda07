#include "promptrecorder.h"

PromptRecorder::PromptRecorder()
{
    Prompt::setMessageHandler([this](const Prompt::Message &message) {
        messages.append(message);
        if (!buttonAnswers.isEmpty())
            return buttonAnswers.takeFirst();
        // The lowest-valued button of the box, e.g. Ok or Cancel.
        for (unsigned int bit = QMessageBox::FirstButton; bit <= QMessageBox::LastButton;
             bit <<= 1) {
            if (message.buttons.testFlag(QMessageBox::StandardButton(bit)))
                return QMessageBox::StandardButton(bit);
        }
        return QMessageBox::NoButton;
    });
    Prompt::setFileHandler([this](const Prompt::FileRequest &request) {
        fileRequests.append(request);
        return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
    });
    Prompt::setTextHandler([this](const Prompt::TextRequest &request, QString &answer) {
        textRequests.append(request);
        if (textAnswers.isEmpty())
            return false;
        answer = textAnswers.takeFirst();
        return true;
    });
}

PromptRecorder::~PromptRecorder()
{
    Prompt::setMessageHandler({});
    Prompt::setFileHandler({});
    Prompt::setTextHandler({});
}
