// Run: xvfb-run -a build/bench/bench_converter [keystrokes]
//
// The "Convert" page in a temporary home: how long one keystroke takes to
// recompute a factor panel (Lengths) and the currency panel (which reads
// the stored rates and their date afresh), 2000 keystrokes each by default,
// how long the page takes to build, the first time in the process and at
// best of twenty, and the main window's construction with and without the
// "Convert" tab (best of three each). The goal is well under 1 ms per keystroke, and a
// page construction that a user does not notice in the program's start.

#include "exchangerates.h"
#include "mainwindow.h"
#include "nuvelix_convert.h"
#include "settingsfile.h"
#include "temporaryhome.h"

#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QSettings>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

struct Figures
{
    double meanUs;
    double medianUs;
    double p99Us;
    double worstUs;
};

Figures figures(QList<qint64> nanoseconds)
{
    std::sort(nanoseconds.begin(), nanoseconds.end());
    double sum = 0;
    for (const qint64 ns : nanoseconds)
        sum += double(ns);
    const auto at = [&nanoseconds](double share) {
        return double(nanoseconds.at(qsizetype(share * double(nanoseconds.size() - 1)))) / 1000;
    };
    return {sum / double(nanoseconds.size()) / 1000, at(0.5), at(0.99),
            double(nanoseconds.last()) / 1000};
}

// Types digits into the panel's value box, one key event each, and clears it
// every eight keys so the value stays an ordinary number.
Figures keystrokes(nuvelix_convert &page, const QString &prefix, int count)
{
    auto *value = page.findChild<QLineEdit *>(prefix + QStringLiteral("_inputEdit_source"));
    auto *result = page.findChild<QLineEdit *>(prefix + QStringLiteral("_inputEdit_to"));
    QList<qint64> times;
    times.reserve(count);
    QElapsedTimer timer;
    for (int i = 0; i < count; ++i) {
        if (i % 8 == 0)
            value->clear();
        const QString before = result->text();
        timer.start();
        QTest::keyClick(value, Qt::Key(Qt::Key_1 + i % 9));
        times.append(timer.nsecsElapsed());
        if (result->text() == before && i % 8 != 0)
            std::fprintf(stderr, "%s: result not recomputed\n", qPrintable(prefix));
    }
    return times.isEmpty() ? Figures{} : figures(times);
}

// The best of three main-window constructions with the tab switched on or off.
double mainWindowMs(bool convertTab)
{
    {
        QSettings settings(settingsFilePath(), QSettings::IniFormat);
        settings.setValue(QStringLiteral("Convert"), convertTab ? "true" : "false");
    }
    double best = 0;
    for (int i = 0; i < 3; ++i) {
        QElapsedTimer timer;
        timer.start();
        {
            const MainWindow window;
            const double ms = double(timer.nsecsElapsed()) / 1e6;
            best = i == 0 ? ms : std::min(best, ms);
        }
        QTest::qWait(50);
    }
    return best;
}

void print(const char *what, const Figures &f)
{
    std::printf("%-34s mean %7.1f us  median %7.1f us  p99 %7.1f us  worst %7.1f us\n", what,
                f.meanUs, f.medianUs, f.p99Us, f.worstUs);
}

} // namespace

int main(int argc, char *argv[])
{
    const TemporaryHome home;
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const int count = arguments.size() > 1 ? arguments.at(1).toInt() : 2000;
    if (count <= 0) {
        std::fprintf(stderr, "usage: bench_converter [keystrokes]\n");
        return 1;
    }
    // Today's rates are stored: the worker fetches nothing.
    {
        QSettings settings(settingsFilePath(), QSettings::IniFormat);
        settings.setValue(QStringLiteral("lastOpenedDateTime"), QDateTime::currentDateTime());
    }
    ExchangeRates(settingsFilePath()).storeBuiltInWhereMissing();

    QList<qint64> builds;
    QElapsedTimer timer;
    for (int i = 0; i < 20; ++i) {
        timer.start();
        const nuvelix_convert page;
        builds.append(timer.nsecsElapsed());
    }
    std::printf("page construction                  first %7.2f ms  best %7.2f ms\n",
                double(builds.first()) / 1e6,
                double(*std::min_element(builds.cbegin(), builds.cend())) / 1e6);

    const double withTab = mainWindowMs(true);
    const double withoutTab = mainWindowMs(false);
    std::printf("main window construction           with the tab %7.2f ms  without %7.2f ms\n",
                withTab, withoutTab);

    nuvelix_convert page;
    page.resize(740, 900);
    page.show();
    QTest::qWait(100);
    print("keystroke, Lengths panel", keystrokes(page, QStringLiteral("lengths"), count));
    page.findChild<QComboBox *>(QStringLiteral("exchangerates_fromUnitCombox"))
        ->setCurrentIndex(29);
    page.findChild<QComboBox *>(QStringLiteral("exchangerates_toUnitCombox"))->setCurrentIndex(16);
    print("keystroke, currency panel", keystrokes(page, QStringLiteral("exchangerates"), count));
    return 0;
}
