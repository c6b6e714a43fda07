#include "mainwindow.h"

void MainWindow::Unicode_Init_Start() {}
