#include "desblock.h"

#include "desbits.h"
#include "destables.h"

#include <algorithm>
#include <initializer_list>

namespace {
constexpr int blockBytes = 8;
constexpr int keyBytes = 8;
constexpr int rounds = 16;

// The 16 round keys of the key set last, 48 bits each.
unsigned char SubKey_Table[rounds][48];

// The 16 rounds with the round keys in order (encryption) or reversed.
void runRounds(const unsigned char *in, unsigned char *out, bool reversed)
{
    unsigned char bits[64];
    ByteToBit(bits, in, blockBytes);
    TablePermute(bits, bits, IP_Table, 64);
    unsigned char *left = bits;
    unsigned char *right = bits + 32;
    for (int round = 0; round < rounds; ++round) {
        unsigned char previousRight[32];
        BitsCopy(previousRight, right, 32);
        F_Change(right, SubKey_Table[reversed ? rounds - 1 - round : round]);
        Xor(right, left, 32);
        BitsCopy(left, previousRight, 32);
    }
    // The halves join as R16 L16.
    unsigned char joined[64];
    BitsCopy(joined, right, 32);
    BitsCopy(joined + 32, left, 32);
    TablePermute(bits, joined, IPR_Table, 64);
    BitToByte(out, bits, blockBytes);
}

// One single-DES step of a block function: encrypt or decrypt with the
// key at keyIndex (0 for K1).
struct Step
{
    bool encrypt;
    int keyIndex;
};

void runSteps(unsigned char *block, const unsigned char *key, std::initializer_list<Step> steps)
{
    for (const Step &step : steps) {
        Set_One_DES_64bitKey(key + step.keyIndex * keyBytes);
        if (step.encrypt)
            DES_Encrypt_Block(block, block);
        else
            DES_Decode_Block(block, block);
    }
}

void encryptChained(unsigned char *iv, unsigned char *block, const unsigned char *key,
                    std::initializer_list<Step> steps)
{
    if (!key)
        return;
    if (iv)
        Xor(block, iv, blockBytes);
    runSteps(block, key, steps);
    if (iv)
        std::copy_n(block, blockBytes, iv);
}

void decodeChained(unsigned char *iv, unsigned char *block, const unsigned char *key,
                   std::initializer_list<Step> steps)
{
    if (!key)
        return;
    unsigned char ciphertext[blockBytes];
    std::copy_n(block, blockBytes, ciphertext);
    runSteps(block, key, steps);
    if (iv) {
        Xor(block, iv, blockBytes);
        std::copy_n(ciphertext, blockBytes, iv);
    }
}
} // namespace

void Set_One_DES_64bitKey(const unsigned char *key)
{
    unsigned char bits[64];
    ByteToBit(bits, key, keyBytes);
    unsigned char halves[56];
    TablePermute(halves, bits, PC1_Table, 56);
    for (int round = 0; round < rounds; ++round) {
        LoopMove(halves, 28, Move_Table[round]);
        LoopMove(halves + 28, 28, Move_Table[round]);
        TablePermute(SubKey_Table[round], halves, PC2_Table, 48);
    }
}

void DES_Encrypt_Block(const unsigned char *in, unsigned char *out)
{
    runRounds(in, out, false);
}

void DES_Decode_Block(const unsigned char *in, unsigned char *out)
{
    runRounds(in, out, true);
}

void One_DES_IV_Encrypt_Block(unsigned char *iv, unsigned char *block, const unsigned char *key)
{
    encryptChained(iv, block, key, {{true, 0}});
}

void One_DES_IV_Decode_Block(unsigned char *iv, unsigned char *block, const unsigned char *key)
{
    decodeChained(iv, block, key, {{false, 0}});
}

void Two_DES_IV_Encrypt_Block(unsigned char *iv, unsigned char *block, const unsigned char *key)
{
    encryptChained(iv, block, key, {{true, 0}, {false, 1}, {true, 0}});
}

void Two_DES_IV_Decode_Block(unsigned char *iv, unsigned char *block, const unsigned char *key)
{
    decodeChained(iv, block, key, {{false, 0}, {true, 1}, {false, 0}});
}

void Three_DES_IV_Encrypt_Block(unsigned char *iv, unsigned char *block, const unsigned char *key)
{
    encryptChained(iv, block, key, {{true, 0}, {false, 1}, {true, 2}});
}

void Three_DES_IV_Decode_Block(unsigned char *iv, unsigned char *block, const unsigned char *key)
{
    decodeChained(iv, block, key, {{false, 2}, {true, 1}, {false, 0}});
}
