#include "scriptfontwarmup.h"

#include "scriptsamples.h"

#include <QElapsedTimer>
#include <QSet>
#include <QTextLayout>

namespace {
// A step lays out samples until this long has passed.
constexpr qint64 stepBudgetNs = 8'000'000;

// The keys of the fonts warmed up in this process or being warmed up.
QSet<QString> &fontsWarmedUp()
{
    static QSet<QString> keys;
    return keys;
}
} // namespace

void ScriptFontWarmUp::start(const QFont &font, QObject *owner)
{
    if (!fontsWarmedUp().contains(font.key()))
        new ScriptFontWarmUp(font, owner);
}

ScriptFontWarmUp::ScriptFontWarmUp(const QFont &font, QObject *owner)
    : QObject(owner)
    , m_font(font)
{
    fontsWarmedUp().insert(m_font.key());
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &ScriptFontWarmUp::step);
    m_timer.start(0);
}

ScriptFontWarmUp::~ScriptFontWarmUp()
{
    // The timer waits for the next step until every sample is laid out.
    if (m_timer.isActive())
        fontsWarmedUp().remove(m_font.key());
}

void ScriptFontWarmUp::step()
{
    QElapsedTimer clock;
    clock.start();
    // Finding the samples takes a step of its own.
    if (m_samples.isEmpty()) {
        m_samples = scriptSamples();
    } else {
        do {
            QTextLayout layout(m_samples.at(m_next++), m_font);
            layout.beginLayout();
            layout.createLine();
            layout.endLayout();
        } while (m_next < m_samples.size() && clock.nsecsElapsed() < stepBudgetNs);
        if (m_next == m_samples.size())
            return;
    }
    // The window has as long again for everything else: back to back, a
    // step could keep what came meanwhile waiting behind the next one.
    m_timer.start(int(clock.elapsed()));
}
