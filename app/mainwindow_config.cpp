#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "settingsfile.h"
#include "toolswitches.h"

#include <QSettings>

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
