<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>Vendrix Purgewell Pro %1</source>
        <translation>Vendrix Purgewell Pro %1</translation>
    </message>
    <message>
        <source>Free, safe and powerful uninstaller to help you uninstall 
unwanted programs and delete all leftovers.</source>
        <translation>Darmowy, bezpieczny i wydajny deinstalator, który usuwa 
niechciane programy wraz ze wszystkimi pozostałościami.</translation>
    </message>
    <message>
        <source>Copyright © 2026 Vendrix Software. All rights reserved.</source>
        <translation>Copyright © 2026 Vendrix Software. Wszelkie prawa zastrzeżone.</translation>
    </message>
</context>
<context>
    <name>CCommonMenu</name>
    <message>
        <source>Support Center</source>
        <translation>Centrum pomocy</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Podręcznik</translation>
    </message>
    <message>
        <source>Scrubwell</source>
        <translation>Scrubwell</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Sprawdź aktualizacje</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Restore Removed Items...</source>
        <translation>Przywróć usunięte elementy...</translation>
    </message>
</context>
<context>
    <name>CDetailToolTip</name>
    <message>
        <source>Display name:</source>
        <translation>Nazwa:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Wersja:</translation>
    </message>
    <message>
        <source>Install Time:</source>
        <translation>Zainstalowano:</translation>
    </message>
    <message>
        <source>Install Path:</source>
        <translation>Folder instalacji:</translation>
    </message>
</context>
<context>
    <name>CEnumProgramPage</name>
    <message>
        <source>Applications</source>
        <translation>Programy</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nazwa</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Rozmiar</translation>
    </message>
    <message>
        <source>Ascending</source>
        <translation>Rosnąco</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>Malejąco</translation>
    </message>
    <message>
        <source>Deep Clean...</source>
        <translation>Usuwanie pozostałości…</translation>
    </message>
    <message>
        <source>(%1)</source>
        <translation>(%1)</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>oczekuje</translation>
    </message>
    <message>
        <source>Program Name Order</source>
        <translation>Kolejność wg nazwy</translation>
    </message>
    <message>
        <source> Program Name (%1 programs)</source>
        <translation> Nazwa programu (programy: %1)</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Wersja</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Akcja</translation>
    </message>
    <message>
        <source>Size Order</source>
        <translation>Kolejność wg rozmiaru</translation>
    </message>
    <message>
        <source>uninstallling</source>
        <translation>odinstalowywanie</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Zakończono</translation>
    </message>
    <message>
        <source>Not uninstalled</source>
        <translation>Nie odinstalowano</translation>
    </message>
    <message>
        <source>Sort by</source>
        <extracomment>The caption drawn into the sort button; the button grows with it.</extracomment>
        <translation>Sortuj</translation>
    </message>
    <message>
        <source>Sort the programs by name or size</source>
        <translation>Sortuj programy według nazwy lub rozmiaru</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Odśwież</translation>
    </message>
    <message>
        <source>Read the installed programs again</source>
        <translation>Wczytaj ponownie zainstalowane programy</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Odinstaluj</translation>
    </message>
    <message>
        <source>Uninstall the ticked programs</source>
        <translation>Odinstaluj zaznaczone programy</translation>
    </message>
    <message>
        <source>Selected:</source>
        <translation>Zaznaczono:</translation>
    </message>
    <message>
        <source>The Wine prefix whose programs are listed</source>
        <translation>Prefiks Wine, którego programy są wyświetlane</translation>
    </message>
    <message>
        <source>The uninstaller of %1 is missing. Remove its entry and what it left behind?</source>
        <translation>Brak deinstalatora programu %1. Usunąć jego wpis i to, co po nim zostało?</translation>
    </message>
    <message>
        <source>No programs are installed on this computer.</source>
        <translation>Na tym komputerze nie zainstalowano żadnych programów.</translation>
    </message>
    <message>
        <source>No programs are installed in this prefix.</source>
        <translation>W tym prefiksie nie zainstalowano żadnych programów.</translation>
    </message>
    <message>
        <source>Choose another prefix above.</source>
        <translation>Wybierz inny prefiks powyżej.</translation>
    </message>
    <message>
        <source>No program matches “%1”.</source>
        <translation>Żaden program nie pasuje do „%1”.</translation>
    </message>
</context>
<context>
    <name>CFileTreeItemDelegate</name>
    <message>
        <source>Details</source>
        <translation>Szczegóły</translation>
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
        <translation>TAK</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NIE</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>CMainWin</name>
    <message>
        <source>An uninstall is still running. If you close Vendrix Purgewell now, the programs still waiting are not uninstalled and leftovers may stay behind.
Close Vendrix Purgewell anyway?</source>
        <translation>Deinstalacja nadal trwa. Jeśli zamkniesz teraz Vendrix Purgewell, oczekujące programy nie zostaną odinstalowane i mogą zostać pozostałości.
Zamknąć mimo to Vendrix Purgewell?</translation>
    </message>
</context>
<context>
    <name>CPrefixChooser</name>
    <message>
        <source>Wine prefix</source>
        <translation>Prefiks Wine</translation>
    </message>
    <message>
        <source>%1 (read-only: %2 missing)</source>
        <translation>%1 (tylko do odczytu: brak %2)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is read-only: its Wine (%2) is not installed.
The system&apos;s Wine may update this prefix so that
its manager can no longer run it.
Open it with the system&apos;s Wine anyway?</source>
        <translation>„%1” jest tylko do odczytu: brak jego Wine (%2).
Wine z systemu może zaktualizować ten prefiks tak,
że jego menedżer nie będzie mógł go uruchomić.
Mimo to otworzyć go za pomocą Wine z systemu?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is read-only:
its Wine (%2) is not installed.
Its programs are read from its registry files,
and nothing can be uninstalled from it.</source>
        <translation>„%1” jest tylko do odczytu:
jego Wine (%2) nie jest zainstalowane.
Jego programy są odczytywane z jego plików rejestru
i nie można z niego niczego odinstalować.</translation>
    </message>
</context>
<context>
    <name>CProgramTreeWidget</name>
    <message>
        <source>Uninstall %1</source>
        <translation>Odinstaluj %1</translation>
    </message>
    <message>
        <source>Space: tick or untick
Delete: uninstall
Enter or menu key: details</source>
        <translation>Spacja: zaznacz lub odznacz
Delete: odinstaluj
Enter lub klawisz menu: szczegóły</translation>
    </message>
    <message>
        <source>Show the details (Enter, menu key or Shift+F10)</source>
        <translation>Pokaż szczegóły (Enter, klawisz menu lub Shift+F10)</translation>
    </message>
    <message>
        <source>Tick or untick this program (Space)</source>
        <translation>Zaznacz lub odznacz ten program (Spacja)</translation>
    </message>
    <message>
        <source>Uninstall this program (Delete)</source>
        <translation>Odinstaluj ten program (Delete)</translation>
    </message>
</context>
<context>
    <name>CReadyUninstallDlg</name>
    <message>
        <source>Do you want to uninstall the selected %1 program(s)?</source>
        <translation>Czy odinstalować wybrane programy (%1)?</translation>
    </message>
    <message>
        <source>Automatically remove residual files</source>
        <translation>Automatycznie usuń pozostałości</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>CRestoreDlg</name>
    <message>
        <source>%1: back</source>
        <translation>%1: przywrócono</translation>
    </message>
    <message>
        <source>%1: already restored</source>
        <translation>%1: już przywrócono</translation>
    </message>
    <message>
        <source>%1: not restored, it is no longer in the trash</source>
        <translation>%1: nie przywrócono, nie ma go już w koszu</translation>
    </message>
    <message>
        <source>%1: not restored, something exists there now</source>
        <translation>%1: nie przywrócono, w tym miejscu jest teraz coś innego</translation>
    </message>
    <message>
        <source>%1: refused, the journal names something no removal took</source>
        <translation>%1: odrzucono, dziennik wskazuje coś, czego żadne usuwanie nie zabrało</translation>
    </message>
    <message>
        <source>%1: not restored (%2)</source>
        <translation>%1: nie przywrócono (%2)</translation>
    </message>
    <message>
        <source>Restore Removed Items</source>
        <translation>Przywróć usunięte elementy</translation>
    </message>
    <message>
        <source>What the leftover removal moved to the trash, by run, newest first. Restoring puts files back where they were and writes the registry entries back; nothing that exists now is overwritten.</source>
        <translation>To, co usuwanie pozostałości przeniosło do kosza, według przebiegów, od najnowszych. Przywracanie umieszcza pliki z powrotem na ich miejscu i zapisuje ponownie wpisy rejestru; nic, co teraz istnieje, nie zostanie nadpisane.</translation>
    </message>
    <message>
        <source>Nothing has been removed yet.</source>
        <translation>Nic jeszcze nie usunięto.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Przywróć</translation>
    </message>
    <message>
        <source>This journal cannot be read: %1</source>
        <translation>Nie można odczytać tego dziennika: %1</translation>
    </message>
    <message>
        <source>(unnamed program)</source>
        <translation>(program bez nazwy)</translation>
    </message>
    <message>
        <source>Wine prefix %1</source>
        <translation>Prefiks Wine %1</translation>
    </message>
    <message>
        <source>This entry of the journal is damaged: %1</source>
        <translation>Ten wpis dziennika jest uszkodzony: %1</translation>
    </message>
    <message>
        <source>the run ended before it was done</source>
        <translation>przebieg zakończył się przed czasem</translation>
    </message>
    <message>
        <source>deleted for good</source>
        <translation>usunięto trwale</translation>
    </message>
    <message>
        <source>still being removed</source>
        <translation>usuwanie nadal trwa</translation>
    </message>
    <message>
        <source>Restoring %1...</source>
        <translation>Przywracanie %1...</translation>
    </message>
    <message>
        <source>The items of %1 belong to the Wine prefix %2. Choose that prefix on the programs page, then restore again.</source>
        <translation>Elementy programu %1 należą do prefiksu Wine %2. Wybierz ten prefiks na stronie programów, a następnie ponów przywracanie.</translation>
    </message>
    <message>
        <source>%1 cannot be restored: %2</source>
        <translation>Nie można przywrócić %1: %2</translation>
    </message>
    <message>
        <source>%1: %2 item(s) restored, %3 not restored.</source>
        <translation>%1: przywrócono elementy: %2, nieprzywrócone: %3.</translation>
    </message>
    <message>
        <source>%1 item(s)</source>
        <translation>elementy: %1</translation>
    </message>
</context>
<context>
    <name>CSearchEdit</name>
    <message>
        <source>Search</source>
        <translation>Szukaj</translation>
    </message>
    <message>
        <source>Search programs by name</source>
        <translation>Szukaj programów według nazwy</translation>
    </message>
</context>
<context>
    <name>CStartDlg</name>
    <message>
        <source>Uninstall programs and everything they leave behind</source>
        <extracomment>The start picture&apos;s line under the product name (600 pixels wide, 15-pixel type).</extracomment>
        <translation>Odinstaluj programy i wszystko, co po sobie zostawiają</translation>
    </message>
    <message>
        <source>Reading installed programs...</source>
        <extracomment>The start picture&apos;s last line, under a progress bar, while the installed programs are read.</extracomment>
        <translation>Wczytywanie zainstalowanych programów…</translation>
    </message>
</context>
<context>
    <name>CUninstallRstDlg</name>
    <message>
        <source>Uninstall Completed!</source>
        <translation>Odinstalowywanie zakończone!</translation>
    </message>
    <message>
        <source>%1 program(s) were not uninstalled.</source>
        <translation>Nieodinstalowane programy: %1.</translation>
    </message>
    <message>
        <source>Successfully uninstall </source>
        <translation>Odinstalowane programy: </translation>
    </message>
    <message>
        <source> program(s).</source>
        <translation>.</translation>
    </message>
    <message>
        <source> program(s) and free up </source>
        <translation>. Zwolnione miejsce: </translation>
    </message>
    <message>
        <source>Nothing Was Uninstalled</source>
        <translation>Nic nie odinstalowano</translation>
    </message>
    <message>
        <source>No program was uninstalled.</source>
        <translation>Nie odinstalowano żadnego programu.</translation>
    </message>
    <message>
        <source>Restart the computer to finish removing %1.</source>
        <translation>Uruchom ponownie komputer, aby dokończyć usuwanie: %1.</translation>
    </message>
    <message>
        <source>Removed items are in the trash. You can restore them from the menu.</source>
        <translation>Usunięte elementy są w koszu. Możesz je przywrócić z menu.</translation>
    </message>
</context>
<context>
    <name>CUpdateRstDlg</name>
    <message>
        <source>Congratulations!</source>
        <translation>Gratulacje!</translation>
    </message>
    <message>
        <source>Update Failed!</source>
        <translation>Aktualizacja nie powiodła się!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>A new version has been released, do you want to update now?</source>
        <translation>Dostępna jest nowa wersja. Czy zaktualizować teraz?</translation>
    </message>
    <message>
        <source>A new version of Vendrix Purgewell  is available!</source>
        <translation>Dostępna jest nowa wersja Vendrix Purgewell!</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Aktualizuj</translation>
    </message>
    <message>
        <source>Open the download page of the new version</source>
        <translation>Otwórz stronę pobierania nowej wersji</translation>
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
        <translation>Zamknij</translation>
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
        <translation>Menu</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimalizuj</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maksymalizuj</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Przywróć</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>CheckUpdate</name>
    <message>
        <source>Getting update information, please wait...</source>
        <translation>Pobieranie informacji o aktualizacjach, proszę czekać…</translation>
    </message>
    <message>
        <source>Failed to check for updates. Please check your network connection.</source>
        <translation>Nie udało się sprawdzić aktualizacji. Sprawdź połączenie sieciowe.</translation>
    </message>
    <message>
        <source>You already have the latest version, no update 
is available.</source>
        <translation>Masz już najnowszą wersję, żadna aktualizacja 
nie jest dostępna.</translation>
    </message>
    <message>
        <source>A new version of Vendrix Purgewell is available. Would you like to update now?</source>
        <translation>Dostępna jest nowa wersja Vendrix Purgewell. Czy zaktualizować teraz?</translation>
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
        <translation>Vendrix Purgewell jest już uruchomiony!</translation>
    </message>
</context>
<context>
    <name>pw::CWineHost</name>
    <message>
        <source>purgewell-host32.exe was not found (looked for &quot;%2&quot;): the Wine prefix &quot;%1&quot; is a 32-bit prefix (WINEARCH=win32), which only that host can serve. Build the program again with scripts/setup.sh, or install its package again.</source>
        <translation>Nie znaleziono purgewell-host32.exe (szukano w &quot;%2&quot;): prefiks Wine &quot;%1&quot; jest prefiksem 32-bitowym (WINEARCH=win32), który może obsłużyć tylko ten host. Zbuduj program ponownie za pomocą scripts/setup.sh lub zainstaluj ponownie jego pakiet.</translation>
    </message>
    <message>
        <source>The Wine prefix &quot;%1&quot; is a 32-bit prefix (WINEARCH=win32), and Wine&apos;s 32-bit half, which runs its programs, is not installed. Install it (on Debian and Ubuntu, as root: dpkg --add-architecture i386 &amp;&amp; apt-get update &amp;&amp; apt-get install wine32:i386), then start Vendrix Purgewell again.</source>
        <translation>Prefiks Wine &quot;%1&quot; jest prefiksem 32-bitowym (WINEARCH=win32), a 32-bitowa część Wine, która uruchamia jego programy, nie jest zainstalowana. Zainstaluj ją (w Debianie i Ubuntu, jako root: dpkg --add-architecture i386 &amp;&amp; apt-get update &amp;&amp; apt-get install wine32:i386), a następnie uruchom ponownie Vendrix Purgewell.</translation>
    </message>
    <message>
        <source>The Wine prefix &quot;%1&quot; is a 32-bit prefix (WINEARCH=win32), and the Wine it runs with (&quot;%2&quot;) cannot run 32-bit programs: its 32-bit half (wine32) is missing. Give the prefix a Wine with 32-bit support in its manager, then start Vendrix Purgewell again.</source>
        <translation>Prefiks Wine &quot;%1&quot; jest prefiksem 32-bitowym (WINEARCH=win32), a Wine, z którym działa (&quot;%2&quot;), nie potrafi uruchamiać programów 32-bitowych: brakuje jego 32-bitowej części (wine32). Przypisz prefiksowi w jego menedżerze Wine z obsługą 32 bitów, a następnie uruchom ponownie Vendrix Purgewell.</translation>
    </message>
    <message>
        <source>The Wine prefix &quot;%1&quot; is a 32-bit prefix (WINEARCH=win32), and Wine&apos;s 32-bit loader (&quot;%2&quot;) cannot run on this system (Exec format error): it runs no 32-bit programs. Switch on the Linux kernel&apos;s 32-bit support (IA-32 emulation, the boot option ia32_emulation=1 where it is off), or manage this prefix on a system that runs 32-bit programs.</source>
        <translation>Prefiks Wine &quot;%1&quot; jest prefiksem 32-bitowym (WINEARCH=win32), a 32-bitowy program ładujący Wine (&quot;%2&quot;) nie może działać w tym systemie (Exec format error): nie uruchamia żadnych programów 32-bitowych. Włącz obsługę 32 bitów w jądrze Linux (emulacja IA-32, opcja rozruchu ia32_emulation=1 tam, gdzie jest wyłączona) lub zarządzaj tym prefiksem w systemie, który uruchamia programy 32-bitowe.</translation>
    </message>
</context>
</TS>
