#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "longtextconversion.h"
#include "longtextedit.h"
#include "unicodeescape.h"

#include <QPushButton>

#include <utility>

void MainWindow::Unicode_Init_Start()
{
    connect(ui->StoUpushButton, &QPushButton::pressed, this,
            &MainWindow::actionStoUpushButton_triggered);
    connect(ui->UtoSpushButton, &QPushButton::pressed, this,
            &MainWindow::actionUtoSpushButton_triggered);
    unicodeConversion = new LongTextConversion(ui->UnicodetextEdit, ui->UnicodetextBrowser,
                                               {ui->StoUpushButton, ui->UtoSpushButton}, this);
}

// Text to hex groups.
void MainWindow::actionStoUpushButton_triggered()
{
    const bool prefixed = ui->UnicodecheckBox->isChecked();
    unicodeConversion->run(
        [prefixed](const QString &text) { return UnicodeEscape::encode(text, prefixed); },
        [prefixed](QStringView text) { return UnicodeEscape::encodedLength(text, prefixed); });
}

// Hex groups to text, shown as plain text whatever it looks like.
void MainWindow::actionUtoSpushButton_triggered()
{
    const bool prefixed = ui->UnicodecheckBox->isChecked();
    // A group of four characters or more gives one character.
    unicodeConversion->run(
        [prefixed](QString hex) { return UnicodeEscape::decode(std::move(hex), prefixed); },
        [](QStringView text) { return text.size(); });
}
