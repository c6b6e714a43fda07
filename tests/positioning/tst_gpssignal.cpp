#include "callout.h"
#include "gps_signal.h"
#include "mainwindow.h"
#include "nmeasentence.h"
#include "portlist.h"
#include "promptrecorder.h"
#include "ptypair.h"
#include "settingsfile.h"
#include "windowprobe.h"
#include "yurbtestmain.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChartView>
#include <QDialog>
#include <QFile>
#include <QGraphicsScene>
#include <QPointer>
#include <QPolarChart>
#include <QPushButton>
#include <QScatterSeries>
#include <QStackedBarSeries>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {
QList<QChart *> charts(const QDialog &dialog)
{
    QList<QChart *> all;
    for (const QChartView *view : dialog.findChildren<QChartView *>())
        all.append(view->chart());
    return all;
}

// The categories of the bar chart whose set has this name.
QStringList categories(const QDialog &dialog, const QString &setName)
{
    for (QChart *chart : charts(dialog)) {
        const auto *bars = qobject_cast<QStackedBarSeries *>(chart->series().value(0));
        if (bars && bars->barSets().value(0)->label() == setName)
            return qobject_cast<QBarCategoryAxis *>(chart->axes(Qt::Horizontal).value(0))
                ->categories();
    }
    return {QStringLiteral("no chart %1").arg(setName)};
}

QList<QScatterSeries *> skyPoints(const QDialog &dialog)
{
    for (QChart *chart : charts(dialog)) {
        if (chart->chartType() != QChart::ChartTypePolar)
            continue;
        QList<QScatterSeries *> points;
        for (QAbstractSeries *series : chart->series())
            points.append(qobject_cast<QScatterSeries *>(series));
        return points;
    }
    return {};
}
} // namespace

// The GPS Signal dialog fed by an NMEA device on a pty.
class TestGpsSignal : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void signalTwiceOpensOneDialog();
    void sentencesAreDrawn_data();
    void sentencesAreDrawn();
    void closeDuringStreamEndsTheWorker();
    void windowDestroyedWithDialogOpen();

private:
    [[nodiscard]] QList<QDialog *> dialogs() const;
    [[nodiscard]] QDialog *openDialog();
    // Writes four GPS and four BeiDou sentences a second until stopped.
    void startStream();

    std::unique_ptr<PtyPair> m_pty;
    std::unique_ptr<PromptRecorder> m_prompts;
    std::unique_ptr<MainWindow> m_window;
    QTimer m_stream;
    int m_sent = 0;
};

void TestGpsSignal::init()
{
    m_pty = std::make_unique<PtyPair>();
    const QString path = m_pty->slavePath();
    PortList::setLister([path] { return QStringList{path}; });
    m_prompts = std::make_unique<PromptRecorder>();
    m_window = std::make_unique<MainWindow>();
    child<QPushButton>(*m_window, "GPSopencompushButton")->click();
    QCOMPARE(statusText(*m_window), QStringLiteral("Serial opened"));
}

void TestGpsSignal::cleanup()
{
    m_stream.stop();
    m_stream.disconnect();
    m_window.reset();
    m_prompts.reset();
    m_pty.reset();
    PortList::setLister({});
    QFile::remove(settingsFilePath());
}

QList<QDialog *> TestGpsSignal::dialogs() const
{
    QList<QDialog *> found;
    for (QDialog *dialog : m_window->findChildren<QDialog *>()) {
        if (dialog->windowTitle() == QLatin1String("GPS Signal") && dialog->isVisible())
            found.append(dialog);
    }
    return found;
}

QDialog *TestGpsSignal::openDialog()
{
    child<QPushButton>(*m_window, "GPSsignal")->click();
    const QList<QDialog *> open = dialogs();
    return open.size() == 1 ? open.first() : nullptr;
}

void TestGpsSignal::startStream()
{
    connect(&m_stream, &QTimer::timeout, this, [this] {
        const int n = m_sent++;
        m_pty->write(nmeaSentence(
            (n % 8 < 4 ? "GPGSV,4," : "BDGSV,4,") + QByteArray::number(n % 4 + 1) + ",16," +
            QByteArray::number(n % 4 * 2 + 1) + ",40,100,38," + QByteArray::number(n % 4 * 2 + 2) +
            ",20,200," + QByteArray::number(20 + n % 30)));
    });
    m_stream.start(1000 / 16);
}

void TestGpsSignal::signalTwiceOpensOneDialog()
{
    QDialog *first = openDialog();
    QVERIFY(first);
    QCOMPARE(openDialog(), first);
    QCOMPARE(m_window->findChildren<GPS_Signal *>().size(), 1);
}

void TestGpsSignal::sentencesAreDrawn_data()
{
    QTest::addColumn<QByteArrayList>("bodies");
    QTest::addColumn<QString>("setName");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("skyPointCount");

    QTest::newRow("GPS, one weak")
        << QByteArrayList{"GPGSV,2,1,06,12,40,083,46,05,17,308,41,07,07,344,04,14,22,228,05"}
        << "GPS" << QStringList{"GP12", "GP5", "GP14"} << 2;
    QTest::newRow("BeiDou above 98, a drop")
        << QByteArrayList{"BDGSV,1,1,03,201,45,120,40,214,30,200,35,07,10,100,30",
                          "BDGSV,1,1,03,201,45,120,40,214,30,200,02,07,10,100,30"}
        << "BEIDOU" << QStringList{"GB201", "GB7"} << 2;
    QTest::newRow("GPS, dual band")
        << QByteArrayList{"GPGSV,1,1,03,12,40,083,46,05,17,308,41,07,07,344,30,1",
                          "GPGSV,1,1,03,12,40,083,,05,17,308,,07,07,344,,8"}
        << "GPS" << QStringList{"GP12", "GP5", "GP7"} << 3;
    QTest::newRow("Galileo and GPS PRN 5")
        << QByteArrayList{"GAGSV,1,1,01,05,40,083,46", "GPGSV,1,1,01,05,45,100,30"} << "GALILEE"
        << QStringList{"GA5"} << 2;
    QTest::newRow("combined talker")
        << QByteArrayList{"GNGSV,1,1,01,05,40,083,46"} << "GPS" << QStringList() << 0;
}

void TestGpsSignal::sentencesAreDrawn()
{
    QFETCH(QByteArrayList, bodies);
    QFETCH(QString, setName);
    QFETCH(QStringList, expected);
    QFETCH(int, skyPointCount);

    QDialog *dialog = openDialog();
    QVERIFY(dialog);
    for (const QByteArray &body : bodies)
        QVERIFY(m_pty->write(nmeaSentence(body)));
    // The last sentence is read; the window draws it once the worker hands it over.
    auto *worker = m_window->findChild<GPS_Signal *>();
    QTRY_COMPARE(worker->readCount(), bodies.size());
    QTRY_COMPARE(categories(*dialog, setName), expected);
    QTRY_COMPARE(skyPoints(*dialog).size(), skyPointCount);

    // Hovering over a point names its satellite.
    QScatterSeries *point = skyPoints(*dialog).value(0);
    if (!point)
        return;
    Q_EMIT point->hovered(QPointF(83, 50), true);
    Callout *tip = nullptr;
    for (QGraphicsItem *item : point->chart()->scene()->items()) {
        if (auto *callout = dynamic_cast<Callout *>(item))
            tip = callout;
    }
    QVERIFY(tip && tip->isVisible());
    QCOMPARE(tip->text(),
             QStringLiteral("PRN number: %1 \nElevation: 40 \nAzimuth: 83 ").arg(point->name()));
    Q_EMIT point->hovered(QPointF(83, 50), false);
    QVERIFY(!tip->isVisible());
}

// Closing while sentences come ends the worker; the next dialog is empty.
void TestGpsSignal::closeDuringStreamEndsTheWorker()
{
    QDialog *dialog = openDialog();
    QVERIFY(dialog);
    startStream();
    QTRY_COMPARE(categories(*dialog, QStringLiteral("BEIDOU")).size(), 8);
    const QPointer<GPS_Signal> worker = m_window->findChild<GPS_Signal *>();
    child<QPushButton>(*dialog, "GPSsignalCancel")->click();
    QTRY_VERIFY(worker.isNull());
    QTest::qWait(300);

    m_stream.stop();
    dialog = openDialog();
    QVERIFY(dialog);
    QCOMPARE(categories(*dialog, QStringLiteral("GPS")), QStringList());
    QCOMPARE(categories(*dialog, QStringLiteral("BEIDOU")), QStringList());
    QCOMPARE(skyPoints(*dialog).size(), 0);
}

void TestGpsSignal::windowDestroyedWithDialogOpen()
{
    QVERIFY(openDialog());
    startStream();
    QTRY_VERIFY(m_window->findChild<GPS_Signal *>()->readCount() > 4);
    m_window.reset();
    QTest::qWait(200);
}

YURB_TEST_MAIN(TestGpsSignal)
#include "tst_gpssignal.moc"
