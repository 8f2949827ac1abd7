<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>Vendrix Purgewell Pro %1</source>
        <translation>Vendrix Purgewell Pro %1</translation>
    </message>
    <message>
        <source>Free, safe and powerful uninstaller to help you uninstall 
unwanted programs and delete all leftovers.</source>
        <translation>不要なプログラムをアンインストールし、残ったファイルも
すべて削除する、無料で安全かつ強力なアンインストーラーです。</translation>
    </message>
    <message>
        <source>Copyright © 2026 Vendrix Software. All rights reserved.</source>
        <translation>Copyright © 2026 Vendrix Software. All rights reserved.</translation>
    </message>
</context>
<context>
    <name>CCommonMenu</name>
    <message>
        <source>Support Center</source>
        <translation>サポートセンター</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>ユーザーガイド</translation>
    </message>
    <message>
        <source>Scrubwell</source>
        <translation>Scrubwell</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>アップデートの確認</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Restore Removed Items...</source>
        <translation>削除した項目を復元...</translation>
    </message>
</context>
<context>
    <name>CDetailToolTip</name>
    <message>
        <source>Display name:</source>
        <translation>名前：</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>バージョン：</translation>
    </message>
    <message>
        <source>Install Time:</source>
        <translation>インストール日時：</translation>
    </message>
    <message>
        <source>Install Path:</source>
        <translation>インストール先：</translation>
    </message>
</context>
<context>
    <name>CEnumProgramPage</name>
    <message>
        <source>Applications</source>
        <translation>アプリケーション</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Ascending</source>
        <translation>昇順</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>降順</translation>
    </message>
    <message>
        <source>Deep Clean...</source>
        <translation>残留ファイルを削除中…</translation>
    </message>
    <message>
        <source>(%1)</source>
        <translation>(%1)</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>待機中</translation>
    </message>
    <message>
        <source>Program Name Order</source>
        <translation>名前順</translation>
    </message>
    <message>
        <source> Program Name (%1 programs)</source>
        <translation> プログラム名（%1 個）</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>バージョン</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>Size Order</source>
        <translation>サイズ順</translation>
    </message>
    <message>
        <source>uninstallling</source>
        <translation>アンインストール中</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Not uninstalled</source>
        <translation>未アンインストール</translation>
    </message>
    <message>
        <source>Sort by</source>
        <extracomment>The caption drawn into the sort button; the button grows with it.</extracomment>
        <translation>並べ替え</translation>
    </message>
    <message>
        <source>Sort the programs by name or size</source>
        <translation>プログラムを名前またはサイズで並べ替えます</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>再読み込み</translation>
    </message>
    <message>
        <source>Read the installed programs again</source>
        <translation>インストール済みのプログラムを読み込み直します</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>アンインストール</translation>
    </message>
    <message>
        <source>Uninstall the ticked programs</source>
        <translation>チェックしたプログラムをアンインストールします</translation>
    </message>
    <message>
        <source>Selected:</source>
        <translation>選択：</translation>
    </message>
    <message>
        <source>The Wine prefix whose programs are listed</source>
        <translation>一覧に表示するプログラムの Wine プレフィックス</translation>
    </message>
    <message>
        <source>The uninstaller of %1 is missing. Remove its entry and what it left behind?</source>
        <translation>%1 のアンインストーラーが見つかりません。エントリと残された項目を削除しますか?</translation>
    </message>
    <message>
        <source>No programs are installed on this computer.</source>
        <translation>このコンピューターにはプログラムがインストールされていません。</translation>
    </message>
    <message>
        <source>No programs are installed in this prefix.</source>
        <translation>このプレフィックスにはプログラムがインストールされていません。</translation>
    </message>
    <message>
        <source>Choose another prefix above.</source>
        <translation>上で別のプレフィックスを選択してください。</translation>
    </message>
    <message>
        <source>No program matches “%1”.</source>
        <translation>「%1」に一致するプログラムはありません。</translation>
    </message>
</context>
<context>
    <name>CFileTreeItemDelegate</name>
    <message>
        <source>Details</source>
        <translation>詳細</translation>
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
        <translation>はい</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>CMainWin</name>
    <message>
        <source>An uninstall is still running. If you close Vendrix Purgewell now, the programs still waiting are not uninstalled and leftovers may stay behind.
Close Vendrix Purgewell anyway?</source>
        <translation>アンインストールがまだ実行中です。今 Vendrix Purgewell を閉じると、待機中のプログラムはアンインストールされず、残留物が残る可能性があります。
それでも Vendrix Purgewell を閉じますか?</translation>
    </message>
</context>
<context>
    <name>CPrefixChooser</name>
    <message>
        <source>Wine prefix</source>
        <translation>Wine プレフィックス</translation>
    </message>
    <message>
        <source>%1 (read-only: %2 missing)</source>
        <translation>%1（読み取り専用：%2 がありません）</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is read-only: its Wine (%2) is not installed.
The system&apos;s Wine may update this prefix so that
its manager can no longer run it.
Open it with the system&apos;s Wine anyway?</source>
        <translation>「%1」は読み取り専用です：Wine（%2）がありません。
システムの Wine を使うとこのプレフィックスが更新され、
元の管理ツールで実行できなくなることがあります。
それでもシステムの Wine で開きますか？</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is read-only:
its Wine (%2) is not installed.
Its programs are read from its registry files,
and nothing can be uninstalled from it.</source>
        <translation>「%1」は読み取り専用です：
その Wine（%2）がインストールされていません。
プログラムはレジストリファイルから読み取られており、
ここからは何もアンインストールできません。</translation>
    </message>
</context>
<context>
    <name>CProgramTreeWidget</name>
    <message>
        <source>Uninstall %1</source>
        <translation>%1 をアンインストール</translation>
    </message>
    <message>
        <source>Space: tick or untick
Delete: uninstall
Enter or menu key: details</source>
        <translation>Space：チェックを付ける／外す
Delete：アンインストール
Enter またはメニューキー：詳細</translation>
    </message>
    <message>
        <source>Show the details (Enter, menu key or Shift+F10)</source>
        <translation>詳細を表示（Enter、メニューキーまたは Shift+F10）</translation>
    </message>
    <message>
        <source>Tick or untick this program (Space)</source>
        <translation>このプログラムのチェックを付ける／外す（Space）</translation>
    </message>
    <message>
        <source>Uninstall this program (Delete)</source>
        <translation>このプログラムをアンインストール（Delete）</translation>
    </message>
</context>
<context>
    <name>CReadyUninstallDlg</name>
    <message>
        <source>Do you want to uninstall the selected %1 program(s)?</source>
        <translation>選択した %1 個のプログラムをアンインストールしますか？</translation>
    </message>
    <message>
        <source>Automatically remove residual files</source>
        <translation>残留ファイルを自動的に削除する</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>CRestoreDlg</name>
    <message>
        <source>%1: back</source>
        <translation>%1: 復元しました</translation>
    </message>
    <message>
        <source>%1: already restored</source>
        <translation>%1: 復元済み</translation>
    </message>
    <message>
        <source>%1: not restored, it is no longer in the trash</source>
        <translation>%1: 復元されませんでした。ごみ箱にもうありません</translation>
    </message>
    <message>
        <source>%1: not restored, something exists there now</source>
        <translation>%1: 復元されませんでした。その場所には現在別のものがあります</translation>
    </message>
    <message>
        <source>%1: refused, the journal names something no removal took</source>
        <translation>%1: 拒否しました。ジャーナルに、削除で取り除かれていないものが記載されています</translation>
    </message>
    <message>
        <source>%1: not restored (%2)</source>
        <translation>%1: 復元されませんでした (%2)</translation>
    </message>
    <message>
        <source>Restore Removed Items</source>
        <translation>削除した項目の復元</translation>
    </message>
    <message>
        <source>What the leftover removal moved to the trash, by run, newest first. Restoring puts files back where they were and writes the registry entries back; nothing that exists now is overwritten.</source>
        <translation>残留物の削除でごみ箱に移動したもの（実行ごと、新しい順）。復元するとファイルは元の場所に戻り、レジストリ項目は書き戻されます。現在存在するものは上書きされません。</translation>
    </message>
    <message>
        <source>Nothing has been removed yet.</source>
        <translation>まだ何も削除されていません。</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>復元</translation>
    </message>
    <message>
        <source>This journal cannot be read: %1</source>
        <translation>このジャーナルを読み取れません: %1</translation>
    </message>
    <message>
        <source>(unnamed program)</source>
        <translation>（名前のないプログラム）</translation>
    </message>
    <message>
        <source>Wine prefix %1</source>
        <translation>Wine プレフィックス %1</translation>
    </message>
    <message>
        <source>This entry of the journal is damaged: %1</source>
        <translation>このジャーナルの項目は破損しています: %1</translation>
    </message>
    <message>
        <source>the run ended before it was done</source>
        <translation>実行は完了前に終了しました</translation>
    </message>
    <message>
        <source>deleted for good</source>
        <translation>完全に削除済み</translation>
    </message>
    <message>
        <source>still being removed</source>
        <translation>まだ削除中です</translation>
    </message>
    <message>
        <source>Restoring %1...</source>
        <translation>%1 を復元しています...</translation>
    </message>
    <message>
        <source>The items of %1 belong to the Wine prefix %2. Choose that prefix on the programs page, then restore again.</source>
        <translation>%1 の項目は Wine プレフィックス %2 に属しています。プログラムのページでそのプレフィックスを選んでから、もう一度復元してください。</translation>
    </message>
    <message>
        <source>%1 cannot be restored: %2</source>
        <translation>%1 を復元できません: %2</translation>
    </message>
    <message>
        <source>%1: %2 item(s) restored, %3 not restored.</source>
        <translation>%1: %2 個の項目を復元しました。%3 個は復元されませんでした。</translation>
    </message>
    <message>
        <source>%1 item(s)</source>
        <translation>%1 個の項目</translation>
    </message>
</context>
<context>
    <name>CSearchEdit</name>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Search programs by name</source>
        <translation>名前でプログラムを検索</translation>
    </message>
</context>
<context>
    <name>CStartDlg</name>
    <message>
        <source>Uninstall programs and everything they leave behind</source>
        <extracomment>The start picture&apos;s line under the product name (600 pixels wide, 15-pixel type).</extracomment>
        <translation>プログラムを、残したものまで丸ごとアンインストール</translation>
    </message>
    <message>
        <source>Reading installed programs...</source>
        <extracomment>The start picture&apos;s last line, under a progress bar, while the installed programs are read.</extracomment>
        <translation>インストール済みのプログラムを読み込んでいます…</translation>
    </message>
</context>
<context>
    <name>CUninstallRstDlg</name>
    <message>
        <source>Uninstall Completed!</source>
        <translation>アンインストールが完了しました！</translation>
    </message>
    <message>
        <source>%1 program(s) were not uninstalled.</source>
        <translation>%1 個のプログラムはアンインストールされませんでした。</translation>
    </message>
    <message>
        <source>Successfully uninstall </source>
        <translation>アンインストールしたプログラム：</translation>
    </message>
    <message>
        <source> program(s).</source>
        <translation> 個。</translation>
    </message>
    <message>
        <source> program(s) and free up </source>
        <translation> 個、解放した容量：</translation>
    </message>
    <message>
        <source>Nothing Was Uninstalled</source>
        <translation>何もアンインストールされませんでした</translation>
    </message>
    <message>
        <source>No program was uninstalled.</source>
        <translation>アンインストールされたプログラムはありません。</translation>
    </message>
    <message>
        <source>Restart the computer to finish removing %1.</source>
        <translation>%1 の削除を完了するには、コンピューターを再起動してください。</translation>
    </message>
    <message>
        <source>Removed items are in the trash. You can restore them from the menu.</source>
        <translation>削除した項目はごみ箱にあります。メニューから復元できます。</translation>
    </message>
</context>
<context>
    <name>CUpdateRstDlg</name>
    <message>
        <source>Congratulations!</source>
        <translation>おめでとうございます！</translation>
    </message>
    <message>
        <source>Update Failed!</source>
        <translation>アップデートに失敗しました！</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>A new version has been released, do you want to update now?</source>
        <translation>新しいバージョンがリリースされました。今すぐアップデートしますか？</translation>
    </message>
    <message>
        <source>A new version of Vendrix Purgewell  is available!</source>
        <translation>Vendrix Purgewell の新しいバージョンがあります！</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>今すぐ更新</translation>
    </message>
    <message>
        <source>Open the download page of the new version</source>
        <translation>新しいバージョンのダウンロードページを開きます</translation>
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
        <translation>閉じる</translation>
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
        <translation>メニュー</translation>
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
        <translation>元のサイズに戻す</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>CheckUpdate</name>
    <message>
        <source>Getting update information, please wait...</source>
        <translation>アップデート情報を取得しています。しばらくお待ちください…</translation>
    </message>
    <message>
        <source>Failed to check for updates. Please check your network connection.</source>
        <translation>アップデートを確認できませんでした。ネットワーク接続を確認してください。</translation>
    </message>
    <message>
        <source>You already have the latest version, no update 
is available.</source>
        <translation>すでに最新バージョンです。
利用できるアップデートはありません。</translation>
    </message>
    <message>
        <source>A new version of Vendrix Purgewell is available. Would you like to update now?</source>
        <translation>Vendrix Purgewell の新しいバージョンがあります。今すぐアップデートしますか？</translation>
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
        <translation>Vendrix Purgewell はすでに実行中です！</translation>
    </message>
</context>
<context>
    <name>pw::CWineHost</name>
    <message>
        <source>purgewell-host32.exe was not found (looked for &quot;%2&quot;): the Wine prefix &quot;%1&quot; is a 32-bit prefix (WINEARCH=win32), which only that host can serve. Build the program again with scripts/setup.sh, or install its package again.</source>
        <translation>purgewell-host32.exe が見つかりません (検索場所: &quot;%2&quot;)。Wine プレフィックス &quot;%1&quot; は 32 ビットのプレフィックス (WINEARCH=win32) で、このホストでしか扱えません。scripts/setup.sh でプログラムをビルドし直すか、パッケージを再インストールしてください。</translation>
    </message>
    <message>
        <source>The Wine prefix &quot;%1&quot; is a 32-bit prefix (WINEARCH=win32), and Wine&apos;s 32-bit half, which runs its programs, is not installed. Install it (on Debian and Ubuntu, as root: dpkg --add-architecture i386 &amp;&amp; apt-get update &amp;&amp; apt-get install wine32:i386), then start Vendrix Purgewell again.</source>
        <translation>Wine プレフィックス &quot;%1&quot; は 32 ビットのプレフィックス (WINEARCH=win32) ですが、そのプログラムを実行する Wine の 32 ビット部分がインストールされていません。インストールしてから (Debian と Ubuntu では root で: dpkg --add-architecture i386 &amp;&amp; apt-get update &amp;&amp; apt-get install wine32:i386)、Vendrix Purgewell をもう一度起動してください。</translation>
    </message>
    <message>
        <source>The Wine prefix &quot;%1&quot; is a 32-bit prefix (WINEARCH=win32), and the Wine it runs with (&quot;%2&quot;) cannot run 32-bit programs: its 32-bit half (wine32) is missing. Give the prefix a Wine with 32-bit support in its manager, then start Vendrix Purgewell again.</source>
        <translation>Wine プレフィックス &quot;%1&quot; は 32 ビットのプレフィックス (WINEARCH=win32) ですが、使用している Wine (&quot;%2&quot;) は 32 ビットのプログラムを実行できません。32 ビット部分 (wine32) がありません。プレフィックスの管理ツールで 32 ビット対応の Wine を割り当ててから、Vendrix Purgewell をもう一度起動してください。</translation>
    </message>
    <message>
        <source>The Wine prefix &quot;%1&quot; is a 32-bit prefix (WINEARCH=win32), and Wine&apos;s 32-bit loader (&quot;%2&quot;) cannot run on this system (Exec format error): it runs no 32-bit programs. Switch on the Linux kernel&apos;s 32-bit support (IA-32 emulation, the boot option ia32_emulation=1 where it is off), or manage this prefix on a system that runs 32-bit programs.</source>
        <translation>Wine プレフィックス &quot;%1&quot; は 32 ビットのプレフィックス (WINEARCH=win32) ですが、Wine の 32 ビット ローダー (&quot;%2&quot;) はこのシステムで動作できません (Exec format error)。32 ビットのプログラムは実行されません。Linux カーネルの 32 ビット サポート (IA-32 エミュレーション。無効な場合は起動オプション ia32_emulation=1) を有効にするか、32 ビットのプログラムを実行できるシステムでこのプレフィックスを管理してください。</translation>
    </message>
</context>
</TS>
