<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>MenuFile</name>
    <message>
        <source>the name contains &quot;!&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it contains a line break</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it contains a character that is not single-byte text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>record %1 cannot be saved: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvex::CaptionStrip</name>
    <message>
        <source>Title Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvex::MenuStrip</name>
    <message>
        <source>Menu</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvex::MessageRequest</name>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvex::Skin</name>
    <message>
        <source>Add The Following Lines To your code<byte value="xd"/>
drapler1.init_skin me</source>
        <comment>the second line is code, kept as it is</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
