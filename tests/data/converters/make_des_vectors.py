#!/usr/bin/env python3
"""Writes des_vectors.txt, the random DES, two-key and three-key triple DES
vectors of tst_des. Run once; the output is committed, and the tests never
run this script. The reference cipher is python3-cryptography's TripleDES in
ECB mode: an 8-byte key is single DES, a 16-byte key K1 K2 K1, a 24-byte key
K1 K2 K3.

Each line: mode (DES, 2DES or 3DES), key, plaintext, ciphertext, in hex."""

import random

from cryptography.hazmat.decrepit.ciphers.algorithms import TripleDES
from cryptography.hazmat.primitives.ciphers import Cipher, modes

VECTORS_PER_MODE = 64
random_source = random.Random(20240611)

with open("des_vectors.txt", "w") as out:
    out.write("# mode key plaintext ciphertext; written by make_des_vectors.py\n")
    for mode, key_bytes in (("DES", 8), ("2DES", 16), ("3DES", 24)):
        for _ in range(VECTORS_PER_MODE):
            key = random_source.randbytes(key_bytes)
            plaintext = random_source.randbytes(8)
            encryptor = Cipher(TripleDES(key), modes.ECB()).encryptor()
            ciphertext = encryptor.update(plaintext) + encryptor.finalize()
            out.write(f"{mode} {key.hex().upper()} {plaintext.hex().upper()} "
                      f"{ciphertext.hex().upper()}\n")
