#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "longtextbox.h"
#include "unicodeescape.h"

#include <QPushButton>

void MainWindow::Unicode_Init_Start()
{
    connect(ui->StoUpushButton, &QPushButton::pressed, this,
            &MainWindow::actionStoUpushButton_triggered);
    connect(ui->UtoSpushButton, &QPushButton::pressed, this,
            &MainWindow::actionUtoSpushButton_triggered);
    LongTextBox::prepare(ui->UnicodetextEdit);
    LongTextBox::prepare(ui->UnicodetextBrowser);
}

// Text to hex groups.
void MainWindow::actionStoUpushButton_triggered()
{
    LongTextBox::show(ui->UnicodetextBrowser,
                      UnicodeEscape::encode(ui->UnicodetextEdit->toPlainText(),
                                            ui->UnicodecheckBox->isChecked()));
}

// Hex groups to text, shown as plain text whatever it looks like.
void MainWindow::actionUtoSpushButton_triggered()
{
    LongTextBox::show(ui->UnicodetextBrowser,
                      UnicodeEscape::decode(ui->UnicodetextEdit->toPlainText(),
                                            ui->UnicodecheckBox->isChecked()));
}
