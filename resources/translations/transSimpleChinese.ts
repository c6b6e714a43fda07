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
    <name>CharacteristicWidget</name>
    <message>
        <source>Characteristic Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Characteristic UUID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Characteristic Permission:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read</source>
        <translation type="unfinished">读短信</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W</source>
        <translation type="unfinished"></translation>
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
    <name>Device</name>
    <message>
        <source>No Bluetooth adapter was found.</source>
        <translation>未找到蓝牙适配器。</translation>
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
    <name>I2CDump_ReadREG</name>
    <message>
        <source>I2C Read Reg</source>
        <translation>I2C 读寄存器</translation>
    </message>
    <message>
        <source>register addr:</source>
        <translation>寄存器地址:</translation>
    </message>
    <message>
        <source>length:</source>
        <translation>长度:</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>I2CDump_WriteREG</name>
    <message>
        <source>I2C Write Reg</source>
        <translation>I2C 写寄存器</translation>
    </message>
    <message>
        <source>register addr:</source>
        <translation>寄存器地址:</translation>
    </message>
    <message>
        <source>e.g.: 0x12,0x34,0xab</source>
        <translation>例如: 0x12,0x34,0xab</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>发送</translation>
    </message>
    <message>
        <source>close</source>
        <translation>关闭</translation>
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
    <name>LongTextConversion</name>
    <message>
        <source>Not converted: the result would be %1 characters long, more than the %2 a box holds.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LongTextEdit</name>
    <message>
        <source>Not taken: the text would be %1 characters long, more than the %2 this box holds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing pasted: the program that holds the clipboard stopped answering.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing pasted: the clipboard could not be read, as the display could not be reached.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Nothing pasted: the program that holds the clipboard had not sent it all after %n second(s).</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing pasted: the clipboard holds no text.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MWaveView</name>
    <message>
        <source>开始</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>暂停</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Coordinate</source>
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
    <message>
        <source>Error for Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter &apos;0&apos; - &apos;9&apos;, &apos;A&apos; - &apos;F&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modbus serial port is not open</source>
        <translation>Modbus串口未打开</translation>
    </message>
    <message>
        <source>Modbus TCP server is not connected</source>
        <translation>未连接Modbus TCP服务器</translation>
    </message>
    <message>
        <source>Reply received</source>
        <translation>已收到应答</translation>
    </message>
    <message>
        <source>No response after %1 attempts</source>
        <translation>%1次尝试后仍无应答</translation>
    </message>
    <message>
        <source>MQTT was disconnected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MQTT connecting...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MQTT Connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MQTT was not connected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Topic:%1 was subcribed success.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Topic:%1 was refused by the broker.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MQTT connection failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Barometer</source>
        <translation>气压</translation>
    </message>
    <message>
        <source>CO2</source>
        <translation>二氧化碳</translation>
    </message>
    <message>
        <source>TVOC</source>
        <translation>TVOC</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a position on the earth: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The modem gave no prompt for the data: nothing was sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected unit %1 in response</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Publish topic is empty: nothing was sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Publish topic %1 holds a wildcard (+ or #): nothing was sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Publish topic %1 is not a topic MQTT can carry: nothing was sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subscribe topic is empty: nothing was subscribed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Topic:%1 is not a valid filter, + and # must stand alone between slashes: nothing was subscribed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Topic:%1 is not a valid filter, # may only be the last level: nothing was subscribed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Topic:%1 is not a filter MQTT can carry: nothing was subscribed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Topic:%1 could not be subscribed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MQTT message could not be sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file %1 has a format error: what cannot be read is lost at its next save. A copy of it as it was is kept in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file %1 has a format error: what cannot be read is lost at its next save. No copy of it could be kept:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting: the port has not written %1 bytes yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bytes were not sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quitting closed the serial port: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send failed: the serial port was closed while the file was chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save failed:Write file %1 failed, the file is left as it was
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to read the whole file: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modbus TCP connection ended: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send paused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 left, Keep Send stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No position in the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Success for read the data in the file; lines skipped: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MQTT was disconnected: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the bytes not sent are being counted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send File ended</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep Send waits for a client to join</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at least %1 bytes were not sent; the rest of the file could not be counted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at least %1 bytes were not sent; the rest of the file was still being counted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send failed: %1 is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load failed: %1 is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send File of %1 ended</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ModbusFrameLog</name>
    <message>
        <source>  (answers no request)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MqttClient</name>
    <message>
        <source>The connection is not open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The connection was closed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The broker closed the connection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The broker broke the MQTT protocol.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The broker sent a packet that is malformed or too large.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The broker does not take this protocol version.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The broker rejected the client ID.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The broker is unavailable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bad username or password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not authorized.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The broker refused the connection with code %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The broker did not answer in time.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MqttMessageView</name>
    <message>
        <source>Older messages dropped: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Nuvelix_ModbusClient</name>
    <message>
        <source>Unsupported function code</source>
        <translation>不支持的功能码</translation>
    </message>
    <message>
        <source>Too few data bytes for the function</source>
        <translation>该功能的数据字节不足</translation>
    </message>
    <message>
        <source>Empty response received</source>
        <translation>收到空应答</translation>
    </message>
    <message>
        <source>Response too short</source>
        <translation>应答过短</translation>
    </message>
    <message>
        <source>Invalid CRC in response</source>
        <translation>应答CRC校验错误</translation>
    </message>
    <message>
        <source>Invalid protocol ID in response</source>
        <translation>应答协议标识无效</translation>
    </message>
    <message>
        <source>Invalid length in response</source>
        <translation>应答长度无效</translation>
    </message>
    <message>
        <source>Unexpected function code in response</source>
        <translation>应答功能码不符</translation>
    </message>
    <message>
        <source>Modbus exception response: %1</source>
        <translation>Modbus异常应答：%1</translation>
    </message>
    <message>
        <source>Invalid byte count in response</source>
        <translation>应答字节数无效</translation>
    </message>
    <message>
        <source>Too much data for one request: %1 bytes, at most %2 (%3 coils)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too much data for one request: %1 bytes, at most %2 (%3 registers)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>AUD(Australian Dollar)</source>
        <translation>AUD(澳元)</translation>
    </message>
    <message>
        <source>BGN(Bulgarian Lev)</source>
        <translation>BGN(保加利亚列弗)</translation>
    </message>
    <message>
        <source>BRL(Brazilian Real)</source>
        <translation>BRL(巴西雷亚尔)</translation>
    </message>
    <message>
        <source>CAD(Canadian Dollar)</source>
        <translation>CAD(加元)</translation>
    </message>
    <message>
        <source>CHF(Swiss Franc)</source>
        <translation>CHF(瑞士法郎)</translation>
    </message>
    <message>
        <source>CNY(Chinese Yuan)</source>
        <translation>CNY(人民币)</translation>
    </message>
    <message>
        <source>CZK(Czech Koruna)</source>
        <translation>CZK(捷克克朗)</translation>
    </message>
    <message>
        <source>DKK(Danish Krone)</source>
        <translation>DKK(丹麦克朗)</translation>
    </message>
    <message>
        <source>EUR(Euro)</source>
        <translation>EUR(欧元)</translation>
    </message>
    <message>
        <source>GBP(British Pound Sterling)</source>
        <translation>GBP(英镑)</translation>
    </message>
    <message>
        <source>HKD(Hong Kong Dollar)</source>
        <translation>HKD(港币)</translation>
    </message>
    <message>
        <source>HUF(Hungarian Forint)</source>
        <translation>HUF(匈牙利福林)</translation>
    </message>
    <message>
        <source>IDR(Indonesian Rupiah)</source>
        <translation>IDR(印尼卢比)</translation>
    </message>
    <message>
        <source>ILS(Israeli New Shekel)</source>
        <translation>ILS(以色列新谢克尔)</translation>
    </message>
    <message>
        <source>INR(Indian Rupee)</source>
        <translation>INR(印度卢比)</translation>
    </message>
    <message>
        <source>ISK(Icelandic Króna)</source>
        <translation>ISK(冰岛克朗)</translation>
    </message>
    <message>
        <source>JPY(Japanese Yen)</source>
        <translation>JPY(日元)</translation>
    </message>
    <message>
        <source>KRW(South Korean Won)</source>
        <translation>KRW(韩元)</translation>
    </message>
    <message>
        <source>MXN(Mexican Peso)</source>
        <translation>MXN(墨西哥比索)</translation>
    </message>
    <message>
        <source>MYR(Malaysian Ringgit)</source>
        <translation>MYR(马来西亚林吉特)</translation>
    </message>
    <message>
        <source>NOK(Norwegian Krone)</source>
        <translation>NOK(挪威克朗)</translation>
    </message>
    <message>
        <source>NZD(New Zealand Dollar)</source>
        <translation>NZD(新西兰元)</translation>
    </message>
    <message>
        <source>PHP(Philippine Peso)</source>
        <translation>PHP(菲律宾比索)</translation>
    </message>
    <message>
        <source>PLN(Polish Złoty)</source>
        <translation>PLN(波兰兹罗提)</translation>
    </message>
    <message>
        <source>RON(Romanian Leu)</source>
        <translation>RON(罗马尼亚列伊)</translation>
    </message>
    <message>
        <source>SEK(Swedish Krona)</source>
        <translation>SEK(瑞典克朗)</translation>
    </message>
    <message>
        <source>SGD(Singapore Dollar)</source>
        <translation>SGD(新加坡元)</translation>
    </message>
    <message>
        <source>THB(Thai Baht)</source>
        <translation>THB(泰铢)</translation>
    </message>
    <message>
        <source>TRY(Turkish Lira)</source>
        <translation>TRY(土耳其里拉)</translation>
    </message>
    <message>
        <source>USD(United States Dollar)</source>
        <translation>USD(美元)</translation>
    </message>
    <message>
        <source>ZAR(South African Rand)</source>
        <translation>ZAR(南非兰特)</translation>
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
    <message>
        <source>The UTM position E %1, N %2 in zone &quot;%3&quot; is no place on the earth.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WebSocketIODevice</name>
    <message>
        <source>The WebSocket was closed with code %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The WebSocket was closed with code %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WriteDialog</name>
    <message>
        <source>Write Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send Mode:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished">确定</translation>
    </message>
</context>
<context>
    <name>nuvelix_ble</name>
    <message>
        <source>Form</source>
        <translation type="unfinished">窗体</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>nuvelix_convert</name>
    <message>
        <source>km(kilometer)</source>
        <translation>km(千米)</translation>
    </message>
    <message>
        <source>m(meter)</source>
        <translation>m(米)</translation>
    </message>
    <message>
        <source>dm(decimeter)</source>
        <translation>dm(分米)</translation>
    </message>
    <message>
        <source>cm(centimeter)</source>
        <translation>cm(厘米)</translation>
    </message>
    <message>
        <source>mm(millimeter)</source>
        <translation>mm(毫米)</translation>
    </message>
    <message>
        <source>µm(micrometer)</source>
        <translation>µm(微米)</translation>
    </message>
    <message>
        <source>nm(nanometer)</source>
        <translation>nm(纳米)</translation>
    </message>
    <message>
        <source>Å(angstrom)</source>
        <translation>Å(埃米)</translation>
    </message>
    <message>
        <source>pm(picometer)</source>
        <translation>pm(皮米)</translation>
    </message>
    <message>
        <source>mi(mile)</source>
        <translation>mi(英里)</translation>
    </message>
    <message>
        <source>ft(feet)</source>
        <translation>ft(英尺)</translation>
    </message>
    <message>
        <source>in(inch)</source>
        <translation>in(英寸)</translation>
    </message>
    <message>
        <source>mil(mill)</source>
        <translation>mil(密耳)</translation>
    </message>
    <message>
        <source>M(nautical mile)</source>
        <translation>M(海里)</translation>
    </message>
    <message>
        <source>yd(yard)</source>
        <translation>yd(码数)</translation>
    </message>
    <message>
        <source>au(astronomical unit)</source>
        <translation>au(天文单位而)</translation>
    </message>
    <message>
        <source>ly(light year)</source>
        <translation>ly(光年)</translation>
    </message>
    <message>
        <source>ls(light second)</source>
        <translation>ls(光秒)</translation>
    </message>
    <message>
        <source>pc(parsec)</source>
        <translation>pc(秒差距)</translation>
    </message>
    <message>
        <source>ng(nanogram)</source>
        <translation>ng(纳克)</translation>
    </message>
    <message>
        <source>µg(microgram)</source>
        <translation>µg(微克)</translation>
    </message>
    <message>
        <source>mg(milligram)</source>
        <translation>mg(毫克)</translation>
    </message>
    <message>
        <source>cg(centigram)</source>
        <translation>cg(厘克)</translation>
    </message>
    <message>
        <source>g(gram)</source>
        <translation>g(克)</translation>
    </message>
    <message>
        <source>kg(kilogram)</source>
        <translation>kg(千克)</translation>
    </message>
    <message>
        <source>t(ton)</source>
        <translation>t(吨)</translation>
    </message>
    <message>
        <source>lb(pound)</source>
        <translation>lb(磅)</translation>
    </message>
    <message>
        <source>st(stone)</source>
        <translation>st(石英)</translation>
    </message>
    <message>
        <source>oz(ounce)</source>
        <translation>oz(盎司)</translation>
    </message>
    <message>
        <source>ozt(troy ounce)</source>
        <translation>ozt(金衡盎司)</translation>
    </message>
    <message>
        <source>dwt(pennyweight)</source>
        <translation>dwt(英钱)</translation>
    </message>
    <message>
        <source>ct(carat)</source>
        <translation>ct(克拉)</translation>
    </message>
    <message>
        <source>u(unified atomic mass unit)</source>
        <translation>u(原子质量单位)</translation>
    </message>
    <message>
        <source>km²(square kilometre)</source>
        <translation>km²(平方公里)</translation>
    </message>
    <message>
        <source>m²(square metre)</source>
        <translation>m²(平方米)</translation>
    </message>
    <message>
        <source>cm²(square centimetre)</source>
        <translation>cm²(平方厘米)</translation>
    </message>
    <message>
        <source>mm²(square millimetre)</source>
        <translation>mm²(平方毫米)</translation>
    </message>
    <message>
        <source>in²(square inch)</source>
        <translation>in²(平方英寸)</translation>
    </message>
    <message>
        <source>ft²(square foot)</source>
        <translation>ft²(平方英尺)</translation>
    </message>
    <message>
        <source>yd²(square yard)</source>
        <translation>yd²(平方码)</translation>
    </message>
    <message>
        <source>mi²(square mile)</source>
        <translation>mi²(平方英里)</translation>
    </message>
    <message>
        <source>ha(hectare)</source>
        <translation>ha(公顷)</translation>
    </message>
    <message>
        <source>ac(acre)</source>
        <translation>ac(英亩)</translation>
    </message>
    <message>
        <source>a(square are)</source>
        <translation>a(公亩)</translation>
    </message>
    <message>
        <source>m³(cubic meter)</source>
        <translation>m³(立方米)</translation>
    </message>
    <message>
        <source>dm³(cubic decimeter)</source>
        <translation>dm³(立方分米)</translation>
    </message>
    <message>
        <source>cm³(cubic centimeter)</source>
        <translation>cm³(立方厘米)</translation>
    </message>
    <message>
        <source>mm³(cubic millimeter)</source>
        <translation>mm³(立方毫米)</translation>
    </message>
    <message>
        <source>in³(cubic inch)</source>
        <translation>in³(立方英寸)</translation>
    </message>
    <message>
        <source>ft³(cubic foot)</source>
        <translation>ft³(立方英尺)</translation>
    </message>
    <message>
        <source>L(liter)</source>
        <translation>L(升)</translation>
    </message>
    <message>
        <source>mL(milliliter)</source>
        <translation>mL(毫升)</translation>
    </message>
    <message>
        <source>cup(cup)</source>
        <translation>cup(杯)</translation>
    </message>
    <message>
        <source>UK gal(UK gallon)</source>
        <translation>UK gal(英加仑)</translation>
    </message>
    <message>
        <source>UK pt(UK pint)</source>
        <translation>UK pt(英品脱)</translation>
    </message>
    <message>
        <source>UK fl oz(UK Fluid ounce)</source>
        <translation>UK fl oz(英液量盎司)</translation>
    </message>
    <message>
        <source>UK oz(UK ounce)</source>
        <translation>UK oz(英盎司)</translation>
    </message>
    <message>
        <source>US gal(US gallon)</source>
        <translation>US gal(美加仑)</translation>
    </message>
    <message>
        <source>US pt(US pint)</source>
        <translation>US pt(美品脱)</translation>
    </message>
    <message>
        <source>US fl oz(US Fluid ounce)</source>
        <translation>US fl oz(美液量盎司)</translation>
    </message>
    <message>
        <source>US oz(US ounce)</source>
        <translation>US oz(美盎司)</translation>
    </message>
    <message>
        <source>tbsp(tablespoon)</source>
        <translation>tbsp(汤匙)</translation>
    </message>
    <message>
        <source>N(newton)</source>
        <translation>N(牛顿)</translation>
    </message>
    <message>
        <source>dyn(dyne)</source>
        <translation>dyn(达因)</translation>
    </message>
    <message>
        <source>lbf(pound-force)</source>
        <translation>lbf(磅力)</translation>
    </message>
    <message>
        <source>kgf(kilogram-force)</source>
        <translation>kgf(千克力)</translation>
    </message>
    <message>
        <source>pdl(poundal)</source>
        <translation>pdl(磅达)</translation>
    </message>
    <message>
        <source>N·m(Newton-meter)</source>
        <translation>N·m(牛顿米)</translation>
    </message>
    <message>
        <source>dyn·cm(Dyne·cm)</source>
        <translation>dyn·cm(达因计)</translation>
    </message>
    <message>
        <source>lbf·ft(Pound-force foot)</source>
        <translation>lbf·ft(磅力英尺)</translation>
    </message>
    <message>
        <source>kgf·m(Kilogram-force meter)</source>
        <translation>kgf·m(千克力米)</translation>
    </message>
    <message>
        <source>pdl·m(Poundal·m)</source>
        <translation>pdl·m(磅达米)</translation>
    </message>
    <message>
        <source>c(century)</source>
        <translation>c(世纪)</translation>
    </message>
    <message>
        <source>a(year)</source>
        <translation>a(年)</translation>
    </message>
    <message>
        <source>m(month)</source>
        <translation>m(月)</translation>
    </message>
    <message>
        <source>w(week)</source>
        <translation>w(周)</translation>
    </message>
    <message>
        <source>d(day)</source>
        <translation>d(日)</translation>
    </message>
    <message>
        <source>h(hour)</source>
        <translation>h(时)</translation>
    </message>
    <message>
        <source>min(minute)</source>
        <translation>min(分)</translation>
    </message>
    <message>
        <source>s(second)</source>
        <translation>s(秒)</translation>
    </message>
    <message>
        <source>ms(millisecond)</source>
        <translation>ms(毫秒)</translation>
    </message>
    <message>
        <source>μs(microsecond)</source>
        <translation>μs(微秒)</translation>
    </message>
    <message>
        <source>ns(nanosecond)</source>
        <translation>ns(纳秒)</translation>
    </message>
    <message>
        <source>fs(femtosecond)</source>
        <translation>fs(飞秒)</translation>
    </message>
    <message>
        <source>as(attosecond)</source>
        <translation>as(阿秒)</translation>
    </message>
    <message>
        <source>m/s(meter per second)</source>
        <translation>m/s(米/秒)</translation>
    </message>
    <message>
        <source>m/min(meter per minute)</source>
        <translation>m/min(米/分钟)</translation>
    </message>
    <message>
        <source>m/h(meter per hour)</source>
        <translation>m/h(米/小时)</translation>
    </message>
    <message>
        <source>km/min(kilometer per minute)</source>
        <translation>km/min(千米/分钟)</translation>
    </message>
    <message>
        <source>km/h(kilometer per hour)</source>
        <translation>km/h(千米/小时)</translation>
    </message>
    <message>
        <source>ft/s(foot per second)</source>
        <translation>ft/s(英尺/秒)</translation>
    </message>
    <message>
        <source>ft/min(foot per minute)</source>
        <translation>ft/min(英尺/分钟)</translation>
    </message>
    <message>
        <source>ft/h(foot per hour)</source>
        <translation>ft/h(英尺/小时)</translation>
    </message>
    <message>
        <source>mi/min(mile per minute)</source>
        <translation>mi/min(英里/分钟)</translation>
    </message>
    <message>
        <source>mi/h(mile per hour)</source>
        <translation>mi/h(英里/小时)</translation>
    </message>
    <message>
        <source>knot(knot)</source>
        <translation>knot(海里/小时)</translation>
    </message>
    <message>
        <source>°C(celsius)</source>
        <translation>°C(摄氏度)</translation>
    </message>
    <message>
        <source>°F(fahrenheit)</source>
        <translation>°F(华氏度)</translation>
    </message>
    <message>
        <source>K(kelvin)</source>
        <translation>K(开尔文)</translation>
    </message>
    <message>
        <source>°Ré(réaumur)</source>
        <translation>°Ré(列氏温标)</translation>
    </message>
    <message>
        <source>°Rø(rømer)</source>
        <translation>°Rø(罗氏温标)</translation>
    </message>
    <message>
        <source>°De(delisle)</source>
        <translation>°De(德利尔温标)</translation>
    </message>
    <message>
        <source>°R(rankine)</source>
        <translation>°R(兰金温标)</translation>
    </message>
    <message>
        <source>°N(newton)</source>
        <translation>°N(牛顿温标)</translation>
    </message>
    <message>
        <source>mPa(millipascal)</source>
        <translation>mPa(毫帕斯卡)</translation>
    </message>
    <message>
        <source>Pa(pascal)</source>
        <translation>Pa(帕斯卡)</translation>
    </message>
    <message>
        <source>hPa(hectopascal)</source>
        <translation>hPa(百帕斯卡)</translation>
    </message>
    <message>
        <source>kPa(kilopascal)</source>
        <translation>kPa(千帕斯卡)</translation>
    </message>
    <message>
        <source>GPa(gigapascal)</source>
        <translation>GPa(吉帕斯卡)</translation>
    </message>
    <message>
        <source>bar(bar)</source>
        <translation>bar(巴)</translation>
    </message>
    <message>
        <source>pz(pizz pascal)</source>
        <translation>pz(皮兹)</translation>
    </message>
    <message>
        <source>psi(pound per square inch)</source>
        <translation>psi(磅/平方英寸)</translation>
    </message>
    <message>
        <source>kpsi(kip per square inch)</source>
        <translation>kpsi(千磅/平方英寸)</translation>
    </message>
    <message>
        <source>atm(atmosphere)</source>
        <translation>atm(标准大气压)</translation>
    </message>
    <message>
        <source>at(technical atmosphere)</source>
        <translation>at(工业大气压)</translation>
    </message>
    <message>
        <source>torr(torr)</source>
        <translation>torr(托)</translation>
    </message>
    <message>
        <source>mmHg(millimeter of mercury)</source>
        <translation>mmHg(毫米汞柱)</translation>
    </message>
    <message>
        <source>mHg(meter of mercury)</source>
        <translation>mHg(米汞柱)</translation>
    </message>
    <message>
        <source>cmHg(centimeter of mercury)</source>
        <translation>cmHg(厘米汞柱)</translation>
    </message>
    <message>
        <source>inHg(inch of mercury)</source>
        <translation>inHg(英寸汞柱)</translation>
    </message>
    <message>
        <source>mmH2O(millimeter of water column)</source>
        <translation>mmH2O(毫米水柱)</translation>
    </message>
    <message>
        <source>cmH2O(centimeter of water column)</source>
        <translation>cmH2O(厘米水柱)</translation>
    </message>
    <message>
        <source>mH2O(meter of water column)</source>
        <translation>mH2O(米水柱)</translation>
    </message>
    <message>
        <source>inH2O(inch of water column)</source>
        <translation>inH2O(英寸水柱)</translation>
    </message>
    <message>
        <source>J(joule)</source>
        <translation>J(焦耳)</translation>
    </message>
    <message>
        <source>kJ(kilojoule)</source>
        <translation>kJ(千焦耳)</translation>
    </message>
    <message>
        <source>MJ(megajoule)</source>
        <translation>MJ(兆焦耳)</translation>
    </message>
    <message>
        <source>W·h(watt-hour)</source>
        <translation>W·h(瓦特小时)</translation>
    </message>
    <message>
        <source>kW·h(kilowatt-hour)</source>
        <translation>kW·h(千瓦小时)</translation>
    </message>
    <message>
        <source>erg(erg)</source>
        <translation>erg(尔格)</translation>
    </message>
    <message>
        <source>kpm(kilogram-force meter)</source>
        <translation>kpm(千荷兰磅米)</translation>
    </message>
    <message>
        <source>btu(british thermal unit)</source>
        <translation>btu(英热单位)</translation>
    </message>
    <message>
        <source>ft·lbf(foot-pound force)</source>
        <translation>ft·lbf(英尺-磅力)</translation>
    </message>
    <message>
        <source>cal(calorie)</source>
        <translation>cal(卡路里)</translation>
    </message>
    <message>
        <source>eV(electron volt)</source>
        <translation>eV(电子伏特)</translation>
    </message>
    <message>
        <source>W(watt)</source>
        <translation>W(瓦特)</translation>
    </message>
    <message>
        <source>kW(kilowatt)</source>
        <translation>kW(千瓦)</translation>
    </message>
    <message>
        <source>MW(megawatt)</source>
        <translation>MW(兆瓦)</translation>
    </message>
    <message>
        <source>GW(gigawatt)</source>
        <translation>GW(吉瓦)</translation>
    </message>
    <message>
        <source>BTU/h(british thermal unit per hour)</source>
        <translation>BTU/h(英国热量单位/小时)</translation>
    </message>
    <message>
        <source>BTU/min(british thermal unit per minute)</source>
        <translation>BTU/min(英国热量单位/分钟)</translation>
    </message>
    <message>
        <source>BTU/s(british thermal unit per second)</source>
        <translation>BTU/s(英国热量单位/秒)</translation>
    </message>
    <message>
        <source>ft·lbf/s(foot-pound force per second)</source>
        <translation>ft·lbf/s(英尺-磅力/秒)</translation>
    </message>
    <message>
        <source>hp(horsepower)</source>
        <translation>hp(公制马力)</translation>
    </message>
    <message>
        <source>mhp(mechanical horsepower)</source>
        <translation>mhp(机械马力)</translation>
    </message>
    <message>
        <source>ehp(electrical horsepower)</source>
        <translation>ehp(电气马力)</translation>
    </message>
    <message>
        <source>bhp(boiler horsepower)</source>
        <translation>bhp(锅炉马力)</translation>
    </message>
    <message>
        <source>F(farad)</source>
        <translation>F(法拉)</translation>
    </message>
    <message>
        <source>μF(microfarad)</source>
        <translation>μF(微法拉)</translation>
    </message>
    <message>
        <source>nF(nanofarad)</source>
        <translation>nF(纳法拉)</translation>
    </message>
    <message>
        <source>pF(picofarad)</source>
        <translation>pF(皮法拉)</translation>
    </message>
    <message>
        <source>Ω(ohm)</source>
        <translation>Ω(欧姆)</translation>
    </message>
    <message>
        <source>kΩ(kiloohm)</source>
        <translation>kΩ(千欧姆)</translation>
    </message>
    <message>
        <source>MΩ(megaohm)</source>
        <translation>MΩ(兆欧姆)</translation>
    </message>
    <message>
        <source>GΩ(gigaohm)</source>
        <translation>GΩ(吉欧姆)</translation>
    </message>
    <message>
        <source>nS(nanosiemens)</source>
        <translation>nS(纳西门子)</translation>
    </message>
    <message>
        <source>µS(microsiemens)</source>
        <translation>µS(微西门子)</translation>
    </message>
    <message>
        <source>mS(millisiemens)</source>
        <translation>mS(毫西门子)</translation>
    </message>
    <message>
        <source>S(siemens)</source>
        <translation>S(西门子)</translation>
    </message>
    <message>
        <source>kS(kilosiemens)</source>
        <translation>kS(千西门子)</translation>
    </message>
    <message>
        <source>MS(megasiemens)</source>
        <translation>MS(兆西门子)</translation>
    </message>
    <message>
        <source>GS(gigasiemens)</source>
        <translation>GS(吉西门子)</translation>
    </message>
    <message>
        <source>nH(nanohenry)</source>
        <translation>nH(纳亨利)</translation>
    </message>
    <message>
        <source>µH(microhenry)</source>
        <translation>µH(微亨利)</translation>
    </message>
    <message>
        <source>mH(millihenry)</source>
        <translation>mH(毫亨利)</translation>
    </message>
    <message>
        <source>H(henry)</source>
        <translation>H(亨利)</translation>
    </message>
    <message>
        <source>kH(kilohenry)</source>
        <translation>kH(千亨利)</translation>
    </message>
    <message>
        <source>MH(megahenry)</source>
        <translation>MH(兆亨利)</translation>
    </message>
    <message>
        <source>GH(gigahenry)</source>
        <translation>GH(吉亨利)</translation>
    </message>
    <message>
        <source>A(ampere)</source>
        <translation>A(安培)</translation>
    </message>
    <message>
        <source>kA(kiloampere)</source>
        <translation>kA(千安培)</translation>
    </message>
    <message>
        <source>MA(megaampere)</source>
        <translation>MA(兆安培)</translation>
    </message>
    <message>
        <source>GA(gigaampere)</source>
        <translation>GA(吉安培)</translation>
    </message>
    <message>
        <source>mA(milliampere)</source>
        <translation>mA(毫安培)</translation>
    </message>
    <message>
        <source>µA(microampere)</source>
        <translation>µA(微安培)</translation>
    </message>
    <message>
        <source>nA(nanoampere)</source>
        <translation>nA(纳安培)</translation>
    </message>
    <message>
        <source>pA(picoampere)</source>
        <translation>pA(皮安培)</translation>
    </message>
    <message>
        <source>C(coulomb)</source>
        <translation>C(库仑)</translation>
    </message>
    <message>
        <source>nC(nanocoulomb)</source>
        <translation>nC(纳库仑)</translation>
    </message>
    <message>
        <source>µC(microcoulomb)</source>
        <translation>µC(微库仑)</translation>
    </message>
    <message>
        <source>mC(millicoulomb)</source>
        <translation>mC(毫库仑)</translation>
    </message>
    <message>
        <source>kC(kilocoulomb)</source>
        <translation>kC(千库仑)</translation>
    </message>
    <message>
        <source>MC(megacoulomb)</source>
        <translation>MC(兆库仑)</translation>
    </message>
    <message>
        <source>GC(gigacoulomb)</source>
        <translation>GC(吉库仑)</translation>
    </message>
    <message>
        <source>Fr(franklin)</source>
        <translation>Fr(富兰克林)</translation>
    </message>
    <message>
        <source>nFr(nanofranklin)</source>
        <translation>nFr(纳富兰克林)</translation>
    </message>
    <message>
        <source>µFr(microfranklin)</source>
        <translation>µFr(微富兰克林)</translation>
    </message>
    <message>
        <source>mFr(milifranklin)</source>
        <translation>mFr(毫富兰克林)</translation>
    </message>
    <message>
        <source>kFr(kilofranklin)</source>
        <translation>kFr(千富兰克林)</translation>
    </message>
    <message>
        <source>MFr(megafranklin)</source>
        <translation>MFr(兆富兰克林)</translation>
    </message>
    <message>
        <source>GF(gigafranklin)</source>
        <translation>GF(吉富兰克林)</translation>
    </message>
    <message>
        <source>e(elementary charge)</source>
        <translation>e(基本电荷)</translation>
    </message>
    <message>
        <source>Ah(ampere-hour)</source>
        <translation>Ah(安培小时)</translation>
    </message>
    <message>
        <source>T(tesla)</source>
        <translation>T(特斯拉)</translation>
    </message>
    <message>
        <source>MT(megatesla)</source>
        <translation>MT(兆特斯拉)</translation>
    </message>
    <message>
        <source>kT(kilotesla)</source>
        <translation>kT(千特斯拉)</translation>
    </message>
    <message>
        <source>mT(millitesla)</source>
        <translation>mT(毫特斯拉)</translation>
    </message>
    <message>
        <source>µT(microtesla)</source>
        <translation>µT(微特斯拉)</translation>
    </message>
    <message>
        <source>nT(nanotesla)</source>
        <translation>nT(纳特斯拉)</translation>
    </message>
    <message>
        <source>pT(picotesla)</source>
        <translation>pT(皮特斯拉)</translation>
    </message>
    <message>
        <source>G(gauss)</source>
        <translation>G(高斯)</translation>
    </message>
    <message>
        <source>Wb/m²(weber per square meter)</source>
        <translation>Wb/m²(韦伯/平方米)</translation>
    </message>
    <message>
        <source>Wb/cm²(weber per square centimeter)</source>
        <translation>Wb/cm²(韦伯/平方厘米)</translation>
    </message>
    <message>
        <source>γ(gamma)</source>
        <translation>γ(伽玛)</translation>
    </message>
    <message>
        <source>Mx/m²(maxwell per square meter)</source>
        <translation>Mx/m²(马克斯韦尔/平方米)</translation>
    </message>
    <message>
        <source>Mx/cm²(maxwell per square centimeter)</source>
        <translation>Mx/cm²(马克斯韦尔/平方厘米)</translation>
    </message>
    <message>
        <source>°(degree)</source>
        <translation>°(度)</translation>
    </message>
    <message>
        <source>radian(radian)</source>
        <translation>radian(弧度)</translation>
    </message>
    <message>
        <source>arcminute(arcminute)</source>
        <translation>arcminute(弧分)</translation>
    </message>
    <message>
        <source>arcsecond(arcsecond)</source>
        <translation>arcsecond(弧秒)</translation>
    </message>
    <message>
        <source>circle(circle)</source>
        <translation>circle(圆)</translation>
    </message>
    <message>
        <source>1/2circle(1/2circle)</source>
        <translation>1/2circle(1/2圆)</translation>
    </message>
    <message>
        <source>1/4circle(1/4circle)</source>
        <translation>1/4circle(1/4圆)</translation>
    </message>
    <message>
        <source>angular mil(angular mil)</source>
        <translation>angular mil(角密耳)</translation>
    </message>
    <message>
        <source>¯(point)</source>
        <translation>¯(点)</translation>
    </message>
    <message>
        <source>Euro reference rates of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Built-in rates in use: no reference rates downloaded yet</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>nuvelix_i2c_tools</name>
    <message>
        <source>Form</source>
        <translation>窗体</translation>
    </message>
    <message>
        <source>i2c addresss:</source>
        <translation>i2c 地址:</translation>
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
