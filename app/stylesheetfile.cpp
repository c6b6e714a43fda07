#include "stylesheetfile.h"

#include <QApplication>
#include <QFile>

namespace StyleSheetFile {

void apply(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    qApp->setStyleSheet(QString::fromUtf8(file.readAll()));
}

} // namespace StyleSheetFile
