#pragma once

#include "prompt.h"

#include <QList>
#include <QStringList>

// Answers every prompt of the program while it lives: message boxes with the
// queued answer, else their default button when Enter is to answer them,
// else their first button; file dialogs with the queued paths (cancel when
// none is left), text questions with the queued texts. Every prompt stays
// open for openMs with events running, as a shown one does. Records what was
// asked so tests can check it. Outside a recorder a prompt is not expected: it fails the running
// test (see failOnPrompts).
class PromptRecorder
{
public:
    PromptRecorder();
    ~PromptRecorder();

    // Makes every prompt fail the running test, answered at once with the
    // box's first button or a cancel; the window tests' main installs this.
    static void failOnPrompts();
    PromptRecorder(const PromptRecorder &) = delete;
    PromptRecorder &operator=(const PromptRecorder &) = delete;

    QList<Prompt::Message> messages;
    QList<Prompt::FileRequest> fileRequests;
    QList<Prompt::TextRequest> textRequests;

    QList<QMessageBox::StandardButton> buttonAnswers;
    QStringList fileAnswers;
    QStringList textAnswers;
    bool answerWithEnter = false;
    int openMs = 0;
};
