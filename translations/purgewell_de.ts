<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>Vendrix Purgewell Pro %1</source>
        <translation>Vendrix Purgewell Pro %1</translation>
    </message>
    <message>
        <source>Free, safe and powerful uninstaller to help you uninstall 
unwanted programs and delete all leftovers.</source>
        <translation>Ein kostenloses, sicheres und leistungsfähiges Programm, das 
unerwünschte Programme deinstalliert und alle Reste löscht.</translation>
    </message>
    <message>
        <source>Copyright © 2026 Vendrix Software. All rights reserved.</source>
        <translation>© 2026 Vendrix Software. Alle Rechte vorbehalten.</translation>
    </message>
</context>
<context>
    <name>CCommonMenu</name>
    <message>
        <source>Support Center</source>
        <translation>Support-Center</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Benutzerhandbuch</translation>
    </message>
    <message>
        <source>Scrubwell</source>
        <translation>Scrubwell</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Restore Removed Items...</source>
        <translation>Entfernte Elemente wiederherstellen …</translation>
    </message>
</context>
<context>
    <name>CDetailToolTip</name>
    <message>
        <source>Display name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Install Time:</source>
        <translation>Installiert am:</translation>
    </message>
    <message>
        <source>Install Path:</source>
        <translation>Installationsordner:</translation>
    </message>
</context>
<context>
    <name>CEnumProgramPage</name>
    <message>
        <source>Applications</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Ascending</source>
        <translation>Aufsteigend</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>Absteigend</translation>
    </message>
    <message>
        <source>Deep Clean...</source>
        <translation>Reste werden entfernt …</translation>
    </message>
    <message>
        <source>(%1)</source>
        <translation>(%1)</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>wartet</translation>
    </message>
    <message>
        <source>Program Name Order</source>
        <translation>Sortierung nach Name</translation>
    </message>
    <message>
        <source> Program Name (%1 programs)</source>
        <translation> Programmname (%1 Programme)</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Size Order</source>
        <translation>Sortierung nach Größe</translation>
    </message>
    <message>
        <source>uninstallling</source>
        <translation>wird deinstalliert</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Not uninstalled</source>
        <translation>Nicht deinstalliert</translation>
    </message>
    <message>
        <source>Sort by</source>
        <extracomment>The caption drawn into the sort button; the button grows with it.</extracomment>
        <translation>Sortieren nach</translation>
    </message>
    <message>
        <source>Sort the programs by name or size</source>
        <translation>Programme nach Name oder Größe sortieren</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Read the installed programs again</source>
        <translation>Die installierten Programme neu einlesen</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Deinstallieren</translation>
    </message>
    <message>
        <source>Uninstall the ticked programs</source>
        <translation>Die markierten Programme deinstallieren</translation>
    </message>
    <message>
        <source>Selected:</source>
        <translation>Ausgewählt:</translation>
    </message>
    <message>
        <source>The Wine prefix whose programs are listed</source>
        <translation>Das Wine-Präfix, dessen Programme aufgelistet werden</translation>
    </message>
    <message>
        <source>The uninstaller of %1 is missing. Remove its entry and what it left behind?</source>
        <translation>Das Deinstallationsprogramm von %1 fehlt. Den Eintrag und die Reste des Programms entfernen?</translation>
    </message>
    <message>
        <source>No programs are installed on this computer.</source>
        <translation>Auf diesem Computer sind keine Programme installiert.</translation>
    </message>
    <message>
        <source>No programs are installed in this prefix.</source>
        <translation>In diesem Präfix sind keine Programme installiert.</translation>
    </message>
    <message>
        <source>Choose another prefix above.</source>
        <translation>Wählen Sie oben ein anderes Präfix.</translation>
    </message>
    <message>
        <source>No program matches “%1”.</source>
        <translation>Kein Programm passt zu „%1“.</translation>
    </message>
</context>
<context>
    <name>CFileTreeItemDelegate</name>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
</context>
<context>
    <name>CMSGDlg</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>JA</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NEIN</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CMainWin</name>
    <message>
        <source>An uninstall is still running. If you close Vendrix Purgewell now, the programs still waiting are not uninstalled and leftovers may stay behind.
Close Vendrix Purgewell anyway?</source>
        <translation>Eine Deinstallation läuft noch. Wenn Sie Vendrix Purgewell jetzt schließen, werden die noch wartenden Programme nicht deinstalliert, und Reste können zurückbleiben.
Vendrix Purgewell trotzdem schließen?</translation>
    </message>
</context>
<context>
    <name>CPrefixChooser</name>
    <message>
        <source>Wine prefix</source>
        <translation>Wine-Präfix</translation>
    </message>
    <message>
        <source>%1 (read-only: %2 missing)</source>
        <translation>%1 (schreibgeschützt: %2 fehlt)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is read-only: its Wine (%2) is not installed.
The system&apos;s Wine may update this prefix so that
its manager can no longer run it.
Open it with the system&apos;s Wine anyway?</source>
        <translation>„%1“ ist schreibgeschützt: sein Wine (%2) ist nicht installiert.
Das Wine des Systems kann dieses Präfix so ändern,
dass seine Verwaltung es nicht mehr starten kann.
Trotzdem mit dem Wine des Systems öffnen?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is read-only:
its Wine (%2) is not installed.
Its programs are read from its registry files,
and nothing can be uninstalled from it.</source>
        <translation>„%1“ ist schreibgeschützt:
sein Wine (%2) ist nicht installiert.
Seine Programme werden aus den Registry-Dateien gelesen,
und es kann nichts daraus deinstalliert werden.</translation>
    </message>
</context>
<context>
    <name>CProgramTreeWidget</name>
    <message>
        <source>Uninstall %1</source>
        <translation>%1 deinstallieren</translation>
    </message>
    <message>
        <source>Space: tick or untick
Delete: uninstall
Enter or menu key: details</source>
        <translation>Leertaste: an- oder abhaken
Entf: deinstallieren
Eingabetaste oder Menütaste: Details</translation>
    </message>
    <message>
        <source>Show the details (Enter, menu key or Shift+F10)</source>
        <translation>Details anzeigen (Eingabetaste, Menütaste oder Umschalt+F10)</translation>
    </message>
    <message>
        <source>Tick or untick this program (Space)</source>
        <translation>Dieses Programm an- oder abhaken (Leertaste)</translation>
    </message>
    <message>
        <source>Uninstall this program (Delete)</source>
        <translation>Dieses Programm deinstallieren (Entf)</translation>
    </message>
</context>
<context>
    <name>CReadyUninstallDlg</name>
    <message>
        <source>Do you want to uninstall the selected %1 program(s)?</source>
        <translation>Möchten Sie die ausgewählten %1 Programm(e) deinstallieren?</translation>
    </message>
    <message>
        <source>Automatically remove residual files</source>
        <translation>Reste automatisch entfernen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CRestoreDlg</name>
    <message>
        <source>%1: back</source>
        <translation>%1: wiederhergestellt</translation>
    </message>
    <message>
        <source>%1: already restored</source>
        <translation>%1: bereits wiederhergestellt</translation>
    </message>
    <message>
        <source>%1: not restored, it is no longer in the trash</source>
        <translation>%1: nicht wiederhergestellt, es liegt nicht mehr im Papierkorb</translation>
    </message>
    <message>
        <source>%1: not restored, something exists there now</source>
        <translation>%1: nicht wiederhergestellt, dort liegt inzwischen etwas anderes</translation>
    </message>
    <message>
        <source>%1: refused, the journal names something no removal took</source>
        <translation>%1: abgelehnt, das Protokoll nennt etwas, das keine Entfernung genommen hat</translation>
    </message>
    <message>
        <source>%1: not restored (%2)</source>
        <translation>%1: nicht wiederhergestellt (%2)</translation>
    </message>
    <message>
        <source>Restore Removed Items</source>
        <translation>Entfernte Elemente wiederherstellen</translation>
    </message>
    <message>
        <source>What the leftover removal moved to the trash, by run, newest first. Restoring puts files back where they were and writes the registry entries back; nothing that exists now is overwritten.</source>
        <translation>Was beim Entfernen von Resten in den Papierkorb verschoben wurde, nach Durchgängen, die neuesten zuerst. Beim Wiederherstellen kommen Dateien an ihren alten Ort zurück und Registrierungseinträge werden zurückgeschrieben; nichts, was jetzt vorhanden ist, wird überschrieben.</translation>
    </message>
    <message>
        <source>Nothing has been removed yet.</source>
        <translation>Bisher wurde nichts entfernt.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>This journal cannot be read: %1</source>
        <translation>Dieses Protokoll kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>(unnamed program)</source>
        <translation>(Programm ohne Namen)</translation>
    </message>
    <message>
        <source>Wine prefix %1</source>
        <translation>Wine-Präfix %1</translation>
    </message>
    <message>
        <source>This entry of the journal is damaged: %1</source>
        <translation>Dieser Eintrag des Protokolls ist beschädigt: %1</translation>
    </message>
    <message>
        <source>the run ended before it was done</source>
        <translation>der Durchgang endete vorzeitig</translation>
    </message>
    <message>
        <source>deleted for good</source>
        <translation>endgültig gelöscht</translation>
    </message>
    <message>
        <source>still being removed</source>
        <translation>wird noch entfernt</translation>
    </message>
    <message>
        <source>Restoring %1...</source>
        <translation>%1 wird wiederhergestellt …</translation>
    </message>
    <message>
        <source>The items of %1 belong to the Wine prefix %2. Choose that prefix on the programs page, then restore again.</source>
        <translation>Die Elemente von %1 gehören zum Wine-Präfix %2. Wählen Sie dieses Präfix auf der Programmseite und stellen Sie dann erneut wieder her.</translation>
    </message>
    <message>
        <source>%1 cannot be restored: %2</source>
        <translation>%1 kann nicht wiederhergestellt werden: %2</translation>
    </message>
    <message>
        <source>%1: %2 item(s) restored, %3 not restored.</source>
        <translation>%1: %2 Element(e) wiederhergestellt, %3 nicht wiederhergestellt.</translation>
    </message>
    <message>
        <source>%1 item(s)</source>
        <translation>%1 Element(e)</translation>
    </message>
</context>
<context>
    <name>CSearchEdit</name>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Search programs by name</source>
        <translation>Programme nach Namen durchsuchen</translation>
    </message>
</context>
<context>
    <name>CStartDlg</name>
    <message>
        <source>Uninstall programs and everything they leave behind</source>
        <extracomment>The start picture&apos;s line under the product name (600 pixels wide, 15-pixel type).</extracomment>
        <translation>Programme deinstallieren, samt allem, was sie hinterlassen</translation>
    </message>
    <message>
        <source>Reading installed programs...</source>
        <extracomment>The start picture&apos;s last line, under a progress bar, while the installed programs are read.</extracomment>
        <translation>Installierte Programme werden gelesen …</translation>
    </message>
</context>
<context>
    <name>CUninstallRstDlg</name>
    <message>
        <source>Uninstall Completed!</source>
        <translation>Deinstallation abgeschlossen!</translation>
    </message>
    <message>
        <source>%1 program(s) were not uninstalled.</source>
        <translation>%1 Programm(e) wurde(n) nicht deinstalliert.</translation>
    </message>
    <message>
        <source>Successfully uninstall </source>
        <translation>Erfolgreich deinstalliert: </translation>
    </message>
    <message>
        <source> program(s).</source>
        <translation> Programm(e).</translation>
    </message>
    <message>
        <source> program(s) and free up </source>
        <translation> Programm(e), freigegeben: </translation>
    </message>
    <message>
        <source>Nothing Was Uninstalled</source>
        <translation>Nichts wurde deinstalliert</translation>
    </message>
    <message>
        <source>No program was uninstalled.</source>
        <translation>Kein Programm wurde deinstalliert.</translation>
    </message>
    <message>
        <source>Restart the computer to finish removing %1.</source>
        <translation>Starten Sie den Computer neu, um das Entfernen von %1 abzuschließen.</translation>
    </message>
    <message>
        <source>Removed items are in the trash. You can restore them from the menu.</source>
        <translation>Die entfernten Elemente liegen im Papierkorb. Sie können sie über das Menü wiederherstellen.</translation>
    </message>
</context>
<context>
    <name>CUpdateRstDlg</name>
    <message>
        <source>Congratulations!</source>
        <translation>Glückwunsch!</translation>
    </message>
    <message>
        <source>Update Failed!</source>
        <translation>Update fehlgeschlagen!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>A new version has been released, do you want to update now?</source>
        <translation>Eine neue Version ist erschienen. Möchten Sie jetzt aktualisieren?</translation>
    </message>
    <message>
        <source>A new version of Vendrix Purgewell  is available!</source>
        <translation>Eine neue Version von Vendrix Purgewell ist verfügbar!</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Jetzt aktualisieren</translation>
    </message>
    <message>
        <source>Open the download page of the new version</source>
        <translation>Die Downloadseite der neuen Version öffnen</translation>
    </message>
</context>
<context>
    <name>CWindowDlgTitle</name>
    <message>
        <source>Vendrix Purgewell Pro</source>
        <translation>Vendrix Purgewell Pro</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>CWindowTitle</name>
    <message>
        <source>Vendrix Purgewell Pro</source>
        <translation>Vendrix Purgewell Pro</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximieren</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>CheckUpdate</name>
    <message>
        <source>Getting update information, please wait...</source>
        <translation>Update-Informationen werden abgerufen, bitte warten …</translation>
    </message>
    <message>
        <source>Failed to check for updates. Please check your network connection.</source>
        <translation>Die Suche nach Updates ist fehlgeschlagen. Bitte prüfen Sie Ihre Netzwerkverbindung.</translation>
    </message>
    <message>
        <source>You already have the latest version, no update 
is available.</source>
        <translation>Sie haben bereits die neueste Version, es ist 
kein Update verfügbar.</translation>
    </message>
    <message>
        <source>A new version of Vendrix Purgewell is available. Would you like to update now?</source>
        <translation>Eine neue Version von Vendrix Purgewell ist verfügbar. Möchten Sie jetzt aktualisieren?</translation>
    </message>
</context>
<context>
    <name>FormatSize</name>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Vendrix Purgewell has been running!</source>
        <translation>Vendrix Purgewell läuft bereits!</translation>
    </message>
</context>
<context>
    <name>pw::CWineHost</name>
    <message>
        <source>purgewell-host32.exe was not found (looked for &quot;%2&quot;): the Wine prefix &quot;%1&quot; is a 32-bit prefix (WINEARCH=win32), which only that host can serve. Build the program again with scripts/setup.sh, or install its package again.</source>
        <translation>purgewell-host32.exe wurde nicht gefunden (gesucht unter &quot;%2&quot;): Der Wine-Präfix &quot;%1&quot; ist ein 32-Bit-Präfix (WINEARCH=win32), den nur dieses Hilfsprogramm bedienen kann. Erstellen Sie das Programm mit scripts/setup.sh neu oder installieren Sie sein Paket erneut.</translation>
    </message>
    <message>
        <source>The Wine prefix &quot;%1&quot; is a 32-bit prefix (WINEARCH=win32), and Wine&apos;s 32-bit half, which runs its programs, is not installed. Install it (on Debian and Ubuntu, as root: dpkg --add-architecture i386 &amp;&amp; apt-get update &amp;&amp; apt-get install wine32:i386), then start Vendrix Purgewell again.</source>
        <translation>Der Wine-Präfix &quot;%1&quot; ist ein 32-Bit-Präfix (WINEARCH=win32), und der 32-Bit-Teil von Wine, der seine Programme ausführt, ist nicht installiert. Installieren Sie ihn (unter Debian und Ubuntu als root: dpkg --add-architecture i386 &amp;&amp; apt-get update &amp;&amp; apt-get install wine32:i386) und starten Sie Vendrix Purgewell dann erneut.</translation>
    </message>
    <message>
        <source>The Wine prefix &quot;%1&quot; is a 32-bit prefix (WINEARCH=win32), and the Wine it runs with (&quot;%2&quot;) cannot run 32-bit programs: its 32-bit half (wine32) is missing. Give the prefix a Wine with 32-bit support in its manager, then start Vendrix Purgewell again.</source>
        <translation>Der Wine-Präfix &quot;%1&quot; ist ein 32-Bit-Präfix (WINEARCH=win32), und das Wine, mit dem er läuft (&quot;%2&quot;), kann keine 32-Bit-Programme ausführen: Sein 32-Bit-Teil (wine32) fehlt. Geben Sie dem Präfix in seiner Verwaltung ein Wine mit 32-Bit-Unterstützung und starten Sie Vendrix Purgewell dann erneut.</translation>
    </message>
    <message>
        <source>The Wine prefix &quot;%1&quot; is a 32-bit prefix (WINEARCH=win32), and Wine&apos;s 32-bit loader (&quot;%2&quot;) cannot run on this system (Exec format error): it runs no 32-bit programs. Switch on the Linux kernel&apos;s 32-bit support (IA-32 emulation, the boot option ia32_emulation=1 where it is off), or manage this prefix on a system that runs 32-bit programs.</source>
        <translation>Der Wine-Präfix &quot;%1&quot; ist ein 32-Bit-Präfix (WINEARCH=win32), und der 32-Bit-Lader von Wine (&quot;%2&quot;) kann auf diesem System nicht laufen (Exec format error): Es führt keine 32-Bit-Programme aus. Schalten Sie die 32-Bit-Unterstützung des Linux-Kernels ein (IA-32-Emulation, die Boot-Option ia32_emulation=1, wo sie ausgeschaltet ist), oder verwalten Sie diesen Präfix auf einem System, das 32-Bit-Programme ausführt.</translation>
    </message>
</context>
</TS>
