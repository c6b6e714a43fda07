#pragma once

#include <QProcess>
#include <QString>

// xclip, another program, holding a file's bytes on the clipboard (or the
// primary selection) until it ends, offered as one form (UTF8_STRING, STRING,
// image/png...): the program under test reads that selection as it reads
// any other program's.
class ClipboardOwner
{
public:
    // Returns once xclip answers for the selection, or after 30 s.
    explicit ClipboardOwner(const QString &file,
                            const QString &selection = QStringLiteral("clipboard"),
                            const QString &target = QStringLiteral("UTF8_STRING"));
    ~ClipboardOwner();
    ClipboardOwner(const ClipboardOwner &) = delete;
    ClipboardOwner &operator=(const ClipboardOwner &) = delete;

    [[nodiscard]] bool held() const { return m_held; }
    // xclip stops: it keeps the clipboard and never answers for it.
    void stopAnswering();

private:
    QProcess m_xclip;
    bool m_held = false;
};
