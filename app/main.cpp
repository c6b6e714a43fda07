#include "catalogues.h"
#include "eventwait.h"
#include "mainwindow.h"

#include <QApplication>
#include <QLocale>
#include <QLoggingCategory>
#include <QPixmap>
#include <QSplashScreen>
#include <QTextCodec>
#include <QTranslator>

#include <unistd.h>

// The program writes no diagnostics: every framework message is dropped.
static void nuvelix_disable_log(QtMsgType, const QMessageLogContext &, const QString &) {}

int main(int argc, char *argv[])
{
    qInstallMessageHandler(nuvelix_disable_log);
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));

    // The web engine refuses to start its sandbox as root and then ends the
    // whole process; without the sandbox the "More" page and the maps work.
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");

    QApplication app(argc, argv);
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("UTF-8"));

    QTranslator languageTranslator;
    const QLocale locale;
    const QString languageFile = Catalogues::languageCatalogue(locale.language());
    if (!languageFile.isEmpty()) {
        (void)languageTranslator.load(languageFile);
        QCoreApplication::installTranslator(&languageTranslator);
    }

    // Installed last, so it is consulted first.
    QTranslator localeTranslator;
    if (localeTranslator.load(Catalogues::localeCatalogue(QLocale::system().name())))
        QCoreApplication::installTranslator(&localeTranslator);

    const QPixmap splashPicture(QStringLiteral(":images/software.png"));
    QSplashScreen splash(splashPicture);
    splash.show();

    // The splash stays painted and responsive for three seconds.
    waitProcessingEvents(3000);

    MainWindow window;
    window.show();
    splash.finish(&window);

    return QApplication::exec();
}
