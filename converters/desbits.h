#pragma once

// The bit-level operations of the DES cipher. Bit arrays hold one bit per
// byte (0 or 1); bytes unpack most significant bit first, so bit 1 of a block
// is the top bit of its first byte.

// Unpacks count bytes into count x 8 bits.
void ByteToBit(unsigned char *bits, const unsigned char *bytes, int count);
// Packs count x 8 bits into count bytes (cleared first).
void BitToByte(unsigned char *bytes, const unsigned char *bits, int count);
void BitsCopy(unsigned char *out, const unsigned char *in, int count);
// out[i] = in[table[i] - 1] for i below count (at most 256); out may be in.
void TablePermute(unsigned char *out, const unsigned char *in, const unsigned char *table,
                  int count);
// Rotates the first length entries left by shift (at most length).
void LoopMove(unsigned char *bits, int length, int shift);
// a[i] ^= b[i] for i below count; works on whole bytes as well as on bits.
void Xor(unsigned char *a, const unsigned char *b, int count);
// The eight S-boxes: 48 bits in, 32 bits out.
void S_Change(unsigned char *out, const unsigned char *in);
// The cipher function: the 32-bit half r becomes P(S(E(r) XOR key)).
void F_Change(unsigned char *r, const unsigned char *key);
