#include "mainwindow.h"

void MainWindow::Modbus_Init_Start() {}
