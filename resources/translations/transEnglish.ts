<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;/head&gt;&lt;body&gt;
&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:16pt; font-weight:700;&quot;&gt;YURB&lt;/span&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot;&gt;&lt;br /&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot;&gt;Version:3.3.8&lt;/p&gt;
&lt;p align=&quot;center&quot;&gt;A workbench for building and testing embedded electronics. Use it freely on your bench; please report problems to the maker.&lt;/p&gt;
&lt;p align=&quot;center&quot;&gt;&lt;br /&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot;&gt;Home: www.nuvelix.example&lt;/p&gt;
&lt;p align=&quot;center&quot;&gt;Forum: forum.nuvelix.example&lt;/p&gt;
&lt;p align=&quot;center&quot;&gt;Shop: shop.nuvelix.example&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>COM_Expand</name>
    <message>
        <source>Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Config</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Config</name>
    <message>
        <source>Config</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Function selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UDP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TCP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GPS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GSM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UNICODE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Environment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crypty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oscilloscope</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MQTT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ble</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spectra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>i2cdump</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TOF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modbus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OpenStreet Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baidu Map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto scan serial port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GPScalculate</name>
    <message>
        <source>GPS calculation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Original longitude:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Original latitude:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target longitude:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target latitude:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>result:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Km</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTM Conversions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>longitude:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTM Northing:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>latitude:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTM Easting:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UNIT:meters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTM Zone:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GPSsignal</name>
    <message>
        <source>GPS Signal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GPS:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TCP server receive format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude:xx.xxxxx,Longitude:xxx.xxxxx\r\n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eg.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#008000;&quot;&gt;Latitude:39.92215,Longitude:116.46478\r\n&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Environment:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature receive format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature:xx.xxC\r\n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#008000;&quot;&gt;Temperature:25.25C\r\n&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Humidity receive format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Humidity:xx.xx%\r\n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#008000;&quot;&gt;Humidity:60.71%\r\n&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ultraviolet receive format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ultraviolet:xxxx\r\n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#008000;&quot;&gt;Ultraviolet:300\r\n&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CO2 receive format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CO2:xxxxxppm\r\n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#008000;&quot;&gt;CO2:5000ppm\r\n&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TVOC receive format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TVOC:xxxxxppb\r\n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#008000;&quot;&gt;TVOC:200ppb\r\n&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Barometer receive format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Barometer:xxxxPa\r\n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#008000;&quot;&gt;Barometer:1120Pa\r\n&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oscilloscope:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oscilloscope receive format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>$0:xxxxx;$1:xxxxx;$2:xxxxx;$3:xxxxx;\r\n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#008000;&quot;&gt;$0:34;$1:548;$2:0.547;$3:-1.579;\r\n&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spectra:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spectra receive format(int):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AS7341:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;F1:xxxx\r\nF2:xxxx\r\nF3:xxxx\r\nF4:xxxx\r\nF5:xxxx\r\nF6:xxxx\r\nF7:xxxx\r\nF8:xxxx\r\nNIR:xxxx\r\n&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#008000;&quot;&gt;F1:47\r\nF2:1000\r\nF3:570\r\nF4:170\r\nF5:50\r\nF6:70\r\nF7:140\r\nF8:68\r\nNIR:130\r\n&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AS7343:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;F1:xxxx\r\nF2:xxxx\r\nF3:xxxx\r\nF4:xxxx\r\nF5:xxxx\r\nF6:xxxx\r\nF7:xxxx\r\nF8:xxxx\r\nNIR:xxxx\r\nFXL:xxxx\r\nFZ:xxxx\r\nFY:xxxx\r\n&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#008000;&quot;&gt;F1:47\r\nF2:1000\r\nF3:570\r\nF4:170\r\nF5:50\r\nF6:70\r\nF7:140\r\nF8:68\r\nNIR:130\r\nFXL:687\r\nFZ:23\r\nFY:11\r\n&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AS7265X:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;F1:xxxx\r\nF2:xxxx\r\nF3:xxxx\r\nF4:xxxx\r\nF5:xxxx\r\nF6:xxxx\r\nF7:xxxx\r\nF8:xxxx\r\nF9:xxxx\r\nF10:xxxx\r\nF11:xxxx\r\nF12:xxxx\r\nF13:xxxx\r\nF14:xxxx\r\nF15:xxxx\r\nF16:xxxx\r\nF17:xxxx\r\nF18:xxxx\r\n&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#008000;&quot;&gt;F1:47\r\nF2:1000\r\nF3:570\r\nF4:170\r\nF5:50\r\nF6:70\r\nF7:140\r\nF8:68\r\nF9:130\r\nF10:687\r\nF11:23\r\nF12:11\r\nF13:247\r\nF14:874\r\nF15:12\r\nF16:77\r\nF17:726\r\nF18:814\r\n&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TOF:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TOF receive format(int):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>xxxx,xxxx,xxxx,xxxx,xxxx,xxxx,xxxx,xxxx,xxxx,xxxx,xxxx,xxxx...xxxx,xxxx,\r\n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#008000;&quot;&gt;2215,4478 ... 784,465\r\n&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LatLong</name>
    <message>
        <source>The latitude %1 is not between -90 and 90 degrees.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The longitude %1 is not between -180 and 180 degrees.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Nuvelix -- YURB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial Debug</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UDP Debug</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TCP Debug</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GPS Debug</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GSM Debug</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unicode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Environment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crypty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oscilloscope</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MQTT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ble</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spectra</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>i2cdump</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TOF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modbus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit(&amp;E)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About(&amp;A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nuvelix -- YURB Ver %1.%2.%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receive Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial No.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>115200</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2400</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4800</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9600</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>14400</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>19200</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>38400</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>57600</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>76800</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>128000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>230400</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>256000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>460800</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>512000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>921600 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1000000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2000000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data Bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Even</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Receive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RTS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DTR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;以十六进制方式发送数据（默认为字符方式）&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hex to Send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep Send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interval(MS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Sendbox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>已发送的字符</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>receive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>已接收字节数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UDP Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local IP:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local Port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remote IP:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>127.0.0.1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remote Port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TCP Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TCP Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TCP Client</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TCP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track the GPS moving map</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save latitude and longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import  track</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GPS information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTC:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Null</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location state:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GPS satellite:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beidou satellite:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use satellite:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Altitude:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location factor:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical factor:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level factor:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send SMS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;meta charset=&quot;utf-8&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
hr { height: 1px; border-width: 0; }
li.unchecked::marker { content: &quot;\2610&quot;; }
li.checked::marker { content: &quot;\2612&quot;; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Microsoft YaHei UI&apos;; font-size:11pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Cantarell&apos;;&quot;&gt;S&lt;/span&gt;&lt;span style=&quot; font-family:&apos;Cantarell&apos;;&quot;&gt;MS content&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;meta charset=&quot;utf-8&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
hr { height: 1px; border-width: 0; }
li.unchecked::marker { content: &quot;\2610&quot;; }
li.checked::marker { content: &quot;\2612&quot;; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Microsoft YaHei UI&apos;; font-size:11pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;table border=&quot;0&quot; style=&quot; border-style:none;&quot; cellspacing=&quot;2&quot;&gt;
&lt;tr&gt;
&lt;td&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Cantarell&apos;;&quot;&gt;Phone number&lt;/span&gt;&lt;/p&gt;&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call phone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Redial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>#</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>signal value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read SMS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GPRS Test - TCP Client</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server IP:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;meta charset=&quot;utf-8&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
hr { height: 1px; border-width: 0; }
li.unchecked::marker { content: &quot;\2610&quot;; }
li.checked::marker { content: &quot;\2612&quot;; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;Times New Roman&apos;; font-size:9pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;br /&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Function switch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Caller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call Music</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMS text mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chinese To Unicode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unicode To Chinese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prefix &quot;\U&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperature:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Humidity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ultraviolet:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CO₂:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TVOC:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Barometer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DES - CBC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2DES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3DES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decryption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Base64</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Host</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mqtt://</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mqtts://</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ws://</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wss://</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>192.168.0.19</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Username</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Client ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subscribe Topic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Publish Topic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subscribe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Publish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AS7341</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AS7343</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AS7265X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bar Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read Reg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write Reg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VL53LMZ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TMF8828</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4x4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8x8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coils</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Function:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>01(Read Coils)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>02(Read Discrete Inputs)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>03(Read Holding Registers)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>04(Read Input Registers)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>05(Write Single Coil)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>06(Write Single Register)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15(Write Multiple Coils)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>16(Write Multiple Registers)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting Address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quantity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Registers Value:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server Address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program could not be restarted. Please start it again to apply the settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network connection lost. Please check your network settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The version information could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Found a new version.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Already the latest version.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Successfully read %1 byte data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The input data format is wrong!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send failed: the serial port is not open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send Success</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable Keep sending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable Keep sending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counter has been cleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receive has been cleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send has been cleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No data need to save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>newtxt.txt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save failed:Open file %1 failed, can&apos;t save
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open failed: Failed to open this file, this may be due to insufficient permissions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load failed: file size is %1 bytes, Exceeded the limit size 10000 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Success for read the data in the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Success for send the data in the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial failed to open, The serial does not exist or already used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>warning:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP or Port is empty!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connecting to TCP server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected to TCP server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnected TCP server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No server found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port is empty!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server failed to listen on port %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server has started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server has stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>new client: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 joined</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>client: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TCP receive </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>from:%1:%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UDP failed to listen on port %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UDP starts listening</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UDP stop listening</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UDP receive </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial port %1 was lost: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remote IP &quot;%1&quot; is not a valid address or host name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remote port &quot;%1&quot; is not valid: use a number from 1 to 65535.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local port &quot;%1&quot; is not valid: use a number from 1 to 65535.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remote IP &quot;%1&quot; is not a valid IP address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to save GPS data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New client: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Joined</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Client: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GPS calculation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTM Conversions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PRN number: %1 
Elevation: %2 
Azimuth: %3 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No response</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Initialization completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>call ended</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>busy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calling...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Have a new call:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Already cleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Info: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The server IP and PORT may hold no spaces, quotes or line breaks.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data may hold neither Ctrl-Z nor Esc.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Successfully deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The message holds %1 characters; one message holds at most %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMS sent successfully</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SMS sent failed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ToolPlaceholder</name>
    <message>
        <source>%1
(not available in this build)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UtmConversion</name>
    <message>
        <source>There is no reference ellipsoid %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The UTM zone &quot;%1&quot; is longer than five characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The UTM zone &quot;%1&quot; does not start with a zone number from 1 to 60.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The UTM easting and northing must be finite numbers.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>nuvelix_tof_surface</name>
    <message>
        <source>The 3D view needs OpenGL, which this display does not offer.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
