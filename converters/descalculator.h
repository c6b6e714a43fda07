#pragma once

#include <QString>

#include <optional>

// One block of the DES calculator: a key and a block given as hex digits go
// through DES, two-key or three-key triple DES; the result comes back as 16
// upper-case digits, or the reason the input was refused.
class DesCalculator
{
public:
    // In the order of the calculator's mode list.
    enum class Mode { Des, TwoKeyDes, ThreeKeyDes };
    enum class Direction { Encrypt, Decrypt };
    enum class Refusal { None, Length, NotHex };

    struct Result
    {
        Refusal refusal = Refusal::None;
        QString hex;
    };

    static constexpr int dataDigits = 16;

    // The mode at a position of the mode list; none past its end.
    [[nodiscard]] static std::optional<Mode> modeAt(int index);
    // 16, 32 or 48 digits.
    [[nodiscard]] static int keyDigits(Mode mode);

    // Empty texts and texts whose length does not fit the mode are refused
    // for their length; then the key and the data must be hex digits of
    // either case (a character outside Latin-1 is none).
    [[nodiscard]] static Result run(Mode mode, Direction direction, const QString &key,
                                    const QString &data);
};
