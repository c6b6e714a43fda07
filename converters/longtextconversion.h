#pragma once

#include "longtext.h"

#include <QFutureWatcher>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

class LongTextEdit;
class QPushButton;

// Converts the text of one long-text box into another: at once when the
// text is short, on a worker thread when it is long, so the window keeps
// answering. Meanwhile the buttons that start a conversion are disabled, so
// no press waits in line, and so are they while a text is still coming into
// the box converted from, which a conversion would not see. A result longer
// than a box holds is refused before it is made, and the box says so in its
// place.
class LongTextConversion : public QObject
{
    Q_OBJECT

public:
    // A pure function of the text alone: it may run on another thread. It
    // takes the text by value, so that it can let go of it once it no longer
    // needs it.
    using Convert = std::function<QString(QString)>;
    // The most characters converting the text can give.
    using Longest = std::function<qsizetype(QStringView)>;

    LongTextConversion(LongTextEdit *from, LongTextEdit *to, QList<QPushButton *> buttons,
                       QObject *parent);

    void run(Convert convert, Longest longest);

private:
    struct Result
    {
        // Made whole where it was converted, its index with it, for the
        // box to take in at once.
        std::shared_ptr<LongText> text;
        // The result's length when it was refused as too long, else -1.
        qsizetype refused = -1;
    };

    void show(const Result &result);
    void updateButtons();

    QPointer<LongTextEdit> m_from;
    QPointer<LongTextEdit> m_to;
    QList<QPushButton *> m_buttons;
    QFutureWatcher<Result> m_result;
    bool m_converting = false;
};
