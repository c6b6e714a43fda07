#include "programrestarter.h"

#include <QCoreApplication>
#include <QProcess>

namespace {
ProgramRestarter::Starter &currentStarter()
{
    static ProgramRestarter::Starter current;
    return current;
}
} // namespace

bool ProgramRestarter::startNewCopy()
{
    if (currentStarter())
        return currentStarter()();
    return QProcess::startDetached(QCoreApplication::applicationFilePath(), {});
}

void ProgramRestarter::setStarter(Starter starter)
{
    currentStarter() = std::move(starter);
}
