#include "mainwindow.h"

void MainWindow::getLocalIP() {}

void MainWindow::UDP_Init_Start() {}

void MainWindow::UDP_sendMsg() {}
