<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>Vendrix Purgewell Pro %1</source>
        <translation>Vendrix Purgewell Pro %1</translation>
    </message>
    <message>
        <source>Free, safe and powerful uninstaller to help you uninstall 
unwanted programs and delete all leftovers.</source>
        <translation>Un programma di disinstallazione gratuito, sicuro e potente 
che rimuove i programmi indesiderati e tutti i loro residui.</translation>
    </message>
    <message>
        <source>Copyright © 2026 Vendrix Software. All rights reserved.</source>
        <translation>Copyright © 2026 Vendrix Software. Tutti i diritti riservati.</translation>
    </message>
</context>
<context>
    <name>CCommonMenu</name>
    <message>
        <source>Support Center</source>
        <translation>Centro assistenza</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Guida utente</translation>
    </message>
    <message>
        <source>Scrubwell</source>
        <translation>Scrubwell</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Verifica aggiornamenti</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Restore Removed Items...</source>
        <translation>Ripristina elementi rimossi...</translation>
    </message>
</context>
<context>
    <name>CDetailToolTip</name>
    <message>
        <source>Display name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Versione:</translation>
    </message>
    <message>
        <source>Install Time:</source>
        <translation>Installato il:</translation>
    </message>
    <message>
        <source>Install Path:</source>
        <translation>Cartella di installazione:</translation>
    </message>
</context>
<context>
    <name>CEnumProgramPage</name>
    <message>
        <source>Applications</source>
        <translation>Programmi</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Ascending</source>
        <translation>Crescente</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>Decrescente</translation>
    </message>
    <message>
        <source>Deep Clean...</source>
        <translation>Rimozione dei residui…</translation>
    </message>
    <message>
        <source>(%1)</source>
        <translation>(%1)</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>in attesa</translation>
    </message>
    <message>
        <source>Program Name Order</source>
        <translation>Ordine per nome</translation>
    </message>
    <message>
        <source> Program Name (%1 programs)</source>
        <translation> Nome del programma (%1 programmi)</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versione</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Azione</translation>
    </message>
    <message>
        <source>Size Order</source>
        <translation>Ordine per dimensione</translation>
    </message>
    <message>
        <source>uninstallling</source>
        <translation>disinstallazione</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Completato</translation>
    </message>
    <message>
        <source>Not uninstalled</source>
        <translation>Non disinstallato</translation>
    </message>
    <message>
        <source>Sort by</source>
        <extracomment>The caption drawn into the sort button; the button grows with it.</extracomment>
        <translation>Ordina per</translation>
    </message>
    <message>
        <source>Sort the programs by name or size</source>
        <translation>Ordina i programmi per nome o dimensione</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Read the installed programs again</source>
        <translation>Rileggi i programmi installati</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Disinstalla</translation>
    </message>
    <message>
        <source>Uninstall the ticked programs</source>
        <translation>Disinstalla i programmi spuntati</translation>
    </message>
    <message>
        <source>Selected:</source>
        <translation>Selezionati:</translation>
    </message>
    <message>
        <source>The Wine prefix whose programs are listed</source>
        <translation>Il prefisso Wine di cui sono elencati i programmi</translation>
    </message>
    <message>
        <source>The uninstaller of %1 is missing. Remove its entry and what it left behind?</source>
        <translation>Il programma di disinstallazione di %1 non c’è più. Rimuovere la sua voce e ciò che ha lasciato?</translation>
    </message>
    <message>
        <source>No programs are installed on this computer.</source>
        <translation>Nessun programma è installato su questo computer.</translation>
    </message>
    <message>
        <source>No programs are installed in this prefix.</source>
        <translation>Nessun programma è installato in questo prefisso.</translation>
    </message>
    <message>
        <source>Choose another prefix above.</source>
        <translation>Scegli un altro prefisso qui sopra.</translation>
    </message>
    <message>
        <source>No program matches “%1”.</source>
        <translation>Nessun programma corrisponde a «%1».</translation>
    </message>
</context>
<context>
    <name>CFileTreeItemDelegate</name>
    <message>
        <source>Details</source>
        <translation>Dettagli</translation>
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
        <translation>SÌ</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>CMainWin</name>
    <message>
        <source>An uninstall is still running. If you close Vendrix Purgewell now, the programs still waiting are not uninstalled and leftovers may stay behind.
Close Vendrix Purgewell anyway?</source>
        <translation>Una disinstallazione è ancora in corso. Se chiudi Vendrix Purgewell ora, i programmi ancora in attesa non vengono disinstallati e potrebbero restare dei residui.
Chiudere comunque Vendrix Purgewell?</translation>
    </message>
</context>
<context>
    <name>CPrefixChooser</name>
    <message>
        <source>Wine prefix</source>
        <translation>Prefisso Wine</translation>
    </message>
    <message>
        <source>%1 (read-only: %2 missing)</source>
        <translation>%1 (sola lettura: manca %2)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is read-only: its Wine (%2) is not installed.
The system&apos;s Wine may update this prefix so that
its manager can no longer run it.
Open it with the system&apos;s Wine anyway?</source>
        <translation>«%1» è di sola lettura: il suo Wine (%2) non è installato.
Il Wine di sistema potrebbe aggiornare questo prefisso
in modo che il suo gestore non possa più avviarlo.
Aprirlo comunque con il Wine di sistema?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is read-only:
its Wine (%2) is not installed.
Its programs are read from its registry files,
and nothing can be uninstalled from it.</source>
        <translation>«%1» è di sola lettura:
il suo Wine (%2) non è installato.
I suoi programmi vengono letti dai suoi file di registro
e non è possibile disinstallarne nulla.</translation>
    </message>
</context>
<context>
    <name>CProgramTreeWidget</name>
    <message>
        <source>Uninstall %1</source>
        <translation>Disinstalla %1</translation>
    </message>
    <message>
        <source>Space: tick or untick
Delete: uninstall
Enter or menu key: details</source>
        <translation>Spazio: spunta o togli la spunta
Canc: disinstalla
Invio o tasto Menu: dettagli</translation>
    </message>
    <message>
        <source>Show the details (Enter, menu key or Shift+F10)</source>
        <translation>Mostra i dettagli (Invio, tasto Menu o Maiusc+F10)</translation>
    </message>
    <message>
        <source>Tick or untick this program (Space)</source>
        <translation>Spunta o togli la spunta a questo programma (Spazio)</translation>
    </message>
    <message>
        <source>Uninstall this program (Delete)</source>
        <translation>Disinstalla questo programma (Canc)</translation>
    </message>
</context>
<context>
    <name>CReadyUninstallDlg</name>
    <message>
        <source>Do you want to uninstall the selected %1 program(s)?</source>
        <translation>Disinstallare i programmi selezionati (%1)?</translation>
    </message>
    <message>
        <source>Automatically remove residual files</source>
        <translation>Rimuovi automaticamente i residui</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>CRestoreDlg</name>
    <message>
        <source>%1: back</source>
        <translation>%1: ripristinato</translation>
    </message>
    <message>
        <source>%1: already restored</source>
        <translation>%1: già ripristinato</translation>
    </message>
    <message>
        <source>%1: not restored, it is no longer in the trash</source>
        <translation>%1: non ripristinato, non è più nel cestino</translation>
    </message>
    <message>
        <source>%1: not restored, something exists there now</source>
        <translation>%1: non ripristinato, ora in quella posizione c’è qualcos’altro</translation>
    </message>
    <message>
        <source>%1: refused, the journal names something no removal took</source>
        <translation>%1: rifiutato, il registro indica qualcosa che nessuna rimozione ha tolto</translation>
    </message>
    <message>
        <source>%1: not restored (%2)</source>
        <translation>%1: non ripristinato (%2)</translation>
    </message>
    <message>
        <source>Restore Removed Items</source>
        <translation>Ripristina elementi rimossi</translation>
    </message>
    <message>
        <source>What the leftover removal moved to the trash, by run, newest first. Restoring puts files back where they were and writes the registry entries back; nothing that exists now is overwritten.</source>
        <translation>Ciò che la rimozione dei residui ha spostato nel cestino, per esecuzione, dalla più recente. Il ripristino riporta i file dove si trovavano e riscrive le voci del registro; nulla di ciò che esiste ora viene sovrascritto.</translation>
    </message>
    <message>
        <source>Nothing has been removed yet.</source>
        <translation>Non è stato ancora rimosso nulla.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>This journal cannot be read: %1</source>
        <translation>Impossibile leggere questo registro: %1</translation>
    </message>
    <message>
        <source>(unnamed program)</source>
        <translation>(programma senza nome)</translation>
    </message>
    <message>
        <source>Wine prefix %1</source>
        <translation>Prefisso Wine %1</translation>
    </message>
    <message>
        <source>This entry of the journal is damaged: %1</source>
        <translation>Questa voce del registro è danneggiata: %1</translation>
    </message>
    <message>
        <source>the run ended before it was done</source>
        <translation>l’esecuzione si è interrotta prima della fine</translation>
    </message>
    <message>
        <source>deleted for good</source>
        <translation>eliminato definitivamente</translation>
    </message>
    <message>
        <source>still being removed</source>
        <translation>rimozione ancora in corso</translation>
    </message>
    <message>
        <source>Restoring %1...</source>
        <translation>Ripristino di %1...</translation>
    </message>
    <message>
        <source>The items of %1 belong to the Wine prefix %2. Choose that prefix on the programs page, then restore again.</source>
        <translation>Gli elementi di %1 appartengono al prefisso Wine %2. Scegli quel prefisso nella pagina dei programmi, poi ripeti il ripristino.</translation>
    </message>
    <message>
        <source>%1 cannot be restored: %2</source>
        <translation>Impossibile ripristinare %1: %2</translation>
    </message>
    <message>
        <source>%1: %2 item(s) restored, %3 not restored.</source>
        <translation>%1: %2 elemento/i ripristinato/i, %3 non ripristinato/i.</translation>
    </message>
    <message>
        <source>%1 item(s)</source>
        <translation>%1 elemento/i</translation>
    </message>
</context>
<context>
    <name>CSearchEdit</name>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>Search programs by name</source>
        <translation>Cerca i programmi per nome</translation>
    </message>
</context>
<context>
    <name>CStartDlg</name>
    <message>
        <source>Uninstall programs and everything they leave behind</source>
        <extracomment>The start picture&apos;s line under the product name (600 pixels wide, 15-pixel type).</extracomment>
        <translation>Disinstalla i programmi e tutto ciò che si lasciano dietro</translation>
    </message>
    <message>
        <source>Reading installed programs...</source>
        <extracomment>The start picture&apos;s last line, under a progress bar, while the installed programs are read.</extracomment>
        <translation>Lettura dei programmi installati…</translation>
    </message>
</context>
<context>
    <name>CUninstallRstDlg</name>
    <message>
        <source>Uninstall Completed!</source>
        <translation>Disinstallazione completata!</translation>
    </message>
    <message>
        <source>%1 program(s) were not uninstalled.</source>
        <translation>Programmi non disinstallati: %1.</translation>
    </message>
    <message>
        <source>Successfully uninstall </source>
        <translation>Programmi disinstallati: </translation>
    </message>
    <message>
        <source> program(s).</source>
        <translation>.</translation>
    </message>
    <message>
        <source> program(s) and free up </source>
        <translation>. Spazio liberato: </translation>
    </message>
    <message>
        <source>Nothing Was Uninstalled</source>
        <translation>Nessun programma disinstallato</translation>
    </message>
    <message>
        <source>No program was uninstalled.</source>
        <translation>Nessun programma è stato disinstallato.</translation>
    </message>
    <message>
        <source>Restart the computer to finish removing %1.</source>
        <translation>Riavvia il computer per completare la rimozione di %1.</translation>
    </message>
    <message>
        <source>Removed items are in the trash. You can restore them from the menu.</source>
        <translation>Gli elementi rimossi sono nel cestino. Puoi ripristinarli dal menu.</translation>
    </message>
</context>
<context>
    <name>CUpdateRstDlg</name>
    <message>
        <source>Congratulations!</source>
        <translation>Congratulazioni!</translation>
    </message>
    <message>
        <source>Update Failed!</source>
        <translation>Aggiornamento non riuscito!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>A new version has been released, do you want to update now?</source>
        <translation>È uscita una nuova versione. Aggiornare ora?</translation>
    </message>
    <message>
        <source>A new version of Vendrix Purgewell  is available!</source>
        <translation>È disponibile una nuova versione di Vendrix Purgewell!</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Aggiorna ora</translation>
    </message>
    <message>
        <source>Open the download page of the new version</source>
        <translation>Apri la pagina di download della nuova versione</translation>
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
        <translation>Chiudi</translation>
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
        <translation>Riduci a icona</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Ingrandisci</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>CheckUpdate</name>
    <message>
        <source>Getting update information, please wait...</source>
        <translation>Recupero delle informazioni di aggiornamento, attendere…</translation>
    </message>
    <message>
        <source>Failed to check for updates. Please check your network connection.</source>
        <translation>Impossibile verificare gli aggiornamenti. Controllare la connessione di rete.</translation>
    </message>
    <message>
        <source>You already have the latest version, no update 
is available.</source>
        <translation>Si dispone già della versione più recente, nessun 
aggiornamento disponibile.</translation>
    </message>
    <message>
        <source>A new version of Vendrix Purgewell is available. Would you like to update now?</source>
        <translation>È disponibile una nuova versione di Vendrix Purgewell. Aggiornare ora?</translation>
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
        <translation>Vendrix Purgewell è già in esecuzione!</translation>
    </message>
</context>
<context>
    <name>pw::CWineHost</name>
    <message>
        <source>purgewell-host32.exe was not found (looked for &quot;%2&quot;): the Wine prefix &quot;%1&quot; is a 32-bit prefix (WINEARCH=win32), which only that host can serve. Build the program again with scripts/setup.sh, or install its package again.</source>
        <translation>purgewell-host32.exe non trovato (cercato in &quot;%2&quot;): il prefisso Wine &quot;%1&quot; è un prefisso a 32 bit (WINEARCH=win32), che solo quell’host può servire. Ricompila il programma con scripts/setup.sh o reinstalla il suo pacchetto.</translation>
    </message>
    <message>
        <source>The Wine prefix &quot;%1&quot; is a 32-bit prefix (WINEARCH=win32), and Wine&apos;s 32-bit half, which runs its programs, is not installed. Install it (on Debian and Ubuntu, as root: dpkg --add-architecture i386 &amp;&amp; apt-get update &amp;&amp; apt-get install wine32:i386), then start Vendrix Purgewell again.</source>
        <translation>Il prefisso Wine &quot;%1&quot; è un prefisso a 32 bit (WINEARCH=win32) e la parte a 32 bit di Wine, che ne esegue i programmi, non è installata. Installala (su Debian e Ubuntu, come root: dpkg --add-architecture i386 &amp;&amp; apt-get update &amp;&amp; apt-get install wine32:i386), poi avvia di nuovo Vendrix Purgewell.</translation>
    </message>
    <message>
        <source>The Wine prefix &quot;%1&quot; is a 32-bit prefix (WINEARCH=win32), and the Wine it runs with (&quot;%2&quot;) cannot run 32-bit programs: its 32-bit half (wine32) is missing. Give the prefix a Wine with 32-bit support in its manager, then start Vendrix Purgewell again.</source>
        <translation>Il prefisso Wine &quot;%1&quot; è un prefisso a 32 bit (WINEARCH=win32) e il Wine con cui funziona (&quot;%2&quot;) non può eseguire programmi a 32 bit: manca la sua parte a 32 bit (wine32). Assegna al prefisso, nel suo gestore, un Wine con supporto a 32 bit, poi avvia di nuovo Vendrix Purgewell.</translation>
    </message>
    <message>
        <source>The Wine prefix &quot;%1&quot; is a 32-bit prefix (WINEARCH=win32), and Wine&apos;s 32-bit loader (&quot;%2&quot;) cannot run on this system (Exec format error): it runs no 32-bit programs. Switch on the Linux kernel&apos;s 32-bit support (IA-32 emulation, the boot option ia32_emulation=1 where it is off), or manage this prefix on a system that runs 32-bit programs.</source>
        <translation>Il prefisso Wine &quot;%1&quot; è un prefisso a 32 bit (WINEARCH=win32) e il loader a 32 bit di Wine (&quot;%2&quot;) non può funzionare su questo sistema (Exec format error): non esegue programmi a 32 bit. Attiva il supporto a 32 bit del kernel Linux (emulazione IA-32, l’opzione di avvio ia32_emulation=1 dove è disattivata) oppure gestisci questo prefisso su un sistema che esegue programmi a 32 bit.</translation>
    </message>
</context>
</TS>
