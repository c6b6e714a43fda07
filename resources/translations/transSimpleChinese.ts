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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
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
        <translation>Nuvelix -- YURB 版本 %1.%2.%3</translation>
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
</TS>
