#pragma once

#include <QString>

#include <optional>

// One block of the DES calculator: hex key and data in, hex result or refusal out.
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

    // Runs DES, two-key or three-key triple DES on the block; the result is
    // 16 upper-case digits. Empty texts and texts whose length does not fit
    // the mode are refused for their length; then the key and the data must
    // be hex digits of either case (a character outside Latin-1 is none).
    [[nodiscard]] static Result run(Mode mode, Direction direction, const QString &key,
                                    const QString &data);
};
