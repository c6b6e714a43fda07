#include "mainwindow.h"

void MainWindow::Mqtt_Init_Start() {}
