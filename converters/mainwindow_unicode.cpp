#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "unicodeescape.h"

#include <QPushButton>
#include <QTextOption>

void MainWindow::Unicode_Init_Start()
{
    connect(ui->StoUpushButton, &QPushButton::pressed, this,
            &MainWindow::actionStoUpushButton_triggered);
    connect(ui->UtoSpushButton, &QPushButton::pressed, this,
            &MainWindow::actionUtoSpushButton_triggered);
    // Hex groups are one long word; wrapping at word boundaries lays such a
    // word out in time growing with the square of its length.
    ui->UnicodetextEdit->setWordWrapMode(QTextOption::WrapAnywhere);
    ui->UnicodetextBrowser->setWordWrapMode(QTextOption::WrapAnywhere);
}

// Text to hex groups.
void MainWindow::actionStoUpushButton_triggered()
{
    ui->UnicodetextBrowser->setPlainText(UnicodeEscape::encode(ui->UnicodetextEdit->toPlainText(),
                                                               ui->UnicodecheckBox->isChecked()));
}

// Hex groups to text, shown as plain text whatever it looks like.
void MainWindow::actionUtoSpushButton_triggered()
{
    ui->UnicodetextBrowser->setPlainText(UnicodeEscape::decode(ui->UnicodetextEdit->toPlainText(),
                                                               ui->UnicodecheckBox->isChecked()));
}
