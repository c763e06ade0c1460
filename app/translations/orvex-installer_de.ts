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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--drive needs a path.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--password and --passcode are only for --unattended.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--eject is only for --unattended.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--unattended needs exactly one --drive PATH.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--uninstall takes no --password or --passcode.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--unattended needs --password yes or --password no.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--passcode goes with --password yes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--passcode needs one passcode of 4 to 8 digits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped while the stick was not answering; the next installation or removal cleans up what was left.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Yes</source>
        <comment>a question, answered</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 No</source>
        <comment>a question, answered</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The passcode is %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installing onto %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installed onto %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The passcode already on the stick is kept: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EjectMessages</name>
    <message>
        <source>the disk service did not answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The stick was ejected. You can now leave USB mode on the PSP.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The stick could not be ejected: %1. Close the programs that use it, then eject it from your file manager.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The stick was not ejected: the system&apos;s disk service does not manage %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The stick was not ejected: %1 is on one of the system&apos;s own disks.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InstallMessages</name>
    <message>
        <source>the stick returned fewer bytes than the file holds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its first line is longer than 64 KiB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is a link; the installer does not follow links on the drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>has %1 names (hard links); the installer changes only a file with one name.<byte value="xd"/>
Make it a file of its own (put a copy in its place), then install again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is UTF-16 text; the installer adds its bookmark only to single-byte text.<byte value="xd"/>
Save it as single-byte text (ASCII or UTF-8), then install again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (the file could not be restored)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The stick is write-protected or mounted read-only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This user may not write there: run the installer as a user who may, or change the permissions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The stick is full: free some room on it and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The stick did not read or write as asked: check that it is still connected, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The installer may not open enough files at once: raise the limit of open files (ulimit -n), then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The system has too many files open: close some programs, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On the PSP, choose Settings, then USB Connection, and pass the folder where its stick is mounted with --drive.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On the PSP, choose Settings, then USB Connection, and choose the drive that appears.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The drive %1 is not there: it was disconnected, or its name is mistyped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another installation or removal on this drive is running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The stick is write-protected or mounted read-only: nothing can be written to %1.<byte value="xd"/>
Make it writable, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bookmark page %1/%2 is missing or empty.<byte value="xd"/>
The installer&apos;s own files are incomplete: install the installer again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The drive %1 has no PSP folder, so it is not a PSP memory stick.<byte value="xd"/>
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds a control character, which the stick cannot store</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>holds &quot;%1&quot;, which the stick cannot store</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ends with a dot or a space, which the stick drops</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is longer than %1 characters, the longest name the installer can write to the stick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The stick did not keep what was written to %1: it may be failing or not as large as it says.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fewer bytes could be read than the file holds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The destination is the folder being copied.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The destination lies inside the folder being copied.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing on the stick was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removed 1 file left by an interrupted installation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removed %1 files left by an interrupted installation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Orvex folder could not be copied to %1/PSP/COMMON/.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bookmark could not be added to %1/PSP/SYSTEM/BROWSER/bookmarks.html.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: the installer writes this file itself</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These entries of the Orvex folder cannot be installed:<byte value="xd"/>
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/>
Rename or remove them in %1, then install again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some files the installer wrote could not be removed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Orvex folder on the stick was updated; no bookmark was added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of the %2 files were updated before the failure: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bookmark could not be added to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Would you like to install with password protection?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installed onto %1. The Orvex Tessary bookmark opens it with the passcode you chose.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installed onto %1. The Orvex Tessary bookmark opens it without a passcode.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installation complete!<byte value="xd"/>
Thank you for using Orvex.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To access Orvex, simply choose the Orvex Tessary bookmark in your PSP browser&apos;s bookmark section.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to install Orvex Tessary?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installation failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Installation cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is a folder with the name the installer gives the temporary copy of %1; rename or remove it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is a link with the name the installer gives the temporary copy of %1; rename or remove it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is a special file with the name the installer gives the temporary copy of %1; rename or remove it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is a file, where the installer puts the folder %1 (the stick does not tell names apart by case); rename or remove it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is a folder, where the installer puts the file %1 (the stick does not tell names apart by case); rename or remove it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is a special file, where the installer puts the folder %1 (the stick does not tell names apart by case); rename or remove it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is a special file, where the installer puts the file %1 (the stick does not tell names apart by case); rename or remove it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is not a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name is not valid text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>links to folders are not copied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is a link to nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is 4 GiB or larger; the stick holds files of up to 4 GiB less one byte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a regular file or folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> and </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: the stick takes these names for one, since it ignores case</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>files and folders</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Orvex folder could not be removed from %1/PSP/COMMON.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The bookmark could not be taken out of %1/PSP/SYSTEM/BROWSER/bookmarks.html.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removed the Orvex bookmark.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PSP/COMMON/Orvex (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 from PSP/COMMON/Orvex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removed %1 and the Orvex bookmark.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removed %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PSP/COMMON/Orvex stays: it holds %1 that Orvex Tessary did not install (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Orvex bookmark was taken out; PSP/COMMON/Orvex stays as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Orvex bookmark was taken out, and %1 of the %2 files of PSP/COMMON/Orvex were removed; the others stay.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of the %2 files of PSP/COMMON/Orvex were removed; the others stay.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvex Tessary is not on this stick: there was nothing to remove.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvex Tessary was removed from the PSP.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to remove Orvex Tessary from the PSP?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removal failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removal cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The stick needs %1 more: the installation needs %2 and %3 are free. Free at least %1 and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The stick needs %1 more: the removal needs %2 and %3 are free. Free at least %1 and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No drive was chosen. Connect the PSP in USB mode and choose its drive.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On the PSP, choose Settings, then USB Connection, and connect it to this computer with a USB cable. Its memory stick appears in the list by itself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Onto %1 (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Onto %1 (%2): %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 folders</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvex::DriveList</name>
    <message>
        <source>not a PSP stick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PSP memory stick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(checking…)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(not answering)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(cannot be read)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(not found)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 free</source>
        <comment>state, free room</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>name, state</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2, %3 free</source>
        <comment>name, state, free room</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2, %3 free of %4</source>
        <comment>name, state, free room, size</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect the PSP in USB mode</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvex::Frm_SkinnedForm</name>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orvex Tessary installer %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3. Press Remove to remove Orvex Tessary!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3. Press Install to begin installation!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2. Select the drive your PSP is connected to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Connect PSP in USB Mode.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eject the stick now? Then leave USB mode on the PSP.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eject</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not now</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvex::PasscodeDialog</name>
    <message>
        <source>Choose the passcode that opens Orvex Tessary on the PSP (4 to 8 digits):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passcode</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orvex::StickJobDialog</name>
    <message>
        <source>about %1 s left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>about %1 min left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>about %1 h left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 files, %3 of %4 %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking the stick…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copying Orvex…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copying Orvex/%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removing Orvex/%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ejecting the stick…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking what the stick kept…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing to the stick…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The stick is not answering. Waiting for it…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopping…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close anyway ends the installer now; the next installation removes what this one left.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close anyway</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
