<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>MenuFile</name>
    <message>
        <source>the name contains &quot;!&quot;</source>
        <translation>der Name enthält „!“</translation>
    </message>
    <message>
        <source>it contains a line break</source>
        <translation>er enthält einen Zeilenumbruch</translation>
    </message>
    <message>
        <source>it contains a character that is not single-byte text</source>
        <translation>er enthält ein Zeichen, das kein Einzelbyte-Zeichen ist</translation>
    </message>
    <message>
        <source>record %1 cannot be saved: %2</source>
        <translation>Eintrag %1 kann nicht gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>orvex::CaptionStrip</name>
    <message>
        <source>Title Bar</source>
        <translation>Titelleiste</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Maximise</source>
        <translation>Maximieren</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
</context>
<context>
    <name>orvex::MenuStrip</name>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
</context>
<context>
    <name>orvex::MessageRequest</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
</context>
<context>
    <name>orvex::Skin</name>
    <message>
        <source>Add The Following Lines To your code<byte value="xd"/>
drapler1.init_skin me</source>
        <comment>the second line is code, kept as it is</comment>
        <translation>Fügen Sie Ihrem Code die folgenden Zeilen hinzu:<byte value="xd"/>
drapler1.init_skin me</translation>
    </message>
</context>
</TS>
