#pragma once

#include "lineframer.h"
#include "streamparser.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <optional>

// What an environment-sensor board measures, in the order of its line
// formats.
enum class EnvQuantity { Humidity, Temperature, Barometer, Ultraviolet, CO2, TVOC };

// One reading of the board. An integer quantity (barometer, ultraviolet, CO2,
// TVOC) holds a whole number that fits a 32-bit signed integer.
struct EnvReading
{
    EnvQuantity quantity = EnvQuantity::Humidity;
    double value = 0;

    friend bool operator==(const EnvReading &a, const EnvReading &b)
    {
        return a.quantity == b.quantity && a.value == b.value;
    }
};

// One line format of the board: key, number, unit and CR LF, as the Help
// dialog lists them ("Humidity:xx.xx%\r\n", "CO2:xxxxxppm\r\n", ...).
struct EnvLineFormat
{
    EnvQuantity quantity;
    const char *key;
    const char *unit;
    bool integer; // read as a base-10 integer, else as a decimal number
};

// Cuts the byte stream of the environment board into lines and reads each
// line as one reading.
class EnvLineParser : public StreamParser<EnvReading>
{
public:
    // A line holds at most maximumLength bytes before its LF, its CR
    // counted; a length below 2 counts as 2.
    explicit EnvLineParser(qsizetype maximumLength = 256);

    // Lines end at LF. A line that ends with CR LF and reads as a reading
    // (readLine) gives one result; any other line that is not empty is
    // dropped and reported as corrupt, a longer line once by its first
    // maximumLength bytes, and lines are cut again after its LF. Bytes are
    // searched as bytes: a NUL byte inside a line spoils only that line. An
    // unfinished line is held for the next feed.
    [[nodiscard]] ParsedChunk<EnvReading> feed(const QByteArray &bytes) override;
    [[nodiscard]] bool needsMore() const override;
    void reset() override;

    // The six line formats, in the order of EnvQuantity.
    [[nodiscard]] static const QList<EnvLineFormat> &formats();
    // Reads one line without its CR LF: after any bytes that cannot begin a
    // key (NUL, blanks and other control bytes, which boards send around
    // their lines), it must begin with a format's key and end with that
    // format's unit; the bytes between are the number. A number that does
    // not convert (for an integer: that is no base-10 integer or does not fit
    // 32 bits; for a decimal: that is no finite number) reads as 0. Leading
    // and trailing spaces around the number are allowed.
    [[nodiscard]] static std::optional<EnvReading> readLine(QByteArrayView line);

private:
    LineFramer m_lines;
};
