#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryFile>

// xclip, another program, holding a file's bytes on the clipboard (or the
// primary selection) until it ends, offered as one form (UTF8_STRING, STRING,
// image/png...): the program under test reads that selection as it reads
// any other program's.
class ClipboardOwner
{
public:
    // Each returns once xclip answers for the selection, or after 30 s.
    explicit ClipboardOwner(const QString &file,
                            const QString &selection = QStringLiteral("clipboard"),
                            const QString &target = QStringLiteral("UTF8_STRING"));
    // `bytes`, through a file of its own.
    explicit ClipboardOwner(const QByteArray &bytes,
                            const QString &selection = QStringLiteral("clipboard"),
                            const QString &target = QStringLiteral("UTF8_STRING"));
    ~ClipboardOwner();
    ClipboardOwner(const ClipboardOwner &) = delete;
    ClipboardOwner &operator=(const ClipboardOwner &) = delete;

    [[nodiscard]] bool held() const { return m_held; }
    // xclip stops: it keeps the clipboard and never answers for it.
    void stopAnswering();

private:
    void hold(const QString &file, const QString &selection, const QString &target);

    QTemporaryFile m_file;
    QProcess m_xclip;
    bool m_held = false;
};
