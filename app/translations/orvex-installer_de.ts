<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
        <translation>Aufruf: orvex-installer [--uninstall] [--drive PATH]...
        orvex-installer --unattended --drive PATH --password yes|no
                        [--passcode DIGITS] [--eject]
        orvex-installer --uninstall --unattended --drive PATH [--eject]

Installiert die Webanwendung Orvex Tessary auf einem Memory Stick der PSP
oder entfernt sie wieder.

Optionen:
  --drive PATH          Nimmt PATH in die Laufwerksliste auf; ein eingehängter
                        Datenträger, der dort schon steht, erscheint nur
                        einmal. Mehrfach möglich. Das erste --drive ist beim
                        Start gewählt. Ohne --drive wird ein Memory Stick der
                        PSP (ein Datenträger mit einem Ordner PSP) gewählt,
                        der beim Start da ist oder erscheint, solange nichts
                        gewählt ist. Verschwindet das gewählte Laufwerk, ist
                        nichts mehr gewählt.
  --unattended          Installiert ohne Fenster auf das eine --drive PATH:
                        Die Bestätigung gilt als gegeben, Hinweise gehen an
                        die Standardausgabe, Fehler an die
                        Standardfehlerausgabe. Exit-Status: 0 installiert,
                        1 fehlgeschlagen, 2 falsche Befehlszeile,
                        3 installiert, aber nicht ausgeworfen (--eject).
  --password yes|no     Mit --unattended: ob das Lesezeichen die Seite mit dem
                        Zugangscode öffnet.
  --passcode DIGITS     Mit --password yes: der Zugangscode (4 bis 8 Ziffern),
                        der Orvex Tessary auf der PSP öffnet. Ohne ihn bleibt
                        der Zugangscode auf dem Stick erhalten; gibt es keinen,
                        wird ein zufälliger 4-stelliger erzeugt und ausgegeben.
  --eject               Mit --unattended: Hängt den Stick nach dem Installieren
                        oder Entfernen über den Datenträgerdienst des Systems
                        (UDisks2) aus und schaltet ihn ab oder wirft ihn aus,
                        damit er sicher entfernt werden kann, und meldet das.
                        Ein Laufwerk, das der Datenträgerdienst nicht
                        verwaltet, wird nicht ausgeworfen.
  --uninstall           Entfernt PSP/COMMON/Orvex und das Orvex-Lesezeichen,
                        statt zu installieren; alles andere auf dem Stick
                        bleibt, wie es war. Exit-Status mit --unattended:
                        0 entfernt oder nichts vorhanden, 1 fehlgeschlagen,
                        2 falsche Befehlszeile, 3 entfernt, aber nicht
                        ausgeworfen.
  -h, --help            Zeigt diese Hilfe.
  -v, --version         Zeigt die Version.
</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Unerwartetes Argument: %1</translation>
    </message>
    <message>
        <source>--drive needs a path.</source>
        <translation>--drive braucht einen Pfad.</translation>
    </message>
    <message>
        <source>--password and --passcode are only for --unattended.</source>
        <translation>--password und --passcode gibt es nur mit --unattended.</translation>
    </message>
    <message>
        <source>--eject is only for --unattended.</source>
        <translation>--eject gibt es nur mit --unattended.</translation>
    </message>
    <message>
        <source>--unattended needs exactly one --drive PATH.</source>
        <translation>--unattended braucht genau ein --drive PATH.</translation>
    </message>
    <message>
        <source>--uninstall takes no --password or --passcode.</source>
        <translation>--uninstall nimmt weder --password noch --passcode.</translation>
    </message>
    <message>
        <source>--unattended needs --password yes or --password no.</source>
        <translation>--unattended braucht --password yes oder --password no.</translation>
    </message>
    <message>
        <source>--passcode goes with --password yes.</source>
        <translation>--passcode gehört zu --password yes.</translation>
    </message>
    <message>
        <source>--passcode needs one passcode of 4 to 8 digits.</source>
        <translation>--passcode braucht einen Zugangscode aus 4 bis 8 Ziffern.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation>Weitere Hinweise gibt „%1 --help“.</translation>
    </message>
    <message>
        <source>Stopped while the stick was not answering; the next installation or removal cleans up what was left.</source>
        <translation>Angehalten, während der Stick nicht antwortete; die nächste Installation oder Entfernung räumt auf, was übrig blieb.</translation>
    </message>
    <message>
        <source>%1 Yes</source>
        <comment>a question, answered</comment>
        <translation>%1 Ja</translation>
    </message>
    <message>
        <source>%1 No</source>
        <comment>a question, answered</comment>
        <translation>%1 Nein</translation>
    </message>
    <message>
        <source>The passcode is %1.</source>
        <translation>Der Zugangscode ist %1.</translation>
    </message>
    <message>
        <source>Installing onto %1.</source>
        <translation>Installation auf %1.</translation>
    </message>
    <message>
        <source>Installed onto %1.</source>
        <translation>Auf %1 installiert.</translation>
    </message>
    <message>
        <source>The passcode already on the stick is kept: %1.</source>
        <translation>Der Zugangscode auf dem Stick bleibt erhalten: %1.</translation>
    </message>
</context>
<context>
    <name>EjectMessages</name>
    <message>
        <source>the disk service did not answer</source>
        <translation>der Datenträgerdienst hat nicht geantwortet</translation>
    </message>
    <message>
        <source>The stick was ejected. You can now leave USB mode on the PSP.</source>
        <translation>Der Stick wurde ausgeworfen. Sie können den USB-Modus der PSP jetzt beenden.</translation>
    </message>
    <message>
        <source>The stick could not be ejected: %1. Close the programs that use it, then eject it from your file manager.</source>
        <translation>Der Stick konnte nicht ausgeworfen werden: %1. Schließen Sie die Programme, die ihn benutzen, und werfen Sie ihn dann in Ihrer Dateiverwaltung aus.</translation>
    </message>
    <message>
        <source>The stick was not ejected: the system&apos;s disk service does not manage %1.</source>
        <translation>Der Stick wurde nicht ausgeworfen: Der Datenträgerdienst des Systems verwaltet %1 nicht.</translation>
    </message>
    <message>
        <source>The stick was not ejected: %1 is on one of the system&apos;s own disks.</source>
        <translation>Der Stick wurde nicht ausgeworfen: %1 liegt auf einem der eigenen Datenträger des Systems.</translation>
    </message>
</context>
<context>
    <name>InstallMessages</name>
    <message>
        <source>the stick returned fewer bytes than the file holds</source>
        <translation>der Stick lieferte weniger Bytes, als die Datei enthält</translation>
    </message>
    <message>
        <source>its first line is longer than 64 KiB</source>
        <translation>die erste Zeile ist länger als 64 KiB</translation>
    </message>
    <message>
        <source>is a link; the installer does not follow links on the drive</source>
        <translation>ist ein Link; das Installationsprogramm folgt keinen Links auf dem Laufwerk</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>has %1 names (hard links); the installer changes only a file with one name.<byte value="xd"/>
Make it a file of its own (put a copy in its place), then install again.</source>
        <translation>hat %1 Namen (harte Links); das Installationsprogramm ändert nur eine Datei mit einem einzigen Namen.<byte value="xd"/>
Machen Sie daraus eine eigenständige Datei (ersetzen Sie sie durch eine Kopie) und installieren Sie dann erneut.</translation>
    </message>
    <message>
        <source>is UTF-16 text; the installer adds its bookmark only to single-byte text.<byte value="xd"/>
Save it as single-byte text (ASCII or UTF-8), then install again.</source>
        <translation>ist UTF-16-Text; das Installationsprogramm fügt sein Lesezeichen nur in 8-Bit-Text ein.<byte value="xd"/>
Speichern Sie die Datei als 8-Bit-Text (ASCII oder UTF-8) und installieren Sie dann erneut.</translation>
    </message>
    <message>
        <source> (the file could not be restored)</source>
        <translation> (die Datei konnte nicht wiederhergestellt werden)</translation>
    </message>
    <message>
        <source>The stick is write-protected or mounted read-only.</source>
        <translation>Der Stick ist schreibgeschützt oder nur lesbar eingehängt.</translation>
    </message>
    <message>
        <source>This user may not write there: run the installer as a user who may, or change the permissions.</source>
        <translation>Dieser Benutzer darf dort nicht schreiben: Starten Sie das Installationsprogramm als ein Benutzer, der es darf, oder ändern Sie die Berechtigungen.</translation>
    </message>
    <message>
        <source>The stick is full: free some room on it and try again.</source>
        <translation>Der Stick ist voll: Schaffen Sie etwas Platz darauf und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The stick did not read or write as asked: check that it is still connected, then try again.</source>
        <translation>Der Stick hat nicht wie verlangt gelesen oder geschrieben: Prüfen Sie, ob er noch verbunden ist, und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>The installer may not open enough files at once: raise the limit of open files (ulimit -n), then try again.</source>
        <translation>Das Installationsprogramm darf nicht genug Dateien gleichzeitig öffnen: Erhöhen Sie die Grenze für offene Dateien (ulimit -n) und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>The system has too many files open: close some programs, then try again.</source>
        <translation>Im System sind zu viele Dateien geöffnet: Schließen Sie einige Programme und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>On the PSP, choose Settings, then USB Connection, and pass the folder where its stick is mounted with --drive.</source>
        <translation>Wählen Sie auf der PSP „Einstellungen“ und dann „USB-Verbindung“, und geben Sie mit --drive den Ordner an, in dem ihr Stick eingehängt ist.</translation>
    </message>
    <message>
        <source>On the PSP, choose Settings, then USB Connection, and choose the drive that appears.</source>
        <translation>Wählen Sie auf der PSP „Einstellungen“ und dann „USB-Verbindung“, und wählen Sie das Laufwerk, das dann erscheint.</translation>
    </message>
    <message>
        <source>The drive %1 is not there: it was disconnected, or its name is mistyped.</source>
        <translation>Das Laufwerk %1 ist nicht vorhanden: Es wurde getrennt, oder sein Name ist falsch geschrieben.</translation>
    </message>
    <message>
        <source>Another installation or removal on this drive is running.</source>
        <translation>Auf diesem Laufwerk läuft bereits eine andere Installation oder Entfernung.</translation>
    </message>
    <message>
        <source>The stick is write-protected or mounted read-only: nothing can be written to %1.<byte value="xd"/>
Make it writable, then try again.</source>
        <translation>Der Stick ist schreibgeschützt oder nur lesbar eingehängt: Auf %1 kann nichts geschrieben werden.<byte value="xd"/>
Machen Sie ihn beschreibbar und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>The bookmark page %1/%2 is missing or empty.<byte value="xd"/>
The installer&apos;s own files are incomplete: install the installer again.</source>
        <translation>Die Lesezeichenseite %1/%2 fehlt oder ist leer.<byte value="xd"/>
Die eigenen Dateien des Installationsprogramms sind unvollständig: Installieren Sie das Installationsprogramm neu.</translation>
    </message>
    <message>
        <source>The drive %1 has no PSP folder, so it is not a PSP memory stick.<byte value="xd"/>
%2</source>
        <translation>Das Laufwerk %1 hat keinen Ordner PSP, es ist also kein Memory Stick einer PSP.<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>holds a control character, which the stick cannot store</source>
        <translation>enthält ein Steuerzeichen, das der Stick nicht speichern kann</translation>
    </message>
    <message>
        <source>holds &quot;%1&quot;, which the stick cannot store</source>
        <translation>enthält „%1“, das der Stick nicht speichern kann</translation>
    </message>
    <message>
        <source>ends with a dot or a space, which the stick drops</source>
        <translation>endet auf einen Punkt oder ein Leerzeichen, die der Stick weglässt</translation>
    </message>
    <message>
        <source>is longer than %1 characters, the longest name the installer can write to the stick</source>
        <translation>ist länger als %1 Zeichen, der längste Name, den das Installationsprogramm auf den Stick schreiben kann</translation>
    </message>
    <message>
        <source>The stick did not keep what was written to %1: it may be failing or not as large as it says.</source>
        <translation>Der Stick hat nicht behalten, was nach %1 geschrieben wurde: Er ist vielleicht defekt oder nicht so groß, wie er angibt.</translation>
    </message>
    <message>
        <source>fewer bytes could be read than the file holds</source>
        <translation>es konnten weniger Bytes gelesen werden, als die Datei enthält</translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> und %1 weitere</translation>
    </message>
    <message>
        <source>The destination is the folder being copied.</source>
        <translation>Das Ziel ist der Ordner, der kopiert wird.</translation>
    </message>
    <message>
        <source>The destination lies inside the folder being copied.</source>
        <translation>Das Ziel liegt in dem Ordner, der kopiert wird.</translation>
    </message>
    <message>
        <source>Nothing on the stick was changed.</source>
        <translation>Auf dem Stick wurde nichts verändert.</translation>
    </message>
    <message>
        <source>Removed 1 file left by an interrupted installation.</source>
        <translation>1 Datei entfernt, die eine abgebrochene Installation hinterlassen hatte.</translation>
    </message>
    <message>
        <source>Removed %1 files left by an interrupted installation.</source>
        <translation>%1 Dateien entfernt, die eine abgebrochene Installation hinterlassen hatte.</translation>
    </message>
    <message>
        <source>The Orvex folder could not be copied to %1/PSP/COMMON/.</source>
        <translation>Der Ordner Orvex konnte nicht nach %1/PSP/COMMON/ kopiert werden.</translation>
    </message>
    <message>
        <source>The bookmark could not be added to %1/PSP/SYSTEM/BROWSER/bookmarks.html.</source>
        <translation>Das Lesezeichen konnte nicht zu %1/PSP/SYSTEM/BROWSER/bookmarks.html hinzugefügt werden.</translation>
    </message>
    <message>
        <source>: the installer writes this file itself</source>
        <translation>: diese Datei schreibt das Installationsprogramm selbst</translation>
    </message>
    <message>
        <source>These entries of the Orvex folder cannot be installed:<byte value="xd"/>
</source>
        <translation>Diese Einträge des Ordners Orvex können nicht installiert werden:<byte value="xd"/>
</translation>
    </message>
    <message>
        <source><byte value="xd"/>
Rename or remove them in %1, then install again.</source>
        <translation><byte value="xd"/>
Benennen Sie sie in %1 um oder entfernen Sie sie, und installieren Sie dann erneut.</translation>
    </message>
    <message>
        <source>Some files the installer wrote could not be removed: %1</source>
        <translation>Einige vom Installationsprogramm geschriebene Dateien konnten nicht entfernt werden: %1</translation>
    </message>
    <message>
        <source>The Orvex folder on the stick was updated; no bookmark was added.</source>
        <translation>Der Ordner Orvex auf dem Stick wurde aktualisiert; es wurde kein Lesezeichen hinzugefügt.</translation>
    </message>
    <message>
        <source>%1 of the %2 files were updated before the failure: %3.</source>
        <translation>%1 der %2 Dateien wurden vor dem Fehler aktualisiert: %3.</translation>
    </message>
    <message>
        <source>The bookmark could not be added to %1.</source>
        <translation>Das Lesezeichen konnte nicht zu %1 hinzugefügt werden.</translation>
    </message>
    <message>
        <source>Would you like to install with password protection?</source>
        <translation>Möchten Sie mit Passwortschutz installieren?</translation>
    </message>
    <message>
        <source>Installed onto %1. The Orvex Tessary bookmark opens it with the passcode you chose.</source>
        <translation>Auf %1 installiert. Das Lesezeichen „Orvex Tessary“ öffnet es mit dem Zugangscode, den Sie gewählt haben.</translation>
    </message>
    <message>
        <source>Installed onto %1. The Orvex Tessary bookmark opens it without a passcode.</source>
        <translation>Auf %1 installiert. Das Lesezeichen „Orvex Tessary“ öffnet es ohne Zugangscode.</translation>
    </message>
    <message>
        <source>Installation complete!<byte value="xd"/>
Thank you for using Orvex.</source>
        <translation>Installation abgeschlossen!<byte value="xd"/>
Danke, dass Sie Orvex verwenden.</translation>
    </message>
    <message>
        <source>To access Orvex, simply choose the Orvex Tessary bookmark in your PSP browser&apos;s bookmark section.</source>
        <translation>Um Orvex zu öffnen, wählen Sie einfach im Browser Ihrer PSP unter den Lesezeichen „Orvex Tessary“.</translation>
    </message>
    <message>
        <source>Are you sure you want to install Orvex Tessary?</source>
        <translation>Möchten Sie Orvex Tessary wirklich installieren?</translation>
    </message>
    <message>
        <source>Installation failed.</source>
        <translation>Die Installation ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Installation cancelled.</source>
        <translation>Die Installation wurde abgebrochen.</translation>
    </message>
    <message>
        <source>is a folder with the name the installer gives the temporary copy of %1; rename or remove it</source>
        <translation>ist ein Ordner mit dem Namen, den das Installationsprogramm der vorläufigen Kopie von %1 gibt; benennen Sie ihn um oder entfernen Sie ihn</translation>
    </message>
    <message>
        <source>is a link with the name the installer gives the temporary copy of %1; rename or remove it</source>
        <translation>ist ein Link mit dem Namen, den das Installationsprogramm der vorläufigen Kopie von %1 gibt; benennen Sie ihn um oder entfernen Sie ihn</translation>
    </message>
    <message>
        <source>is a special file with the name the installer gives the temporary copy of %1; rename or remove it</source>
        <translation>ist eine Spezialdatei mit dem Namen, den das Installationsprogramm der vorläufigen Kopie von %1 gibt; benennen Sie sie um oder entfernen Sie sie</translation>
    </message>
    <message>
        <source>is a file, where the installer puts the folder %1 (the stick does not tell names apart by case); rename or remove it</source>
        <translation>ist eine Datei an der Stelle, an die das Installationsprogramm den Ordner %1 legt (der Stick unterscheidet bei Namen nicht zwischen Groß- und Kleinschreibung); benennen Sie sie um oder entfernen Sie sie</translation>
    </message>
    <message>
        <source>is a folder, where the installer puts the file %1 (the stick does not tell names apart by case); rename or remove it</source>
        <translation>ist ein Ordner an der Stelle, an die das Installationsprogramm die Datei %1 legt (der Stick unterscheidet bei Namen nicht zwischen Groß- und Kleinschreibung); benennen Sie ihn um oder entfernen Sie ihn</translation>
    </message>
    <message>
        <source>is a special file, where the installer puts the folder %1 (the stick does not tell names apart by case); rename or remove it</source>
        <translation>ist eine Spezialdatei an der Stelle, an die das Installationsprogramm den Ordner %1 legt (der Stick unterscheidet bei Namen nicht zwischen Groß- und Kleinschreibung); benennen Sie sie um oder entfernen Sie sie</translation>
    </message>
    <message>
        <source>is a special file, where the installer puts the file %1 (the stick does not tell names apart by case); rename or remove it</source>
        <translation>ist eine Spezialdatei an der Stelle, an die das Installationsprogramm die Datei %1 legt (der Stick unterscheidet bei Namen nicht zwischen Groß- und Kleinschreibung); benennen Sie sie um oder entfernen Sie sie</translation>
    </message>
    <message>
        <source>is not a folder</source>
        <translation>ist kein Ordner</translation>
    </message>
    <message>
        <source>the name is not valid text</source>
        <translation>der Name ist kein gültiger Text</translation>
    </message>
    <message>
        <source>links to folders are not copied</source>
        <translation>Links auf Ordner werden nicht kopiert</translation>
    </message>
    <message>
        <source>is a link to nothing</source>
        <translation>ist ein Link, der ins Leere zeigt</translation>
    </message>
    <message>
        <source>is 4 GiB or larger; the stick holds files of up to 4 GiB less one byte</source>
        <translation>ist 4 GiB groß oder größer; der Stick fasst Dateien bis 4 GiB minus ein Byte</translation>
    </message>
    <message>
        <source>not a regular file or folder</source>
        <translation>keine gewöhnliche Datei und kein Ordner</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>: the stick takes these names for one, since it ignores case</source>
        <translation>: der Stick hält diese Namen für einen, da er Groß- und Kleinschreibung nicht unterscheidet</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>files and folders</comment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>The Orvex folder could not be removed from %1/PSP/COMMON.</source>
        <translation>Der Ordner Orvex konnte nicht aus %1/PSP/COMMON entfernt werden.</translation>
    </message>
    <message>
        <source>The bookmark could not be taken out of %1/PSP/SYSTEM/BROWSER/bookmarks.html.</source>
        <translation>Das Lesezeichen konnte nicht aus %1/PSP/SYSTEM/BROWSER/bookmarks.html entfernt werden.</translation>
    </message>
    <message>
        <source>Removed the Orvex bookmark.</source>
        <translation>Das Orvex-Lesezeichen wurde entfernt.</translation>
    </message>
    <message>
        <source>PSP/COMMON/Orvex (%1)</source>
        <translation>PSP/COMMON/Orvex (%1)</translation>
    </message>
    <message>
        <source>%1 from PSP/COMMON/Orvex</source>
        <translation>%1 aus PSP/COMMON/Orvex</translation>
    </message>
    <message>
        <source>Removed %1 and the Orvex bookmark.</source>
        <translation>Entfernt: %1 und das Orvex-Lesezeichen.</translation>
    </message>
    <message>
        <source>Removed %1.</source>
        <translation>Entfernt: %1.</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>PSP/COMMON/Orvex stays: it holds %1 that Orvex Tessary did not install (%2).</source>
        <translation>PSP/COMMON/Orvex bleibt erhalten, weil der Ordner Inhalte hat, die Orvex Tessary nicht installiert hat: %1 (%2).</translation>
    </message>
    <message>
        <source>The Orvex bookmark was taken out; PSP/COMMON/Orvex stays as it was.</source>
        <translation>Das Orvex-Lesezeichen wurde entfernt; PSP/COMMON/Orvex ist unverändert.</translation>
    </message>
    <message>
        <source>The Orvex bookmark was taken out, and %1 of the %2 files of PSP/COMMON/Orvex were removed; the others stay.</source>
        <translation>Das Orvex-Lesezeichen wurde entfernt, außerdem %1 der %2 Dateien in PSP/COMMON/Orvex; die übrigen bleiben.</translation>
    </message>
    <message>
        <source>%1 of the %2 files of PSP/COMMON/Orvex were removed; the others stay.</source>
        <translation>%1 der %2 Dateien in PSP/COMMON/Orvex wurden entfernt; die übrigen bleiben.</translation>
    </message>
    <message>
        <source>Orvex Tessary is not on this stick: there was nothing to remove.</source>
        <translation>Orvex Tessary ist nicht auf diesem Stick: Es gab nichts zu entfernen.</translation>
    </message>
    <message>
        <source>Orvex Tessary was removed from the PSP.</source>
        <translation>Orvex Tessary wurde von der PSP entfernt.</translation>
    </message>
    <message>
        <source>Are you sure you want to remove Orvex Tessary from the PSP?</source>
        <translation>Möchten Sie Orvex Tessary wirklich von der PSP entfernen?</translation>
    </message>
    <message>
        <source>Removal failed.</source>
        <translation>Das Entfernen ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Removal cancelled.</source>
        <translation>Das Entfernen wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The stick needs %1 more: the installation needs %2 and %3 are free. Free at least %1 and try again.</source>
        <translation>Auf dem Stick fehlen %1: Die Installation braucht %2, frei sind %3. Geben Sie mindestens %1 frei und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The stick needs %1 more: the removal needs %2 and %3 are free. Free at least %1 and try again.</source>
        <translation>Auf dem Stick fehlen %1: Das Entfernen braucht %2, frei sind %3. Geben Sie mindestens %1 frei und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>No drive was chosen. Connect the PSP in USB mode and choose its drive.</source>
        <translation>Es ist kein Laufwerk gewählt. Verbinden Sie die PSP im USB-Modus und wählen Sie ihr Laufwerk.</translation>
    </message>
    <message>
        <source>On the PSP, choose Settings, then USB Connection, and connect it to this computer with a USB cable. Its memory stick appears in the list by itself.</source>
        <translation>Wählen Sie auf der PSP „Einstellungen“ und dann „USB-Verbindung“, und verbinden Sie sie mit einem USB-Kabel mit diesem Computer. Ihr Memory Stick erscheint dann von selbst in der Liste.</translation>
    </message>
    <message>
        <source>Onto %1 (%2).</source>
        <translation>Auf %1 (%2).</translation>
    </message>
    <message>
        <source>Onto %1 (%2): %3.</source>
        <translation>Auf %1 (%2): %3.</translation>
    </message>
    <message>
        <source>%1 file</source>
        <translation>%1 Datei</translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation>%1 Dateien</translation>
    </message>
    <message>
        <source>%1 folder</source>
        <translation>%1 Ordner</translation>
    </message>
    <message>
        <source>%1 folders</source>
        <translation>%1 Ordner</translation>
    </message>
</context>
<context>
    <name>orvex::DriveList</name>
    <message>
        <source>not a PSP stick</source>
        <translation>kein PSP-Stick</translation>
    </message>
    <message>
        <source>read-only</source>
        <translation>schreibgeschützt</translation>
    </message>
    <message>
        <source>too full</source>
        <translation>zu voll</translation>
    </message>
    <message>
        <source>PSP memory stick</source>
        <translation>PSP-Stick</translation>
    </message>
    <message>
        <source>(checking…)</source>
        <translation>(wird geprüft…)</translation>
    </message>
    <message>
        <source>(not answering)</source>
        <translation>(antwortet nicht)</translation>
    </message>
    <message>
        <source>(cannot be read)</source>
        <translation>(nicht lesbar)</translation>
    </message>
    <message>
        <source>(not found)</source>
        <translation>(nicht gefunden)</translation>
    </message>
    <message>
        <source>%1, %2 free</source>
        <comment>state, free room</comment>
        <translation>%1, %2 frei</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>name, state</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1, %2, %3 free</source>
        <comment>name, state, free room</comment>
        <translation>%1, %2, %3 frei</translation>
    </message>
    <message>
        <source>%1, %2, %3 free of %4</source>
        <comment>name, state, free room, size</comment>
        <translation>%1, %2, %3 von %4 frei</translation>
    </message>
    <message>
        <source>Connect the PSP in USB mode</source>
        <translation>PSP im USB-Modus verbinden</translation>
    </message>
</context>
<context>
    <name>orvex::Frm_SkinnedForm</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Install</source>
        <translation>Installieren</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Laufwerk</translation>
    </message>
    <message>
        <source>Orvex Tessary installer %1</source>
        <translation>Orvex Tessary Installationsprogramm %1</translation>
    </message>
    <message>
        <source>3. Press Remove to remove Orvex Tessary!</source>
        <translation>3. Orvex Tessary mit „Entfernen“ entfernen!</translation>
    </message>
    <message>
        <source>3. Press Install to begin installation!</source>
        <translation>3. „Installieren“ drücken, um zu beginnen!</translation>
    </message>
    <message>
        <source>2. Select the drive your PSP is connected to.</source>
        <translation>2. Das Laufwerk Ihrer PSP auswählen.</translation>
    </message>
    <message>
        <source>1. Connect PSP in USB Mode.</source>
        <translation>1. PSP im USB-Modus verbinden.</translation>
    </message>
    <message>
        <source>Eject the stick now? Then leave USB mode on the PSP.</source>
        <translation>Den Stick jetzt auswerfen? Beenden Sie danach den USB-Modus der PSP.</translation>
    </message>
    <message>
        <source>Eject</source>
        <translation>Auswerfen</translation>
    </message>
    <message>
        <source>Not now</source>
        <translation>Nicht jetzt</translation>
    </message>
</context>
<context>
    <name>orvex::PasscodeDialog</name>
    <message>
        <source>Choose the passcode that opens Orvex Tessary on the PSP (4 to 8 digits):</source>
        <translation>Wählen Sie den Zugangscode, der Orvex Tessary auf der PSP öffnet (4 bis 8 Ziffern):</translation>
    </message>
    <message>
        <source>Passcode</source>
        <translation>Zugangscode</translation>
    </message>
    <message>
        <source>4 to 8 digits</source>
        <translation>4 bis 8 Ziffern</translation>
    </message>
</context>
<context>
    <name>orvex::StickJobDialog</name>
    <message>
        <source>about %1 s left</source>
        <translation>noch etwa %1 s</translation>
    </message>
    <message>
        <source>about %1 min left</source>
        <translation>noch etwa %1 min</translation>
    </message>
    <message>
        <source>about %1 h left</source>
        <translation>noch etwa %1 h</translation>
    </message>
    <message>
        <source>%1 of %2 files, %3 of %4 %5</source>
        <translation>%1 von %2 Dateien, %3 von %4 %5</translation>
    </message>
    <message>
        <source>Checking the stick…</source>
        <translation>Der Stick wird geprüft…</translation>
    </message>
    <message>
        <source>Copying Orvex…</source>
        <translation>Orvex wird kopiert…</translation>
    </message>
    <message>
        <source>Copying Orvex/%1</source>
        <translation>Kopieren von Orvex/%1</translation>
    </message>
    <message>
        <source>Removing Orvex/%1</source>
        <translation>Entfernen von Orvex/%1</translation>
    </message>
    <message>
        <source>%1 of %2 files</source>
        <translation>%1 von %2 Dateien</translation>
    </message>
    <message>
        <source>Ejecting the stick…</source>
        <translation>Der Stick wird ausgeworfen…</translation>
    </message>
    <message>
        <source>Checking what the stick kept…</source>
        <translation>Es wird geprüft, was der Stick gespeichert hat…</translation>
    </message>
    <message>
        <source>Writing to the stick…</source>
        <translation>Auf den Stick wird geschrieben…</translation>
    </message>
    <message>
        <source>The stick is not answering. Waiting for it…</source>
        <translation>Der Stick antwortet nicht. Warten auf den Stick…</translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation>Wird angehalten…</translation>
    </message>
    <message>
        <source>Close anyway ends the installer now; the next installation removes what this one left.</source>
        <translation>„Trotzdem schließen“ beendet das Installationsprogramm sofort; die nächste Installation entfernt, was diese hinterlassen hat.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Close anyway</source>
        <translation>Trotzdem schließen</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>Beschäftigt</translation>
    </message>
</context>
</TS>
