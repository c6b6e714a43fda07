#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "prompt.h"
#include "settingsfile.h"
#include "toolswitches.h"

#include <QSettings>
#include <QTimer>

// Runs before anything writes the settings file: one with a format error
// would lose what QSettings cannot read at its next write, so a copy of it is
// kept beside it, and the user is told where once the window shows.
void MainWindow::keepSettingsThatCannotBeRead()
{
    const std::optional<UnreadableSettingsCopy> copy = keepUnreadableSettings();
    if (!copy)
        return;
    const QString text =
        copy->failure.isEmpty()
            ? tr("The settings file %1 has a format error: what cannot be read is lost at its "
                 "next save. A copy of it as it was is kept in %2.")
                  .arg(settingsFilePath(), copy->path)
            : tr("The settings file %1 has a format error: what cannot be read is lost at its "
                 "next save. No copy of it could be kept:\n%2")
                  .arg(settingsFilePath(), copy->failure);
    QTimer::singleShot(0, this, [this, text] { Prompt::warning(this, tr("Message"), text); });
}

// Wires "Preferences", opens the settings file and removes the pages of switched-off tools.
// Returns how many tool pages remain at the front of the tab widget.
int MainWindow::Config()
{
    connect(ui->actionConfig, &QAction::triggered, this, &MainWindow::slotActionConfig);
    settings = new QSettings(settingsFilePath(), QSettings::IniFormat, this);
    toolKeys = ToolSwitches::keys();

    // The pages stand in key order, so once the kept pages before it are
    // counted, a tool's page is the tab at that running index.
    int kept = 0;
    for (int i = 0; i < toolKeyCount; ++i) {
        if (ToolSwitches::isOn(settings->value(toolKeys.at(i)).toString()))
            ++kept;
        else
            ui->tabWidget->removeTab(kept);
    }
    return kept;
}
