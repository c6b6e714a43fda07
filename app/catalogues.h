#pragma once

#include <QLocale>
#include <QString>

// Which translation catalogues the program loads at start for a locale.
namespace Catalogues {

// The language catalogue (":/transEnglish.qm", ":/transSimpleChinese.qm"), or
// an empty path for a language that has none.
[[nodiscard]] QString languageCatalogue(QLocale::Language language);

// The catalogue of the exact locale name, e.g. ":/i18n/zh_CN.qm".
[[nodiscard]] QString localeCatalogue(const QString &localeName);

} // namespace Catalogues
