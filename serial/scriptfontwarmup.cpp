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

ScriptFontWarmUp *ScriptFontWarmUp::start(const QFont &font, QObject *owner)
{
    if (fontsWarmedUp().contains(font.key()))
        return nullptr;
    return new ScriptFontWarmUp(font, owner);
}

ScriptFontWarmUp::ScriptFontWarmUp(const QFont &font, QObject *owner)
    : QObject(owner)
    , m_font(font)
    , m_key(font.key())
{
    fontsWarmedUp().insert(m_key);
    connect(&m_timer, &QTimer::timeout, this, &ScriptFontWarmUp::step);
    // An interval of 0 lets every waiting event go first.
    m_timer.start(0);
}

ScriptFontWarmUp::~ScriptFontWarmUp()
{
    // The timer runs until every sample is laid out.
    if (m_timer.isActive())
        fontsWarmedUp().remove(m_key);
}

void ScriptFontWarmUp::step()
{
    // Finding the samples takes a step of its own.
    if (m_samples.isEmpty()) {
        m_samples = scriptSamples();
        return;
    }
    QElapsedTimer clock;
    clock.start();
    do {
        QTextLayout layout(m_samples.at(m_next++), m_font);
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
    } while (m_next < m_samples.size() && clock.nsecsElapsed() < stepBudgetNs);
    if (m_next < m_samples.size())
        return;
    m_timer.stop();
    Q_EMIT finished();
}
