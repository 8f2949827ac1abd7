<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>Vendrix Purgewell Pro %1</source>
        <translation>Vendrix Purgewell Pro %1</translation>
    </message>
    <message>
        <source>Free, safe and powerful uninstaller to help you uninstall 
unwanted programs and delete all leftovers.</source>
        <translation>Бесплатный, надёжный и мощный деинсталлятор: 
удаляет ненужные программы и все их остатки.</translation>
    </message>
    <message>
        <source>Copyright © 2026 Vendrix Software. All rights reserved.</source>
        <translation>© 2026 Vendrix Software. Все права защищены.</translation>
    </message>
</context>
<context>
    <name>CCommonMenu</name>
    <message>
        <source>Support Center</source>
        <translation>Центр поддержки</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Руководство</translation>
    </message>
    <message>
        <source>Scrubwell</source>
        <translation>Scrubwell</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Проверить обновления</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Restore Removed Items...</source>
        <translation>Восстановить удалённые элементы...</translation>
    </message>
</context>
<context>
    <name>CDetailToolTip</name>
    <message>
        <source>Display name:</source>
        <translation>Название:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Версия:</translation>
    </message>
    <message>
        <source>Install Time:</source>
        <translation>Дата установки:</translation>
    </message>
    <message>
        <source>Install Path:</source>
        <translation>Папка установки:</translation>
    </message>
</context>
<context>
    <name>CEnumProgramPage</name>
    <message>
        <source>Applications</source>
        <translation>Программы</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Ascending</source>
        <translation>По возрастанию</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>По убыванию</translation>
    </message>
    <message>
        <source>Deep Clean...</source>
        <translation>Удаление остатков…</translation>
    </message>
    <message>
        <source>(%1)</source>
        <translation>(%1)</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>ожидание</translation>
    </message>
    <message>
        <source>Program Name Order</source>
        <translation>Порядок по имени</translation>
    </message>
    <message>
        <source> Program Name (%1 programs)</source>
        <translation> Название программы (программ: %1)</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версия</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Действие</translation>
    </message>
    <message>
        <source>Size Order</source>
        <translation>Порядок по размеру</translation>
    </message>
    <message>
        <source>uninstallling</source>
        <translation>удаление</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Not uninstalled</source>
        <translation>Не удалено</translation>
    </message>
    <message>
        <source>Sort by</source>
        <extracomment>The caption drawn into the sort button; the button grows with it.</extracomment>
        <translation>Сортировка</translation>
    </message>
    <message>
        <source>Sort the programs by name or size</source>
        <translation>Сортировать программы по имени или размеру</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Read the installed programs again</source>
        <translation>Заново прочитать список установленных программ</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Uninstall the ticked programs</source>
        <translation>Удалить отмеченные программы</translation>
    </message>
    <message>
        <source>Selected:</source>
        <translation>Выбрано:</translation>
    </message>
    <message>
        <source>The Wine prefix whose programs are listed</source>
        <translation>Префикс Wine, программы которого показаны в списке</translation>
    </message>
    <message>
        <source>The uninstaller of %1 is missing. Remove its entry and what it left behind?</source>
        <translation>Программа удаления %1 отсутствует. Удалить её запись и то, что осталось после программы?</translation>
    </message>
    <message>
        <source>No programs are installed on this computer.</source>
        <translation>На этом компьютере не установлено ни одной программы.</translation>
    </message>
    <message>
        <source>No programs are installed in this prefix.</source>
        <translation>В этом префиксе не установлено ни одной программы.</translation>
    </message>
    <message>
        <source>Choose another prefix above.</source>
        <translation>Выберите другой префикс выше.</translation>
    </message>
    <message>
        <source>No program matches “%1”.</source>
        <translation>Нет программ, соответствующих «%1».</translation>
    </message>
</context>
<context>
    <name>CFileTreeItemDelegate</name>
    <message>
        <source>Details</source>
        <translation>Подробнее</translation>
    </message>
</context>
<context>
    <name>CMSGDlg</name>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>ДА</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>НЕТ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>CMainWin</name>
    <message>
        <source>An uninstall is still running. If you close Vendrix Purgewell now, the programs still waiting are not uninstalled and leftovers may stay behind.
Close Vendrix Purgewell anyway?</source>
        <translation>Удаление ещё выполняется. Если закрыть Vendrix Purgewell сейчас, программы в очереди не будут удалены, а остатки могут сохраниться.
Всё равно закрыть Vendrix Purgewell?</translation>
    </message>
</context>
<context>
    <name>CPrefixChooser</name>
    <message>
        <source>Wine prefix</source>
        <translation>Префикс Wine</translation>
    </message>
    <message>
        <source>%1 (read-only: %2 missing)</source>
        <translation>%1 (только чтение: нет %2)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is read-only: its Wine (%2) is not installed.
The system&apos;s Wine may update this prefix so that
its manager can no longer run it.
Open it with the system&apos;s Wine anyway?</source>
        <translation>«%1» только для чтения: его Wine (%2) не установлен.
Системный Wine может обновить этот префикс,
и его менеджер больше не сможет его запустить.
Всё равно открыть с системным Wine?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is read-only:
its Wine (%2) is not installed.
Its programs are read from its registry files,
and nothing can be uninstalled from it.</source>
        <translation>«%1» доступен только для чтения:
его Wine (%2) не установлен.
Его программы прочитаны из его файлов реестра,
и удалить из него ничего нельзя.</translation>
    </message>
</context>
<context>
    <name>CProgramTreeWidget</name>
    <message>
        <source>Uninstall %1</source>
        <translation>Удалить %1</translation>
    </message>
    <message>
        <source>Space: tick or untick
Delete: uninstall
Enter or menu key: details</source>
        <translation>Пробел: отметить или снять отметку
Delete: удалить
Enter или клавиша меню: подробности</translation>
    </message>
    <message>
        <source>Show the details (Enter, menu key or Shift+F10)</source>
        <translation>Показать подробности (Enter, клавиша меню или Shift+F10)</translation>
    </message>
    <message>
        <source>Tick or untick this program (Space)</source>
        <translation>Отметить эту программу или снять отметку (Пробел)</translation>
    </message>
    <message>
        <source>Uninstall this program (Delete)</source>
        <translation>Удалить эту программу (Delete)</translation>
    </message>
</context>
<context>
    <name>CReadyUninstallDlg</name>
    <message>
        <source>Do you want to uninstall the selected %1 program(s)?</source>
        <translation>Удалить выбранные программы (%1)?</translation>
    </message>
    <message>
        <source>Automatically remove residual files</source>
        <translation>Автоматически удалить остатки</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>CRestoreDlg</name>
    <message>
        <source>%1: back</source>
        <translation>%1: восстановлено</translation>
    </message>
    <message>
        <source>%1: already restored</source>
        <translation>%1: уже восстановлено</translation>
    </message>
    <message>
        <source>%1: not restored, it is no longer in the trash</source>
        <translation>%1: не восстановлено, в корзине этого больше нет</translation>
    </message>
    <message>
        <source>%1: not restored, something exists there now</source>
        <translation>%1: не восстановлено, на этом месте теперь находится что-то другое</translation>
    </message>
    <message>
        <source>%1: refused, the journal names something no removal took</source>
        <translation>%1: отклонено, журнал указывает на то, что не было удалено</translation>
    </message>
    <message>
        <source>%1: not restored (%2)</source>
        <translation>%1: не восстановлено (%2)</translation>
    </message>
    <message>
        <source>Restore Removed Items</source>
        <translation>Восстановление удалённых элементов</translation>
    </message>
    <message>
        <source>What the leftover removal moved to the trash, by run, newest first. Restoring puts files back where they were and writes the registry entries back; nothing that exists now is overwritten.</source>
        <translation>То, что удаление остатков переместило в корзину, по запускам, сначала самые новые. Восстановление возвращает файлы на прежние места и записывает обратно записи реестра; ничего из существующего сейчас не перезаписывается.</translation>
    </message>
    <message>
        <source>Nothing has been removed yet.</source>
        <translation>Пока ничего не удалено.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Восстановить</translation>
    </message>
    <message>
        <source>This journal cannot be read: %1</source>
        <translation>Не удаётся прочитать этот журнал: %1</translation>
    </message>
    <message>
        <source>(unnamed program)</source>
        <translation>(программа без имени)</translation>
    </message>
    <message>
        <source>Wine prefix %1</source>
        <translation>Префикс Wine %1</translation>
    </message>
    <message>
        <source>This entry of the journal is damaged: %1</source>
        <translation>Эта запись журнала повреждена: %1</translation>
    </message>
    <message>
        <source>the run ended before it was done</source>
        <translation>запуск прервался до завершения</translation>
    </message>
    <message>
        <source>deleted for good</source>
        <translation>удалено безвозвратно</translation>
    </message>
    <message>
        <source>still being removed</source>
        <translation>удаление ещё идёт</translation>
    </message>
    <message>
        <source>Restoring %1...</source>
        <translation>Восстановление %1...</translation>
    </message>
    <message>
        <source>The items of %1 belong to the Wine prefix %2. Choose that prefix on the programs page, then restore again.</source>
        <translation>Элементы %1 относятся к префиксу Wine %2. Выберите этот префикс на странице программ и повторите восстановление.</translation>
    </message>
    <message>
        <source>%1 cannot be restored: %2</source>
        <translation>Не удаётся восстановить %1: %2</translation>
    </message>
    <message>
        <source>%1: %2 item(s) restored, %3 not restored.</source>
        <translation>%1: восстановлено элементов: %2, не восстановлено: %3.</translation>
    </message>
    <message>
        <source>%1 item(s)</source>
        <translation>элементов: %1</translation>
    </message>
</context>
<context>
    <name>CSearchEdit</name>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>Search programs by name</source>
        <translation>Поиск программ по названию</translation>
    </message>
</context>
<context>
    <name>CStartDlg</name>
    <message>
        <source>Uninstall programs and everything they leave behind</source>
        <extracomment>The start picture&apos;s line under the product name (600 pixels wide, 15-pixel type).</extracomment>
        <translation>Удаление программ и всего, что они оставляют после себя</translation>
    </message>
    <message>
        <source>Reading installed programs...</source>
        <extracomment>The start picture&apos;s last line, under a progress bar, while the installed programs are read.</extracomment>
        <translation>Чтение установленных программ…</translation>
    </message>
</context>
<context>
    <name>CUninstallRstDlg</name>
    <message>
        <source>Uninstall Completed!</source>
        <translation>Удаление завершено!</translation>
    </message>
    <message>
        <source>%1 program(s) were not uninstalled.</source>
        <translation>Не удалено программ: %1.</translation>
    </message>
    <message>
        <source>Successfully uninstall </source>
        <translation>Удалено программ: </translation>
    </message>
    <message>
        <source> program(s).</source>
        <translation>.</translation>
    </message>
    <message>
        <source> program(s) and free up </source>
        <translation>. Освобождено: </translation>
    </message>
    <message>
        <source>Nothing Was Uninstalled</source>
        <translation>Ничего не удалено</translation>
    </message>
    <message>
        <source>No program was uninstalled.</source>
        <translation>Ни одна программа не была удалена.</translation>
    </message>
    <message>
        <source>Restart the computer to finish removing %1.</source>
        <translation>Перезагрузите компьютер, чтобы завершить удаление: %1.</translation>
    </message>
    <message>
        <source>Removed items are in the trash. You can restore them from the menu.</source>
        <translation>Удалённые элементы находятся в корзине. Их можно восстановить через меню.</translation>
    </message>
</context>
<context>
    <name>CUpdateRstDlg</name>
    <message>
        <source>Congratulations!</source>
        <translation>Поздравляем!</translation>
    </message>
    <message>
        <source>Update Failed!</source>
        <translation>Ошибка обновления!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>A new version has been released, do you want to update now?</source>
        <translation>Вышла новая версия. Обновить сейчас?</translation>
    </message>
    <message>
        <source>A new version of Vendrix Purgewell  is available!</source>
        <translation>Доступна новая версия Vendrix Purgewell!</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Open the download page of the new version</source>
        <translation>Открыть страницу загрузки новой версии</translation>
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
        <translation>Закрыть</translation>
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
        <translation>Меню</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Развернуть</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Восстановить</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>CheckUpdate</name>
    <message>
        <source>Getting update information, please wait...</source>
        <translation>Получение сведений об обновлениях, подождите…</translation>
    </message>
    <message>
        <source>Failed to check for updates. Please check your network connection.</source>
        <translation>Не удалось проверить обновления. Проверьте подключение к сети.</translation>
    </message>
    <message>
        <source>You already have the latest version, no update 
is available.</source>
        <translation>У вас уже установлена последняя версия, 
обновлений нет.</translation>
    </message>
    <message>
        <source>A new version of Vendrix Purgewell is available. Would you like to update now?</source>
        <translation>Доступна новая версия Vendrix Purgewell. Обновить сейчас?</translation>
    </message>
</context>
<context>
    <name>FormatSize</name>
    <message>
        <source>%1 GB</source>
        <translation>%1 ГБ</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 МБ</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 КБ</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Vendrix Purgewell has been running!</source>
        <translation>Vendrix Purgewell уже запущен!</translation>
    </message>
</context>
<context>
    <name>pw::CWineHost</name>
    <message>
        <source>purgewell-host32.exe was not found (looked for &quot;%2&quot;): the Wine prefix &quot;%1&quot; is a 32-bit prefix (WINEARCH=win32), which only that host can serve. Build the program again with scripts/setup.sh, or install its package again.</source>
        <translation>Не найден purgewell-host32.exe (искали в &quot;%2&quot;): префикс Wine &quot;%1&quot; — 32-битный (WINEARCH=win32), и обслуживать его может только этот хост. Соберите программу заново с помощью scripts/setup.sh или переустановите её пакет.</translation>
    </message>
    <message>
        <source>The Wine prefix &quot;%1&quot; is a 32-bit prefix (WINEARCH=win32), and Wine&apos;s 32-bit half, which runs its programs, is not installed. Install it (on Debian and Ubuntu, as root: dpkg --add-architecture i386 &amp;&amp; apt-get update &amp;&amp; apt-get install wine32:i386), then start Vendrix Purgewell again.</source>
        <translation>Префикс Wine &quot;%1&quot; — 32-битный (WINEARCH=win32), а 32-битная часть Wine, которая запускает его программы, не установлена. Установите её (в Debian и Ubuntu от имени root: dpkg --add-architecture i386 &amp;&amp; apt-get update &amp;&amp; apt-get install wine32:i386) и снова запустите Vendrix Purgewell.</translation>
    </message>
    <message>
        <source>The Wine prefix &quot;%1&quot; is a 32-bit prefix (WINEARCH=win32), and the Wine it runs with (&quot;%2&quot;) cannot run 32-bit programs: its 32-bit half (wine32) is missing. Give the prefix a Wine with 32-bit support in its manager, then start Vendrix Purgewell again.</source>
        <translation>Префикс Wine &quot;%1&quot; — 32-битный (WINEARCH=win32), а Wine, с которым он работает (&quot;%2&quot;), не может запускать 32-битные программы: нет его 32-битной части (wine32). Назначьте префиксу в его менеджере Wine с поддержкой 32 бит и снова запустите Vendrix Purgewell.</translation>
    </message>
    <message>
        <source>The Wine prefix &quot;%1&quot; is a 32-bit prefix (WINEARCH=win32), and Wine&apos;s 32-bit loader (&quot;%2&quot;) cannot run on this system (Exec format error): it runs no 32-bit programs. Switch on the Linux kernel&apos;s 32-bit support (IA-32 emulation, the boot option ia32_emulation=1 where it is off), or manage this prefix on a system that runs 32-bit programs.</source>
        <translation>Префикс Wine &quot;%1&quot; — 32-битный (WINEARCH=win32), а 32-битный загрузчик Wine (&quot;%2&quot;) не может работать в этой системе (Exec format error): он не запускает 32-битные программы. Включите поддержку 32 бит в ядре Linux (эмуляция IA-32, параметр загрузки ia32_emulation=1, где она отключена) или управляйте этим префиксом в системе, которая запускает 32-битные программы.</translation>
    </message>
</context>
</TS>
