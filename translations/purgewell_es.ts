<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>Vendrix Purgewell Pro %1</source>
        <translation>Vendrix Purgewell Pro %1</translation>
    </message>
    <message>
        <source>Free, safe and powerful uninstaller to help you uninstall 
unwanted programs and delete all leftovers.</source>
        <translation>Un desinstalador gratuito, seguro y potente que elimina 
los programas no deseados y todos sus restos.</translation>
    </message>
    <message>
        <source>Copyright © 2026 Vendrix Software. All rights reserved.</source>
        <translation>Copyright © 2026 Vendrix Software. Todos los derechos reservados.</translation>
    </message>
</context>
<context>
    <name>CCommonMenu</name>
    <message>
        <source>Support Center</source>
        <translation>Centro de soporte</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Guía del usuario</translation>
    </message>
    <message>
        <source>Scrubwell</source>
        <translation>Scrubwell</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Restore Removed Items...</source>
        <translation>Restaurar elementos eliminados...</translation>
    </message>
</context>
<context>
    <name>CDetailToolTip</name>
    <message>
        <source>Display name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Versión:</translation>
    </message>
    <message>
        <source>Install Time:</source>
        <translation>Instalado el:</translation>
    </message>
    <message>
        <source>Install Path:</source>
        <translation>Carpeta de instalación:</translation>
    </message>
</context>
<context>
    <name>CEnumProgramPage</name>
    <message>
        <source>Applications</source>
        <translation>Programas</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Ascending</source>
        <translation>Ascendente</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>Descendente</translation>
    </message>
    <message>
        <source>Deep Clean...</source>
        <translation>Eliminando restos…</translation>
    </message>
    <message>
        <source>(%1)</source>
        <translation>(%1)</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>en espera</translation>
    </message>
    <message>
        <source>Program Name Order</source>
        <translation>Orden por nombre</translation>
    </message>
    <message>
        <source> Program Name (%1 programs)</source>
        <translation> Nombre del programa (%1 programas)</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Acción</translation>
    </message>
    <message>
        <source>Size Order</source>
        <translation>Orden por tamaño</translation>
    </message>
    <message>
        <source>uninstallling</source>
        <translation>desinstalando</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Terminado</translation>
    </message>
    <message>
        <source>Not uninstalled</source>
        <translation>No desinstalado</translation>
    </message>
    <message>
        <source>Sort by</source>
        <extracomment>The caption drawn into the sort button; the button grows with it.</extracomment>
        <translation>Ordenar por</translation>
    </message>
    <message>
        <source>Sort the programs by name or size</source>
        <translation>Ordenar los programas por nombre o tamaño</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Read the installed programs again</source>
        <translation>Volver a leer los programas instalados</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Desinstalar</translation>
    </message>
    <message>
        <source>Uninstall the ticked programs</source>
        <translation>Desinstalar los programas marcados</translation>
    </message>
    <message>
        <source>Selected:</source>
        <translation>Seleccionados:</translation>
    </message>
    <message>
        <source>The Wine prefix whose programs are listed</source>
        <translation>El prefijo de Wine cuyos programas se muestran</translation>
    </message>
    <message>
        <source>The uninstaller of %1 is missing. Remove its entry and what it left behind?</source>
        <translation>Falta el desinstalador de %1. ¿Quitar su entrada y lo que dejó atrás?</translation>
    </message>
    <message>
        <source>No programs are installed on this computer.</source>
        <translation>No hay programas instalados en este equipo.</translation>
    </message>
    <message>
        <source>No programs are installed in this prefix.</source>
        <translation>No hay programas instalados en este prefijo.</translation>
    </message>
    <message>
        <source>Choose another prefix above.</source>
        <translation>Elija otro prefijo arriba.</translation>
    </message>
    <message>
        <source>No program matches “%1”.</source>
        <translation>Ningún programa coincide con «%1».</translation>
    </message>
</context>
<context>
    <name>CFileTreeItemDelegate</name>
    <message>
        <source>Details</source>
        <translation>Detalles</translation>
    </message>
</context>
<context>
    <name>CMSGDlg</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>SÍ</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>CMainWin</name>
    <message>
        <source>An uninstall is still running. If you close Vendrix Purgewell now, the programs still waiting are not uninstalled and leftovers may stay behind.
Close Vendrix Purgewell anyway?</source>
        <translation>Todavía hay una desinstalación en curso. Si cierra Vendrix Purgewell ahora, los programas que aún esperan no se desinstalarán y pueden quedar restos.
¿Cerrar Vendrix Purgewell de todos modos?</translation>
    </message>
</context>
<context>
    <name>CPrefixChooser</name>
    <message>
        <source>Wine prefix</source>
        <translation>Prefijo de Wine</translation>
    </message>
    <message>
        <source>%1 (read-only: %2 missing)</source>
        <translation>%1 (solo lectura: falta %2)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is read-only: its Wine (%2) is not installed.
The system&apos;s Wine may update this prefix so that
its manager can no longer run it.
Open it with the system&apos;s Wine anyway?</source>
        <translation>«%1» es de solo lectura: su Wine (%2) no está instalado.
El Wine del sistema puede actualizar este prefijo de
modo que su gestor ya no pueda ejecutarlo.
¿Abrirlo de todos modos con el Wine del sistema?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is read-only:
its Wine (%2) is not installed.
Its programs are read from its registry files,
and nothing can be uninstalled from it.</source>
        <translation>«%1» es de solo lectura:
su Wine (%2) no está instalado.
Sus programas se leen de sus archivos de registro
y no se puede desinstalar nada de él.</translation>
    </message>
</context>
<context>
    <name>CProgramTreeWidget</name>
    <message>
        <source>Uninstall %1</source>
        <translation>Desinstalar %1</translation>
    </message>
    <message>
        <source>Space: tick or untick
Delete: uninstall
Enter or menu key: details</source>
        <translation>Espacio: marcar o desmarcar
Supr: desinstalar
Intro o tecla de menú: detalles</translation>
    </message>
    <message>
        <source>Show the details (Enter, menu key or Shift+F10)</source>
        <translation>Mostrar los detalles (Intro, tecla de menú o Mayús+F10)</translation>
    </message>
    <message>
        <source>Tick or untick this program (Space)</source>
        <translation>Marcar o desmarcar este programa (Espacio)</translation>
    </message>
    <message>
        <source>Uninstall this program (Delete)</source>
        <translation>Desinstalar este programa (Supr)</translation>
    </message>
</context>
<context>
    <name>CReadyUninstallDlg</name>
    <message>
        <source>Do you want to uninstall the selected %1 program(s)?</source>
        <translation>¿Desea desinstalar los programas seleccionados (%1)?</translation>
    </message>
    <message>
        <source>Automatically remove residual files</source>
        <translation>Eliminar los restos automáticamente</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>CRestoreDlg</name>
    <message>
        <source>%1: back</source>
        <translation>%1: restaurado</translation>
    </message>
    <message>
        <source>%1: already restored</source>
        <translation>%1: ya restaurado</translation>
    </message>
    <message>
        <source>%1: not restored, it is no longer in the trash</source>
        <translation>%1: no restaurado, ya no está en la papelera</translation>
    </message>
    <message>
        <source>%1: not restored, something exists there now</source>
        <translation>%1: no restaurado, ahora hay algo en esa ubicación</translation>
    </message>
    <message>
        <source>%1: refused, the journal names something no removal took</source>
        <translation>%1: rechazado, el registro nombra algo que ninguna eliminación quitó</translation>
    </message>
    <message>
        <source>%1: not restored (%2)</source>
        <translation>%1: no restaurado (%2)</translation>
    </message>
    <message>
        <source>Restore Removed Items</source>
        <translation>Restaurar elementos eliminados</translation>
    </message>
    <message>
        <source>What the leftover removal moved to the trash, by run, newest first. Restoring puts files back where they were and writes the registry entries back; nothing that exists now is overwritten.</source>
        <translation>Lo que la eliminación de restos movió a la papelera, por ejecución, de la más reciente a la más antigua. Al restaurar, los archivos vuelven a su ubicación y las entradas del registro se vuelven a escribir; no se sobrescribe nada de lo que existe ahora.</translation>
    </message>
    <message>
        <source>Nothing has been removed yet.</source>
        <translation>Todavía no se ha eliminado nada.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>This journal cannot be read: %1</source>
        <translation>No se puede leer este registro: %1</translation>
    </message>
    <message>
        <source>(unnamed program)</source>
        <translation>(programa sin nombre)</translation>
    </message>
    <message>
        <source>Wine prefix %1</source>
        <translation>Prefijo de Wine %1</translation>
    </message>
    <message>
        <source>This entry of the journal is damaged: %1</source>
        <translation>Esta entrada del registro está dañada: %1</translation>
    </message>
    <message>
        <source>the run ended before it was done</source>
        <translation>la ejecución terminó antes de completarse</translation>
    </message>
    <message>
        <source>deleted for good</source>
        <translation>eliminado definitivamente</translation>
    </message>
    <message>
        <source>still being removed</source>
        <translation>aún se está eliminando</translation>
    </message>
    <message>
        <source>Restoring %1...</source>
        <translation>Restaurando %1...</translation>
    </message>
    <message>
        <source>The items of %1 belong to the Wine prefix %2. Choose that prefix on the programs page, then restore again.</source>
        <translation>Los elementos de %1 pertenecen al prefijo de Wine %2. Elija ese prefijo en la página de programas y vuelva a restaurar.</translation>
    </message>
    <message>
        <source>%1 cannot be restored: %2</source>
        <translation>No se puede restaurar %1: %2</translation>
    </message>
    <message>
        <source>%1: %2 item(s) restored, %3 not restored.</source>
        <translation>%1: %2 elemento(s) restaurado(s), %3 sin restaurar.</translation>
    </message>
    <message>
        <source>%1 item(s)</source>
        <translation>%1 elemento(s)</translation>
    </message>
</context>
<context>
    <name>CSearchEdit</name>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Search programs by name</source>
        <translation>Buscar programas por nombre</translation>
    </message>
</context>
<context>
    <name>CStartDlg</name>
    <message>
        <source>Uninstall programs and everything they leave behind</source>
        <extracomment>The start picture&apos;s line under the product name (600 pixels wide, 15-pixel type).</extracomment>
        <translation>Desinstala programas y todo lo que dejan atrás</translation>
    </message>
    <message>
        <source>Reading installed programs...</source>
        <extracomment>The start picture&apos;s last line, under a progress bar, while the installed programs are read.</extracomment>
        <translation>Leyendo los programas instalados…</translation>
    </message>
</context>
<context>
    <name>CUninstallRstDlg</name>
    <message>
        <source>Uninstall Completed!</source>
        <translation>¡Desinstalación completada!</translation>
    </message>
    <message>
        <source>%1 program(s) were not uninstalled.</source>
        <translation>Programas no desinstalados: %1.</translation>
    </message>
    <message>
        <source>Successfully uninstall </source>
        <translation>Programas desinstalados: </translation>
    </message>
    <message>
        <source> program(s).</source>
        <translation>.</translation>
    </message>
    <message>
        <source> program(s) and free up </source>
        <translation>. Espacio liberado: </translation>
    </message>
    <message>
        <source>Nothing Was Uninstalled</source>
        <translation>No se desinstaló nada</translation>
    </message>
    <message>
        <source>No program was uninstalled.</source>
        <translation>No se desinstaló ningún programa.</translation>
    </message>
    <message>
        <source>Restart the computer to finish removing %1.</source>
        <translation>Reinicie el equipo para terminar de quitar %1.</translation>
    </message>
    <message>
        <source>Removed items are in the trash. You can restore them from the menu.</source>
        <translation>Los elementos eliminados están en la papelera. Puede restaurarlos desde el menú.</translation>
    </message>
</context>
<context>
    <name>CUpdateRstDlg</name>
    <message>
        <source>Congratulations!</source>
        <translation>¡Felicidades!</translation>
    </message>
    <message>
        <source>Update Failed!</source>
        <translation>¡Error al actualizar!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>A new version has been released, do you want to update now?</source>
        <translation>Hay una nueva versión disponible. ¿Desea actualizar ahora?</translation>
    </message>
    <message>
        <source>A new version of Vendrix Purgewell  is available!</source>
        <translation>¡Hay una nueva versión de Vendrix Purgewell disponible!</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Open the download page of the new version</source>
        <translation>Abrir la página de descarga de la nueva versión</translation>
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
        <translation>Cerrar</translation>
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
        <translation>Menú</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Maximizar</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>CheckUpdate</name>
    <message>
        <source>Getting update information, please wait...</source>
        <translation>Obteniendo información de actualización, espere…</translation>
    </message>
    <message>
        <source>Failed to check for updates. Please check your network connection.</source>
        <translation>No se pudieron buscar actualizaciones. Compruebe su conexión de red.</translation>
    </message>
    <message>
        <source>You already have the latest version, no update 
is available.</source>
        <translation>Ya tiene la versión más reciente, no hay ninguna 
actualización disponible.</translation>
    </message>
    <message>
        <source>A new version of Vendrix Purgewell is available. Would you like to update now?</source>
        <translation>Hay una nueva versión de Vendrix Purgewell disponible. ¿Desea actualizar ahora?</translation>
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
        <translation>¡Vendrix Purgewell ya está abierto!</translation>
    </message>
</context>
<context>
    <name>pw::CWineHost</name>
    <message>
        <source>purgewell-host32.exe was not found (looked for &quot;%2&quot;): the Wine prefix &quot;%1&quot; is a 32-bit prefix (WINEARCH=win32), which only that host can serve. Build the program again with scripts/setup.sh, or install its package again.</source>
        <translation>No se encontró purgewell-host32.exe (se buscó en &quot;%2&quot;): el prefijo de Wine &quot;%1&quot; es un prefijo de 32 bits (WINEARCH=win32), que solo ese host puede atender. Vuelva a compilar el programa con scripts/setup.sh o vuelva a instalar su paquete.</translation>
    </message>
    <message>
        <source>The Wine prefix &quot;%1&quot; is a 32-bit prefix (WINEARCH=win32), and Wine&apos;s 32-bit half, which runs its programs, is not installed. Install it (on Debian and Ubuntu, as root: dpkg --add-architecture i386 &amp;&amp; apt-get update &amp;&amp; apt-get install wine32:i386), then start Vendrix Purgewell again.</source>
        <translation>El prefijo de Wine &quot;%1&quot; es un prefijo de 32 bits (WINEARCH=win32) y la parte de 32 bits de Wine, que ejecuta sus programas, no está instalada. Instálela (en Debian y Ubuntu, como root: dpkg --add-architecture i386 &amp;&amp; apt-get update &amp;&amp; apt-get install wine32:i386) y vuelva a iniciar Vendrix Purgewell.</translation>
    </message>
    <message>
        <source>The Wine prefix &quot;%1&quot; is a 32-bit prefix (WINEARCH=win32), and the Wine it runs with (&quot;%2&quot;) cannot run 32-bit programs: its 32-bit half (wine32) is missing. Give the prefix a Wine with 32-bit support in its manager, then start Vendrix Purgewell again.</source>
        <translation>El prefijo de Wine &quot;%1&quot; es un prefijo de 32 bits (WINEARCH=win32) y el Wine con el que funciona (&quot;%2&quot;) no puede ejecutar programas de 32 bits: le falta su parte de 32 bits (wine32). Asigne al prefijo, en su gestor, un Wine compatible con 32 bits y vuelva a iniciar Vendrix Purgewell.</translation>
    </message>
    <message>
        <source>The Wine prefix &quot;%1&quot; is a 32-bit prefix (WINEARCH=win32), and Wine&apos;s 32-bit loader (&quot;%2&quot;) cannot run on this system (Exec format error): it runs no 32-bit programs. Switch on the Linux kernel&apos;s 32-bit support (IA-32 emulation, the boot option ia32_emulation=1 where it is off), or manage this prefix on a system that runs 32-bit programs.</source>
        <translation>El prefijo de Wine &quot;%1&quot; es un prefijo de 32 bits (WINEARCH=win32) y el cargador de 32 bits de Wine (&quot;%2&quot;) no puede funcionar en este sistema (Exec format error): no ejecuta programas de 32 bits. Active la compatibilidad de 32 bits del núcleo Linux (emulación IA-32, la opción de arranque ia32_emulation=1 donde esté desactivada) o gestione este prefijo en un sistema que ejecute programas de 32 bits.</translation>
    </message>
</context>
</TS>
