#include "gsmreplies.h"

#include <algorithm>
#include <iterator>

namespace {
// The text of a reply after `prefix` up to its line end; none until the line
// end has come.
std::optional<QByteArray> field(const QByteArray &reply, const QByteArray &prefix)
{
    const qsizetype at = reply.indexOf(prefix);
    if (at < 0)
        return std::nullopt;
    const qsizetype start = at + prefix.size();
    qsizetype end = start;
    while (end < reply.size() && reply.at(end) != '\r' && reply.at(end) != '\n')
        ++end;
    if (end == reply.size())
        return std::nullopt;
    return reply.mid(start, end - start);
}

// Result codes of the console's commands, calls and the modem's TCP client.
const char *const resultCodes[] = {
    "OK",          "ERROR",   "CONNECT",   "NO CARRIER", "BUSY",    "NO ANSWER",
    "NO DIALTONE", "SEND OK", "SEND FAIL", "CLOSE OK",   "SHUT OK", "ALREADY CONNECT",
};
} // namespace

std::optional<int> GsmReplies::switchState(const QByteArray &reply, Switch query)
{
    switch (query) {
    case Switch::ShowCaller: {
        const std::optional<QByteArray> state = field(reply, "+CLIP: ");
        if (!state)
            return std::nullopt;
        const QByteArray first = state->left(state->indexOf(','));
        if (first.contains('1'))
            return 1;
        if (first.contains('0'))
            return 0;
        return std::nullopt;
    }
    case Switch::CallMusic: {
        const std::optional<QByteArray> state = field(reply, "+CALM: ");
        if (state && state->contains('0'))
            return 1;
        if (state && state->contains('1'))
            return 0;
        return std::nullopt;
    }
    case Switch::SmsTextMode: {
        const std::optional<QByteArray> state = field(reply, "+CMGF: ");
        if (state && state->contains('1'))
            return 1;
        if (state && state->contains('0'))
            return 0;
        return std::nullopt;
    }
    }
    return std::nullopt;
}

std::optional<int> GsmReplies::signalValue(const QByteArray &reply)
{
    if (!holdsOk(reply))
        return std::nullopt;
    const std::optional<QByteArray> values = field(reply, "+CSQ: ");
    if (!values)
        return std::nullopt;
    return values->left(values->indexOf(',')).trimmed().toInt();
}

std::optional<QString> GsmReplies::signalPicture(int value)
{
    if (value == 0)
        return QStringLiteral(":images/sig25.png");
    if (value == 1)
        return QStringLiteral(":images/sig50.png");
    if (value >= 3 && value <= 30)
        return QStringLiteral(":images/sig75.png");
    if (value >= 31 && value <= 98)
        return QStringLiteral(":images/sig100.png");
    if (value == 99)
        return QStringLiteral(":images/sig0.png");
    return std::nullopt;
}

bool GsmReplies::holdsOk(const QByteArray &reply)
{
    return reply.startsWith("OK\r\n") || reply.contains("\nOK\r\n");
}

bool GsmReplies::isReplyLine(QByteArrayView line)
{
    const QByteArrayView text = line.trimmed();
    if (text.isEmpty() || text.startsWith('+') || text.startsWith('>'))
        return true;
    return std::any_of(std::cbegin(resultCodes), std::cend(resultCodes),
                       [text](const char *code) { return text.startsWith(code); });
}

bool GsmReplies::holdsPrompt(const QByteArray &reply)
{
    return reply.startsWith('>') || reply.contains("\n>");
}
