<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>SkinWidgetPlugin</name>
    <message>
        <source>Skinned title bar, frame and menu bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replaces its window&apos;s caption and frame with a skin bitmap and shows the menus of menu.txt in the application folder.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvex::MenuItem</name>
    <message>
        <source>No control is selected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The selected %1 &quot;%2&quot; has no property &quot;%3&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The property &quot;%1&quot; is not a yes/no value.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The property &quot;%1&quot; could not be set.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The menus were not saved.

%1
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caption</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The menu file could not be read, so the page starts without menus.

%1
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The menu file could not be read when the page opened. Replace it with the menus of this page?

%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvex::MenuItemDialog</name>
    <message>
        <source>Property Pages</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvex::SkinTaskMenu</name>
    <message>
        <source>Edit Menus...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
