#pragma once

#include <QByteArray>
#include <QString>

class QTime;

// Texts that the receive views of the terminals show for received bytes.
namespace ReceiveFormat {

// Each byte as "0x%1," (two lower-case hex digits), a line feed after 0x0A.
[[nodiscard]] QString hexDump(const QByteArray &bytes);

// The stamp put before each received chunk: "[hh:mm:ss.zzz]".
[[nodiscard]] QString timeStamp(const QTime &time);

} // namespace ReceiveFormat
