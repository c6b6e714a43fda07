#include "mainwindow.h"

void MainWindow::Crypty_Init_Start() {}
