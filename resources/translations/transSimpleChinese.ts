<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
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
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;/head&gt;&lt;body&gt;
&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:16pt; font-weight:700;&quot;&gt;YURB&lt;/span&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot;&gt;&lt;br /&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot;&gt;版本:3.3.8&lt;/p&gt;
&lt;p align=&quot;center&quot;&gt;用于搭建和测试嵌入式电子产品的工作台。欢迎在您的工作台上自由使用；如发现问题，请告知制造商。&lt;/p&gt;
&lt;p align=&quot;center&quot;&gt;&lt;br /&gt;&lt;/p&gt;
&lt;p align=&quot;center&quot;&gt;主页: www.nuvelix.example&lt;/p&gt;
&lt;p align=&quot;center&quot;&gt;论坛: forum.nuvelix.example&lt;/p&gt;
&lt;p align=&quot;center&quot;&gt;商城: shop.nuvelix.example&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>COM_Expand</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>Save Config</source>
        <translation>保存配置</translation>
    </message>
</context>
<context>
    <name>Config</name>
    <message>
        <source>Config</source>
        <translation>配置</translation>
    </message>
    <message>
        <source>Function selection</source>
        <translation>功能选择</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>串口</translation>
    </message>
    <message>
        <source>UDP</source>
        <translation>UDP</translation>
    </message>
    <message>
        <source>TCP</source>
        <translation>TCP</translation>
    </message>
    <message>
        <source>GPS</source>
        <translation>GPS</translation>
    </message>
    <message>
        <source>GSM</source>
        <translation>GSM</translation>
    </message>
    <message>
        <source>UNICODE</source>
        <translation>UNICODE</translation>
    </message>
    <message>
        <source>Environment</source>
        <translation>Environment</translation>
    </message>
    <message>
        <source>Crypty</source>
        <translation>Crypty</translation>
    </message>
    <message>
        <source>Oscilloscope</source>
        <translation>Oscilloscope</translation>
    </message>
    <message>
        <source>MQTT</source>
        <translation>MQTT</translation>
    </message>
    <message>
        <source>Ble</source>
        <translation>Ble</translation>
    </message>
    <message>
        <source>Spectra</source>
        <translation>Spectra</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convert</translation>
    </message>
    <message>
        <source>i2cdump</source>
        <translation>i2cdump</translation>
    </message>
    <message>
        <source>TOF</source>
        <translation>TOF</translation>
    </message>
    <message>
        <source>Modbus</source>
        <translation>Modbus</translation>
    </message>
    <message>
        <source>OpenStreet Map</source>
        <translation>OpenStreet 地图</translation>
    </message>
    <message>
        <source>Baidu Map</source>
        <translation>百度地图</translation>
    </message>
    <message>
        <source>Auto scan serial port</source>
        <translation>自动扫描串口</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation type="unfinished">计算</translation>
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
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>GPSsignal</name>
    <message>
        <source>GPS Signal</source>
        <translation>GPS信号</translation>
    </message>
    <message>
        <source>close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>GPS:</source>
        <translation>GPS:</translation>
    </message>
    <message>
        <source>TCP server receive format:</source>
        <translation>TCP服务器接收格式:</translation>
    </message>
    <message>
        <source>Latitude:xx.xxxxx,Longitude:xxx.xxxxx\r\n</source>
        <translation>Latitude:xx.xxxxx,Longitude:xxx.xxxxx\r\n</translation>
    </message>
    <message>
        <source>eg.:</source>
        <translation>例:</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#008000;&quot;&gt;Latitude:39.92215,Longitude:116.46478\r\n&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#008000;&quot;&gt;Latitude:39.92215,Longitude:116.46478\r\n&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Environment:</source>
        <translation>环境:</translation>
    </message>
    <message>
        <source>Temperature receive format:</source>
        <translation>温度接收格式:</translation>
    </message>
    <message>
        <source>Temperature:xx.xxC\r\n</source>
        <translation>Temperature:xx.xxC\r\n</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#008000;&quot;&gt;Temperature:25.25C\r\n&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#008000;&quot;&gt;Temperature:25.25C\r\n&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Humidity receive format:</source>
        <translation>湿度接收格式:</translation>
    </message>
    <message>
        <source>Humidity:xx.xx%\r\n</source>
        <translation>Humidity:xx.xx%\r\n</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#008000;&quot;&gt;Humidity:60.71%\r\n&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#008000;&quot;&gt;Humidity:60.71%\r\n&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Ultraviolet receive format:</source>
        <translation>紫外线接收格式:</translation>
    </message>
    <message>
        <source>Ultraviolet:xxxx\r\n</source>
        <translation>Ultraviolet:xxxx\r\n</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#008000;&quot;&gt;Ultraviolet:300\r\n&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#008000;&quot;&gt;Ultraviolet:300\r\n&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>CO2 receive format:</source>
        <translation>CO2接收格式:</translation>
    </message>
    <message>
        <source>CO2:xxxxxppm\r\n</source>
        <translation>CO2:xxxxxppm\r\n</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#008000;&quot;&gt;CO2:5000ppm\r\n&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#008000;&quot;&gt;CO2:5000ppm\r\n&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>TVOC receive format:</source>
        <translation>TVOC接收格式:</translation>
    </message>
    <message>
        <source>TVOC:xxxxxppb\r\n</source>
        <translation>TVOC:xxxxxppb\r\n</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#008000;&quot;&gt;TVOC:200ppb\r\n&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#008000;&quot;&gt;TVOC:200ppb\r\n&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Barometer receive format:</source>
        <translation>气压计接收格式:</translation>
    </message>
    <message>
        <source>Barometer:xxxxPa\r\n</source>
        <translation>Barometer:xxxxPa\r\n</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#008000;&quot;&gt;Barometer:1120Pa\r\n&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#008000;&quot;&gt;Barometer:1120Pa\r\n&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Oscilloscope:</source>
        <translation>示波器:</translation>
    </message>
    <message>
        <source>Oscilloscope receive format:</source>
        <translation>示波器接收格式:</translation>
    </message>
    <message>
        <source>$0:xxxxx;$1:xxxxx;$2:xxxxx;$3:xxxxx;\r\n</source>
        <translation>$0:xxxxx;$1:xxxxx;$2:xxxxx;$3:xxxxx;\r\n</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#008000;&quot;&gt;$0:34;$1:548;$2:0.547;$3:-1.579;\r\n&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#008000;&quot;&gt;$0:34;$1:548;$2:0.547;$3:-1.579;\r\n&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Spectra:</source>
        <translation>光谱:</translation>
    </message>
    <message>
        <source>Spectra receive format(int):</source>
        <translation>光谱接收格式(整数):</translation>
    </message>
    <message>
        <source>AS7341:</source>
        <translation>AS7341:</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;F1:xxxx\r\nF2:xxxx\r\nF3:xxxx\r\nF4:xxxx\r\nF5:xxxx\r\nF6:xxxx\r\nF7:xxxx\r\nF8:xxxx\r\nNIR:xxxx\r\n&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;F1:xxxx\r\nF2:xxxx\r\nF3:xxxx\r\nF4:xxxx\r\nF5:xxxx\r\nF6:xxxx\r\nF7:xxxx\r\nF8:xxxx\r\nNIR:xxxx\r\n&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#008000;&quot;&gt;F1:47\r\nF2:1000\r\nF3:570\r\nF4:170\r\nF5:50\r\nF6:70\r\nF7:140\r\nF8:68\r\nNIR:130\r\n&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#008000;&quot;&gt;F1:47\r\nF2:1000\r\nF3:570\r\nF4:170\r\nF5:50\r\nF6:70\r\nF7:140\r\nF8:68\r\nNIR:130\r\n&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>AS7343:</source>
        <translation>AS7343:</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;F1:xxxx\r\nF2:xxxx\r\nF3:xxxx\r\nF4:xxxx\r\nF5:xxxx\r\nF6:xxxx\r\nF7:xxxx\r\nF8:xxxx\r\nNIR:xxxx\r\nFXL:xxxx\r\nFZ:xxxx\r\nFY:xxxx\r\n&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;F1:xxxx\r\nF2:xxxx\r\nF3:xxxx\r\nF4:xxxx\r\nF5:xxxx\r\nF6:xxxx\r\nF7:xxxx\r\nF8:xxxx\r\nNIR:xxxx\r\nFXL:xxxx\r\nFZ:xxxx\r\nFY:xxxx\r\n&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#008000;&quot;&gt;F1:47\r\nF2:1000\r\nF3:570\r\nF4:170\r\nF5:50\r\nF6:70\r\nF7:140\r\nF8:68\r\nNIR:130\r\nFXL:687\r\nFZ:23\r\nFY:11\r\n&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#008000;&quot;&gt;F1:47\r\nF2:1000\r\nF3:570\r\nF4:170\r\nF5:50\r\nF6:70\r\nF7:140\r\nF8:68\r\nNIR:130\r\nFXL:687\r\nFZ:23\r\nFY:11\r\n&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>AS7265X:</source>
        <translation>AS7265X:</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;F1:xxxx\r\nF2:xxxx\r\nF3:xxxx\r\nF4:xxxx\r\nF5:xxxx\r\nF6:xxxx\r\nF7:xxxx\r\nF8:xxxx\r\nF9:xxxx\r\nF10:xxxx\r\nF11:xxxx\r\nF12:xxxx\r\nF13:xxxx\r\nF14:xxxx\r\nF15:xxxx\r\nF16:xxxx\r\nF17:xxxx\r\nF18:xxxx\r\n&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;F1:xxxx\r\nF2:xxxx\r\nF3:xxxx\r\nF4:xxxx\r\nF5:xxxx\r\nF6:xxxx\r\nF7:xxxx\r\nF8:xxxx\r\nF9:xxxx\r\nF10:xxxx\r\nF11:xxxx\r\nF12:xxxx\r\nF13:xxxx\r\nF14:xxxx\r\nF15:xxxx\r\nF16:xxxx\r\nF17:xxxx\r\nF18:xxxx\r\n&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#008000;&quot;&gt;F1:47\r\nF2:1000\r\nF3:570\r\nF4:170\r\nF5:50\r\nF6:70\r\nF7:140\r\nF8:68\r\nF9:130\r\nF10:687\r\nF11:23\r\nF12:11\r\nF13:247\r\nF14:874\r\nF15:12\r\nF16:77\r\nF17:726\r\nF18:814\r\n&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#008000;&quot;&gt;F1:47\r\nF2:1000\r\nF3:570\r\nF4:170\r\nF5:50\r\nF6:70\r\nF7:140\r\nF8:68\r\nF9:130\r\nF10:687\r\nF11:23\r\nF12:11\r\nF13:247\r\nF14:874\r\nF15:12\r\nF16:77\r\nF17:726\r\nF18:814\r\n&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>TOF:</source>
        <translation>TOF:</translation>
    </message>
    <message>
        <source>TOF receive format(int):</source>
        <translation>TOF接收格式(整数):</translation>
    </message>
    <message>
        <source>xxxx,xxxx,xxxx,xxxx,xxxx,xxxx,xxxx,xxxx,xxxx,xxxx,xxxx,xxxx...xxxx,xxxx,\r\n</source>
        <translation>xxxx,xxxx,xxxx,xxxx,xxxx,xxxx,xxxx,xxxx,xxxx,xxxx,xxxx,xxxx...xxxx,xxxx,\r\n</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#008000;&quot;&gt;2215,4478 ... 784,465\r\n&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; color:#008000;&quot;&gt;2215,4478 ... 784,465\r\n&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>Nuvelix -- YURB</translation>
    </message>
    <message>
        <source>Serial Debug</source>
        <translation>Serial Debug</translation>
    </message>
    <message>
        <source>UDP Debug</source>
        <translation>UDP Debug</translation>
    </message>
    <message>
        <source>TCP Debug</source>
        <translation>TCP Debug</translation>
    </message>
    <message>
        <source>GPS Debug</source>
        <translation>GPS Debug</translation>
    </message>
    <message>
        <source>GSM Debug</source>
        <translation>GSM Debug</translation>
    </message>
    <message>
        <source>Unicode</source>
        <translation>Unicode</translation>
    </message>
    <message>
        <source>Environment</source>
        <translation>Environment</translation>
    </message>
    <message>
        <source>Crypty</source>
        <translation type="unfinished">Crypty</translation>
    </message>
    <message>
        <source>Oscilloscope</source>
        <translation type="unfinished">Oscilloscope</translation>
    </message>
    <message>
        <source>MQTT</source>
        <translation type="unfinished">MQTT</translation>
    </message>
    <message>
        <source>Ble</source>
        <translation type="unfinished">Ble</translation>
    </message>
    <message>
        <source>Spectra</source>
        <translation type="unfinished">Spectra</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation type="unfinished">Convert</translation>
    </message>
    <message>
        <source>i2cdump</source>
        <translation type="unfinished">i2cdump</translation>
    </message>
    <message>
        <source>TOF</source>
        <translation type="unfinished">TOF</translation>
    </message>
    <message>
        <source>Modbus</source>
        <translation type="unfinished">Modbus</translation>
    </message>
    <message>
        <source>More</source>
        <translation>More</translation>
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
        <translation>退出</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>配置</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>检测更新</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>使用帮助</translation>
    </message>
    <message>
        <source>Nuvelix -- YURB Ver %1.%2.%3</source>
        <translation>Nuvelix -- YURB Ver %1.%2.%3</translation>
    </message>
    <message>
        <source>Receive Data</source>
        <translation>接收数据</translation>
    </message>
    <message>
        <source>Serial Setting</source>
        <translation>串口设置</translation>
    </message>
    <message>
        <source>Serial No.</source>
        <translation>串 口</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>波特率</translation>
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
        <translation>校验位</translation>
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
        <translation>停止位</translation>
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
        <translation>打开</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Clear Receive</source>
        <translation>清空接收框</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>高级</translation>
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
        <translation>发送数据</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>发送</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;以十六进制方式发送数据（默认为字符方式）&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hex to Send</source>
        <translation>以十六进制发送</translation>
    </message>
    <message>
        <source>Keep Send</source>
        <translation>连续发送</translation>
    </message>
    <message>
        <source>Interval(MS)</source>
        <translation>间隔(毫秒)</translation>
    </message>
    <message>
        <source>Clear Sendbox</source>
        <translation>清空发送框</translation>
    </message>
    <message>
        <source>Send File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counter</source>
        <translation>计数器</translation>
    </message>
    <message>
        <source>send</source>
        <translation>发送</translation>
    </message>
    <message>
        <source>已发送的字符</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>receive</source>
        <translation>接收</translation>
    </message>
    <message>
        <source>已接收字节数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Count</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>UDP Setting</source>
        <translation>UDP设置</translation>
    </message>
    <message>
        <source>Local IP:</source>
        <translation>本地IP:</translation>
    </message>
    <message>
        <source>Local Port:</source>
        <translation>本地端口:</translation>
    </message>
    <message>
        <source>1000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remote IP:</source>
        <translation>目标IP:</translation>
    </message>
    <message>
        <source>127.0.0.1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remote Port:</source>
        <translation>目标端口:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>TCP Setting</source>
        <translation>TCP设置</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>模式:</translation>
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
        <translation type="unfinished">TCP</translation>
    </message>
    <message>
        <source>Track the GPS moving map</source>
        <translation>跟踪GPS移动地图</translation>
    </message>
    <message>
        <source>Save latitude and longitude</source>
        <translation>保存经纬度</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>信号</translation>
    </message>
    <message>
        <source>Calculation</source>
        <translation>计算</translation>
    </message>
    <message>
        <source>Import  track</source>
        <translation>导入轨迹</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>简易车辆导航</translation>
    </message>
    <message>
        <source>GPS information</source>
        <translation>GPS数据</translation>
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
        <translation>经度:</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>纬度:</translation>
    </message>
    <message>
        <source>Location state:</source>
        <translation>定位状态:</translation>
    </message>
    <message>
        <source>GPS satellite:</source>
        <translation>GPS卫星:</translation>
    </message>
    <message>
        <source>Beidou satellite:</source>
        <translation>北斗卫星:</translation>
    </message>
    <message>
        <source>Use satellite:</source>
        <translation>使用卫星:</translation>
    </message>
    <message>
        <source>Altitude:</source>
        <translation>海拔:</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>速度:</translation>
    </message>
    <message>
        <source>Location factor:</source>
        <translation>位置因子:</translation>
    </message>
    <message>
        <source>Vertical factor:</source>
        <translation>垂直因子:</translation>
    </message>
    <message>
        <source>Level factor:</source>
        <translation>水平因子:</translation>
    </message>
    <message>
        <source>Serial Message</source>
        <translation>串口数据</translation>
    </message>
    <message>
        <source>Send SMS</source>
        <translation>发送短信</translation>
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
        <translation>拨电话</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>拨电话</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>挂电话</translation>
    </message>
    <message>
        <source>Auto Redial</source>
        <translation>自动重播</translation>
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
        <translation>信号量</translation>
    </message>
    <message>
        <source>Read SMS</source>
        <translation>读短信</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>读短信</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除短信</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>删除所有</translation>
    </message>
    <message>
        <source>GPRS Test - TCP Client</source>
        <translation>GPRS 测试 - TCP客户端</translation>
    </message>
    <message>
        <source>Server IP:</source>
        <translation>服务器IP:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>端口:</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>连接</translation>
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
        <translation>功能开关</translation>
    </message>
    <message>
        <source>Show Caller</source>
        <translation>来电显示</translation>
    </message>
    <message>
        <source>Call Music</source>
        <translation>来电音</translation>
    </message>
    <message>
        <source>SMS text mode</source>
        <translation>短信文本模式</translation>
    </message>
    <message>
        <source>Chinese To Unicode</source>
        <translation>汉字转Unicode</translation>
    </message>
    <message>
        <source>Unicode To Chinese</source>
        <translation>Unicode转汉字</translation>
    </message>
    <message>
        <source>Prefix &quot;\U&quot;</source>
        <translation>前缀 &quot;\U&quot;</translation>
    </message>
    <message>
        <source>Temperature:</source>
        <translation>温度:</translation>
    </message>
    <message>
        <source>Humidity:</source>
        <translation>湿度:</translation>
    </message>
    <message>
        <source>Ultraviolet:</source>
        <translation>紫外线</translation>
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
        <translation>气压计:</translation>
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
        <translation type="unfinished">AS7343: {7341?}</translation>
    </message>
    <message>
        <source>AS7343</source>
        <translation type="unfinished">AS7343: {7343?}</translation>
    </message>
    <message>
        <source>AS7265X</source>
        <translation type="unfinished">AS7343: {7265X?}</translation>
    </message>
    <message>
        <source>Bar Chart</source>
        <translation>柱状图</translation>
    </message>
    <message>
        <source>Line Chart</source>
        <translation>折线图</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
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
        <translation>提示</translation>
    </message>
    <message>
        <source>The settings could not be saved.</source>
        <translation>无法保存设置。</translation>
    </message>
    <message>
        <source>The program could not be restarted. Please start it again to apply the settings.</source>
        <translation>无法重新启动程序，请手动重新启动以使设置生效。</translation>
    </message>
    <message>
        <source>Network connection lost. Please check your network settings.</source>
        <translation>网络连接已断开，请检查网络设置。</translation>
    </message>
    <message>
        <source>The version information could not be read.</source>
        <translation>无法读取版本信息。</translation>
    </message>
    <message>
        <source>Found a new version.</source>
        <translation>发现新版本。</translation>
    </message>
    <message>
        <source>Already the latest version.</source>
        <translation>已经是最新版本。</translation>
    </message>
    <message>
        <source>command</source>
        <translation>命令</translation>
    </message>
    <message>
        <source>Successfully read %1 byte data</source>
        <translation>成功读取 %1 字节数据</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>No Data</source>
        <translation>没有数据</translation>
    </message>
    <message>
        <source>The input data format is wrong!</source>
        <translation>输入的数据格式错误！</translation>
    </message>
    <message>
        <source>Send failed: the serial port is not open</source>
        <translation>发送失败：串口未打开</translation>
    </message>
    <message>
        <source>Send failed: %1</source>
        <translation>发送失败：%1</translation>
    </message>
    <message>
        <source>Send Success</source>
        <translation>发送成功</translation>
    </message>
    <message>
        <source>Enable Keep sending</source>
        <translation>已启用连续发送</translation>
    </message>
    <message>
        <source>Disable Keep sending</source>
        <translation>已停用连续发送</translation>
    </message>
    <message>
        <source>Counter has been cleared</source>
        <translation>计数已清空</translation>
    </message>
    <message>
        <source>Receive has been cleared</source>
        <translation>接收区已清空</translation>
    </message>
    <message>
        <source>Send has been cleared</source>
        <translation>发送区已清空</translation>
    </message>
    <message>
        <source>No data need to save</source>
        <translation>没有需要保存的数据</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>newtxt.txt</source>
        <translation>newtxt.txt</translation>
    </message>
    <message>
        <source>Save failed:Open file %1 failed, can&apos;t save
%2</source>
        <translation>保存失败：打开文件 %1 失败，无法保存
%2</translation>
    </message>
    <message>
        <source>Read file</source>
        <translation>读取文件</translation>
    </message>
    <message>
        <source>(*)</source>
        <translation>(*)</translation>
    </message>
    <message>
        <source>Open failed: Failed to open this file, this may be due to insufficient permissions.</source>
        <translation>打开失败：无法打开此文件，可能是权限不足。</translation>
    </message>
    <message>
        <source>Load failed: file size is %1 bytes, Exceeded the limit size 10000 bytes</source>
        <translation>加载失败：文件大小为 %1 字节，超过了 10000 字节的限制</translation>
    </message>
    <message>
        <source>Success for read the data in the file</source>
        <translation>已成功读取文件中的数据</translation>
    </message>
    <message>
        <source>Success for send the data in the file</source>
        <translation>已成功发送文件中的数据</translation>
    </message>
    <message>
        <source>Serial failed to open, The serial does not exist or already used.</source>
        <translation>串口打开失败，串口不存在或已被占用。</translation>
    </message>
    <message>
        <source>Serial opened</source>
        <translation>串口已打开</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Serial closed</source>
        <translation>串口已关闭</translation>
    </message>
    <message>
        <source>warning:</source>
        <translation>警告:</translation>
    </message>
    <message>
        <source>IP or Port is empty!</source>
        <translation>IP或端口为空！</translation>
    </message>
    <message>
        <source>Connecting to TCP server</source>
        <translation>正在连接TCP服务器</translation>
    </message>
    <message>
        <source>Connected to TCP server</source>
        <translation>已连接TCP服务器</translation>
    </message>
    <message>
        <source>Disconnected TCP server</source>
        <translation>已断开TCP服务器</translation>
    </message>
    <message>
        <source>No server found</source>
        <translation>未找到服务器</translation>
    </message>
    <message>
        <source>Port is empty!</source>
        <translation>端口为空！</translation>
    </message>
    <message>
        <source>Server failed to listen on port %1: %2</source>
        <translation>服务器无法监听端口 %1：%2</translation>
    </message>
    <message>
        <source>Server has started</source>
        <translation>服务器已启动</translation>
    </message>
    <message>
        <source>Server has stopped</source>
        <translation>服务器已停止</translation>
    </message>
    <message>
        <source>new client: </source>
        <translation>新客户端：</translation>
    </message>
    <message>
        <source>%1 joined</source>
        <translation>%1 已加入</translation>
    </message>
    <message>
        <source>client: </source>
        <translation>客户端：</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>%1 已离开</translation>
    </message>
    <message>
        <source>TCP receive </source>
        <translation>TCP接收 </translation>
    </message>
    <message>
        <source>from:%1:%2</source>
        <translation>来自:%1:%2</translation>
    </message>
    <message>
        <source>UDP failed to listen on port %1: %2</source>
        <translation>UDP无法监听端口 %1：%2</translation>
    </message>
    <message>
        <source>UDP starts listening</source>
        <translation>UDP开始监听</translation>
    </message>
    <message>
        <source>UDP stop listening</source>
        <translation>UDP停止监听</translation>
    </message>
    <message>
        <source>UDP receive </source>
        <translation>UDP接收 </translation>
    </message>
    <message>
        <source>Serial port %1 was lost: %2</source>
        <translation>串口 %1 已断开：%2</translation>
    </message>
    <message>
        <source>Remote IP &quot;%1&quot; is not a valid address or host name.</source>
        <translation>远程IP“%1”不是有效的地址或主机名。</translation>
    </message>
    <message>
        <source>Remote port &quot;%1&quot; is not valid: use a number from 1 to 65535.</source>
        <translation>远程端口“%1”无效：请使用1到65535之间的数字。</translation>
    </message>
    <message>
        <source>Local port &quot;%1&quot; is not valid: use a number from 1 to 65535.</source>
        <translation>本地端口“%1”无效：请使用1到65535之间的数字。</translation>
    </message>
    <message>
        <source>Remote IP &quot;%1&quot; is not a valid IP address.</source>
        <translation>远程IP“%1”不是有效的IP地址。</translation>
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
        <translation>%1
（此版本尚未提供）</translation>
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
        <translation>三维视图需要 OpenGL，当前显示环境无法提供。</translation>
    </message>
</context>
</TS>
