#pragma once

// One 8-byte block through DES, two-key or three-key triple DES (the
// encrypt-decrypt-encrypt construction). The round keys live in one table
// for the whole program, so these functions must not be called from two
// threads at once.
//
// The six block functions take an 8-byte chaining value or null, the block
// (transformed in place) and the key (8, 16 or 24 bytes: K1, K2, K3). The
// parity bit of each key byte is ignored. A null key leaves everything
// unchanged. With a chaining value, encrypting XORs the block with it first
// and then stores the ciphertext in it, and decoding XORs the result with it
// and then stores the ciphertext that was handed in, so calls in a row over
// consecutive blocks chain them.

// E(K)
void One_DES_IV_Encrypt_Block(unsigned char *iv, unsigned char *block, const unsigned char *key);
// D(K)
void One_DES_IV_Decode_Block(unsigned char *iv, unsigned char *block, const unsigned char *key);
// E(K1), D(K2), E(K1)
void Two_DES_IV_Encrypt_Block(unsigned char *iv, unsigned char *block, const unsigned char *key);
// D(K1), E(K2), D(K1)
void Two_DES_IV_Decode_Block(unsigned char *iv, unsigned char *block, const unsigned char *key);
// E(K1), D(K2), E(K3)
void Three_DES_IV_Encrypt_Block(unsigned char *iv, unsigned char *block, const unsigned char *key);
// D(K3), E(K2), D(K1)
void Three_DES_IV_Decode_Block(unsigned char *iv, unsigned char *block, const unsigned char *key);

// The single-DES layer: the key schedule of an 8-byte key into the round-key
// table, and one block encrypted or decrypted with it. Input and output may
// be the same array.
void Set_One_DES_64bitKey(const unsigned char *key);
void DES_Encrypt_Block(const unsigned char *in, unsigned char *out);
void DES_Decode_Block(const unsigned char *in, unsigned char *out);
