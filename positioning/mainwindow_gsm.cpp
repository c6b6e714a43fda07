#include "mainwindow.h"

void MainWindow::GSM_Init_Start() {}
