#pragma once

#include "longtextbox.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextBrowser>
#include <QTextEdit>

// A text edit or browser of the form that may hold megabytes on one line
// (LongTextBox): its copy, paste and typed line breaks keep the text exact
// where a long line is shown in pieces. It adds no signal, slot or property,
// so it stays its base class to the meta-object system.
template <class Box> class LongTextWidget : public Box
{
public:
    explicit LongTextWidget(QWidget *parent = nullptr)
        : Box(parent)
    {}

protected:
    QMimeData *createMimeDataFromSelection() const override
    {
        if (QMimeData *selection = LongTextBox::selectionMimeData(this))
            return selection;
        return Box::createMimeDataFromSelection();
    }

    void insertFromMimeData(const QMimeData *source) override
    {
        if (!LongTextBox::paste(this, source))
            Box::insertFromMimeData(source);
    }

    void keyPressEvent(QKeyEvent *event) override
    {
        Box::keyPressEvent(event);
        LongTextBox::keyHandled(this, event);
    }
};

using LongTextEdit = LongTextWidget<QTextEdit>;
using LongTextBrowser = LongTextWidget<QTextBrowser>;
