#include "mainwindow.h"

void MainWindow::TCP_Init_Start() {}
