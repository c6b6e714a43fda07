#pragma once

#include <QProcess>
#include <QString>

// xclip, another program, holding a file's bytes on the clipboard until it
// ends: the program under test reads that clipboard as it reads any other
// program's.
class ClipboardOwner
{
public:
    // Returns once xclip answers for the clipboard, or after 30 s.
    explicit ClipboardOwner(const QString &file);
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
