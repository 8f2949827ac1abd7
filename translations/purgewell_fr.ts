<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>Vendrix Purgewell Pro %1</source>
        <translation>Vendrix Purgewell Pro %1</translation>
    </message>
    <message>
        <source>Free, safe and powerful uninstaller to help you uninstall 
unwanted programs and delete all leftovers.</source>
        <translation>Un désinstalleur gratuit, sûr et puissant qui supprime 
les programmes indésirables et tous leurs restes.</translation>
    </message>
    <message>
        <source>Copyright © 2026 Vendrix Software. All rights reserved.</source>
        <translation>Copyright © 2026 Vendrix Software. Tous droits réservés.</translation>
    </message>
</context>
<context>
    <name>CCommonMenu</name>
    <message>
        <source>Support Center</source>
        <translation>Centre d&apos;assistance</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Guide d&apos;utilisation</translation>
    </message>
    <message>
        <source>Scrubwell</source>
        <translation>Scrubwell</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Restore Removed Items...</source>
        <translation>Restaurer les éléments supprimés…</translation>
    </message>
</context>
<context>
    <name>CDetailToolTip</name>
    <message>
        <source>Display name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version&#xa0;:</translation>
    </message>
    <message>
        <source>Install Time:</source>
        <translation>Installé le&#xa0;:</translation>
    </message>
    <message>
        <source>Install Path:</source>
        <translation>Dossier d&apos;installation&#xa0;:</translation>
    </message>
</context>
<context>
    <name>CEnumProgramPage</name>
    <message>
        <source>Applications</source>
        <translation>Programmes</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Ascending</source>
        <translation>Croissant</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>Décroissant</translation>
    </message>
    <message>
        <source>Deep Clean...</source>
        <translation>Suppression des restes…</translation>
    </message>
    <message>
        <source>(%1)</source>
        <translation>(%1)</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>en attente</translation>
    </message>
    <message>
        <source>Program Name Order</source>
        <translation>Tri par nom</translation>
    </message>
    <message>
        <source> Program Name (%1 programs)</source>
        <translation> Nom du programme (%1 programmes)</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Size Order</source>
        <translation>Tri par taille</translation>
    </message>
    <message>
        <source>uninstallling</source>
        <translation>désinstallation</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Not uninstalled</source>
        <translation>Non désinstallé</translation>
    </message>
    <message>
        <source>Sort by</source>
        <extracomment>The caption drawn into the sort button; the button grows with it.</extracomment>
        <translation>Trier par</translation>
    </message>
    <message>
        <source>Sort the programs by name or size</source>
        <translation>Trier les programmes par nom ou par taille</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Read the installed programs again</source>
        <translation>Relire les programmes installés</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Désinstaller</translation>
    </message>
    <message>
        <source>Uninstall the ticked programs</source>
        <translation>Désinstaller les programmes cochés</translation>
    </message>
    <message>
        <source>Selected:</source>
        <translation>Sélection&#xa0;:</translation>
    </message>
    <message>
        <source>The Wine prefix whose programs are listed</source>
        <translation>Le préfixe Wine dont les programmes sont affichés</translation>
    </message>
    <message>
        <source>The uninstaller of %1 is missing. Remove its entry and what it left behind?</source>
        <translation>Le programme de désinstallation de %1 est introuvable. Supprimer son entrée et ce qu’il a laissé&#xa0;?</translation>
    </message>
    <message>
        <source>No programs are installed on this computer.</source>
        <translation>Aucun programme n’est installé sur cet ordinateur.</translation>
    </message>
    <message>
        <source>No programs are installed in this prefix.</source>
        <translation>Aucun programme n’est installé dans ce préfixe.</translation>
    </message>
    <message>
        <source>Choose another prefix above.</source>
        <translation>Choisissez un autre préfixe ci-dessus.</translation>
    </message>
    <message>
        <source>No program matches “%1”.</source>
        <translation>Aucun programme ne correspond à «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>CFileTreeItemDelegate</name>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
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
        <translation>OUI</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NON</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>CMainWin</name>
    <message>
        <source>An uninstall is still running. If you close Vendrix Purgewell now, the programs still waiting are not uninstalled and leftovers may stay behind.
Close Vendrix Purgewell anyway?</source>
        <translation>Une désinstallation est encore en cours. Si vous fermez Vendrix Purgewell maintenant, les programmes en attente ne seront pas désinstallés et des restes peuvent subsister.
Fermer Vendrix Purgewell quand même&#xa0;?</translation>
    </message>
</context>
<context>
    <name>CPrefixChooser</name>
    <message>
        <source>Wine prefix</source>
        <translation>Préfixe Wine</translation>
    </message>
    <message>
        <source>%1 (read-only: %2 missing)</source>
        <translation>%1 (lecture seule&#xa0;: %2 absent)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is read-only: its Wine (%2) is not installed.
The system&apos;s Wine may update this prefix so that
its manager can no longer run it.
Open it with the system&apos;s Wine anyway?</source>
        <translation>«&#xa0;%1&#xa0;» est en lecture seule&#xa0;: son Wine (%2) manque.
Le Wine du système peut modifier ce préfixe de sorte
que son gestionnaire ne puisse plus le lancer.
L&apos;ouvrir quand même avec le Wine du système&#xa0;?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is read-only:
its Wine (%2) is not installed.
Its programs are read from its registry files,
and nothing can be uninstalled from it.</source>
        <translation>« %1 » est en lecture seule :
son Wine (%2) n’est pas installé.
Ses programmes sont lus dans ses fichiers de registre,
et rien ne peut en être désinstallé.</translation>
    </message>
</context>
<context>
    <name>CProgramTreeWidget</name>
    <message>
        <source>Uninstall %1</source>
        <translation>Désinstaller %1</translation>
    </message>
    <message>
        <source>Space: tick or untick
Delete: uninstall
Enter or menu key: details</source>
        <translation>Espace&#xa0;: cocher ou décocher
Suppr&#xa0;: désinstaller
Entrée ou touche Menu&#xa0;: détails</translation>
    </message>
    <message>
        <source>Show the details (Enter, menu key or Shift+F10)</source>
        <translation>Afficher les détails (Entrée, touche Menu ou Maj+F10)</translation>
    </message>
    <message>
        <source>Tick or untick this program (Space)</source>
        <translation>Cocher ou décocher ce programme (Espace)</translation>
    </message>
    <message>
        <source>Uninstall this program (Delete)</source>
        <translation>Désinstaller ce programme (Suppr)</translation>
    </message>
</context>
<context>
    <name>CReadyUninstallDlg</name>
    <message>
        <source>Do you want to uninstall the selected %1 program(s)?</source>
        <translation>Voulez-vous désinstaller les programmes sélectionnés (%1)&#xa0;?</translation>
    </message>
    <message>
        <source>Automatically remove residual files</source>
        <translation>Supprimer automatiquement les restes</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>CRestoreDlg</name>
    <message>
        <source>%1: back</source>
        <translation>%1 : restauré</translation>
    </message>
    <message>
        <source>%1: already restored</source>
        <translation>%1 : déjà restauré</translation>
    </message>
    <message>
        <source>%1: not restored, it is no longer in the trash</source>
        <translation>%1 : non restauré, l’élément n’est plus dans la corbeille</translation>
    </message>
    <message>
        <source>%1: not restored, something exists there now</source>
        <translation>%1 : non restauré, un autre élément s’y trouve désormais</translation>
    </message>
    <message>
        <source>%1: refused, the journal names something no removal took</source>
        <translation>%1 : refusé, le journal désigne un élément qu’aucune suppression n’a retiré</translation>
    </message>
    <message>
        <source>%1: not restored (%2)</source>
        <translation>%1 : non restauré (%2)</translation>
    </message>
    <message>
        <source>Restore Removed Items</source>
        <translation>Restaurer les éléments supprimés</translation>
    </message>
    <message>
        <source>What the leftover removal moved to the trash, by run, newest first. Restoring puts files back where they were and writes the registry entries back; nothing that exists now is overwritten.</source>
        <translation>Ce que la suppression des restes a placé dans la corbeille, par opération, les plus récentes d’abord. La restauration remet les fichiers à leur place et réécrit les entrées du registre ; rien de ce qui existe actuellement n’est écrasé.</translation>
    </message>
    <message>
        <source>Nothing has been removed yet.</source>
        <translation>Rien n’a encore été supprimé.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>This journal cannot be read: %1</source>
        <translation>Ce journal ne peut pas être lu : %1</translation>
    </message>
    <message>
        <source>(unnamed program)</source>
        <translation>(programme sans nom)</translation>
    </message>
    <message>
        <source>Wine prefix %1</source>
        <translation>Préfixe Wine %1</translation>
    </message>
    <message>
        <source>This entry of the journal is damaged: %1</source>
        <translation>Cette entrée du journal est endommagée : %1</translation>
    </message>
    <message>
        <source>the run ended before it was done</source>
        <translation>l’opération s’est arrêtée avant la fin</translation>
    </message>
    <message>
        <source>deleted for good</source>
        <translation>supprimé définitivement</translation>
    </message>
    <message>
        <source>still being removed</source>
        <translation>suppression en cours</translation>
    </message>
    <message>
        <source>Restoring %1...</source>
        <translation>Restauration de %1…</translation>
    </message>
    <message>
        <source>The items of %1 belong to the Wine prefix %2. Choose that prefix on the programs page, then restore again.</source>
        <translation>Les éléments de %1 appartiennent au préfixe Wine %2. Choisissez ce préfixe sur la page des programmes, puis relancez la restauration.</translation>
    </message>
    <message>
        <source>%1 cannot be restored: %2</source>
        <translation>%1 ne peut pas être restauré : %2</translation>
    </message>
    <message>
        <source>%1: %2 item(s) restored, %3 not restored.</source>
        <translation>%1 : %2 élément(s) restauré(s), %3 non restauré(s).</translation>
    </message>
    <message>
        <source>%1 item(s)</source>
        <translation>%1 élément(s)</translation>
    </message>
</context>
<context>
    <name>CSearchEdit</name>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Search programs by name</source>
        <translation>Rechercher des programmes par nom</translation>
    </message>
</context>
<context>
    <name>CStartDlg</name>
    <message>
        <source>Uninstall programs and everything they leave behind</source>
        <extracomment>The start picture&apos;s line under the product name (600 pixels wide, 15-pixel type).</extracomment>
        <translation>Désinstallez les programmes et tout ce qu&apos;ils laissent derrière eux</translation>
    </message>
    <message>
        <source>Reading installed programs...</source>
        <extracomment>The start picture&apos;s last line, under a progress bar, while the installed programs are read.</extracomment>
        <translation>Lecture des programmes installés…</translation>
    </message>
</context>
<context>
    <name>CUninstallRstDlg</name>
    <message>
        <source>Uninstall Completed!</source>
        <translation>Désinstallation terminée&#xa0;!</translation>
    </message>
    <message>
        <source>%1 program(s) were not uninstalled.</source>
        <translation>Programmes non désinstallés&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Successfully uninstall </source>
        <translation>Programmes désinstallés&#xa0;: </translation>
    </message>
    <message>
        <source> program(s).</source>
        <translation>.</translation>
    </message>
    <message>
        <source> program(s) and free up </source>
        <translation>. Espace libéré&#xa0;: </translation>
    </message>
    <message>
        <source>Nothing Was Uninstalled</source>
        <translation>Rien n&apos;a été désinstallé</translation>
    </message>
    <message>
        <source>No program was uninstalled.</source>
        <translation>Aucun programme n&apos;a été désinstallé.</translation>
    </message>
    <message>
        <source>Restart the computer to finish removing %1.</source>
        <translation>Redémarrez l’ordinateur pour terminer la suppression de %1.</translation>
    </message>
    <message>
        <source>Removed items are in the trash. You can restore them from the menu.</source>
        <translation>Les éléments supprimés sont dans la corbeille. Vous pouvez les restaurer depuis le menu.</translation>
    </message>
</context>
<context>
    <name>CUpdateRstDlg</name>
    <message>
        <source>Congratulations!</source>
        <translation>Félicitations&#xa0;!</translation>
    </message>
    <message>
        <source>Update Failed!</source>
        <translation>Échec de la mise à jour&#xa0;!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>A new version has been released, do you want to update now?</source>
        <translation>Une nouvelle version est sortie. Voulez-vous mettre à jour maintenant&#xa0;?</translation>
    </message>
    <message>
        <source>A new version of Vendrix Purgewell  is available!</source>
        <translation>Une nouvelle version de Vendrix Purgewell est disponible&#xa0;!</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>Open the download page of the new version</source>
        <translation>Ouvrir la page de téléchargement de la nouvelle version</translation>
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
        <translation>Fermer</translation>
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
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Agrandir</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>CheckUpdate</name>
    <message>
        <source>Getting update information, please wait...</source>
        <translation>Récupération des informations de mise à jour, veuillez patienter…</translation>
    </message>
    <message>
        <source>Failed to check for updates. Please check your network connection.</source>
        <translation>Impossible de rechercher les mises à jour. Vérifiez votre connexion réseau.</translation>
    </message>
    <message>
        <source>You already have the latest version, no update 
is available.</source>
        <translation>Vous disposez déjà de la dernière version, aucune mise à jour 
n&apos;est disponible.</translation>
    </message>
    <message>
        <source>A new version of Vendrix Purgewell is available. Would you like to update now?</source>
        <translation>Une nouvelle version de Vendrix Purgewell est disponible. Voulez-vous mettre à jour maintenant&#xa0;?</translation>
    </message>
</context>
<context>
    <name>FormatSize</name>
    <message>
        <source>%1 GB</source>
        <translation>%1 Go</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 Mo</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 Ko</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Vendrix Purgewell has been running!</source>
        <translation>Vendrix Purgewell est déjà lancé&#xa0;!</translation>
    </message>
</context>
<context>
    <name>pw::CWineHost</name>
    <message>
        <source>purgewell-host32.exe was not found (looked for &quot;%2&quot;): the Wine prefix &quot;%1&quot; is a 32-bit prefix (WINEARCH=win32), which only that host can serve. Build the program again with scripts/setup.sh, or install its package again.</source>
        <translation>purgewell-host32.exe est introuvable (cherché à &quot;%2&quot;)&#xa0;: le préfixe Wine &quot;%1&quot; est un préfixe 32 bits (WINEARCH=win32), que seul cet hôte peut servir. Compilez à nouveau le programme avec scripts/setup.sh ou réinstallez son paquet.</translation>
    </message>
    <message>
        <source>The Wine prefix &quot;%1&quot; is a 32-bit prefix (WINEARCH=win32), and Wine&apos;s 32-bit half, which runs its programs, is not installed. Install it (on Debian and Ubuntu, as root: dpkg --add-architecture i386 &amp;&amp; apt-get update &amp;&amp; apt-get install wine32:i386), then start Vendrix Purgewell again.</source>
        <translation>Le préfixe Wine &quot;%1&quot; est un préfixe 32 bits (WINEARCH=win32), et la partie 32 bits de Wine, qui exécute ses programmes, n’est pas installée. Installez-la (sous Debian et Ubuntu, en tant que root&#xa0;: dpkg --add-architecture i386 &amp;&amp; apt-get update &amp;&amp; apt-get install wine32:i386), puis relancez Vendrix Purgewell.</translation>
    </message>
    <message>
        <source>The Wine prefix &quot;%1&quot; is a 32-bit prefix (WINEARCH=win32), and the Wine it runs with (&quot;%2&quot;) cannot run 32-bit programs: its 32-bit half (wine32) is missing. Give the prefix a Wine with 32-bit support in its manager, then start Vendrix Purgewell again.</source>
        <translation>Le préfixe Wine &quot;%1&quot; est un préfixe 32 bits (WINEARCH=win32), et le Wine avec lequel il fonctionne (&quot;%2&quot;) ne peut pas exécuter de programmes 32 bits&#xa0;: sa partie 32 bits (wine32) manque. Attribuez au préfixe un Wine avec prise en charge 32 bits dans son gestionnaire, puis relancez Vendrix Purgewell.</translation>
    </message>
    <message>
        <source>The Wine prefix &quot;%1&quot; is a 32-bit prefix (WINEARCH=win32), and Wine&apos;s 32-bit loader (&quot;%2&quot;) cannot run on this system (Exec format error): it runs no 32-bit programs. Switch on the Linux kernel&apos;s 32-bit support (IA-32 emulation, the boot option ia32_emulation=1 where it is off), or manage this prefix on a system that runs 32-bit programs.</source>
        <translation>Le préfixe Wine &quot;%1&quot; est un préfixe 32 bits (WINEARCH=win32), et le chargeur 32 bits de Wine (&quot;%2&quot;) ne peut pas fonctionner sur ce système (Exec format error)&#xa0;: il n’exécute aucun programme 32 bits. Activez la prise en charge 32 bits du noyau Linux (émulation IA-32, option de démarrage ia32_emulation=1 là où elle est désactivée), ou gérez ce préfixe sur un système qui exécute des programmes 32 bits.</translation>
    </message>
</context>
</TS>
