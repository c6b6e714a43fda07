#pragma once

// The sixteen tool pages in the order of the form's pages and of their
// settings keys: the key of each tool's switch, the English title of its tab
// and the MainWindow function that sets the tool up. ToolSwitches reads the
// keys and titles; MainWindow runs the set-up chosen by a tab's title.
// TOOL(key, title, setUp) is called once per row.
#define YURB_TOOL_TABLE(TOOL)                                                                      \
    TOOL("COM", "Serial Debug", Serial_Init_Start)                                                 \
    TOOL("UDP", "UDP Debug", UDP_Init_Start)                                                       \
    TOOL("TCP", "TCP Debug", TCP_Init_Start)                                                       \
    TOOL("GPS", "GPS Debug", GPS_Init_Start)                                                       \
    TOOL("GSM", "GSM Debug", GSM_Init_Start)                                                       \
    TOOL("UNICODE", "Unicode", Unicode_Init_Start)                                                 \
    TOOL("Environment", "Environment", ENVironment_Init_Start)                                     \
    TOOL("Crypty", "Crypty", Crypty_Init_Start)                                                    \
    TOOL("Oscilloscope", "Oscilloscope", Oscilloscope_Init_Start)                                  \
    TOOL("MQTT", "MQTT", Mqtt_Init_Start)                                                          \
    TOOL("Ble", "Ble", addBleBrowser)                                                              \
    TOOL("Spectra", "Spectra", Spectra_Init_Start)                                                 \
    TOOL("Convert", "Convert", addConverter)                                                       \
    TOOL("i2cdump", "i2cdump", I2Cdump_Init_Start)                                                 \
    TOOL("TOF", "TOF", TOF_Init_Start)                                                             \
    TOOL("Modbus", "Modbus", Modbus_Init_Start)
