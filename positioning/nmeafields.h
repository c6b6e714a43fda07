#pragma once

#include <QByteArrayView>

// Reading the comma-separated fields of one NMEA sentence.
namespace NmeaFields {

// Field n of a sentence: the text after its n-th comma up to the next comma,
// the '*' that starts the checksum, or the end; empty when there are fewer
// commas.
[[nodiscard]] QByteArrayView field(QByteArrayView sentence, int n);

// The number of commas before the '*' (or the end): the index of the
// sentence's last field.
[[nodiscard]] int lastField(QByteArrayView sentence);

// The value of the longest leading part of a field that forms a decimal
// number (blanks, a sign, digits with at most one '.', an exponent), read as
// C atof reads it but with '.' as the decimal point whatever the locale;
// 0 when there is none.
[[nodiscard]] double leadingNumber(QByteArrayView text);

// A double cut to an int towards zero, held within the range of int.
[[nodiscard]] int truncated(double value);

} // namespace NmeaFields
