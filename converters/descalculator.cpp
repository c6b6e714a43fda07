#include "descalculator.h"

#include "desblock.h"
#include "deshex.h"

#include <QByteArray>

#include <array>

namespace {
constexpr int blockBytes = 8;
constexpr int maximumKeyBytes = 24;

// At most 48 hex digits to bytes, the first digit of each pair the high
// nibble; false at a character that is not a hex digit.
bool packHex(const QString &text, unsigned char *bytes)
{
    const QByteArray latin1 = text.toLatin1();
    std::array<unsigned char, 2 * maximumKeyBytes> values{};
    if (!CharToHex(reinterpret_cast<const unsigned char *>(latin1.constData()), values.data(),
                   int(latin1.size())))
        return false;
    for (int i = 0; i < latin1.size() / 2; ++i)
        bytes[i] = values[2 * i] * 16 + values[2 * i + 1];
    return true;
}

using BlockFunction = void (*)(unsigned char *, unsigned char *, const unsigned char *);

// By mode, the encrypt and the decode function.
constexpr BlockFunction blockFunctions[3][2] = {
    {One_DES_IV_Encrypt_Block, One_DES_IV_Decode_Block},
    {Two_DES_IV_Encrypt_Block, Two_DES_IV_Decode_Block},
    {Three_DES_IV_Encrypt_Block, Three_DES_IV_Decode_Block}};
} // namespace

std::optional<DesCalculator::Mode> DesCalculator::modeAt(int index)
{
    if (index < 0 || index > int(Mode::ThreeKeyDes))
        return std::nullopt;
    return Mode(index);
}

int DesCalculator::keyDigits(Mode mode)
{
    return 16 + 16 * int(mode);
}

DesCalculator::Result DesCalculator::run(Mode mode, Direction direction, const QString &key,
                                         const QString &data)
{
    if (key.size() != keyDigits(mode) || data.size() != dataDigits)
        return {Refusal::Length, {}};
    std::array<unsigned char, maximumKeyBytes> keyBytes{};
    std::array<unsigned char, blockBytes> block{};
    if (!packHex(key, keyBytes.data()) || !packHex(data, block.data()))
        return {Refusal::NotHex, {}};
    const int function = direction == Direction::Encrypt ? 0 : 1;
    blockFunctions[int(mode)][function](nullptr, block.data(), keyBytes.data());
    std::array<char, 2 * blockBytes> digits{};
    HexToChar(digits.data(), block.data(), int(digits.size()));
    return {Refusal::None, QString::fromLatin1(digits.data(), digits.size())};
}
