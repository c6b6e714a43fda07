#pragma once

#include <QByteArray>
#include <QMap>
#include <QSet>
#include <QString>
#include <QWidget>

class QFormLayout;
class QLineEdit;
class QVBoxLayout;

// The card of one service panel: a section per characteristic with its name,
// UUID and permission, buttons to read, subscribe and write, and the value
// shown as text or as hexadecimal bytes. It only emits requests; values come
// back through updateCharacteristicValue.
class CharacteristicWidget : public QWidget
{
    Q_OBJECT

public:
    CharacteristicWidget(const QString &serviceUuid, QWidget *parent);

    // Adds the section of one characteristic; a UUID already shown adds
    // nothing. The value text is not shown.
    void setCharacteristicInfo(const QString &name, const QString &uuid, const QString &value,
                               const QString &permission);
    // Shows the bytes a read or a notification delivered, in the section's
    // display mode.
    void updateCharacteristicValue(const QString &uuid, const QByteArray &value);

Q_SIGNALS:
    void readCharacteristicRequested(const QString &uuid);
    void notifyCharacteristicRequested(const QString &uuid, bool subscribe);
    void writeCharacteristicRequested(const QString &uuid, const QString &data, bool hex);

private Q_SLOTS:
    void onDisplayModeChanged(const QString &uuid, int index);
    void onNotifyButtonClicked(const QString &uuid);

private:
    void addValueRow(QFormLayout *form, const QString &label, const QString &uuid);
    void runWriteDialog(const QString &uuid);
    void showValue(const QString &uuid);

    QSet<QString> m_shownUuids;
    QVBoxLayout *m_mainLayout;
    QMap<QString, QLineEdit *> m_valueEdits;
    QMap<QString, bool> m_notifyStates;
    // The bytes last delivered for each characteristic, shown in either mode.
    QMap<QString, QByteArray> m_values;
};
