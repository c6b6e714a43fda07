#include "deshex.h"

bool CharToHex(const unsigned char *chars, unsigned char *values, int count)
{
    for (int i = 0; i < count; ++i) {
        const unsigned char c = chars[i];
        if (c >= '0' && c <= '9')
            values[i] = c - '0';
        else if (c >= 'A' && c <= 'F')
            values[i] = c - 'A' + 10;
        else if (c >= 'a' && c <= 'f')
            values[i] = c - 'a' + 10;
        else
            return false;
    }
    return true;
}

bool HexToChar(char *out, const unsigned char *bytes, int count)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    for (int i = 0; i < count / 2; ++i) {
        out[2 * i] = digits[bytes[i] >> 4];
        out[2 * i + 1] = digits[bytes[i] & 0xF];
    }
    return true;
}
