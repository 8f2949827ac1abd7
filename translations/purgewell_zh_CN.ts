<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>Vendrix Purgewell Pro %1</source>
        <translation>Vendrix Purgewell Pro %1</translation>
    </message>
    <message>
        <source>Free, safe and powerful uninstaller to help you uninstall 
unwanted programs and delete all leftovers.</source>
        <translation>免费、安全、强大的卸载工具，帮助您卸载
不需要的程序并删除所有残留。</translation>
    </message>
    <message>
        <source>Copyright © 2026 Vendrix Software. All rights reserved.</source>
        <translation>版权所有 © 2026 Vendrix Software。保留所有权利。</translation>
    </message>
</context>
<context>
    <name>CCommonMenu</name>
    <message>
        <source>Support Center</source>
        <translation>支持中心</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>用户指南</translation>
    </message>
    <message>
        <source>Scrubwell</source>
        <translation>Scrubwell</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>检查更新</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Restore Removed Items...</source>
        <translation>恢复已删除的项目...</translation>
    </message>
</context>
<context>
    <name>CDetailToolTip</name>
    <message>
        <source>Display name:</source>
        <translation>名称：</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>版本：</translation>
    </message>
    <message>
        <source>Install Time:</source>
        <translation>安装时间：</translation>
    </message>
    <message>
        <source>Install Path:</source>
        <translation>安装路径：</translation>
    </message>
</context>
<context>
    <name>CEnumProgramPage</name>
    <message>
        <source>Applications</source>
        <translation>应用程序</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Ascending</source>
        <translation>升序</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>降序</translation>
    </message>
    <message>
        <source>Deep Clean...</source>
        <translation>正在清除残留…</translation>
    </message>
    <message>
        <source>(%1)</source>
        <translation>(%1)</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>等待中</translation>
    </message>
    <message>
        <source>Program Name Order</source>
        <translation>按名称排序</translation>
    </message>
    <message>
        <source> Program Name (%1 programs)</source>
        <translation> 程序名称（%1 个程序）</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Size Order</source>
        <translation>按大小排序</translation>
    </message>
    <message>
        <source>uninstallling</source>
        <translation>正在卸载</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>已完成</translation>
    </message>
    <message>
        <source>Not uninstalled</source>
        <translation>未卸载</translation>
    </message>
    <message>
        <source>Sort by</source>
        <extracomment>The caption drawn into the sort button; the button grows with it.</extracomment>
        <translation>排序方式</translation>
    </message>
    <message>
        <source>Sort the programs by name or size</source>
        <translation>按名称或大小对程序排序</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>Read the installed programs again</source>
        <translation>重新读取已安装的程序</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>卸载</translation>
    </message>
    <message>
        <source>Uninstall the ticked programs</source>
        <translation>卸载勾选的程序</translation>
    </message>
    <message>
        <source>Selected:</source>
        <translation>已选：</translation>
    </message>
    <message>
        <source>The Wine prefix whose programs are listed</source>
        <translation>所列程序所在的 Wine 前缀</translation>
    </message>
    <message>
        <source>The uninstaller of %1 is missing. Remove its entry and what it left behind?</source>
        <translation>%1 的卸载程序已不存在。是否删除其条目及其残留内容？</translation>
    </message>
    <message>
        <source>No programs are installed on this computer.</source>
        <translation>此计算机上未安装任何程序。</translation>
    </message>
    <message>
        <source>No programs are installed in this prefix.</source>
        <translation>此前缀中未安装任何程序。</translation>
    </message>
    <message>
        <source>Choose another prefix above.</source>
        <translation>请在上方选择其他前缀。</translation>
    </message>
    <message>
        <source>No program matches “%1”.</source>
        <translation>没有与“%1”匹配的程序。</translation>
    </message>
</context>
<context>
    <name>CFileTreeItemDelegate</name>
    <message>
        <source>Details</source>
        <translation>详细信息</translation>
    </message>
</context>
<context>
    <name>CMSGDlg</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>YES</source>
        <translation>是</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>CMainWin</name>
    <message>
        <source>An uninstall is still running. If you close Vendrix Purgewell now, the programs still waiting are not uninstalled and leftovers may stay behind.
Close Vendrix Purgewell anyway?</source>
        <translation>卸载仍在进行。如果现在关闭 Vendrix Purgewell，仍在等待的程序将不会被卸载，并且可能留下残留。
仍要关闭 Vendrix Purgewell 吗？</translation>
    </message>
</context>
<context>
    <name>CPrefixChooser</name>
    <message>
        <source>Wine prefix</source>
        <translation>Wine 前缀</translation>
    </message>
    <message>
        <source>%1 (read-only: %2 missing)</source>
        <translation>%1（只读：缺少 %2）</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is read-only: its Wine (%2) is not installed.
The system&apos;s Wine may update this prefix so that
its manager can no longer run it.
Open it with the system&apos;s Wine anyway?</source>
        <translation>“%1”为只读：它的 Wine（%2）未安装。
系统的 Wine 可能会更新此前缀，
导致其管理器无法再运行它。
仍要用系统的 Wine 打开吗？</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is read-only:
its Wine (%2) is not installed.
Its programs are read from its registry files,
and nothing can be uninstalled from it.</source>
        <translation>“%1”为只读：
它的 Wine（%2）未安装。
其程序读取自它的注册表文件，
无法从中卸载任何程序。</translation>
    </message>
</context>
<context>
    <name>CProgramTreeWidget</name>
    <message>
        <source>Uninstall %1</source>
        <translation>卸载 %1</translation>
    </message>
    <message>
        <source>Space: tick or untick
Delete: uninstall
Enter or menu key: details</source>
        <translation>空格键：勾选或取消勾选
Delete：卸载
Enter 或菜单键：详细信息</translation>
    </message>
    <message>
        <source>Show the details (Enter, menu key or Shift+F10)</source>
        <translation>显示详细信息（Enter、菜单键或 Shift+F10）</translation>
    </message>
    <message>
        <source>Tick or untick this program (Space)</source>
        <translation>勾选或取消勾选此程序（空格键）</translation>
    </message>
    <message>
        <source>Uninstall this program (Delete)</source>
        <translation>卸载此程序（Delete）</translation>
    </message>
</context>
<context>
    <name>CReadyUninstallDlg</name>
    <message>
        <source>Do you want to uninstall the selected %1 program(s)?</source>
        <translation>确定要卸载选中的 %1 个程序吗？</translation>
    </message>
    <message>
        <source>Automatically remove residual files</source>
        <translation>自动删除残留文件</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>CRestoreDlg</name>
    <message>
        <source>%1: back</source>
        <translation>%1：已恢复</translation>
    </message>
    <message>
        <source>%1: already restored</source>
        <translation>%1：已经恢复过</translation>
    </message>
    <message>
        <source>%1: not restored, it is no longer in the trash</source>
        <translation>%1：未恢复，它已不在回收站中</translation>
    </message>
    <message>
        <source>%1: not restored, something exists there now</source>
        <translation>%1：未恢复，该位置现已存在其他内容</translation>
    </message>
    <message>
        <source>%1: refused, the journal names something no removal took</source>
        <translation>%1：已拒绝，日志中列出的内容并非删除操作所移除</translation>
    </message>
    <message>
        <source>%1: not restored (%2)</source>
        <translation>%1：未恢复（%2）</translation>
    </message>
    <message>
        <source>Restore Removed Items</source>
        <translation>恢复已删除的项目</translation>
    </message>
    <message>
        <source>What the leftover removal moved to the trash, by run, newest first. Restoring puts files back where they were and writes the registry entries back; nothing that exists now is overwritten.</source>
        <translation>残留清理移到回收站的内容，按运行批次列出，最新的在前。恢复会将文件放回原位并写回注册表项；不会覆盖现在已存在的任何内容。</translation>
    </message>
    <message>
        <source>Nothing has been removed yet.</source>
        <translation>尚未删除任何内容。</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>恢复</translation>
    </message>
    <message>
        <source>This journal cannot be read: %1</source>
        <translation>无法读取此日志：%1</translation>
    </message>
    <message>
        <source>(unnamed program)</source>
        <translation>（未命名的程序）</translation>
    </message>
    <message>
        <source>Wine prefix %1</source>
        <translation>Wine 前缀 %1</translation>
    </message>
    <message>
        <source>This entry of the journal is damaged: %1</source>
        <translation>此日志条目已损坏：%1</translation>
    </message>
    <message>
        <source>the run ended before it was done</source>
        <translation>运行在完成前中断</translation>
    </message>
    <message>
        <source>deleted for good</source>
        <translation>已永久删除</translation>
    </message>
    <message>
        <source>still being removed</source>
        <translation>仍在删除中</translation>
    </message>
    <message>
        <source>Restoring %1...</source>
        <translation>正在恢复 %1...</translation>
    </message>
    <message>
        <source>The items of %1 belong to the Wine prefix %2. Choose that prefix on the programs page, then restore again.</source>
        <translation>%1 的项目属于 Wine 前缀 %2。请在程序页面中选择该前缀，然后再次恢复。</translation>
    </message>
    <message>
        <source>%1 cannot be restored: %2</source>
        <translation>无法恢复 %1：%2</translation>
    </message>
    <message>
        <source>%1: %2 item(s) restored, %3 not restored.</source>
        <translation>%1：已恢复 %2 个项目，%3 个未恢复。</translation>
    </message>
    <message>
        <source>%1 item(s)</source>
        <translation>%1 个项目</translation>
    </message>
</context>
<context>
    <name>CSearchEdit</name>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>Search programs by name</source>
        <translation>按名称搜索程序</translation>
    </message>
</context>
<context>
    <name>CStartDlg</name>
    <message>
        <source>Uninstall programs and everything they leave behind</source>
        <extracomment>The start picture&apos;s line under the product name (600 pixels wide, 15-pixel type).</extracomment>
        <translation>卸载程序，并清除它们留下的一切</translation>
    </message>
    <message>
        <source>Reading installed programs...</source>
        <extracomment>The start picture&apos;s last line, under a progress bar, while the installed programs are read.</extracomment>
        <translation>正在读取已安装的程序…</translation>
    </message>
</context>
<context>
    <name>CUninstallRstDlg</name>
    <message>
        <source>Uninstall Completed!</source>
        <translation>卸载完成！</translation>
    </message>
    <message>
        <source>%1 program(s) were not uninstalled.</source>
        <translation>有 %1 个程序未卸载。</translation>
    </message>
    <message>
        <source>Successfully uninstall </source>
        <translation>成功卸载 </translation>
    </message>
    <message>
        <source> program(s).</source>
        <translation> 个程序。</translation>
    </message>
    <message>
        <source> program(s) and free up </source>
        <translation> 个程序，释放空间 </translation>
    </message>
    <message>
        <source>Nothing Was Uninstalled</source>
        <translation>未卸载任何程序</translation>
    </message>
    <message>
        <source>No program was uninstalled.</source>
        <translation>没有卸载任何程序。</translation>
    </message>
    <message>
        <source>Restart the computer to finish removing %1.</source>
        <translation>请重新启动计算机以完成 %1 的移除。</translation>
    </message>
    <message>
        <source>Removed items are in the trash. You can restore them from the menu.</source>
        <translation>已删除的项目位于回收站中。您可以从菜单中恢复它们。</translation>
    </message>
</context>
<context>
    <name>CUpdateRstDlg</name>
    <message>
        <source>Congratulations!</source>
        <translation>恭喜！</translation>
    </message>
    <message>
        <source>Update Failed!</source>
        <translation>更新失败！</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>A new version has been released, do you want to update now?</source>
        <translation>新版本已发布，是否立即更新？</translation>
    </message>
    <message>
        <source>A new version of Vendrix Purgewell  is available!</source>
        <translation>Vendrix Purgewell 有新版本可用！</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>立即更新</translation>
    </message>
    <message>
        <source>Open the download page of the new version</source>
        <translation>打开新版本的下载页面</translation>
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
        <translation>关闭</translation>
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
        <translation>菜单</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>还原</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>CheckUpdate</name>
    <message>
        <source>Getting update information, please wait...</source>
        <translation>正在获取更新信息，请稍候…</translation>
    </message>
    <message>
        <source>Failed to check for updates. Please check your network connection.</source>
        <translation>检查更新失败。请检查网络连接。</translation>
    </message>
    <message>
        <source>You already have the latest version, no update 
is available.</source>
        <translation>您使用的已是最新版本，
没有可用的更新。</translation>
    </message>
    <message>
        <source>A new version of Vendrix Purgewell is available. Would you like to update now?</source>
        <translation>Vendrix Purgewell 有新版本可用。是否立即更新？</translation>
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
        <translation>Vendrix Purgewell 已在运行！</translation>
    </message>
</context>
<context>
    <name>pw::CWineHost</name>
    <message>
        <source>purgewell-host32.exe was not found (looked for &quot;%2&quot;): the Wine prefix &quot;%1&quot; is a 32-bit prefix (WINEARCH=win32), which only that host can serve. Build the program again with scripts/setup.sh, or install its package again.</source>
        <translation>未找到 purgewell-host32.exe（查找位置：&quot;%2&quot;）：Wine 前缀 &quot;%1&quot; 是 32 位前缀（WINEARCH=win32），只有该主机程序能够为其服务。请使用 scripts/setup.sh 重新构建程序，或重新安装其软件包。</translation>
    </message>
    <message>
        <source>The Wine prefix &quot;%1&quot; is a 32-bit prefix (WINEARCH=win32), and Wine&apos;s 32-bit half, which runs its programs, is not installed. Install it (on Debian and Ubuntu, as root: dpkg --add-architecture i386 &amp;&amp; apt-get update &amp;&amp; apt-get install wine32:i386), then start Vendrix Purgewell again.</source>
        <translation>Wine 前缀 &quot;%1&quot; 是 32 位前缀（WINEARCH=win32），而运行其程序的 Wine 32 位部分尚未安装。请安装它（在 Debian 和 Ubuntu 上以 root 身份运行：dpkg --add-architecture i386 &amp;&amp; apt-get update &amp;&amp; apt-get install wine32:i386），然后重新启动 Vendrix Purgewell。</translation>
    </message>
    <message>
        <source>The Wine prefix &quot;%1&quot; is a 32-bit prefix (WINEARCH=win32), and the Wine it runs with (&quot;%2&quot;) cannot run 32-bit programs: its 32-bit half (wine32) is missing. Give the prefix a Wine with 32-bit support in its manager, then start Vendrix Purgewell again.</source>
        <translation>Wine 前缀 &quot;%1&quot; 是 32 位前缀（WINEARCH=win32），而它所使用的 Wine（&quot;%2&quot;）无法运行 32 位程序：缺少其 32 位部分（wine32）。请在该前缀的管理器中为其指定支持 32 位的 Wine，然后重新启动 Vendrix Purgewell。</translation>
    </message>
    <message>
        <source>The Wine prefix &quot;%1&quot; is a 32-bit prefix (WINEARCH=win32), and Wine&apos;s 32-bit loader (&quot;%2&quot;) cannot run on this system (Exec format error): it runs no 32-bit programs. Switch on the Linux kernel&apos;s 32-bit support (IA-32 emulation, the boot option ia32_emulation=1 where it is off), or manage this prefix on a system that runs 32-bit programs.</source>
        <translation>Wine 前缀 &quot;%1&quot; 是 32 位前缀（WINEARCH=win32），而 Wine 的 32 位加载器（&quot;%2&quot;）无法在此系统上运行（Exec format error）：它不能运行任何 32 位程序。请启用 Linux 内核的 32 位支持（IA-32 仿真，若已关闭可使用启动参数 ia32_emulation=1），或在能够运行 32 位程序的系统上管理此前缀。</translation>
    </message>
</context>
</TS>
