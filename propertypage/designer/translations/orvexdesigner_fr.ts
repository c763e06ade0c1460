<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>SkinWidgetPlugin</name>
    <message>
        <source>Skinned title bar, frame and menu bar</source>
        <translation>Barre de titre, cadre et barre de menus habillés</translation>
    </message>
    <message>
        <source>Replaces its window&apos;s caption and frame with a skin bitmap and shows the menus of menu.txt in the application folder.</source>
        <translation>Remplace la barre de titre et le cadre de sa fenêtre par une image d’habillage et affiche les menus de menu.txt du dossier de l’application.</translation>
    </message>
</context>
<context>
    <name>orvex::MenuItem</name>
    <message>
        <source>No control is selected.</source>
        <translation>Aucun contrôle n’est sélectionné.</translation>
    </message>
    <message>
        <source>The selected %1 &quot;%2&quot; has no property &quot;%3&quot;.</source>
        <translation>Le %1 «&#xa0;%2&#xa0;» sélectionné n’a pas de propriété «&#xa0;%3&#xa0;».</translation>
    </message>
    <message>
        <source>The property &quot;%1&quot; is not a yes/no value.</source>
        <translation>La propriété «&#xa0;%1&#xa0;» n’est pas une valeur oui/non.</translation>
    </message>
    <message>
        <source>The property &quot;%1&quot; could not be set.</source>
        <translation>La propriété «&#xa0;%1&#xa0;» n’a pas pu être définie.</translation>
    </message>
    <message>
        <source>The menus were not saved.

%1
%2</source>
        <translation>Les menus n’ont pas été enregistrés.

%1
%2</translation>
    </message>
    <message>
        <source>Add Menu</source>
        <translation>Ajouter un menu</translation>
    </message>
    <message>
        <source>Caption</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insérer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>The menu file could not be read, so the page starts without menus.

%1
%2</source>
        <translation>Le fichier de menus n’a pas pu être lu&#xa0;: la page commence donc sans menus.

%1
%2</translation>
    </message>
    <message>
        <source>The menu file could not be read when the page opened. Replace it with the menus of this page?

%1</source>
        <translation>Le fichier de menus n’a pas pu être lu à l’ouverture de la page. Le remplacer par les menus de cette page&#xa0;?

%1</translation>
    </message>
</context>
<context>
    <name>orvex::MenuItemDialog</name>
    <message>
        <source>Property Pages</source>
        <translation>Pages de propriétés</translation>
    </message>
</context>
<context>
    <name>orvex::SkinTaskMenu</name>
    <message>
        <source>Edit Menus...</source>
        <translation>Modifier les menus...</translation>
    </message>
</context>
</TS>
