#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QProcess>
#include <QString>

class MosquittoBroker;

// mosquitto_sub on a broker's plain listener, as an independent client: the
// messages it got so far, each as topic and payload.
class MosquittoSubscriber
{
public:
    MosquittoSubscriber(const MosquittoBroker &broker, const QString &filter);
    ~MosquittoSubscriber();

    // Whether the broker granted the subscription within the time.
    [[nodiscard]] bool waitSubscribed(int ms = 10000);
    [[nodiscard]] QList<QPair<QString, QByteArray>> messages();

private:
    QProcess m_process;
    QByteArray m_output;
};
