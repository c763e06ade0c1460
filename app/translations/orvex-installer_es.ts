<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: orvex-installer [--uninstall] [--drive PATH]...
       orvex-installer --unattended --drive PATH --password yes|no [--passcode DIGITS]
                       [--eject]
       orvex-installer --uninstall --unattended --drive PATH [--eject]

Installs the Orvex Tessary web application on a PSP memory stick, or removes it.

Options:
  --drive PATH          Lists PATH in the drive list; a mounted volume already
                        listed is listed once. Repeatable. The first --drive is
                        chosen at start. Without one, a PSP memory stick (a volume
                        holding a PSP folder) that is there at start or that
                        appears while nothing is chosen becomes the choice. A chosen
                        drive that goes leaves nothing chosen.
  --unattended          Installs to the one --drive PATH without a window: the
                        confirmation is taken as given, information is printed to
                        standard output and failures to standard error. Exit status:
                        0 installed, 1 failed, 2 wrong command line, 3 installed but
                        not ejected (--eject).
  --password yes|no     With --unattended: whether the bookmark opens the passcode
                        page.
  --passcode DIGITS     With --password yes: the passcode (4 to 8 digits) that opens
                        Orvex Tessary on the PSP. Without it the passcode already on
                        the stick is kept; if there is none, a random 4-digit one is
                        made and printed.
  --eject               With --unattended: once installed or removed, unmounts the
                        stick through the system&apos;s disk service (UDisks2) and powers
                        it off or ejects it, so that it is safe to remove, and says
                        so. A drive the disk service does not manage is not ejected.
  --uninstall           Removes PSP/COMMON/Orvex and the Orvex bookmark instead of
                        installing, leaving everything else on the stick as it was.
                        Exit status with --unattended: 0 removed or nothing there,
                        1 failed, 2 wrong command line, 3 removed but not ejected.
  -h, --help            Shows this help.
  -v, --version         Shows the version.
</source>
        <translation>Uso: orvex-installer [--uninstall] [--drive PATH]...
     orvex-installer --unattended --drive PATH --password yes|no
                     [--passcode DIGITS] [--eject]
     orvex-installer --uninstall --unattended --drive PATH [--eject]

Instala la aplicación web Orvex Tessary en un Memory Stick de PSP, o la
elimina.

Opciones:
  --drive PATH          Añade PATH a la lista de unidades; un volumen montado
                        que ya está en la lista aparece una sola vez. Se puede
                        repetir. El primer --drive queda elegido al empezar.
                        Sin ninguno, se elige un Memory Stick de PSP (un
                        volumen con una carpeta PSP) que esté conectado al
                        empezar o que aparezca mientras no hay nada elegido.
                        Si la unidad elegida desaparece, no queda nada
                        elegido.
  --unattended          Instala en la única unidad --drive PATH sin ventana:
                        la confirmación se da por hecha, la información se
                        escribe en la salida estándar y los errores en la
                        salida de error estándar. Estado de salida:
                        0 instalado, 1 error, 2 línea de órdenes incorrecta,
                        3 instalado pero no expulsado (--eject).
  --password yes|no     Con --unattended: si el marcador abre la página del
                        código de acceso.
  --passcode DIGITS     Con --password yes: el código de acceso (de 4 a 8
                        cifras) que abre Orvex Tessary en la PSP. Sin él se
                        mantiene el código que ya hay en el Memory Stick; si
                        no hay ninguno, se crea y se muestra uno aleatorio de
                        4 cifras.
  --eject               Con --unattended: una vez instalado o eliminado,
                        desmonta el Memory Stick mediante el servicio de
                        discos del sistema (UDisks2) y lo apaga o lo expulsa
                        para que se pueda retirar con seguridad, y lo indica.
                        Una unidad que el servicio de discos no gestiona no
                        se expulsa.
  --uninstall           Elimina PSP/COMMON/Orvex y el marcador de Orvex en
                        lugar de instalar, y deja todo lo demás del Memory
                        Stick como estaba. Estado de salida con --unattended:
                        0 eliminado o nada que eliminar, 1 error, 2 línea de
                        órdenes incorrecta, 3 eliminado pero no expulsado.
  -h, --help            Muestra esta ayuda.
  -v, --version         Muestra la versión.
</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Argumento inesperado: %1</translation>
    </message>
    <message>
        <source>--drive needs a path.</source>
        <translation>--drive necesita una ruta.</translation>
    </message>
    <message>
        <source>--password and --passcode are only for --unattended.</source>
        <translation>--password y --passcode solo sirven con --unattended.</translation>
    </message>
    <message>
        <source>--eject is only for --unattended.</source>
        <translation>--eject solo sirve con --unattended.</translation>
    </message>
    <message>
        <source>--unattended needs exactly one --drive PATH.</source>
        <translation>--unattended necesita exactamente un --drive PATH.</translation>
    </message>
    <message>
        <source>--uninstall takes no --password or --passcode.</source>
        <translation>--uninstall no admite --password ni --passcode.</translation>
    </message>
    <message>
        <source>--unattended needs --password yes or --password no.</source>
        <translation>--unattended necesita --password yes o --password no.</translation>
    </message>
    <message>
        <source>--passcode goes with --password yes.</source>
        <translation>--passcode va con --password yes.</translation>
    </message>
    <message>
        <source>--passcode needs one passcode of 4 to 8 digits.</source>
        <translation>--passcode necesita un código de acceso de 4 a 8 cifras.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>Pruebe «%1 --help».</translation>
    </message>
    <message>
        <source>Stopped while the stick was not answering; the next installation or removal cleans up what was left.</source>
        <translation>Se detuvo mientras el Memory Stick no respondía; la próxima instalación o eliminación limpiará lo que haya quedado.</translation>
    </message>
    <message>
        <source>%1 Yes</source>
        <comment>a question, answered</comment>
        <translation>%1 Sí</translation>
    </message>
    <message>
        <source>%1 No</source>
        <comment>a question, answered</comment>
        <translation>%1 No</translation>
    </message>
    <message>
        <source>The passcode is %1.</source>
        <translation>El código de acceso es %1.</translation>
    </message>
    <message>
        <source>Installing onto %1.</source>
        <translation>Instalando en %1.</translation>
    </message>
    <message>
        <source>Installed onto %1.</source>
        <translation>Se ha instalado en %1.</translation>
    </message>
    <message>
        <source>The passcode already on the stick is kept: %1.</source>
        <translation>Se mantiene el código de acceso que ya había en el Memory Stick: %1.</translation>
    </message>
</context>
<context>
    <name>EjectMessages</name>
    <message>
        <source>the disk service did not answer</source>
        <translation>el servicio de discos no respondió</translation>
    </message>
    <message>
        <source>The stick was ejected. You can now leave USB mode on the PSP.</source>
        <translation>Se ha expulsado el Memory Stick. Ya puede salir del modo USB en la PSP.</translation>
    </message>
    <message>
        <source>The stick could not be ejected: %1. Close the programs that use it, then eject it from your file manager.</source>
        <translation>No se pudo expulsar el Memory Stick: %1. Cierre los programas que lo usan y luego expúlselo desde el gestor de archivos.</translation>
    </message>
    <message>
        <source>The stick was not ejected: the system&apos;s disk service does not manage %1.</source>
        <translation>No se ha expulsado el Memory Stick: el servicio de discos del sistema no gestiona %1.</translation>
    </message>
    <message>
        <source>The stick was not ejected: %1 is on one of the system&apos;s own disks.</source>
        <translation>No se ha expulsado el Memory Stick: %1 está en uno de los discos del propio sistema.</translation>
    </message>
</context>
<context>
    <name>InstallMessages</name>
    <message>
        <source>the stick returned fewer bytes than the file holds</source>
        <translation>el Memory Stick devolvió menos bytes de los que tiene el archivo</translation>
    </message>
    <message>
        <source>its first line is longer than 64 KiB</source>
        <translation>su primera línea ocupa más de 64 KiB</translation>
    </message>
    <message>
        <source>is a link; the installer does not follow links on the drive</source>
        <translation>es un enlace; el instalador no sigue enlaces en la unidad</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>has %1 names (hard links); the installer changes only a file with one name.<byte value="xd"/>
Make it a file of its own (put a copy in its place), then install again.</source>
        <translation>tiene %1 nombres (enlaces duros); el instalador solo modifica un archivo con un único nombre.<byte value="xd"/>
Conviértalo en un archivo independiente (ponga una copia en su lugar) y vuelva a instalar.</translation>
    </message>
    <message>
        <source>is UTF-16 text; the installer adds its bookmark only to single-byte text.<byte value="xd"/>
Save it as single-byte text (ASCII or UTF-8), then install again.</source>
        <translation>es texto UTF-16; el instalador solo añade su marcador a texto de 8 bits.<byte value="xd"/>
Guárdelo como texto de 8 bits (ASCII o UTF-8) y vuelva a instalar.</translation>
    </message>
    <message>
        <source> (the file could not be restored)</source>
        <translation> (no se pudo restaurar el archivo)</translation>
    </message>
    <message>
        <source>The stick is write-protected or mounted read-only.</source>
        <translation>El Memory Stick está protegido contra escritura o montado como de solo lectura.</translation>
    </message>
    <message>
        <source>This user may not write there: run the installer as a user who may, or change the permissions.</source>
        <translation>Este usuario no puede escribir ahí: ejecute el instalador con un usuario que pueda o cambie los permisos.</translation>
    </message>
    <message>
        <source>The stick is full: free some room on it and try again.</source>
        <translation>El Memory Stick está lleno: libere algo de espacio y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The stick did not read or write as asked: check that it is still connected, then try again.</source>
        <translation>El Memory Stick no leyó o no escribió lo que se le pidió: compruebe que sigue conectado y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The installer may not open enough files at once: raise the limit of open files (ulimit -n), then try again.</source>
        <translation>El instalador no puede abrir suficientes archivos a la vez: aumente el límite de archivos abiertos (ulimit -n) y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The system has too many files open: close some programs, then try again.</source>
        <translation>El sistema tiene demasiados archivos abiertos: cierre algunos programas y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>On the PSP, choose Settings, then USB Connection, and pass the folder where its stick is mounted with --drive.</source>
        <translation>En la PSP, elija Ajustes y luego Conexión USB, e indique con --drive la carpeta donde está montado su Memory Stick.</translation>
    </message>
    <message>
        <source>On the PSP, choose Settings, then USB Connection, and choose the drive that appears.</source>
        <translation>En la PSP, elija Ajustes y luego Conexión USB, y elija la unidad que aparezca.</translation>
    </message>
    <message>
        <source>The drive %1 is not there: it was disconnected, or its name is mistyped.</source>
        <translation>La unidad %1 no está: se ha desconectado o su nombre está mal escrito.</translation>
    </message>
    <message>
        <source>Another installation or removal on this drive is running.</source>
        <translation>Ya hay otra instalación o eliminación en curso en esta unidad.</translation>
    </message>
    <message>
        <source>The stick is write-protected or mounted read-only: nothing can be written to %1.<byte value="xd"/>
Make it writable, then try again.</source>
        <translation>El Memory Stick está protegido contra escritura o montado como de solo lectura: no se puede escribir nada en %1.<byte value="xd"/>
Permita la escritura y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The bookmark page %1/%2 is missing or empty.<byte value="xd"/>
The installer&apos;s own files are incomplete: install the installer again.</source>
        <translation>La página del marcador %1/%2 falta o está vacía.<byte value="xd"/>
Los archivos del propio instalador están incompletos: vuelva a instalar el instalador.</translation>
    </message>
    <message>
        <source>The drive %1 has no PSP folder, so it is not a PSP memory stick.<byte value="xd"/>
%2</source>
        <translation>La unidad %1 no tiene carpeta PSP, así que no es un Memory Stick de PSP.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>holds a control character, which the stick cannot store</source>
        <translation>contiene un carácter de control, que el Memory Stick no puede guardar</translation>
    </message>
    <message>
        <source>holds &quot;%1&quot;, which the stick cannot store</source>
        <translation>contiene «%1», que el Memory Stick no puede guardar</translation>
    </message>
    <message>
        <source>ends with a dot or a space, which the stick drops</source>
        <translation>termina en punto o espacio, que el Memory Stick descarta</translation>
    </message>
    <message>
        <source>is longer than %1 characters, the longest name the installer can write to the stick</source>
        <translation>tiene más de %1 caracteres, el nombre más largo que el instalador puede escribir en el Memory Stick</translation>
    </message>
    <message>
        <source>The stick did not keep what was written to %1: it may be failing or not as large as it says.</source>
        <translation>El Memory Stick no conservó lo que se escribió en %1: puede que esté fallando o que no sea tan grande como indica.</translation>
    </message>
    <message>
        <source>fewer bytes could be read than the file holds</source>
        <translation>se pudieron leer menos bytes de los que tiene el archivo</translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> y %1 más</translation>
    </message>
    <message>
        <source>The destination is the folder being copied.</source>
        <translation>El destino es la carpeta que se está copiando.</translation>
    </message>
    <message>
        <source>The destination lies inside the folder being copied.</source>
        <translation>El destino está dentro de la carpeta que se está copiando.</translation>
    </message>
    <message>
        <source>Nothing on the stick was changed.</source>
        <translation>No se ha cambiado nada en el Memory Stick.</translation>
    </message>
    <message>
        <source>Removed 1 file left by an interrupted installation.</source>
        <translation>Se ha eliminado 1 archivo que dejó una instalación interrumpida.</translation>
    </message>
    <message>
        <source>Removed %1 files left by an interrupted installation.</source>
        <translation>Se han eliminado %1 archivos que dejó una instalación interrumpida.</translation>
    </message>
    <message>
        <source>The Orvex folder could not be copied to %1/PSP/COMMON/.</source>
        <translation>No se pudo copiar la carpeta Orvex en %1/PSP/COMMON/.</translation>
    </message>
    <message>
        <source>The bookmark could not be added to %1/PSP/SYSTEM/BROWSER/bookmarks.html.</source>
        <translation>No se pudo añadir el marcador a %1/PSP/SYSTEM/BROWSER/bookmarks.html.</translation>
    </message>
    <message>
        <source>: the installer writes this file itself</source>
        <translation>: el instalador escribe este archivo por sí mismo</translation>
    </message>
    <message>
        <source>These entries of the Orvex folder cannot be installed:<byte value="xd"/>
</source>
        <translation>Estas entradas de la carpeta Orvex no se pueden instalar:<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Rename or remove them in %1, then install again.</source>
        <translation><byte value="xd"/>
Cámbieles el nombre o elimínelas en %1 y vuelva a instalar.</translation>
    </message>
    <message>
        <source>Some files the installer wrote could not be removed: %1</source>
        <translation>No se pudieron eliminar algunos archivos que escribió el instalador: %1</translation>
    </message>
    <message>
        <source>The Orvex folder on the stick was updated; no bookmark was added.</source>
        <translation>Se ha actualizado la carpeta Orvex del Memory Stick; no se ha añadido ningún marcador.</translation>
    </message>
    <message>
        <source>%1 of the %2 files were updated before the failure: %3.</source>
        <translation>Se actualizaron %1 de los %2 archivos antes del fallo: %3.</translation>
    </message>
    <message>
        <source>The bookmark could not be added to %1.</source>
        <translation>No se pudo añadir el marcador a %1.</translation>
    </message>
    <message>
        <source>Would you like to install with password protection?</source>
        <translation>¿Desea instalar con protección por contraseña?</translation>
    </message>
    <message>
        <source>Installed onto %1. The Orvex Tessary bookmark opens it with the passcode you chose.</source>
        <translation>Se ha instalado en %1. El marcador Orvex Tessary lo abre con el código de acceso que eligió.</translation>
    </message>
    <message>
        <source>Installed onto %1. The Orvex Tessary bookmark opens it without a passcode.</source>
        <translation>Se ha instalado en %1. El marcador Orvex Tessary lo abre sin código de acceso.</translation>
    </message>
    <message>
        <source>Installation complete!<byte value="xd"/>
Thank you for using Orvex.</source>
        <translation>¡Instalación completada!<byte value="xd"/>
Gracias por usar Orvex.</translation>
    </message>
    <message>
        <source>To access Orvex, simply choose the Orvex Tessary bookmark in your PSP browser&apos;s bookmark section.</source>
        <translation>Para acceder a Orvex, solo tiene que elegir el marcador Orvex Tessary en la sección de marcadores del navegador de su PSP.</translation>
    </message>
    <message>
        <source>Are you sure you want to install Orvex Tessary?</source>
        <translation>¿Seguro que desea instalar Orvex Tessary?</translation>
    </message>
    <message>
        <source>Installation failed.</source>
        <translation>La instalación ha fallado.</translation>
    </message>
    <message>
        <source>Installation cancelled.</source>
        <translation>Se ha cancelado la instalación.</translation>
    </message>
    <message>
        <source>is a folder with the name the installer gives the temporary copy of %1; rename or remove it</source>
        <translation>es una carpeta con el nombre que el instalador da a la copia temporal de %1; cámbiele el nombre o elimínela</translation>
    </message>
    <message>
        <source>is a link with the name the installer gives the temporary copy of %1; rename or remove it</source>
        <translation>es un enlace con el nombre que el instalador da a la copia temporal de %1; cámbiele el nombre o elimínelo</translation>
    </message>
    <message>
        <source>is a special file with the name the installer gives the temporary copy of %1; rename or remove it</source>
        <translation>es un archivo especial con el nombre que el instalador da a la copia temporal de %1; cámbiele el nombre o elimínelo</translation>
    </message>
    <message>
        <source>is a file, where the installer puts the folder %1 (the stick does not tell names apart by case); rename or remove it</source>
        <translation>es un archivo en el lugar donde el instalador pone la carpeta %1 (el Memory Stick no distingue mayúsculas de minúsculas en los nombres); cámbiele el nombre o elimínelo</translation>
    </message>
    <message>
        <source>is a folder, where the installer puts the file %1 (the stick does not tell names apart by case); rename or remove it</source>
        <translation>es una carpeta en el lugar donde el instalador pone el archivo %1 (el Memory Stick no distingue mayúsculas de minúsculas en los nombres); cámbiele el nombre o elimínela</translation>
    </message>
    <message>
        <source>is a special file, where the installer puts the folder %1 (the stick does not tell names apart by case); rename or remove it</source>
        <translation>es un archivo especial en el lugar donde el instalador pone la carpeta %1 (el Memory Stick no distingue mayúsculas de minúsculas en los nombres); cámbiele el nombre o elimínelo</translation>
    </message>
    <message>
        <source>is a special file, where the installer puts the file %1 (the stick does not tell names apart by case); rename or remove it</source>
        <translation>es un archivo especial en el lugar donde el instalador pone el archivo %1 (el Memory Stick no distingue mayúsculas de minúsculas en los nombres); cámbiele el nombre o elimínelo</translation>
    </message>
    <message>
        <source>is not a folder</source>
        <translation>no es una carpeta</translation>
    </message>
    <message>
        <source>the name is not valid text</source>
        <translation>el nombre no es un texto válido</translation>
    </message>
    <message>
        <source>links to folders are not copied</source>
        <translation>los enlaces a carpetas no se copian</translation>
    </message>
    <message>
        <source>is a link to nothing</source>
        <translation>es un enlace que no apunta a nada</translation>
    </message>
    <message>
        <source>is 4 GiB or larger; the stick holds files of up to 4 GiB less one byte</source>
        <translation>ocupa 4 GiB o más; el Memory Stick admite archivos de hasta 4 GiB menos un byte</translation>
    </message>
    <message>
        <source>not a regular file or folder</source>
        <translation>no es un archivo normal ni una carpeta</translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>: the stick takes these names for one, since it ignores case</source>
        <translation>: el Memory Stick toma estos nombres por uno solo, ya que no distingue mayúsculas de minúsculas</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>files and folders</comment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>The Orvex folder could not be removed from %1/PSP/COMMON.</source>
        <translation>No se pudo eliminar la carpeta Orvex de %1/PSP/COMMON.</translation>
    </message>
    <message>
        <source>The bookmark could not be taken out of %1/PSP/SYSTEM/BROWSER/bookmarks.html.</source>
        <translation>No se pudo quitar el marcador de %1/PSP/SYSTEM/BROWSER/bookmarks.html.</translation>
    </message>
    <message>
        <source>Removed the Orvex bookmark.</source>
        <translation>Se ha quitado el marcador de Orvex.</translation>
    </message>
    <message>
        <source>PSP/COMMON/Orvex (%1)</source>
        <translation>PSP/COMMON/Orvex (%1)</translation>
    </message>
    <message>
        <source>%1 from PSP/COMMON/Orvex</source>
        <translation>%1 de PSP/COMMON/Orvex</translation>
    </message>
    <message>
        <source>Removed %1 and the Orvex bookmark.</source>
        <translation>Elementos eliminados: %1 y el marcador de Orvex.</translation>
    </message>
    <message>
        <source>Removed %1.</source>
        <translation>Elementos eliminados: %1.</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>y %1 más</translation>
    </message>
    <message>
        <source>PSP/COMMON/Orvex stays: it holds %1 that Orvex Tessary did not install (%2).</source>
        <translation>PSP/COMMON/Orvex se mantiene: contiene %1 que Orvex Tessary no instaló (%2).</translation>
    </message>
    <message>
        <source>The Orvex bookmark was taken out; PSP/COMMON/Orvex stays as it was.</source>
        <translation>Se ha quitado el marcador de Orvex; PSP/COMMON/Orvex sigue como estaba.</translation>
    </message>
    <message>
        <source>The Orvex bookmark was taken out, and %1 of the %2 files of PSP/COMMON/Orvex were removed; the others stay.</source>
        <translation>Se ha quitado el marcador de Orvex y se han eliminado %1 de los %2 archivos de PSP/COMMON/Orvex; los demás se mantienen.</translation>
    </message>
    <message>
        <source>%1 of the %2 files of PSP/COMMON/Orvex were removed; the others stay.</source>
        <translation>Se han eliminado %1 de los %2 archivos de PSP/COMMON/Orvex; los demás se mantienen.</translation>
    </message>
    <message>
        <source>Orvex Tessary is not on this stick: there was nothing to remove.</source>
        <translation>Orvex Tessary no está en este Memory Stick: no había nada que eliminar.</translation>
    </message>
    <message>
        <source>Orvex Tessary was removed from the PSP.</source>
        <translation>Se ha eliminado Orvex Tessary de la PSP.</translation>
    </message>
    <message>
        <source>Are you sure you want to remove Orvex Tessary from the PSP?</source>
        <translation>¿Seguro que desea eliminar Orvex Tessary de la PSP?</translation>
    </message>
    <message>
        <source>Removal failed.</source>
        <translation>La eliminación ha fallado.</translation>
    </message>
    <message>
        <source>Removal cancelled.</source>
        <translation>Se ha cancelado la eliminación.</translation>
    </message>
    <message>
        <source>The stick needs %1 more: the installation needs %2 and %3 are free. Free at least %1 and try again.</source>
        <translation>Faltan %1 en el Memory Stick: la instalación necesita %2 y hay %3 libres. Libere al menos %1 y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The stick needs %1 more: the removal needs %2 and %3 are free. Free at least %1 and try again.</source>
        <translation>Faltan %1 en el Memory Stick: la eliminación necesita %2 y hay %3 libres. Libere al menos %1 y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>No drive was chosen. Connect the PSP in USB mode and choose its drive.</source>
        <translation>No se ha elegido ninguna unidad. Conecte la PSP en modo USB y elija su unidad.</translation>
    </message>
    <message>
        <source>On the PSP, choose Settings, then USB Connection, and connect it to this computer with a USB cable. Its memory stick appears in the list by itself.</source>
        <translation>En la PSP, elija Ajustes y luego Conexión USB, y conéctela a este ordenador con un cable USB. Su Memory Stick aparecerá solo en la lista.</translation>
    </message>
    <message>
        <source>Onto %1 (%2).</source>
        <translation>En %1 (%2).</translation>
    </message>
    <message>
        <source>Onto %1 (%2): %3.</source>
        <translation>En %1 (%2): %3.</translation>
    </message>
    <message>
        <source>%1 file</source>
        <translation>%1 archivo</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 archivos</translation>
    </message>
    <message>
        <source>%1 folder</source>
        <translation>%1 carpeta</translation>
    </message>
    <message>
        <source>%1 folders</source>
        <translation>%1 carpetas</translation>
    </message>
</context>
<context>
    <name>orvex::DriveList</name>
    <message>
        <source>not a PSP stick</source>
        <translation>no es de PSP</translation>
    </message>
    <message>
        <source>read-only</source>
        <translation>solo lectura</translation>
    </message>
    <message>
        <source>too full</source>
        <translation>demasiado lleno</translation>
    </message>
    <message>
        <source>PSP memory stick</source>
        <translation>Memory Stick PSP</translation>
    </message>
    <message>
        <source>(checking…)</source>
        <translation>(comprobando…)</translation>
    </message>
    <message>
        <source>(not answering)</source>
        <translation>(no responde)</translation>
    </message>
    <message>
        <source>(cannot be read)</source>
        <translation>(no se puede leer)</translation>
    </message>
    <message>
        <source>(not found)</source>
        <translation>(no se encuentra)</translation>
    </message>
    <message>
        <source>%1, %2 free</source>
        <comment>state, free room</comment>
        <translation>%1, %2 libres</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>name, state</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1, %2, %3 free</source>
        <comment>name, state, free room</comment>
        <translation>%1, %2, %3 libres</translation>
    </message>
    <message>
        <source>%1, %2, %3 free of %4</source>
        <comment>name, state, free room, size</comment>
        <translation>%1, %2, %3 libres de %4</translation>
    </message>
    <message>
        <source>Connect the PSP in USB mode</source>
        <translation>Conecte la PSP en modo USB</translation>
    </message>
</context>
<context>
    <name>orvex::Frm_SkinnedForm</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Instalar</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Orvex Tessary installer %1</source>
        <translation>Instalador de Orvex Tessary %1</translation>
    </message>
    <message>
        <source>3. Press Remove to remove Orvex Tessary!</source>
        <translation>3. ¡Pulse Eliminar para quitar Orvex Tessary!</translation>
    </message>
    <message>
        <source>3. Press Install to begin installation!</source>
        <translation>3. ¡Pulse Instalar para iniciar la instalación!</translation>
    </message>
    <message>
        <source>2. Select the drive your PSP is connected to.</source>
        <translation>2. Elija la unidad a la que conectó su PSP.</translation>
    </message>
    <message>
        <source>1. Connect PSP in USB Mode.</source>
        <translation>1. Conecte la PSP en modo USB.</translation>
    </message>
    <message>
        <source>Eject the stick now? Then leave USB mode on the PSP.</source>
        <translation>¿Expulsar ahora el Memory Stick? Después, salga del modo USB en la PSP.</translation>
    </message>
    <message>
        <source>Eject</source>
        <translation>Expulsar</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Ahora no</translation>
    </message>
</context>
<context>
    <name>orvex::PasscodeDialog</name>
    <message>
        <source>Choose the passcode that opens Orvex Tessary on the PSP (4 to 8 digits):</source>
        <translation>Elija el código de acceso que abrirá Orvex Tessary en la PSP (de 4 a 8 cifras):</translation>
    </message>
    <message>
        <source>Passcode</source>
        <translation>Código de acceso</translation>
    </message>
    <message>
        <source>4 to 8 digits</source>
        <translation>De 4 a 8 dígitos</translation>
    </message>
</context>
<context>
    <name>orvex::StickJobDialog</name>
    <message>
        <source>about %1 s left</source>
        <translation>quedan unos %1 s</translation>
    </message>
    <message>
        <source>about %1 min left</source>
        <translation>quedan unos %1 min</translation>
    </message>
    <message>
        <source>about %1 h left</source>
        <translation>quedan unas %1 h</translation>
    </message>
    <message>
        <source>%1 of %2 files, %3 of %4 %5</source>
        <translation>%1 de %2 archivos, %3 de %4 %5</translation>
    </message>
    <message>
        <source>Checking the stick…</source>
        <translation>Comprobando el Memory Stick…</translation>
    </message>
    <message>
        <source>Copying Orvex…</source>
        <translation>Copiando Orvex…</translation>
    </message>
    <message>
        <source>Copying Orvex/%1</source>
        <translation>Copiando Orvex/%1</translation>
    </message>
    <message>
        <source>Removing Orvex/%1</source>
        <translation>Eliminando Orvex/%1</translation>
    </message>
    <message>
        <source>%1 of %2 files</source>
        <translation>%1 de %2 archivos</translation>
    </message>
    <message>
        <source>Ejecting the stick…</source>
        <translation>Expulsando el Memory Stick…</translation>
    </message>
    <message>
        <source>Checking what the stick kept…</source>
        <translation>Comprobando lo que ha guardado el Memory Stick…</translation>
    </message>
    <message>
        <source>Writing to the stick…</source>
        <translation>Escribiendo en el Memory Stick…</translation>
    </message>
    <message>
        <source>The stick is not answering. Waiting for it…</source>
        <translation>El Memory Stick no responde. Esperando…</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Deteniendo…</translation>
    </message>
    <message>
        <source>Close anyway ends the installer now; the next installation removes what this one left.</source>
        <translation>«Cerrar de todos modos» cierra el instalador ahora; la próxima instalación eliminará lo que deje esta.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Close anyway</source>
        <translation>Cerrar de todos modos</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Ocupado</translation>
    </message>
</context>
</TS>
