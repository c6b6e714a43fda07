// libFuzzer target of the DES calculator's hex input. The first byte chooses
// the mode; then come the key and the data as typed, each ended by a NUL
// byte. Input the calculator takes encrypts and decrypts back to the data in
// upper case; bytes written as hex read back as themselves.

#include "descalculator.h"
#include "deshex.h"
#include "fuzzcheck.h"

#include <optional>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput input(data, size);
    const std::optional<DesCalculator::Mode> mode = DesCalculator::modeAt(input.byte() % 3);
    const QString key = QString::fromLatin1(input.until('\0', 64));
    const QString text = QString::fromLatin1(input.until('\0', 64));
    const QByteArray bytes = input.rest();

    const DesCalculator::Result encrypted =
        DesCalculator::run(*mode, DesCalculator::Direction::Encrypt, key, text);
    if (encrypted.refusal == DesCalculator::Refusal::None) {
        require(encrypted.hex.size() == DesCalculator::dataDigits, "a block is 16 digits");
        const DesCalculator::Result decrypted =
            DesCalculator::run(*mode, DesCalculator::Direction::Decrypt, key, encrypted.hex);
        require(decrypted.refusal == DesCalculator::Refusal::None &&
                    decrypted.hex == text.toUpper(),
                "a block encrypted decrypts back");
    }

    QByteArray digits(2 * bytes.size(), '\0');
    HexToChar(digits.data(), reinterpret_cast<const unsigned char *>(bytes.constData()),
              int(digits.size()));
    QByteArray values(digits.size(), '\0');
    require(CharToHex(reinterpret_cast<const unsigned char *>(digits.constData()),
                      reinterpret_cast<unsigned char *>(values.data()), int(digits.size())),
            "hex digits written read back");
    for (qsizetype i = 0; i < bytes.size(); ++i)
        require(quint8(values[2 * i] << 4 | values[2 * i + 1]) == quint8(bytes[i]),
                "bytes written as hex read back");
    return 0;
}
