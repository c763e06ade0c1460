<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
        <translation>Utilisation&#xa0;: orvex-installer [--uninstall] [--drive PATH]...
              orvex-installer --unattended --drive PATH --password yes|no
                              [--passcode DIGITS] [--eject]
              orvex-installer --uninstall --unattended --drive PATH [--eject]

Installe l’application web Orvex Tessary sur un Memory Stick de PSP, ou la
supprime.

Options&#xa0;:
  --drive PATH          Ajoute PATH à la liste des lecteurs&#xa0;; un volume monté
                        qui y figure déjà n’apparaît qu’une fois. Peut être
                        répété. Le premier --drive est choisi au démarrage.
                        Sans --drive, un Memory Stick de PSP (un volume qui
                        contient un dossier PSP) présent au démarrage, ou qui
                        apparaît tant que rien n’est choisi, devient le
                        choix. Si le lecteur choisi disparaît, plus rien
                        n’est choisi.
  --unattended          Installe sur l’unique --drive PATH, sans fenêtre&#xa0;: la
                        confirmation est considérée comme donnée, les
                        informations sont écrites sur la sortie standard et
                        les échecs sur la sortie d’erreur standard. Code de
                        sortie&#xa0;: 0 installé, 1 échec, 2 ligne de commande
                        incorrecte, 3 installé mais pas éjecté (--eject).
  --password yes|no     Avec --unattended&#xa0;: si le signet ouvre la page du
                        code d’accès.
  --passcode DIGITS     Avec --password yes&#xa0;: le code d’accès (4 à 8
                        chiffres) qui ouvre Orvex Tessary sur la PSP. Sans
                        lui, le code d’accès déjà présent sur le Memory Stick
                        est conservé&#xa0;; s’il n’y en a pas, un code aléatoire
                        de 4 chiffres est créé et affiché.
  --eject               Avec --unattended&#xa0;: une fois l’installation ou la
                        suppression faite, démonte le Memory Stick via le
                        service de disques du système (UDisks2) puis l’éteint
                        ou l’éjecte pour qu’il puisse être retiré sans
                        risque, et le signale. Un lecteur que le service de
                        disques ne gère pas n’est pas éjecté.
  --uninstall           Supprime PSP/COMMON/Orvex et le signet Orvex au lieu
                        d’installer, en laissant tout le reste du Memory
                        Stick tel quel. Code de sortie avec --unattended&#xa0;:
                        0 supprimé ou rien à supprimer, 1 échec, 2 ligne de
                        commande incorrecte, 3 supprimé mais pas éjecté.
  -h, --help            Affiche cette aide.
  -v, --version         Affiche la version.
</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Argument inattendu&#xa0;: %1</translation>
    </message>
    <message>
        <source>--drive needs a path.</source>
        <translation>--drive attend un chemin.</translation>
    </message>
    <message>
        <source>--password and --passcode are only for --unattended.</source>
        <translation>--password et --passcode ne s’emploient qu’avec --unattended.</translation>
    </message>
    <message>
        <source>--eject is only for --unattended.</source>
        <translation>--eject ne s’emploie qu’avec --unattended.</translation>
    </message>
    <message>
        <source>--unattended needs exactly one --drive PATH.</source>
        <translation>--unattended attend exactement un --drive PATH.</translation>
    </message>
    <message>
        <source>--uninstall takes no --password or --passcode.</source>
        <translation>--uninstall n’accepte ni --password ni --passcode.</translation>
    </message>
    <message>
        <source>--unattended needs --password yes or --password no.</source>
        <translation>--unattended attend --password yes ou --password no.</translation>
    </message>
    <message>
        <source>--passcode goes with --password yes.</source>
        <translation>--passcode va avec --password yes.</translation>
    </message>
    <message>
        <source>--passcode needs one passcode of 4 to 8 digits.</source>
        <translation>--passcode attend un code d’accès de 4 à 8 chiffres.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>Essayez «&#xa0;%1 --help&#xa0;».</translation>
    </message>
    <message>
        <source>Stopped while the stick was not answering; the next installation or removal cleans up what was left.</source>
        <translation>Arrêté alors que le Memory Stick ne répondait pas&#xa0;; la prochaine installation ou suppression nettoiera ce qui reste.</translation>
    </message>
    <message>
        <source>%1 Yes</source>
        <comment>a question, answered</comment>
        <translation>%1 Oui</translation>
    </message>
    <message>
        <source>%1 No</source>
        <comment>a question, answered</comment>
        <translation>%1 Non</translation>
    </message>
    <message>
        <source>The passcode is %1.</source>
        <translation>Le code d’accès est %1.</translation>
    </message>
    <message>
        <source>Installing onto %1.</source>
        <translation>Installation sur %1.</translation>
    </message>
    <message>
        <source>Installed onto %1.</source>
        <translation>Installé sur %1.</translation>
    </message>
    <message>
        <source>The passcode already on the stick is kept: %1.</source>
        <translation>Le code d’accès déjà présent sur le Memory Stick est conservé&#xa0;: %1.</translation>
    </message>
</context>
<context>
    <name>EjectMessages</name>
    <message>
        <source>the disk service did not answer</source>
        <translation>le service de disques n’a pas répondu</translation>
    </message>
    <message>
        <source>The stick was ejected. You can now leave USB mode on the PSP.</source>
        <translation>Le Memory Stick a été éjecté. Vous pouvez maintenant quitter le mode USB sur la PSP.</translation>
    </message>
    <message>
        <source>The stick could not be ejected: %1. Close the programs that use it, then eject it from your file manager.</source>
        <translation>Impossible d’éjecter le Memory Stick&#xa0;: %1. Fermez les programmes qui l’utilisent, puis éjectez-le depuis votre gestionnaire de fichiers.</translation>
    </message>
    <message>
        <source>The stick was not ejected: the system&apos;s disk service does not manage %1.</source>
        <translation>Le Memory Stick n’a pas été éjecté&#xa0;: le service de disques du système ne gère pas %1.</translation>
    </message>
    <message>
        <source>The stick was not ejected: %1 is on one of the system&apos;s own disks.</source>
        <translation>Le Memory Stick n’a pas été éjecté&#xa0;: %1 se trouve sur l’un des disques du système lui-même.</translation>
    </message>
</context>
<context>
    <name>InstallMessages</name>
    <message>
        <source>the stick returned fewer bytes than the file holds</source>
        <translation>le Memory Stick a renvoyé moins d’octets que n’en contient le fichier</translation>
    </message>
    <message>
        <source>its first line is longer than 64 KiB</source>
        <translation>sa première ligne dépasse 64 KiB</translation>
    </message>
    <message>
        <source>is a link; the installer does not follow links on the drive</source>
        <translation>est un lien&#xa0;; l’installateur ne suit pas les liens sur le lecteur</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>has %1 names (hard links); the installer changes only a file with one name.<byte value="xd"/>
Make it a file of its own (put a copy in its place), then install again.</source>
        <translation>a %1 noms (liens physiques)&#xa0;; l’installateur ne modifie qu’un fichier qui n’a qu’un seul nom.<byte value="xd"/>
Faites-en un fichier indépendant (mettez une copie à sa place), puis relancez l’installation.</translation>
    </message>
    <message>
        <source>is UTF-16 text; the installer adds its bookmark only to single-byte text.<byte value="xd"/>
Save it as single-byte text (ASCII or UTF-8), then install again.</source>
        <translation>est du texte UTF-16&#xa0;; l’installateur n’ajoute son signet qu’à du texte 8 bits.<byte value="xd"/>
Enregistrez-le en texte 8 bits (ASCII ou UTF-8), puis relancez l’installation.</translation>
    </message>
    <message>
        <source> (the file could not be restored)</source>
        <translation> (le fichier n’a pas pu être restauré)</translation>
    </message>
    <message>
        <source>The stick is write-protected or mounted read-only.</source>
        <translation>Le Memory Stick est protégé en écriture ou monté en lecture seule.</translation>
    </message>
    <message>
        <source>This user may not write there: run the installer as a user who may, or change the permissions.</source>
        <translation>Cet utilisateur n’a pas le droit d’écrire à cet endroit&#xa0;: lancez l’installateur avec un utilisateur qui en a le droit, ou modifiez les permissions.</translation>
    </message>
    <message>
        <source>The stick is full: free some room on it and try again.</source>
        <translation>Le Memory Stick est plein&#xa0;: libérez de la place et réessayez.</translation>
    </message>
    <message>
        <source>The stick did not read or write as asked: check that it is still connected, then try again.</source>
        <translation>Le Memory Stick n’a pas lu ou écrit comme demandé&#xa0;: vérifiez qu’il est toujours connecté, puis réessayez.</translation>
    </message>
    <message>
        <source>The installer may not open enough files at once: raise the limit of open files (ulimit -n), then try again.</source>
        <translation>L’installateur ne peut pas ouvrir assez de fichiers à la fois&#xa0;: augmentez la limite de fichiers ouverts (ulimit -n), puis réessayez.</translation>
    </message>
    <message>
        <source>The system has too many files open: close some programs, then try again.</source>
        <translation>Le système a trop de fichiers ouverts&#xa0;: fermez quelques programmes, puis réessayez.</translation>
    </message>
    <message>
        <source>On the PSP, choose Settings, then USB Connection, and pass the folder where its stick is mounted with --drive.</source>
        <translation>Sur la PSP, choisissez Paramètres, puis Connexion USB, et indiquez avec --drive le dossier où son Memory Stick est monté.</translation>
    </message>
    <message>
        <source>On the PSP, choose Settings, then USB Connection, and choose the drive that appears.</source>
        <translation>Sur la PSP, choisissez Paramètres, puis Connexion USB, et choisissez le lecteur qui apparaît.</translation>
    </message>
    <message>
        <source>The drive %1 is not there: it was disconnected, or its name is mistyped.</source>
        <translation>Le lecteur %1 est introuvable&#xa0;: il a été déconnecté, ou son nom est mal saisi.</translation>
    </message>
    <message>
        <source>Another installation or removal on this drive is running.</source>
        <translation>Une autre installation ou suppression est en cours sur ce lecteur.</translation>
    </message>
    <message>
        <source>The stick is write-protected or mounted read-only: nothing can be written to %1.<byte value="xd"/>
Make it writable, then try again.</source>
        <translation>Le Memory Stick est protégé en écriture ou monté en lecture seule&#xa0;: rien ne peut être écrit sur %1.<byte value="xd"/>
Rendez-le accessible en écriture, puis réessayez.</translation>
    </message>
    <message>
        <source>The bookmark page %1/%2 is missing or empty.<byte value="xd"/>
The installer&apos;s own files are incomplete: install the installer again.</source>
        <translation>La page du signet %1/%2 est absente ou vide.<byte value="xd"/>
Les fichiers de l’installateur lui-même sont incomplets&#xa0;: réinstallez l’installateur.</translation>
    </message>
    <message>
        <source>The drive %1 has no PSP folder, so it is not a PSP memory stick.<byte value="xd"/>
%2</source>
        <translation>Le lecteur %1 n’a pas de dossier PSP&#xa0;: ce n’est donc pas un Memory Stick de PSP.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>holds a control character, which the stick cannot store</source>
        <translation>contient un caractère de contrôle, que le Memory Stick ne peut pas enregistrer</translation>
    </message>
    <message>
        <source>holds &quot;%1&quot;, which the stick cannot store</source>
        <translation>contient «&#xa0;%1&#xa0;», que le Memory Stick ne peut pas enregistrer</translation>
    </message>
    <message>
        <source>ends with a dot or a space, which the stick drops</source>
        <translation>se termine par un point ou une espace, que le Memory Stick supprime</translation>
    </message>
    <message>
        <source>is longer than %1 characters, the longest name the installer can write to the stick</source>
        <translation>dépasse %1 caractères, la longueur maximale d’un nom que l’installateur peut écrire sur le Memory Stick</translation>
    </message>
    <message>
        <source>The stick did not keep what was written to %1: it may be failing or not as large as it says.</source>
        <translation>Le Memory Stick n’a pas conservé ce qui a été écrit dans %1&#xa0;: il est peut-être défaillant ou moins grand qu’il ne l’annonce.</translation>
    </message>
    <message>
        <source>fewer bytes could be read than the file holds</source>
        <translation>moins d’octets ont pu être lus que n’en contient le fichier</translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> et %1 autres</translation>
    </message>
    <message>
        <source>The destination is the folder being copied.</source>
        <translation>La destination est le dossier en cours de copie.</translation>
    </message>
    <message>
        <source>The destination lies inside the folder being copied.</source>
        <translation>La destination se trouve dans le dossier en cours de copie.</translation>
    </message>
    <message>
        <source>Nothing on the stick was changed.</source>
        <translation>Rien n’a été modifié sur le Memory Stick.</translation>
    </message>
    <message>
        <source>Removed 1 file left by an interrupted installation.</source>
        <translation>1 fichier laissé par une installation interrompue a été supprimé.</translation>
    </message>
    <message>
        <source>Removed %1 files left by an interrupted installation.</source>
        <translation>%1 fichiers laissés par une installation interrompue ont été supprimés.</translation>
    </message>
    <message>
        <source>The Orvex folder could not be copied to %1/PSP/COMMON/.</source>
        <translation>Le dossier Orvex n’a pas pu être copié dans %1/PSP/COMMON/.</translation>
    </message>
    <message>
        <source>The bookmark could not be added to %1/PSP/SYSTEM/BROWSER/bookmarks.html.</source>
        <translation>Le signet n’a pas pu être ajouté à %1/PSP/SYSTEM/BROWSER/bookmarks.html.</translation>
    </message>
    <message>
        <source>: the installer writes this file itself</source>
        <translation>: l’installateur écrit lui-même ce fichier</translation>
    </message>
    <message>
        <source>These entries of the Orvex folder cannot be installed:<byte value="xd"/>
</source>
        <translation>Ces éléments du dossier Orvex ne peuvent pas être installés&#xa0;:<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Rename or remove them in %1, then install again.</source>
        <translation><byte value="xd"/>
Renommez-les ou supprimez-les dans %1, puis relancez l’installation.</translation>
    </message>
    <message>
        <source>Some files the installer wrote could not be removed: %1</source>
        <translation>Certains fichiers écrits par l’installateur n’ont pas pu être supprimés&#xa0;: %1</translation>
    </message>
    <message>
        <source>The Orvex folder on the stick was updated; no bookmark was added.</source>
        <translation>Le dossier Orvex du Memory Stick a été mis à jour&#xa0;; aucun signet n’a été ajouté.</translation>
    </message>
    <message>
        <source>%1 of the %2 files were updated before the failure: %3.</source>
        <translation>%1 des %2 fichiers ont été mis à jour avant l’échec&#xa0;: %3.</translation>
    </message>
    <message>
        <source>The bookmark could not be added to %1.</source>
        <translation>Le signet n’a pas pu être ajouté à %1.</translation>
    </message>
    <message>
        <source>Would you like to install with password protection?</source>
        <translation>Voulez-vous installer avec une protection par mot de passe&#xa0;?</translation>
    </message>
    <message>
        <source>Installed onto %1. The Orvex Tessary bookmark opens it with the passcode you chose.</source>
        <translation>Installé sur %1. Le signet Orvex Tessary l’ouvre avec le code d’accès que vous avez choisi.</translation>
    </message>
    <message>
        <source>Installed onto %1. The Orvex Tessary bookmark opens it without a passcode.</source>
        <translation>Installé sur %1. Le signet Orvex Tessary l’ouvre sans code d’accès.</translation>
    </message>
    <message>
        <source>Installation complete!<byte value="xd"/>
Thank you for using Orvex.</source>
        <translation>Installation terminée&#xa0;!<byte value="xd"/>
Merci d’utiliser Orvex.</translation>
    </message>
    <message>
        <source>To access Orvex, simply choose the Orvex Tessary bookmark in your PSP browser&apos;s bookmark section.</source>
        <translation>Pour accéder à Orvex, choisissez simplement le signet Orvex Tessary dans la section des signets du navigateur de votre PSP.</translation>
    </message>
    <message>
        <source>Are you sure you want to install Orvex Tessary?</source>
        <translation>Voulez-vous vraiment installer Orvex Tessary&#xa0;?</translation>
    </message>
    <message>
        <source>Installation failed.</source>
        <translation>L’installation a échoué.</translation>
    </message>
    <message>
        <source>Installation cancelled.</source>
        <translation>L’installation a été annulée.</translation>
    </message>
    <message>
        <source>is a folder with the name the installer gives the temporary copy of %1; rename or remove it</source>
        <translation>est un dossier portant le nom que l’installateur donne à la copie temporaire de %1&#xa0;; renommez-le ou supprimez-le</translation>
    </message>
    <message>
        <source>is a link with the name the installer gives the temporary copy of %1; rename or remove it</source>
        <translation>est un lien portant le nom que l’installateur donne à la copie temporaire de %1&#xa0;; renommez-le ou supprimez-le</translation>
    </message>
    <message>
        <source>is a special file with the name the installer gives the temporary copy of %1; rename or remove it</source>
        <translation>est un fichier spécial portant le nom que l’installateur donne à la copie temporaire de %1&#xa0;; renommez-le ou supprimez-le</translation>
    </message>
    <message>
        <source>is a file, where the installer puts the folder %1 (the stick does not tell names apart by case); rename or remove it</source>
        <translation>est un fichier, là où l’installateur place le dossier %1 (le Memory Stick ne distingue pas les majuscules des minuscules dans les noms)&#xa0;; renommez-le ou supprimez-le</translation>
    </message>
    <message>
        <source>is a folder, where the installer puts the file %1 (the stick does not tell names apart by case); rename or remove it</source>
        <translation>est un dossier, là où l’installateur place le fichier %1 (le Memory Stick ne distingue pas les majuscules des minuscules dans les noms)&#xa0;; renommez-le ou supprimez-le</translation>
    </message>
    <message>
        <source>is a special file, where the installer puts the folder %1 (the stick does not tell names apart by case); rename or remove it</source>
        <translation>est un fichier spécial, là où l’installateur place le dossier %1 (le Memory Stick ne distingue pas les majuscules des minuscules dans les noms)&#xa0;; renommez-le ou supprimez-le</translation>
    </message>
    <message>
        <source>is a special file, where the installer puts the file %1 (the stick does not tell names apart by case); rename or remove it</source>
        <translation>est un fichier spécial, là où l’installateur place le fichier %1 (le Memory Stick ne distingue pas les majuscules des minuscules dans les noms)&#xa0;; renommez-le ou supprimez-le</translation>
    </message>
    <message>
        <source>is not a folder</source>
        <translation>n’est pas un dossier</translation>
    </message>
    <message>
        <source>the name is not valid text</source>
        <translation>le nom n’est pas un texte valide</translation>
    </message>
    <message>
        <source>links to folders are not copied</source>
        <translation>les liens vers des dossiers ne sont pas copiés</translation>
    </message>
    <message>
        <source>is a link to nothing</source>
        <translation>est un lien qui ne pointe vers rien</translation>
    </message>
    <message>
        <source>is 4 GiB or larger; the stick holds files of up to 4 GiB less one byte</source>
        <translation>fait 4 GiB ou plus&#xa0;; le Memory Stick n’accepte que des fichiers de 4 GiB moins un octet au plus</translation>
    </message>
    <message>
        <source>not a regular file or folder</source>
        <translation>ni un fichier ordinaire ni un dossier</translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source>: the stick takes these names for one, since it ignores case</source>
        <translation>: le Memory Stick confond ces noms, car il ne tient pas compte de la casse</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>files and folders</comment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>The Orvex folder could not be removed from %1/PSP/COMMON.</source>
        <translation>Le dossier Orvex n’a pas pu être supprimé de %1/PSP/COMMON.</translation>
    </message>
    <message>
        <source>The bookmark could not be taken out of %1/PSP/SYSTEM/BROWSER/bookmarks.html.</source>
        <translation>Le signet n’a pas pu être retiré de %1/PSP/SYSTEM/BROWSER/bookmarks.html.</translation>
    </message>
    <message>
        <source>Removed the Orvex bookmark.</source>
        <translation>Le signet Orvex a été retiré.</translation>
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
        <translation>Éléments supprimés&#xa0;: %1 et le signet Orvex.</translation>
    </message>
    <message>
        <source>Removed %1.</source>
        <translation>Éléments supprimés&#xa0;: %1.</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>et %1 autres</translation>
    </message>
    <message>
        <source>PSP/COMMON/Orvex stays: it holds %1 that Orvex Tessary did not install (%2).</source>
        <translation>PSP/COMMON/Orvex est conservé&#xa0;: il contient %1 ne provenant pas d’Orvex Tessary (%2).</translation>
    </message>
    <message>
        <source>The Orvex bookmark was taken out; PSP/COMMON/Orvex stays as it was.</source>
        <translation>Le signet Orvex a été retiré&#xa0;; PSP/COMMON/Orvex reste tel quel.</translation>
    </message>
    <message>
        <source>The Orvex bookmark was taken out, and %1 of the %2 files of PSP/COMMON/Orvex were removed; the others stay.</source>
        <translation>Le signet Orvex a été retiré, et %1 des %2 fichiers de PSP/COMMON/Orvex ont été supprimés&#xa0;; les autres restent.</translation>
    </message>
    <message>
        <source>%1 of the %2 files of PSP/COMMON/Orvex were removed; the others stay.</source>
        <translation>%1 des %2 fichiers de PSP/COMMON/Orvex ont été supprimés&#xa0;; les autres restent.</translation>
    </message>
    <message>
        <source>Orvex Tessary is not on this stick: there was nothing to remove.</source>
        <translation>Orvex Tessary n’est pas sur ce Memory Stick&#xa0;: il n’y avait rien à supprimer.</translation>
    </message>
    <message>
        <source>Orvex Tessary was removed from the PSP.</source>
        <translation>Orvex Tessary a été supprimé de la PSP.</translation>
    </message>
    <message>
        <source>Are you sure you want to remove Orvex Tessary from the PSP?</source>
        <translation>Voulez-vous vraiment supprimer Orvex Tessary de la PSP&#xa0;?</translation>
    </message>
    <message>
        <source>Removal failed.</source>
        <translation>La suppression a échoué.</translation>
    </message>
    <message>
        <source>Removal cancelled.</source>
        <translation>La suppression a été annulée.</translation>
    </message>
    <message>
        <source>The stick needs %1 more: the installation needs %2 and %3 are free. Free at least %1 and try again.</source>
        <translation>Il manque %1 sur le Memory Stick&#xa0;: l’installation a besoin de %2 et %3 sont libres. Libérez au moins %1, puis réessayez.</translation>
    </message>
    <message>
        <source>The stick needs %1 more: the removal needs %2 and %3 are free. Free at least %1 and try again.</source>
        <translation>Il manque %1 sur le Memory Stick&#xa0;: la suppression a besoin de %2 et %3 sont libres. Libérez au moins %1, puis réessayez.</translation>
    </message>
    <message>
        <source>No drive was chosen. Connect the PSP in USB mode and choose its drive.</source>
        <translation>Aucun lecteur n’est choisi. Connectez la PSP en mode USB et choisissez son lecteur.</translation>
    </message>
    <message>
        <source>On the PSP, choose Settings, then USB Connection, and connect it to this computer with a USB cable. Its memory stick appears in the list by itself.</source>
        <translation>Sur la PSP, choisissez Paramètres, puis Connexion USB, et reliez-la à cet ordinateur avec un câble USB. Son Memory Stick apparaît alors de lui-même dans la liste.</translation>
    </message>
    <message>
        <source>Onto %1 (%2).</source>
        <translation>Sur %1 (%2).</translation>
    </message>
    <message>
        <source>Onto %1 (%2): %3.</source>
        <translation>Sur %1 (%2)&#xa0;: %3.</translation>
    </message>
    <message>
        <source>%1 file</source>
        <translation>%1 fichier</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 fichiers</translation>
    </message>
    <message>
        <source>%1 folder</source>
        <translation>%1 dossier</translation>
    </message>
    <message>
        <source>%1 folders</source>
        <translation>%1 dossiers</translation>
    </message>
</context>
<context>
    <name>orvex::DriveList</name>
    <message>
        <source>not a PSP stick</source>
        <translation>non PSP</translation>
    </message>
    <message>
        <source>read-only</source>
        <translation>lecture seule</translation>
    </message>
    <message>
        <source>too full</source>
        <translation>trop plein</translation>
    </message>
    <message>
        <source>PSP memory stick</source>
        <translation>Memory Stick PSP</translation>
    </message>
    <message>
        <source>(checking…)</source>
        <translation>(vérification…)</translation>
    </message>
    <message>
        <source>(not answering)</source>
        <translation>(ne répond pas)</translation>
    </message>
    <message>
        <source>(cannot be read)</source>
        <translation>(illisible)</translation>
    </message>
    <message>
        <source>(not found)</source>
        <translation>(introuvable)</translation>
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
        <translation>%1, %2, %3 libres sur %4</translation>
    </message>
    <message>
        <source>Connect the PSP in USB mode</source>
        <translation>Connectez la PSP en mode USB</translation>
    </message>
</context>
<context>
    <name>orvex::Frm_SkinnedForm</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installer</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Lecteur</translation>
    </message>
    <message>
        <source>Orvex Tessary installer %1</source>
        <translation>Installateur d’Orvex Tessary %1</translation>
    </message>
    <message>
        <source>3. Press Remove to remove Orvex Tessary!</source>
        <translation>3. Cliquez sur Supprimer pour désinstaller&#xa0;!</translation>
    </message>
    <message>
        <source>3. Press Install to begin installation!</source>
        <translation>3. Cliquez sur Installer pour commencer&#xa0;!</translation>
    </message>
    <message>
        <source>2. Select the drive your PSP is connected to.</source>
        <translation>2. Choisissez le lecteur de votre PSP.</translation>
    </message>
    <message>
        <source>1. Connect PSP in USB Mode.</source>
        <translation>1. Connectez la PSP en mode USB.</translation>
    </message>
    <message>
        <source>Eject the stick now? Then leave USB mode on the PSP.</source>
        <translation>Éjecter le Memory Stick maintenant&#xa0;? Quittez ensuite le mode USB sur la PSP.</translation>
    </message>
    <message>
        <source>Eject</source>
        <translation>Éjecter</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Pas maintenant</translation>
    </message>
</context>
<context>
    <name>orvex::PasscodeDialog</name>
    <message>
        <source>Choose the passcode that opens Orvex Tessary on the PSP (4 to 8 digits):</source>
        <translation>Choisissez le code d’accès qui ouvre Orvex Tessary sur la PSP (4 à 8 chiffres)&#xa0;:</translation>
    </message>
    <message>
        <source>Passcode</source>
        <translation>Code d’accès</translation>
    </message>
    <message>
        <source>4 to 8 digits</source>
        <translation>4 à 8 chiffres</translation>
    </message>
</context>
<context>
    <name>orvex::StickJobDialog</name>
    <message>
        <source>about %1 s left</source>
        <translation>encore environ %1 s</translation>
    </message>
    <message>
        <source>about %1 min left</source>
        <translation>encore environ %1 min</translation>
    </message>
    <message>
        <source>about %1 h left</source>
        <translation>encore environ %1 h</translation>
    </message>
    <message>
        <source>%1 of %2 files, %3 of %4 %5</source>
        <translation>%1 fichiers sur %2, %3 sur %4 %5</translation>
    </message>
    <message>
        <source>Checking the stick…</source>
        <translation>Vérification du Memory Stick…</translation>
    </message>
    <message>
        <source>Copying Orvex…</source>
        <translation>Copie d’Orvex…</translation>
    </message>
    <message>
        <source>Copying Orvex/%1</source>
        <translation>Copie de Orvex/%1</translation>
    </message>
    <message>
        <source>Removing Orvex/%1</source>
        <translation>Suppression de Orvex/%1</translation>
    </message>
    <message>
        <source>%1 of %2 files</source>
        <translation>%1 fichiers sur %2</translation>
    </message>
    <message>
        <source>Ejecting the stick…</source>
        <translation>Éjection du Memory Stick…</translation>
    </message>
    <message>
        <source>Checking what the stick kept…</source>
        <translation>Vérification de ce que le Memory Stick a conservé…</translation>
    </message>
    <message>
        <source>Writing to the stick…</source>
        <translation>Écriture sur le Memory Stick…</translation>
    </message>
    <message>
        <source>The stick is not answering. Waiting for it…</source>
        <translation>Le Memory Stick ne répond pas. En attente…</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Arrêt en cours…</translation>
    </message>
    <message>
        <source>Close anyway ends the installer now; the next installation removes what this one left.</source>
        <translation>«&#xa0;Fermer quand même&#xa0;» quitte l’installateur maintenant&#xa0;; la prochaine installation supprimera ce que celle-ci a laissé.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Close anyway</source>
        <translation>Fermer quand même</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Occupé</translation>
    </message>
</context>
</TS>
