#include "writedialog.h"

#include "ui_writedialog.h"

namespace {
WriteDialog::Runner &runner()
{
    static WriteDialog::Runner installed;
    return installed;
}
} // namespace

WriteDialog::WriteDialog(QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::WriteDialog>())
{
    ui->setupUi(this);
}

WriteDialog::~WriteDialog() = default;

QString WriteDialog::getData() const
{
    return ui->dataEdit->text();
}

bool WriteDialog::isHexMode() const
{
    return ui->modeComboBox->currentText() == QLatin1String("Hex");
}

int WriteDialog::run()
{
    return runner() ? runner()(*this) : exec();
}

void WriteDialog::setRunner(Runner runner)
{
    ::runner() = std::move(runner);
}
