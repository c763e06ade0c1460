<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>SkinWidgetPlugin</name>
    <message>
        <source>Skinned title bar, frame and menu bar</source>
        <translation>Barra de título, marco y barra de menús con aspecto propio</translation>
    </message>
    <message>
        <source>Replaces its window&apos;s caption and frame with a skin bitmap and shows the menus of menu.txt in the application folder.</source>
        <translation>Sustituye la barra de título y el marco de su ventana por un mapa de bits de aspecto y muestra los menús de menu.txt de la carpeta de la aplicación.</translation>
    </message>
</context>
<context>
    <name>orvex::MenuItem</name>
    <message>
        <source>No control is selected.</source>
        <translation>No hay ningún control seleccionado.</translation>
    </message>
    <message>
        <source>The selected %1 &quot;%2&quot; has no property &quot;%3&quot;.</source>
        <translation>El %1 «%2» seleccionado no tiene la propiedad «%3».</translation>
    </message>
    <message>
        <source>The property &quot;%1&quot; is not a yes/no value.</source>
        <translation>La propiedad «%1» no es un valor de sí o no.</translation>
    </message>
    <message>
        <source>The property &quot;%1&quot; could not be set.</source>
        <translation>No se pudo establecer la propiedad «%1».</translation>
    </message>
    <message>
        <source>The menus were not saved.

%1
%2</source>
        <translation>No se han guardado los menús.

%1
%2</translation>
    </message>
    <message>
        <source>Add Menu</source>
        <translation>Añadir menú</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insertar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>The menu file could not be read, so the page starts without menus.

%1
%2</source>
        <translation>No se pudo leer el archivo de menús, así que la página empieza sin menús.

%1
%2</translation>
    </message>
    <message>
        <source>The menu file could not be read when the page opened. Replace it with the menus of this page?

%1</source>
        <translation>No se pudo leer el archivo de menús al abrir la página. ¿Desea sustituirlo por los menús de esta página?

%1</translation>
    </message>
</context>
<context>
    <name>orvex::MenuItemDialog</name>
    <message>
        <source>Property Pages</source>
        <translation>Páginas de propiedades</translation>
    </message>
</context>
<context>
    <name>orvex::SkinTaskMenu</name>
    <message>
        <source>Edit Menus...</source>
        <translation>Editar menús...</translation>
    </message>
</context>
</TS>
