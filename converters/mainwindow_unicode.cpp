#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "longtextbox.h"
#include "longtextconversion.h"
#include "unicodeescape.h"

#include <QPushButton>

#include <utility>

void MainWindow::Unicode_Init_Start()
{
    connect(ui->StoUpushButton, &QPushButton::pressed, this,
            &MainWindow::actionStoUpushButton_triggered);
    connect(ui->UtoSpushButton, &QPushButton::pressed, this,
            &MainWindow::actionUtoSpushButton_triggered);
    LongTextBox::prepare(ui->UnicodetextEdit);
    LongTextBox::prepare(ui->UnicodetextBrowser);
    unicodeConversion = new LongTextConversion({ui->StoUpushButton, ui->UtoSpushButton}, this);
}

// Text to hex groups.
void MainWindow::actionStoUpushButton_triggered()
{
    const bool prefixed = ui->UnicodecheckBox->isChecked();
    unicodeConversion->run(
        ui->UnicodetextEdit, ui->UnicodetextBrowser,
        [prefixed](const QString &text) { return UnicodeEscape::encode(text, prefixed); });
}

// Hex groups to text, shown as plain text whatever it looks like.
void MainWindow::actionUtoSpushButton_triggered()
{
    const bool prefixed = ui->UnicodecheckBox->isChecked();
    unicodeConversion->run(ui->UnicodetextEdit, ui->UnicodetextBrowser, [prefixed](QString hex) {
        return UnicodeEscape::decode(std::move(hex), prefixed);
    });
}
