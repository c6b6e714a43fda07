#pragma once

#include <QDialog>
#include <QString>

#include <functional>
#include <memory>

namespace Ui {
class WriteDialog;
}

// The modal dialog in which the user types the data to write to a
// characteristic and says whether it is text or hexadecimal.
class WriteDialog : public QDialog
{
    Q_OBJECT

public:
    // Runs the dialog and returns its result code; tests install one that
    // fills in the dialog and answers at once.
    using Runner = std::function<int(WriteDialog &dialog)>;

    explicit WriteDialog(QWidget *parent = nullptr);
    ~WriteDialog() override;

    [[nodiscard]] QString getData() const;
    [[nodiscard]] bool isHexMode() const;
    // Shows the dialog modally, or hands it to the installed runner.
    [[nodiscard]] int run();
    // An empty runner brings the modal dialog back.
    static void setRunner(Runner runner);

private:
    std::unique_ptr<Ui::WriteDialog> ui;
};
