#include "mainwindow.h"
#include "ui_config.h"
#include "ui_mainwindow.h"

#include "prompt.h"
#include "programrestarter.h"
#include "settingsfile.h"
#include "tooldialog.h"
#include "toolswitches.h"

#include <QDialog>
#include <QSettings>

namespace {
const char *const onPicture = ":/images/on.png";
const char *const offPicture = ":/images/off.png";
const char *const scanKey = "Auto_Serial_Scan";
const char *const mapKey = "Map_Type";
} // namespace

// The sixteen switch buttons of the open Preferences form, in key order.
QList<QPushButton *> MainWindow::configButtons() const
{
    return {configUi->Config_COM_ON_OFF,          configUi->Config_UDP_ON_OFF,
            configUi->Config_TCP_ON_OFF,          configUi->Config_GPS_ON_OFF,
            configUi->Config_GSM_ON_OFF,          configUi->Config_UNICODE_ON_OFF,
            configUi->Config_Envir_ON_OFF,        configUi->Config_Crypty_ON_OFF,
            configUi->Config_Oscilloscope_ON_OFF, configUi->Config_MQTT_ON_OFF,
            configUi->Config_Ble_ON_OFF,          configUi->Config_Spectra_ON_OFF,
            configUi->Config_Convert_ON_OFF,      configUi->Config_I2CDUMP_ON_OFF,
            configUi->Config_TOF_ON_OFF,          configUi->Config_MODBUS_ON_OFF};
}

void MainWindow::slotActionConfig()
{
    // One dialog at a time: the toggles and OK act on the one form there is.
    if (m_configDialog) {
        m_configDialog->raise();
        m_configDialog->activateWindow();
        return;
    }

    toolEnabled.fill(0, toolKeyCount);

    ToolDialog *const dialog = newToolDialog([this] {
        m_configDialog = nullptr;
        configUi = nullptr;
    });
    Ui::Config *const form = dialog->installForm<Ui::Config>();
    dialog->setWindowFlags(dialog->windowFlags() & ~Qt::WindowContextHelpButtonHint);
    m_configDialog = dialog;
    configUi = form;

    connect(form->ConfigCancel_Button, &QPushButton::pressed, dialog, &QDialog::close);
    dialog->onPress(form->ConfigOK_Button, this, &MainWindow::slotActConfigOK);
    using Toggle = void (MainWindow::*)();
    const Toggle toggles[] = {&MainWindow::Config_COM_ON_OFF_triggered,
                              &MainWindow::Config_UDP_ON_OFF_triggered,
                              &MainWindow::Config_TCP_ON_OFF_triggered,
                              &MainWindow::Config_GPS_ON_OFF_triggered,
                              &MainWindow::Config_GSM_ON_OFF_triggered,
                              &MainWindow::Config_UNICODE_ON_OFF_triggered,
                              &MainWindow::Config_Envir_ON_OFF_triggered,
                              &MainWindow::Config_Crypty_ON_OFF_triggered,
                              &MainWindow::Config_Oscilloscope_ON_OFF_triggered,
                              &MainWindow::Config_MQTT_ON_OFF_triggered,
                              &MainWindow::Config_BLE_ON_OFF_triggered,
                              &MainWindow::Config_Spectra_ON_OFF_triggered,
                              &MainWindow::Config_Convert_ON_OFF_triggered,
                              &MainWindow::Config_I2CDUMP_ON_OFF_triggered,
                              &MainWindow::Config_TOF_ON_OFF_triggered,
                              &MainWindow::Config_MODBUS_ON_OFF_triggered};
    const QList<QPushButton *> buttons = configButtons();
    for (int i = 0; i < buttons.size(); ++i)
        dialog->onPress(buttons.at(i), this, toggles[i]);

    dialog->show();
    dialog->setStyleSheet(QStringLiteral("background-color: white grey"));
    for (QPushButton *button : buttons)
        button->setStyleSheet(QStringLiteral("border:none"));

    // A fresh object reads the file as it stands now.
    settings = new QSettings(settingsFilePath(), QSettings::IniFormat, this);
    for (int i = 0; i < toolKeyCount; ++i) {
        const bool on = ToolSwitches::isOn(settings->value(toolKeys.at(i)).toString());
        buttons.at(i)->setIcon(QIcon(QLatin1String(on ? onPicture : offPicture)));
        toolEnabled[i] = on ? 1 : 0;
    }
    form->serial_checkBox->setChecked(
        ToolSwitches::isOn(settings->value(QLatin1String(scanKey)).toString()));
    form->comboBox->hide();
}

void MainWindow::toggleTool(int tool)
{
    const bool on = toolEnabled.at(tool) == 0;
    toolEnabled[tool] = on ? 1 : 0;
    configButtons().at(tool)->setIcon(QIcon(QLatin1String(on ? onPicture : offPicture)));
}

void MainWindow::Config_COM_ON_OFF_triggered()
{
    toggleTool(0);
}

void MainWindow::Config_UDP_ON_OFF_triggered()
{
    toggleTool(1);
}

void MainWindow::Config_TCP_ON_OFF_triggered()
{
    toggleTool(2);
}

void MainWindow::Config_GPS_ON_OFF_triggered()
{
    toggleTool(3);
}

void MainWindow::Config_GSM_ON_OFF_triggered()
{
    toggleTool(4);
}

void MainWindow::Config_UNICODE_ON_OFF_triggered()
{
    toggleTool(5);
}

void MainWindow::Config_Envir_ON_OFF_triggered()
{
    toggleTool(6);
}

void MainWindow::Config_Crypty_ON_OFF_triggered()
{
    toggleTool(7);
}

void MainWindow::Config_Oscilloscope_ON_OFF_triggered()
{
    toggleTool(8);
}

void MainWindow::Config_MQTT_ON_OFF_triggered()
{
    toggleTool(9);
}

void MainWindow::Config_BLE_ON_OFF_triggered()
{
    toggleTool(10);
}

void MainWindow::Config_Spectra_ON_OFF_triggered()
{
    toggleTool(11);
}

void MainWindow::Config_Convert_ON_OFF_triggered()
{
    toggleTool(12);
}

void MainWindow::Config_I2CDUMP_ON_OFF_triggered()
{
    toggleTool(13);
}

void MainWindow::Config_TOF_ON_OFF_triggered()
{
    toggleTool(14);
}

void MainWindow::Config_MODBUS_ON_OFF_triggered()
{
    toggleTool(15);
}

// Writes the switches and applies them by starting a new copy of the
// program. The keys reach the disk first, or the new copy would read the old
// ones; when they cannot, or the copy cannot start, this window stays.
void MainWindow::slotActConfigOK()
{
    const bool saved = saveSettings([this](QSettings &file) {
        for (int i = 0; i < toolKeyCount; ++i)
            file.setValue(toolKeys.at(i), toolEnabled.at(i) == 1 ? QStringLiteral("true")
                                                                 : QStringLiteral("false"));
        file.setValue(QLatin1String(scanKey), configUi->serial_checkBox->isChecked());
        file.setValue(QLatin1String(mapKey), configUi->comboBox->currentIndex());
    });
    if (!saved) {
        Prompt::warning(m_configDialog, tr("Message"), tr("The settings could not be saved."));
        return;
    }

    m_configDialog->close();
    if (!ProgramRestarter::startNewCopy()) {
        Prompt::warning(this, tr("Message"),
                        tr("The program could not be restarted. Please start it again to "
                           "apply the settings."));
        return;
    }
    close();
}
