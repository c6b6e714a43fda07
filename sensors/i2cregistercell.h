#pragma once

#include <QHash>
#include <QLabel>
#include <QStaticText>

#include <memory>

// One register cell of the i2cdump table: a label that paints its text from
// a cache of laid-out texts that the table's cells share. The board's
// tables can change every cell dozens of times a second, and a label lays
// its text out anew at each paint; the cells show at most 256 texts, each
// laid out once. It paints as a label with centred text and no frame,
// margin or indent does.
class I2cRegisterCell : public QLabel
{
    Q_OBJECT

public:
    // The laid-out texts, by text.
    using Texts = QHash<QString, QStaticText>;

    I2cRegisterCell(const QString &text, std::shared_ptr<Texts> texts, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    [[nodiscard]] const QStaticText &laidOut();

    std::shared_ptr<Texts> m_texts;
};
