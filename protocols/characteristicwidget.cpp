#include "characteristicwidget.h"

#include "blevaluetext.h"
#include "writedialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSpacerItem>
#include <QVBoxLayout>

namespace {
QString notifyButtonName(const QString &uuid)
{
    return QStringLiteral("notifyButton_%1").arg(uuid);
}

QString displayModeName(const QString &uuid)
{
    return QStringLiteral("displayModeComboBox_temp_%1").arg(uuid);
}

QPushButton *addButton(QHBoxLayout *box, const QString &text)
{
    auto *button = new QPushButton(text);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    box->addWidget(button, 0, Qt::AlignLeft);
    return button;
}

QLineEdit *readOnlyEdit(const QString &text)
{
    auto *edit = new QLineEdit(text);
    edit->setReadOnly(true);
    return edit;
}
} // namespace

CharacteristicWidget::CharacteristicWidget(const QString &, QWidget *parent)
    : QWidget(parent)
    , m_mainLayout(new QVBoxLayout(this))
{
    m_mainLayout->setContentsMargins(0, 0, 0, 0);
}

void CharacteristicWidget::setCharacteristicInfo(const QString &name, const QString &uuid,
                                                 const QString &, const QString &permission)
{
    if (m_shownUuids.contains(uuid))
        return;
    m_shownUuids.insert(uuid);

    auto *section = new QGroupBox;
    auto *form = new QFormLayout(section);
    form->addRow(tr("Characteristic Name:"), readOnlyEdit(name));
    QString bare = uuid;
    bare.remove(QLatin1Char('{')).remove(QLatin1Char('}'));
    form->addRow(tr("Characteristic UUID:"), readOnlyEdit(bare));
    form->addRow(tr("Characteristic Permission:"), new QLabel(permission));
    form->setLabelAlignment(Qt::AlignLeft);

    auto *row = new QHBoxLayout;
    auto *buttons = new QHBoxLayout;
    row->addLayout(buttons);
    form->addRow(row);

    if (permission.contains(QLatin1String("Read"))) {
        connect(addButton(buttons, tr("Read")), &QPushButton::clicked, this,
                [this, uuid] { emit readCharacteristicRequested(uuid); });
        addValueRow(form, QStringLiteral("Read Value:"), uuid);
    }
    if (permission.contains(QLatin1String("Notify"))) {
        QPushButton *notify = addButton(buttons, tr("Notify"));
        notify->setObjectName(notifyButtonName(uuid));
        connect(notify, &QPushButton::clicked, this, [this, uuid] { onNotifyButtonClicked(uuid); });
        addValueRow(form, QStringLiteral("Notify Value:"), uuid);
    }
    if (permission.contains(QLatin1String("Write"))) {
        connect(addButton(buttons, tr("W")), &QPushButton::clicked, this,
                [this, uuid] { runWriteDialog(uuid); });
    }
    for (int i = 0; i < 3; ++i)
        buttons->addItem(new QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Fixed));

    auto *mode = new QComboBox;
    mode->addItems({QStringLiteral("ASCII"), QStringLiteral("Hexadecimal")});
    mode->setCurrentIndex(0);
    mode->setObjectName(displayModeName(uuid));
    connect(mode, &QComboBox::currentIndexChanged, this,
            [this, uuid](int index) { onDisplayModeChanged(uuid, index); });
    auto *modeRow = new QHBoxLayout;
    modeRow->addWidget(mode);
    modeRow->addStretch();
    form->addRow(QStringLiteral("Display Mode:"), modeRow);

    m_mainLayout->addWidget(section);
    m_notifyStates.insert(uuid, false);
}

void CharacteristicWidget::addValueRow(QFormLayout *form, const QString &label, const QString &uuid)
{
    if (m_valueEdits.contains(uuid))
        return;
    auto *edit = new QLineEdit;
    edit->setFocusPolicy(Qt::NoFocus);
    form->addRow(label, edit);
    m_valueEdits.insert(uuid, edit);
}

// The cards may be rebuilt while the dialog is open (the device connected
// again): the answer then has no card to go to.
void CharacteristicWidget::runWriteDialog(const QString &uuid)
{
    const QPointer<CharacteristicWidget> card(this);
    WriteDialog dialog;
    if (dialog.run() == QDialog::Accepted && card)
        emit writeCharacteristicRequested(uuid, dialog.getData(), dialog.isHexMode());
}

void CharacteristicWidget::onNotifyButtonClicked(const QString &uuid)
{
    const bool subscribed = !m_notifyStates.value(uuid, false);
    m_notifyStates.insert(uuid, subscribed);
    if (auto *button = findChild<QPushButton *>(notifyButtonName(uuid))) {
        button->setText(subscribed ? QStringLiteral("Subscribed") : tr("Notify"));
        button->setStyleSheet(subscribed ? QStringLiteral("background-color: green; color: white;")
                                         : QString());
    }
    emit notifyCharacteristicRequested(uuid, subscribed);
}

void CharacteristicWidget::updateCharacteristicValue(const QString &uuid, const QByteArray &value)
{
    m_values.insert(uuid, value);
    showValue(uuid);
}

void CharacteristicWidget::onDisplayModeChanged(const QString &uuid, int)
{
    showValue(uuid);
}

void CharacteristicWidget::showValue(const QString &uuid)
{
    const auto *mode = findChild<QComboBox *>(displayModeName(uuid));
    QLineEdit *edit = m_valueEdits.value(uuid);
    if (!mode || !edit)
        return;
    const QByteArray value = m_values.value(uuid);
    switch (mode->currentIndex()) {
    case 0:
        edit->setText(QString::fromUtf8(value));
        break;
    case 1:
        edit->setText(BleValueText::hexList(value));
        break;
    default:
        break;
    }
}
