#include "mainwindow.h"

void MainWindow::GPS_Init_Start() {}
