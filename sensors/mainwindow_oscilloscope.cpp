#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "mwaveview.h"
#include "serialtool.h"
#include "zoomdial.h"

#include <utility>

void MainWindow::Oscilloscope_Init_Start()
{
    oscParser.reset();
    connect(ui->OSCopencompushButton, &QPushButton::pressed, this,
            &MainWindow::OscilloscopeOpen_triggered);
    setOpenButtonStyle(ui->OSCopencompushButton, false);
    // The page's grid takes the chart over.
    waveView = new MWaveView;
    ui->gridLayout_oscilloscpewideget->addWidget(waveView);
}

SerialTool MainWindow::oscilloscopeSerialTool()
{
    SerialTool tool;
    tool.id = SerialToolId::Oscilloscope;
    tool.receive = &MainWindow::readOSCCom;
    return tool;
}

void MainWindow::OscilloscopeOpen_triggered()
{
    // Every open attempt starts with an empty receive buffer.
    if (!serialPortOpen)
        oscParser.reset();
    openOrCloseSerialTool(oscilloscopeSerialTool());
}

// Every complete frame of the bytes so far adds a point to each channel.
void MainWindow::readOSCCom(const QByteArray &bytes)
{
    for (const OscFrame &frame : oscParser.feed(bytes).results)
        Oscilloscope_Setting_Value(frame);
}

// The chart keeps each channel's newest MWaveView::pointLimit points.
void MainWindow::Oscilloscope_Setting_Value(const OscFrame &frame)
{
    oscXCounter += 1.0;
    for (int channel = 0; channel < OscFrame::channelCount; ++channel)
        waveView->addSeriesData(WAVE_CH(channel), QPointF(oscXCounter, frame.values.at(channel)));
}

void MainWindow::on_dial_X_sliderMoved(int position)
{
    if (dialWidens(position - std::exchange(oscDialXPosition, position)))
        waveView->ZoomX();
    else
        waveView->ZoomOutX();
}

void MainWindow::on_dial_Y_sliderMoved(int position)
{
    if (dialWidens(position - std::exchange(oscDialYPosition, position)))
        waveView->ZoomY();
    else
        waveView->ZoomOutY();
}

// The channel boxes show or hide their channel's line.
static void showChannel(MWaveView *view, WAVE_CH channel, int state)
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
