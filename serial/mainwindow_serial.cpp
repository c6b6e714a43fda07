#include "mainwindow.h"

void MainWindow::Serial_Init_Start() {}

void MainWindow::sendMsg() {}
