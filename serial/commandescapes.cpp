#include "commandescapes.h"

namespace CommandEscapes {

QByteArray expand(QByteArray bytes)
{
    static const struct
    {
        const char *sequence;
        char byte;
    } steps[] = {{"\\r", '\r'}, {"\\n", '\n'}, {"\\t", '\t'}, {"\\a", '\a'},
                 {"\\b", '\b'}, {"\\f", '\f'}, {"\\v", '\v'}, {"\\\\", '\\'},
                 {"\\?", '?'},  {"\\'", '\''}, {"\\\"", '"'}};
    for (const auto &step : steps)
        bytes.replace(step.sequence, QByteArray(1, step.byte));
    return bytes;
}

} // namespace CommandEscapes
