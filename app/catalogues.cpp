#include "catalogues.h"

namespace Catalogues {

QString languageCatalogue(QLocale::Language language)
{
    switch (language) {
    case QLocale::English:
        return QStringLiteral(":/transEnglish.qm");
    case QLocale::Chinese:
        return QStringLiteral(":/transSimpleChinese.qm");
    default:
        return {};
    }
}

QString localeCatalogue(const QString &localeName)
{
    return QStringLiteral(":/i18n/") + localeName + QStringLiteral(".qm");
}

} // namespace Catalogues
