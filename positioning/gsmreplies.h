#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// Reads the GSM console's status replies: the three switch queries and the
// signal quality; and tells the lines of an AT reply from other text.
class GsmReplies
{
public:
    enum class Switch {
        ShowCaller, // "+CLIP: " n,m: n is the state
        CallMusic,  // "+CALM: " n: 0 is the normal alert sound, shown as on
        SmsTextMode // "+CMGF: " n
    };

    // The switch state (1 on, 0 off) a query reply gives, once the line of
    // the state is whole; none while it is not, or when it holds no digit
    // that means a state.
    [[nodiscard]] static std::optional<int> switchState(const QByteArray &reply, Switch query);

    // The signal value of a complete "+CSQ: " reply (one that holds OK):
    // the number up to the comma. None without OK or "+CSQ: "; a field that
    // is not a number reads as 0.
    [[nodiscard]] static std::optional<int> signalValue(const QByteArray &reply);
    // The picture of a signal value: 0 ":images/sig25.png", 1
    // ":images/sig50.png", 3 to 30 ":images/sig75.png", 31 to 98
    // ":images/sig100.png", 99 ":images/sig0.png"; none for the rest.
    [[nodiscard]] static std::optional<QString> signalPicture(int value);

    // Whether a reply holds the final result OK: a whole line of its own (a
    // line of text that merely ends in OK is none).
    [[nodiscard]] static bool holdsOk(const QByteArray &reply);
    // Whether a line (without its line end) is of the kind an AT reply is
    // made of: empty, an information or error line ("+NAME: ..."), a result
    // code or the data prompt. Other text is a peer's data.
    [[nodiscard]] static bool isReplyLine(QByteArrayView line);
    // Whether a reply holds the modem's data prompt: a line that begins
    // with ">" (a ">" elsewhere is text, not the prompt).
    [[nodiscard]] static bool holdsPrompt(const QByteArray &reply);
};
