<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>MenuFile</name>
    <message>
        <source>the name contains &quot;!&quot;</source>
        <translation>el nombre contiene «!»</translation>
    </message>
    <message>
        <source>it contains a line break</source>
        <translation>contiene un salto de línea</translation>
    </message>
    <message>
        <source>it contains a character that is not single-byte text</source>
        <translation>contiene un carácter que no es de un solo byte</translation>
    </message>
    <message>
        <source>record %1 cannot be saved: %2</source>
        <translation>no se puede guardar la entrada %1: %2</translation>
    </message>
</context>
<context>
    <name>orvex::CaptionStrip</name>
    <message>
        <source>Title Bar</source>
        <translation>Barra de título</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Maximise</source>
        <translation>Maximizar</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
</context>
<context>
    <name>orvex::MenuStrip</name>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
</context>
<context>
    <name>orvex::MessageRequest</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
</context>
<context>
    <name>orvex::Skin</name>
    <message>
        <source>Add The Following Lines To your code<byte value="xd"/>
drapler1.init_skin me</source>
        <comment>the second line is code, kept as it is</comment>
        <translation>Añada las siguientes líneas a su código:<byte value="xd"/>
drapler1.init_skin me</translation>
    </message>
</context>
</TS>
