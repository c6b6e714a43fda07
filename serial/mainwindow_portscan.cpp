#include "mainwindow.h"

void MainWindow::SerialSacn() {}

void MainWindow::SerialSacn_new() {}

void MainWindow::stop_SerialSacn_new() {}
