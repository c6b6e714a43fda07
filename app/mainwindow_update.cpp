#include "mainwindow.h"

#include "fetchurl.h"
#include "prompt.h"
#include "versionfile.h"

#include <QDesktopServices>
#include <QScopeGuard>
#include <QSettings>
#include <QUrl>

namespace {
// The maker's version file and download page; the settings file may name
// others (a mirror, or a local server).
const char *const versionUrlKey = "Update_Version_Url";
const char *const downloadUrlKey = "Update_Download_Url";
const char *const defaultVersionUrl = "https://www.nuvelix.example/software/YURB_VERSION";
const char *const defaultDownloadUrl = "http://www.nuvelix.example/software";
} // namespace

// Fetches the maker's version file and tells whether a newer version exists;
// a newer one also opens the download page. The window takes no input while
// the fetch runs and is enabled again on every path.
void MainWindow::slotActionCheck_Update()
{
    setEnabled(false);
    const auto enableAgain = qScopeGuard([this] { slotActionCheck_Updateclose(); });

    const QString versionUrl =
        settings->value(QLatin1String(versionUrlKey), QLatin1String(defaultVersionUrl)).toString();
    const FetchResult fetched = fetchUrlBlocking(versionUrl);
    if (!fetched.ok() || fetched.body.isEmpty()) {
        Prompt::information(nullptr, tr("Message"),
                            tr("Network connection lost. Please check your network settings."),
                            QMessageBox::Cancel);
        return;
    }

    const std::optional<qint64> version = VersionFile::versionNumber(fetched.body);
    if (!version) {
        Prompt::warning(nullptr, tr("Message"), tr("The version information could not be read."),
                        QMessageBox::Cancel);
        return;
    }
    if (VersionFile::isNewer(*version)) {
        Prompt::warning(nullptr, tr("Message"), tr("Found a new version."), QMessageBox::Cancel);
        const QString downloadUrl =
            settings->value(QLatin1String(downloadUrlKey), QLatin1String(defaultDownloadUrl))
                .toString();
        QDesktopServices::openUrl(QUrl(downloadUrl, QUrl::TolerantMode));
    } else {
        Prompt::information(nullptr, tr("Message"), tr("Already the latest version."),
                            QMessageBox::Cancel);
    }
}

void MainWindow::slotActionCheck_Updateclose()
{
    setEnabled(true);
}
