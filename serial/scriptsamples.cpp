#include "scriptsamples.h"

#include <QChar>
#include <QHash>

QStringList scriptSamples()
{
    QStringList samples;
    QHash<int, qsizetype> sampleOfScript;
    int previous = -1;
    for (char32_t code = 0x80; code <= QChar::LastValidCodePoint; ++code) {
        // A character no stream shows (a surrogate, an unassigned code)
        // ends a run.
        if (QChar::isSurrogate(code) || QChar::category(code) == QChar::Other_NotAssigned) {
            previous = -1;
            continue;
        }
        const int script = QChar::script(code);
        if (script == previous)
            continue;
        previous = script;
        auto sample = sampleOfScript.find(script);
        if (sample == sampleOfScript.end()) {
            sample = sampleOfScript.insert(script, samples.size());
            samples.append(QString());
        }
        samples[*sample] += QChar::fromUcs4(code);
    }
    return samples;
}
