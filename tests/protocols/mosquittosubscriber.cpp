#include "mosquittosubscriber.h"

#include "mosquittobroker.h"

#include <QDeadlineTimer>

MosquittoSubscriber::MosquittoSubscriber(const MosquittoBroker &broker, const QString &filter)
{
    // Debug lines tell when the subscription stands; each message is a line
    // of its topic and its payload in hexadecimal. Line buffered, since its
    // debug lines would otherwise wait for the first message.
    m_process.start(QStringLiteral("stdbuf"), QStringList{"-oL", "mosquitto_sub"}
                                                  << broker.clientArguments() << "-d"
                                                  << "-t" << filter << "-F"
                                                  << "%t %x");
}

MosquittoSubscriber::~MosquittoSubscriber()
{
    m_process.kill();
    m_process.waitForFinished(5000);
}

bool MosquittoSubscriber::waitSubscribed(int ms)
{
    const QDeadlineTimer deadline(ms);
    while (!m_output.contains("Subscribed (mid") && !deadline.hasExpired() &&
           m_process.state() != QProcess::NotRunning) {
        m_process.waitForReadyRead(50);
        m_output += m_process.readAllStandardOutput();
    }
    return m_output.contains("Subscribed (mid");
}

QList<QPair<QString, QByteArray>> MosquittoSubscriber::messages()
{
    m_output += m_process.readAllStandardOutput();
    QList<QPair<QString, QByteArray>> messages;
    const QByteArray complete = m_output.left(m_output.lastIndexOf('\n') + 1);
    for (const QByteArray &line : complete.split('\n')) {
        const qsizetype space = line.lastIndexOf(' ');
        if (space < 0 || line.startsWith("Client ") || line.startsWith("Subscribed "))
            continue;
        messages.append(
            {QString::fromUtf8(line.left(space)), QByteArray::fromHex(line.sliced(space + 1))});
    }
    return messages;
}
