<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>Vendrix Purgewell Pro %1</source>
        <translation>Vendrix Purgewell Pro %1</translation>
    </message>
    <message>
        <source>Free, safe and powerful uninstaller to help you uninstall 
unwanted programs and delete all leftovers.</source>
        <translation>Um desinstalador gratuito, seguro e poderoso que remove 
programas indesejados e todas as sobras deles.</translation>
    </message>
    <message>
        <source>Copyright © 2026 Vendrix Software. All rights reserved.</source>
        <translation>Copyright © 2026 Vendrix Software. Todos os direitos reservados.</translation>
    </message>
</context>
<context>
    <name>CCommonMenu</name>
    <message>
        <source>Support Center</source>
        <translation>Central de suporte</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>Guia do usuário</translation>
    </message>
    <message>
        <source>Scrubwell</source>
        <translation>Scrubwell</translation>
    </message>
    <message>
        <source>Check Update</source>
        <translation>Verificar atualizações</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Restore Removed Items...</source>
        <translation>Restaurar itens removidos...</translation>
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
        <translation>Versão:</translation>
    </message>
    <message>
        <source>Install Time:</source>
        <translation>Instalado em:</translation>
    </message>
    <message>
        <source>Install Path:</source>
        <translation>Pasta de instalação:</translation>
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
        <translation>Nome</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
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
        <translation>Removendo sobras…</translation>
    </message>
    <message>
        <source>(%1)</source>
        <translation>(%1)</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>aguardando</translation>
    </message>
    <message>
        <source>Program Name Order</source>
        <translation>Ordem por nome</translation>
    </message>
    <message>
        <source> Program Name (%1 programs)</source>
        <translation> Nome do programa (%1 programas)</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versão</translation>
    </message>
    <message>
        <source>Operation</source>
        <translation>Ação</translation>
    </message>
    <message>
        <source>Size Order</source>
        <translation>Ordem por tamanho</translation>
    </message>
    <message>
        <source>uninstallling</source>
        <translation>desinstalando</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Not uninstalled</source>
        <translation>Não desinstalado</translation>
    </message>
    <message>
        <source>Sort by</source>
        <extracomment>The caption drawn into the sort button; the button grows with it.</extracomment>
        <translation>Ordenar por</translation>
    </message>
    <message>
        <source>Sort the programs by name or size</source>
        <translation>Ordenar os programas por nome ou tamanho</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Read the installed programs again</source>
        <translation>Ler novamente os programas instalados</translation>
    </message>
    <message>
        <source>Uninstall</source>
        <translation>Desinstalar</translation>
    </message>
    <message>
        <source>Uninstall the ticked programs</source>
        <translation>Desinstalar os programas marcados</translation>
    </message>
    <message>
        <source>Selected:</source>
        <translation>Selecionados:</translation>
    </message>
    <message>
        <source>The Wine prefix whose programs are listed</source>
        <translation>O prefixo do Wine cujos programas estão listados</translation>
    </message>
    <message>
        <source>The uninstaller of %1 is missing. Remove its entry and what it left behind?</source>
        <translation>O desinstalador de %1 não existe mais. Remover a entrada e o que ficou para trás?</translation>
    </message>
    <message>
        <source>No programs are installed on this computer.</source>
        <translation>Nenhum programa está instalado neste computador.</translation>
    </message>
    <message>
        <source>No programs are installed in this prefix.</source>
        <translation>Nenhum programa está instalado neste prefixo.</translation>
    </message>
    <message>
        <source>Choose another prefix above.</source>
        <translation>Escolha outro prefixo acima.</translation>
    </message>
    <message>
        <source>No program matches “%1”.</source>
        <translation>Nenhum programa corresponde a “%1”.</translation>
    </message>
</context>
<context>
    <name>CFileTreeItemDelegate</name>
    <message>
        <source>Details</source>
        <translation>Detalhes</translation>
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
        <translation>SIM</translation>
    </message>
    <message>
        <source>NO</source>
        <translation>NÃO</translation>
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
        <translation>Uma desinstalação ainda está em andamento. Se você fechar o Vendrix Purgewell agora, os programas ainda na fila não serão desinstalados e podem ficar restos.
Fechar o Vendrix Purgewell mesmo assim?</translation>
    </message>
</context>
<context>
    <name>CPrefixChooser</name>
    <message>
        <source>Wine prefix</source>
        <translation>Prefixo do Wine</translation>
    </message>
    <message>
        <source>%1 (read-only: %2 missing)</source>
        <translation>%1 (somente leitura: %2 ausente)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is read-only: its Wine (%2) is not installed.
The system&apos;s Wine may update this prefix so that
its manager can no longer run it.
Open it with the system&apos;s Wine anyway?</source>
        <translation>“%1” é somente leitura: falta o Wine dele (%2).
O Wine do sistema pode atualizar este prefixo
de modo que o gerenciador dele não o execute mais.
Abrir mesmo assim com o Wine do sistema?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is read-only:
its Wine (%2) is not installed.
Its programs are read from its registry files,
and nothing can be uninstalled from it.</source>
        <translation>&quot;%1&quot; é somente leitura:
o Wine dele (%2) não está instalado.
Os programas dele são lidos dos seus arquivos de registro,
e nada pode ser desinstalado dele.</translation>
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
        <translation>Espaço: marcar ou desmarcar
Delete: desinstalar
Enter ou tecla de menu: detalhes</translation>
    </message>
    <message>
        <source>Show the details (Enter, menu key or Shift+F10)</source>
        <translation>Mostrar os detalhes (Enter, tecla de menu ou Shift+F10)</translation>
    </message>
    <message>
        <source>Tick or untick this program (Space)</source>
        <translation>Marcar ou desmarcar este programa (Espaço)</translation>
    </message>
    <message>
        <source>Uninstall this program (Delete)</source>
        <translation>Desinstalar este programa (Delete)</translation>
    </message>
</context>
<context>
    <name>CReadyUninstallDlg</name>
    <message>
        <source>Do you want to uninstall the selected %1 program(s)?</source>
        <translation>Deseja desinstalar os programas selecionados (%1)?</translation>
    </message>
    <message>
        <source>Automatically remove residual files</source>
        <translation>Remover sobras automaticamente</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>%1: já restaurado</translation>
    </message>
    <message>
        <source>%1: not restored, it is no longer in the trash</source>
        <translation>%1: não restaurado, não está mais na lixeira</translation>
    </message>
    <message>
        <source>%1: not restored, something exists there now</source>
        <translation>%1: não restaurado, agora existe algo nesse local</translation>
    </message>
    <message>
        <source>%1: refused, the journal names something no removal took</source>
        <translation>%1: recusado, o registro indica algo que nenhuma remoção retirou</translation>
    </message>
    <message>
        <source>%1: not restored (%2)</source>
        <translation>%1: não restaurado (%2)</translation>
    </message>
    <message>
        <source>Restore Removed Items</source>
        <translation>Restaurar itens removidos</translation>
    </message>
    <message>
        <source>What the leftover removal moved to the trash, by run, newest first. Restoring puts files back where they were and writes the registry entries back; nothing that exists now is overwritten.</source>
        <translation>O que a remoção de sobras moveu para a lixeira, por execução, das mais recentes às mais antigas. A restauração devolve os arquivos ao lugar onde estavam e grava de volta as entradas do registro; nada do que existe agora é sobrescrito.</translation>
    </message>
    <message>
        <source>Nothing has been removed yet.</source>
        <translation>Nada foi removido ainda.</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>This journal cannot be read: %1</source>
        <translation>Não é possível ler este registro: %1</translation>
    </message>
    <message>
        <source>(unnamed program)</source>
        <translation>(programa sem nome)</translation>
    </message>
    <message>
        <source>Wine prefix %1</source>
        <translation>Prefixo do Wine %1</translation>
    </message>
    <message>
        <source>This entry of the journal is damaged: %1</source>
        <translation>Esta entrada do registro está danificada: %1</translation>
    </message>
    <message>
        <source>the run ended before it was done</source>
        <translation>a execução terminou antes de concluir</translation>
    </message>
    <message>
        <source>deleted for good</source>
        <translation>excluído definitivamente</translation>
    </message>
    <message>
        <source>still being removed</source>
        <translation>ainda sendo removido</translation>
    </message>
    <message>
        <source>Restoring %1...</source>
        <translation>Restaurando %1...</translation>
    </message>
    <message>
        <source>The items of %1 belong to the Wine prefix %2. Choose that prefix on the programs page, then restore again.</source>
        <translation>Os itens de %1 pertencem ao prefixo do Wine %2. Escolha esse prefixo na página de programas e restaure novamente.</translation>
    </message>
    <message>
        <source>%1 cannot be restored: %2</source>
        <translation>Não é possível restaurar %1: %2</translation>
    </message>
    <message>
        <source>%1: %2 item(s) restored, %3 not restored.</source>
        <translation>%1: %2 item(ns) restaurado(s), %3 não restaurado(s).</translation>
    </message>
    <message>
        <source>%1 item(s)</source>
        <translation>%1 item(ns)</translation>
    </message>
</context>
<context>
    <name>CSearchEdit</name>
    <message>
        <source>Search</source>
        <translation>Pesquisar</translation>
    </message>
    <message>
        <source>Search programs by name</source>
        <translation>Pesquisar programas pelo nome</translation>
    </message>
</context>
<context>
    <name>CStartDlg</name>
    <message>
        <source>Uninstall programs and everything they leave behind</source>
        <extracomment>The start picture&apos;s line under the product name (600 pixels wide, 15-pixel type).</extracomment>
        <translation>Desinstale programas e tudo o que eles deixam para trás</translation>
    </message>
    <message>
        <source>Reading installed programs...</source>
        <extracomment>The start picture&apos;s last line, under a progress bar, while the installed programs are read.</extracomment>
        <translation>Lendo os programas instalados…</translation>
    </message>
</context>
<context>
    <name>CUninstallRstDlg</name>
    <message>
        <source>Uninstall Completed!</source>
        <translation>Desinstalação concluída!</translation>
    </message>
    <message>
        <source>%1 program(s) were not uninstalled.</source>
        <translation>Programas não desinstalados: %1.</translation>
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
        <translation>. Espaço liberado: </translation>
    </message>
    <message>
        <source>Nothing Was Uninstalled</source>
        <translation>Nada foi desinstalado</translation>
    </message>
    <message>
        <source>No program was uninstalled.</source>
        <translation>Nenhum programa foi desinstalado.</translation>
    </message>
    <message>
        <source>Restart the computer to finish removing %1.</source>
        <translation>Reinicie o computador para concluir a remoção de %1.</translation>
    </message>
    <message>
        <source>Removed items are in the trash. You can restore them from the menu.</source>
        <translation>Os itens removidos estão na lixeira. Você pode restaurá-los pelo menu.</translation>
    </message>
</context>
<context>
    <name>CUpdateRstDlg</name>
    <message>
        <source>Congratulations!</source>
        <translation>Parabéns!</translation>
    </message>
    <message>
        <source>Update Failed!</source>
        <translation>Falha na atualização!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>A new version has been released, do you want to update now?</source>
        <translation>Uma nova versão foi lançada. Deseja atualizar agora?</translation>
    </message>
    <message>
        <source>A new version of Vendrix Purgewell  is available!</source>
        <translation>Uma nova versão do Vendrix Purgewell está disponível!</translation>
    </message>
    <message>
        <source>Update Now</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Open the download page of the new version</source>
        <translation>Abrir a página de download da nova versão</translation>
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
        <translation>Fechar</translation>
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
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>CheckUpdate</name>
    <message>
        <source>Getting update information, please wait...</source>
        <translation>Obtendo informações de atualização, aguarde…</translation>
    </message>
    <message>
        <source>Failed to check for updates. Please check your network connection.</source>
        <translation>Não foi possível verificar as atualizações. Verifique sua conexão de rede.</translation>
    </message>
    <message>
        <source>You already have the latest version, no update 
is available.</source>
        <translation>Você já tem a versão mais recente, nenhuma 
atualização disponível.</translation>
    </message>
    <message>
        <source>A new version of Vendrix Purgewell is available. Would you like to update now?</source>
        <translation>Uma nova versão do Vendrix Purgewell está disponível. Deseja atualizar agora?</translation>
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
        <translation>O Vendrix Purgewell já está aberto!</translation>
    </message>
</context>
<context>
    <name>pw::CWineHost</name>
    <message>
        <source>purgewell-host32.exe was not found (looked for &quot;%2&quot;): the Wine prefix &quot;%1&quot; is a 32-bit prefix (WINEARCH=win32), which only that host can serve. Build the program again with scripts/setup.sh, or install its package again.</source>
        <translation>purgewell-host32.exe não foi encontrado (procurado em &quot;%2&quot;): o prefixo do Wine &quot;%1&quot; é um prefixo de 32 bits (WINEARCH=win32), que só esse host pode atender. Compile o programa de novo com scripts/setup.sh ou reinstale o pacote.</translation>
    </message>
    <message>
        <source>The Wine prefix &quot;%1&quot; is a 32-bit prefix (WINEARCH=win32), and Wine&apos;s 32-bit half, which runs its programs, is not installed. Install it (on Debian and Ubuntu, as root: dpkg --add-architecture i386 &amp;&amp; apt-get update &amp;&amp; apt-get install wine32:i386), then start Vendrix Purgewell again.</source>
        <translation>O prefixo do Wine &quot;%1&quot; é um prefixo de 32 bits (WINEARCH=win32), e a parte de 32 bits do Wine, que executa os programas dele, não está instalada. Instale-a (no Debian e no Ubuntu, como root: dpkg --add-architecture i386 &amp;&amp; apt-get update &amp;&amp; apt-get install wine32:i386) e inicie o Vendrix Purgewell de novo.</translation>
    </message>
    <message>
        <source>The Wine prefix &quot;%1&quot; is a 32-bit prefix (WINEARCH=win32), and the Wine it runs with (&quot;%2&quot;) cannot run 32-bit programs: its 32-bit half (wine32) is missing. Give the prefix a Wine with 32-bit support in its manager, then start Vendrix Purgewell again.</source>
        <translation>O prefixo do Wine &quot;%1&quot; é um prefixo de 32 bits (WINEARCH=win32), e o Wine com que ele roda (&quot;%2&quot;) não executa programas de 32 bits: falta a parte de 32 bits (wine32). No gerenciador do prefixo, escolha um Wine com suporte a 32 bits e inicie o Vendrix Purgewell de novo.</translation>
    </message>
    <message>
        <source>The Wine prefix &quot;%1&quot; is a 32-bit prefix (WINEARCH=win32), and Wine&apos;s 32-bit loader (&quot;%2&quot;) cannot run on this system (Exec format error): it runs no 32-bit programs. Switch on the Linux kernel&apos;s 32-bit support (IA-32 emulation, the boot option ia32_emulation=1 where it is off), or manage this prefix on a system that runs 32-bit programs.</source>
        <translation>O prefixo do Wine &quot;%1&quot; é um prefixo de 32 bits (WINEARCH=win32), e o carregador de 32 bits do Wine (&quot;%2&quot;) não roda neste sistema (Exec format error): ele não executa programas de 32 bits. Ative o suporte a 32 bits do kernel Linux (emulação IA-32, a opção de boot ia32_emulation=1 onde estiver desativada) ou gerencie este prefixo em um sistema que execute programas de 32 bits.</translation>
    </message>
</context>
</TS>
