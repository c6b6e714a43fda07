#include "mainwindow.h"

#include "mwaveview.h"

void MainWindow::Oscilloscope_Init_Start() {}

// The channel boxes show or hide their channel's curve.
static void showChannel(MWaveView *view, int channel, int state)
{
    if (!view)
        return;
    if (state == Qt::Unchecked)
        view->closeChannel(channel);
    else
        view->openChannel(channel);
}

void MainWindow::on_checkBox_0_stateChanged(int state)
{
    showChannel(waveView, WAVE_CH0, state);
}

void MainWindow::on_checkBox_1_stateChanged(int state)
{
    showChannel(waveView, WAVE_CH1, state);
}

void MainWindow::on_checkBox_2_stateChanged(int state)
{
    showChannel(waveView, WAVE_CH2, state);
}

void MainWindow::on_checkBox_3_stateChanged(int state)
{
    showChannel(waveView, WAVE_CH3, state);
}
