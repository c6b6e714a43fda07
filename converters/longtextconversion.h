#pragma once

#include <QFutureWatcher>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>

class QPushButton;
class QTextEdit;

// Converts the text of one long-text box into another (LongTextBox): at
// once when the text is short, on a worker thread when it is long, so the
// window keeps answering. Meanwhile the buttons that start a conversion are
// disabled, so no press waits in line.
class LongTextConversion : public QObject
{
    Q_OBJECT

public:
    // A pure function of the text alone: it may run on another thread.
    using Convert = std::function<QString(const QString &)>;

    // A conversion under way works on copies only: when this goes first,
    // its result is dropped.
    LongTextConversion(QList<QPushButton *> buttons, QObject *parent);

    void run(const QTextEdit *from, QTextEdit *to, Convert convert);

private:
    void show();

    QList<QPushButton *> m_buttons;
    QFutureWatcher<QString> m_result;
    QTextEdit *m_to = nullptr;
};
