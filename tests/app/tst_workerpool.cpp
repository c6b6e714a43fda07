#include "base64text.h"
#include "clipboardowner.h"
#include "longtextedit.h"
#include "mainwindow.h"
#include "portlist.h"
#include "promptrecorder.h"
#include "ptypair.h"
#include "windowprobe.h"
#include "yurbtestmain.h"

#include <QFile>
#include <QPushButton>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QThreadPool>

#include <memory>

namespace {
// Holds every thread of Qt's global pool while it lives, as tasks that wait
// on a slow storage would: what the program runs on its own threads must
// still end.
class GlobalPoolHeld
{
public:
    GlobalPoolHeld()
    {
        QThreadPool *pool = QThreadPool::globalInstance();
        for (int task = 0; task < pool->maxThreadCount(); ++task)
            pool->start([this] { m_release.acquire(); });
    }
    ~GlobalPoolHeld()
    {
        m_release.release(QThreadPool::globalInstance()->maxThreadCount());
        QThreadPool::globalInstance()->waitForDone();
    }
    GlobalPoolHeld(const GlobalPoolHeld &) = delete;
    GlobalPoolHeld &operator=(const GlobalPoolHeld &) = delete;

private:
    QSemaphore m_release;
};
} // namespace

// The work that may block runs on the program's own threads: with Qt's
// global pool held busy, the count behind a Close of Send File, a paste
// from another program and a long conversion still end.
class TestWorkerPool : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void endsWithTheGlobalPoolBusy_data();
    void endsWithTheGlobalPoolBusy();

private:
    template <typename T> T *widget(const char *name) const { return child<T>(*m_window, name); }

    PtyPair m_pty;
    QTemporaryDir m_files;
    std::unique_ptr<PromptRecorder> m_prompts;
    std::unique_ptr<MainWindow> m_window;
};

void TestWorkerPool::init()
{
    const QString port = m_pty.slavePath();
    PortList::setLister([port] { return QStringList{port}; });
    m_prompts = std::make_unique<PromptRecorder>();
    // Not shown: Qt's painting would wait for the global pool held busy.
    m_window = std::make_unique<MainWindow>();
}

void TestWorkerPool::cleanup()
{
    m_window.reset();
    m_prompts.reset();
    PortList::setLister({});
}

void TestWorkerPool::endsWithTheGlobalPoolBusy_data()
{
    QTest::addColumn<QString>("work");
    QTest::newRow("the count behind a Close") << "close";
    QTest::newRow("a paste from another program") << "paste";
    QTest::newRow("a long conversion") << "convert";
}

void TestWorkerPool::endsWithTheGlobalPoolBusy()
{
    QFETCH(QString, work);
    // Longer than what the boxes take or convert within a turn.
    const QByteArray text = QByteArray("0123456789abcdef").repeated(1 << 17);
    const GlobalPoolHeld held;
    if (work == QLatin1String("close")) {
        const QString path = m_files.filePath(QStringLiteral("large.txt"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
        file.close();
        m_prompts->fileAnswers = {path};
        widget<QPushButton>("opencompushButton")->click();
        widget<QPushButton>("sendfileBtn")->click();
        QTest::qWait(300);
        widget<QPushButton>("opencompushButton")->click();
        QTRY_VERIFY_WITH_TIMEOUT(
            statusText(*m_window).endsWith(QLatin1String(" bytes were not sent")), 10000);
        return;
    }
    auto *source = widget<LongTextEdit>("base64_source_textBrowser");
    if (work == QLatin1String("paste")) {
        const ClipboardOwner owner(text);
        QVERIFY2(owner.held(), "xclip is missing: run scripts/install-deps.sh");
        source->setFocus();
        QTest::keyClick(source, Qt::Key_V, Qt::ControlModifier);
        QTRY_COMPARE_WITH_TIMEOUT(source->text(), QString::fromLatin1(text), 10000);
        return;
    }
    source->setText(QString::fromLatin1(text));
    QTRY_VERIFY_WITH_TIMEOUT(!source->isBusy(), 10000);
    widget<QPushButton>("base64_encode_pushButton")->click();
    QTRY_COMPARE_WITH_TIMEOUT(widget<LongTextEdit>("base64_to_textBrowser")->text(),
                              Base64Text::encode(QString::fromLatin1(text)), 10000);
}

YURB_TEST_MAIN(TestWorkerPool)
#include "tst_workerpool.moc"
