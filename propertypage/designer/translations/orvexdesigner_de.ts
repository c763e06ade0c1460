<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>SkinWidgetPlugin</name>
    <message>
        <source>Skinned title bar, frame and menu bar</source>
        <translation>Titelleiste, Rahmen und Menüleiste mit Skin</translation>
    </message>
    <message>
        <source>Replaces its window&apos;s caption and frame with a skin bitmap and shows the menus of menu.txt in the application folder.</source>
        <translation>Ersetzt Titelleiste und Rahmen seines Fensters durch eine Skin-Bitmap und zeigt die Menüs aus menu.txt im Anwendungsordner.</translation>
    </message>
</context>
<context>
    <name>orvex::MenuItem</name>
    <message>
        <source>No control is selected.</source>
        <translation>Kein Steuerelement ist ausgewählt.</translation>
    </message>
    <message>
        <source>The selected %1 &quot;%2&quot; has no property &quot;%3&quot;.</source>
        <translation>Das ausgewählte %1 „%2“ hat keine Eigenschaft „%3“.</translation>
    </message>
    <message>
        <source>The property &quot;%1&quot; is not a yes/no value.</source>
        <translation>Die Eigenschaft „%1“ ist kein Ja/Nein-Wert.</translation>
    </message>
    <message>
        <source>The property &quot;%1&quot; could not be set.</source>
        <translation>Die Eigenschaft „%1“ konnte nicht gesetzt werden.</translation>
    </message>
    <message>
        <source>The menus were not saved.

%1
%2</source>
        <translation>Die Menüs wurden nicht gespeichert.

%1
%2</translation>
    </message>
    <message>
        <source>Add Menu</source>
        <translation>Menü hinzufügen</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>The menu file could not be read, so the page starts without menus.

%1
%2</source>
        <translation>Die Menüdatei konnte nicht gelesen werden, darum beginnt die Seite ohne Menüs.

%1
%2</translation>
    </message>
    <message>
        <source>The menu file could not be read when the page opened. Replace it with the menus of this page?

%1</source>
        <translation>Die Menüdatei konnte beim Öffnen der Seite nicht gelesen werden. Soll sie durch die Menüs dieser Seite ersetzt werden?

%1</translation>
    </message>
</context>
<context>
    <name>orvex::MenuItemDialog</name>
    <message>
        <source>Property Pages</source>
        <translation>Eigenschaftenseiten</translation>
    </message>
</context>
<context>
    <name>orvex::SkinTaskMenu</name>
    <message>
        <source>Edit Menus...</source>
        <translation>Menüs bearbeiten...</translation>
    </message>
</context>
</TS>
