#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "base64text.h"
#include "descalculator.h"
#include "longtextconversion.h"
#include "longtextedit.h"
#include "prompt.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace {
// One block through the chosen mode; a refused input warns and leaves the
// result box alone.
void runDesBlock(const Ui::MainWindow &ui, QWidget *window, DesCalculator::Direction direction)
{
    const std::optional<DesCalculator::Mode> mode =
        DesCalculator::modeAt(ui.DEScomboBox->currentIndex());
    if (!mode)
        return;
    const DesCalculator::Result result = DesCalculator::run(
        *mode, direction, ui.DeslineEdit_KEY->text(), ui.DeslineEdit_Data->text());
    switch (result.refusal) {
    case DesCalculator::Refusal::None:
        ui.DeslineEdit_Result->setText(result.hex);
        break;
    case DesCalculator::Refusal::Length:
        Prompt::warning(window, MainWindow::tr("warning:"), MainWindow::tr("Error for Data"));
        break;
    case DesCalculator::Refusal::NotHex:
        Prompt::warning(window, MainWindow::tr("warning:"),
                        MainWindow::tr("Please enter '0' - '9', 'A' - 'F'"));
        break;
    }
}
} // namespace

void MainWindow::Crypty_Init_Start()
{
    connect(ui->DespushButton_Encryption, &QPushButton::pressed, this,
            &MainWindow::DesEncryption_triggered);
    connect(ui->DespushButton_Decryption, &QPushButton::pressed, this,
            &MainWindow::DesDecryption_triggered);
    connect(ui->DEScomboBox, &QComboBox::currentIndexChanged, this,
            &MainWindow::DEScomboBox_triggered);
    connect(ui->DeslineEdit_Data, &QLineEdit::textEdited, this,
            &MainWindow::DeslineEdit_Data_triggered);
    connect(ui->DeslineEdit_KEY, &QLineEdit::textEdited, this,
            &MainWindow::DeslineEdit_KEY_triggered);
    ui->DeslineEdit_Data->setMaxLength(DesCalculator::dataDigits);
    ui->DeslineEdit_KEY->setMaxLength(DesCalculator::keyDigits(DesCalculator::Mode::Des));
    // The program writes these; nothing typed there would be read.
    for (QLineEdit *shown :
         {ui->DeslineEdit_Result, ui->DeslineEdit_KEYLEN, ui->DeslineEdit_Datalen})
        shown->setReadOnly(true);
    base64Conversion =
        new LongTextConversion(ui->base64_source_textBrowser, ui->base64_to_textBrowser,
                               {ui->base64_encode_pushButton, ui->base64_decode_pushButton}, this);
    connect(ui->base64_encode_pushButton, &QPushButton::clicked, this, &MainWindow::base64_encode);
    connect(ui->base64_decode_pushButton, &QPushButton::clicked, this, &MainWindow::base64_decode);
}

void MainWindow::DesEncryption_triggered()
{
    runDesBlock(*ui, this, DesCalculator::Direction::Encrypt);
}

void MainWindow::DesDecryption_triggered()
{
    runDesBlock(*ui, this, DesCalculator::Direction::Decrypt);
}

// The key box takes as many digits as the mode's key has.
void MainWindow::DEScomboBox_triggered()
{
    const std::optional<DesCalculator::Mode> mode =
        DesCalculator::modeAt(ui->DEScomboBox->currentIndex());
    if (!mode)
        return;
    ui->DeslineEdit_KEY->setMaxLength(DesCalculator::keyDigits(*mode));
    ui->DeslineEdit_Data->setMaxLength(DesCalculator::dataDigits);
}

void MainWindow::DeslineEdit_Data_triggered()
{
    ui->DeslineEdit_Datalen->setText(QString::number(ui->DeslineEdit_Data->text().size()));
}

void MainWindow::DeslineEdit_KEY_triggered()
{
    ui->DeslineEdit_KEYLEN->setText(QString::number(ui->DeslineEdit_KEY->text().size()));
}

void MainWindow::base64_encode()
{
    base64Conversion->run(&Base64Text::encode, &Base64Text::encodedLength);
}

void MainWindow::base64_decode()
{
    // What Base64 decodes to is shorter than the Base64.
    base64Conversion->run(&Base64Text::decode, [](QStringView text) { return text.size(); });
}
