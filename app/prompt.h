#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

// Every modal message box, file dialog and text question of the program goes
// through here. Tests install handlers that answer at once, so no modal box
// ever blocks them; without handlers the real dialogs are shown. A message
// box shows its text as plain text, never as markup.
class Prompt
{
public:
    enum class Kind { Information, Warning, Critical, Question };

    struct Message
    {
        Kind kind;
        QString title;
        QString text;
        QMessageBox::StandardButtons buttons;
        // The button Enter presses; none lets the box choose.
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    };

    enum class FileMode { Open, Save };

    struct FileRequest
    {
        FileMode mode;
        QString caption;
        QString directory;
        QString filter;
    };

    struct TextRequest
    {
        QString title;
        QString label;
        QString text;
    };

    using MessageHandler = std::function<QMessageBox::StandardButton(const Message &)>;
    // Returns the chosen path, or an empty string for a cancelled dialog.
    using FileHandler = std::function<QString(const FileRequest &)>;
    // Returns false for a cancelled question; the answer goes into the text.
    using TextHandler = std::function<bool(const TextRequest &, QString &answer)>;

    static QMessageBox::StandardButton
    information(QWidget *parent, const QString &title, const QString &text,
                QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
    static QMessageBox::StandardButton
    warning(QWidget *parent, const QString &title, const QString &text,
            QMessageBox::StandardButtons buttons = QMessageBox::Ok,
            QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
    static QMessageBox::StandardButton
    critical(QWidget *parent, const QString &title, const QString &text,
             QMessageBox::StandardButtons buttons = QMessageBox::Ok,
             QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
    static QMessageBox::StandardButton
    question(QWidget *parent, const QString &title, const QString &text,
             QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No,
             QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

    static QString openFileName(QWidget *parent, const QString &caption,
                                const QString &directory = {}, const QString &filter = {});
    static QString saveFileName(QWidget *parent, const QString &caption,
                                const QString &directory = {}, const QString &filter = {});

    // Asks for one line of text; returns false when the user cancels.
    static bool text(QWidget *parent, const QString &title, const QString &label, QString &answer);

    // An empty handler brings the real dialogs back.
    static void setMessageHandler(MessageHandler handler);
    static void setFileHandler(FileHandler handler);
    static void setTextHandler(TextHandler handler);

private:
    static QMessageBox::StandardButton message(QWidget *parent, const Message &message);
    static QString file(QWidget *parent, const FileRequest &request);
};
