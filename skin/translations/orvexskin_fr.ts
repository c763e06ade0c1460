<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>MenuFile</name>
    <message>
        <source>the name contains &quot;!&quot;</source>
        <translation>le nom contient «&#xa0;!&#xa0;»</translation>
    </message>
    <message>
        <source>it contains a line break</source>
        <translation>elle contient un saut de ligne</translation>
    </message>
    <message>
        <source>it contains a character that is not single-byte text</source>
        <translation>elle contient un caractère qui ne tient pas sur un octet</translation>
    </message>
    <message>
        <source>record %1 cannot be saved: %2</source>
        <translation>l’entrée %1 ne peut pas être enregistrée&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>orvex::CaptionStrip</name>
    <message>
        <source>Title Bar</source>
        <translation>Barre de titre</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Maximise</source>
        <translation>Agrandir</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
</context>
<context>
    <name>orvex::MenuStrip</name>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
</context>
<context>
    <name>orvex::MessageRequest</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
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
        <translation>Ajoutez les lignes suivantes à votre code&#xa0;:<byte value="xd"/>
drapler1.init_skin me</translation>
    </message>
</context>
</TS>
