#include "ptywindow.h"

#include "portlist.h"

#include <QTabWidget>

PtyWindow::PtyWindow()
{
    // The port list is read when the window is made.
    const QString path = m_pty.slavePath();
    PortList::setLister([path] { return QStringList{path}; });
    m_window = std::make_unique<MainWindow>();
    m_window->resize(1200, 800);
    m_window->show();
}

void PtyWindow::showPage(const QString &name)
{
    m_window->findChild<QTabWidget *>(QStringLiteral("tabWidget"))
        ->setCurrentWidget(m_window->findChild<QWidget *>(name));
}

PtyWindow::~PtyWindow()
{
    PortList::setLister({});
}
