#pragma once

#include <QFont>
#include <QObject>
#include <QStringList>
#include <QTimer>

// Lays out a sample of every script (`scriptSamples`) in a font while the
// window is idle, so that the fonts its text falls back to are found and
// loaded before a view first shows such text. A process does that once per
// script, and random bytes decode to dozens of scripts at once: without the
// warm-up the view's first showing of such text stalls the window for all
// of them. Each step lays out samples for about as long as a view's write
// and is followed by as long a pause; the sample of a script that no font
// covers takes a step of its own, since each font is tried for it.
class ScriptFontWarmUp : public QObject
{
    Q_OBJECT

public:
    // Starts warming `font` for as long as `owner` lives, unless the font
    // is warmed up already in this process or being warmed up; a warm-up
    // that ends unfinished leaves it to the next.
    static void start(const QFont &font, QObject *owner);
    ~ScriptFontWarmUp() override;

private:
    ScriptFontWarmUp(const QFont &font, QObject *owner);
    void step();

    // The font cache may drop what no font in use refers to: holding the
    // font keeps what it loaded.
    QFont m_font;
    QStringList m_samples;
    qsizetype m_next = 0;
    QTimer m_timer;
};
