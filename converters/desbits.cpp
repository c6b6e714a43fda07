#include "desbits.h"

#include "destables.h"

#include <algorithm>
#include <cassert>

void ByteToBit(unsigned char *bits, const unsigned char *bytes, int count)
{
    for (int i = 0; i < count * 8; ++i)
        bits[i] = (bytes[i / 8] >> (7 - i % 8)) & 1;
}

void BitToByte(unsigned char *bytes, const unsigned char *bits, int count)
{
    std::fill_n(bytes, count, 0);
    for (int i = 0; i < count * 8; ++i)
        bytes[i / 8] |= bits[i] << (7 - i % 8);
}

void BitsCopy(unsigned char *out, const unsigned char *in, int count)
{
    std::copy_n(in, count, out);
}

void TablePermute(unsigned char *out, const unsigned char *in, const unsigned char *table,
                  int count)
{
    // Through a temporary, so that permuting an array into itself reads only
    // the original entries.
    constexpr int maximum = 256;
    assert(count <= maximum);
    unsigned char permuted[maximum];
    for (int i = 0; i < count; ++i)
        permuted[i] = in[table[i] - 1];
    std::copy_n(permuted, count, out);
}

void LoopMove(unsigned char *bits, int length, int shift)
{
    assert(shift >= 0 && shift <= length);
    std::rotate(bits, bits + shift, bits + length);
}

void Xor(unsigned char *a, const unsigned char *b, int count)
{
    for (int i = 0; i < count; ++i)
        a[i] ^= b[i];
}

void S_Change(unsigned char *out, const unsigned char *in)
{
    for (int box = 0; box < 8; ++box) {
        const unsigned char *b = in + box * 6;
        const int row = 2 * b[0] + b[5];
        const int column = 8 * b[1] + 4 * b[2] + 2 * b[3] + b[4];
        const unsigned char value = S_Box[box][row][column];
        for (int bit = 0; bit < 4; ++bit)
            out[box * 4 + bit] = (value >> (3 - bit)) & 1;
    }
}

void F_Change(unsigned char *r, const unsigned char *key)
{
    unsigned char expanded[48];
    TablePermute(expanded, r, E_Table, 48);
    Xor(expanded, key, 48);
    unsigned char substituted[32];
    S_Change(substituted, expanded);
    TablePermute(r, substituted, P_Table, 32);
}
