#pragma once

#include <QFutureWatcher>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

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
    // A pure function of the text alone: it may run on another thread. It
    // takes the text by value, so that it can let go of it once it no longer
    // needs it.
    using Convert = std::function<QString(QString)>;

    // A conversion under way works on copies only: when this goes first,
    // its result is dropped.
    LongTextConversion(QList<QPushButton *> buttons, QObject *parent);

    void run(const QTextEdit *from, QTextEdit *to, Convert convert);

private:
    void read();
    void show();
    void setButtonsEnabled(bool enabled);

    QList<QPushButton *> m_buttons;
    QFutureWatcher<QString> m_room;
    QFutureWatcher<QStringList> m_result;
    const QTextEdit *m_from = nullptr;
    QTextEdit *m_to = nullptr;
    Convert m_convert;
};
