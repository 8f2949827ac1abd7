; The Windows installer of Vendrix Purgewell: installs the program folder for all users into
; Program Files, a Start menu shortcut and the uninstall entry by which the program knows its own
; installation (its name, and an uninstaller in the program's own folder). The uninstaller removes
; exactly the files the installer wrote, the shortcut and the entry, and never while the program
; still runs: the program starts its own uninstaller and quits a second later, so the
; uninstaller first waits for it to end.
;
; Built by the Windows package step (cmake/PurgewellWindowsSetup.cmake) from the files the zip
; holds. Defines (makensis -DNAME=VALUE), all required:
;   VERSION   the product version, four numbers (1.2.0.0)
;   STAGE     the program folder as the zip holds it (purgewell.exe, Resources\, QSS\, ...)
;   FILES     a generated .nsh with the macros PW_INSTALL_FILES and PW_UNINSTALL_FILES, which
;             write every file of STAGE and remove each of them again
;   OUTFILE   the installer to write
; The script is UTF-8 (makensis -INPUTCHARSET UTF8) for the texts of the other languages.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestDPIAware true
ManifestSupportedOS all

!define PRODUCT "Vendrix Purgewell"
!define PUBLISHER "Vendrix Software"
!define EXE "purgewell.exe"
!define UNINSTALLER "uninstall.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
; The program holds this mutex from its start until its process ends.
!define PRODUCT_MUTEX "VendrixSK_Mutex_610044_Norford"
; How long the uninstaller waits for the program to end before it asks (or, silent, gives up).
!define PRODUCT_WAIT_MS 30000

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include "${FILES}"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
; An installed copy is updated where it is. The installer is a 64-bit program, so this reads the
; 64-bit view, where the entry is written.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}"
VIFileVersion "${VERSION}"
VIAddVersionKey /LANG=0 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=0 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=0 "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "LegalCopyright" "${PUBLISHER}"

!define MUI_ICON "${STAGE}/Resources/Logo.ico"
!define MUI_UNICON "${STAGE}/Resources/Logo.ico"
!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The languages the program speaks; the setup takes the user's display language among them, and
; English otherwise.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "Spanish"
!insertmacro MUI_LANGUAGE "Italian"
!insertmacro MUI_LANGUAGE "PortugueseBR"
!insertmacro MUI_LANGUAGE "Polish"
!insertmacro MUI_LANGUAGE "Russian"
!insertmacro MUI_LANGUAGE "SimpChinese"
!insertmacro MUI_LANGUAGE "Japanese"

LangString RunningSetup ${LANG_ENGLISH} "${PRODUCT} is running. Close it, then choose Retry to go on, or Cancel to stop the setup."
LangString RunningSetup ${LANG_GERMAN} "${PRODUCT} wird ausgeführt. Schließen Sie das Programm und wählen Sie dann „Wiederholen“, um fortzufahren, oder „Abbrechen“, um die Installation zu beenden."
LangString RunningSetup ${LANG_FRENCH} "${PRODUCT} est en cours d'exécution. Fermez-le, puis choisissez Réessayer pour continuer, ou Annuler pour arrêter l'installation."
LangString RunningSetup ${LANG_SPANISH} "${PRODUCT} se está ejecutando. Ciérrelo y elija Reintentar para continuar, o Cancelar para detener la instalación."
LangString RunningSetup ${LANG_ITALIAN} "${PRODUCT} è in esecuzione. Chiudilo, quindi scegli Riprova per continuare o Annulla per interrompere l'installazione."
LangString RunningSetup ${LANG_PORTUGUESEBR} "O ${PRODUCT} está em execução. Feche-o e escolha Repetir para continuar ou Cancelar para interromper a instalação."
LangString RunningSetup ${LANG_POLISH} "Program ${PRODUCT} jest uruchomiony. Zamknij go, a następnie wybierz „Ponów próbę”, aby kontynuować, lub „Anuluj”, aby przerwać instalację."
LangString RunningSetup ${LANG_RUSSIAN} "${PRODUCT} запущен. Закройте его, затем нажмите «Повторить», чтобы продолжить, или «Отмена», чтобы прервать установку."
LangString RunningSetup ${LANG_SIMPCHINESE} "${PRODUCT} 正在运行。请关闭它，然后选择“重试”继续，或选择“取消”停止安装。"
LangString RunningSetup ${LANG_JAPANESE} "${PRODUCT} が実行中です。終了してから [再試行] を選ぶと続行し、[キャンセル] を選ぶとセットアップを中止します。"

LangString NothingInstalled ${LANG_ENGLISH} "${PRODUCT} is running: nothing was installed."
LangString NothingInstalled ${LANG_GERMAN} "${PRODUCT} wird ausgeführt: Es wurde nichts installiert."
LangString NothingInstalled ${LANG_FRENCH} "${PRODUCT} est en cours d'exécution : rien n'a été installé."
LangString NothingInstalled ${LANG_SPANISH} "${PRODUCT} se está ejecutando: no se ha instalado nada."
LangString NothingInstalled ${LANG_ITALIAN} "${PRODUCT} è in esecuzione: non è stato installato nulla."
LangString NothingInstalled ${LANG_PORTUGUESEBR} "O ${PRODUCT} está em execução: nada foi instalado."
LangString NothingInstalled ${LANG_POLISH} "Program ${PRODUCT} jest uruchomiony: nic nie zostało zainstalowane."
LangString NothingInstalled ${LANG_RUSSIAN} "${PRODUCT} запущен: ничего не установлено."
LangString NothingInstalled ${LANG_SIMPCHINESE} "${PRODUCT} 正在运行：未安装任何内容。"
LangString NothingInstalled ${LANG_JAPANESE} "${PRODUCT} が実行中です。何もインストールされていません。"

LangString WaitingForProduct ${LANG_ENGLISH} "Waiting for ${PRODUCT} to close…"
LangString WaitingForProduct ${LANG_GERMAN} "Warten, bis ${PRODUCT} beendet ist …"
LangString WaitingForProduct ${LANG_FRENCH} "Attente de la fermeture de ${PRODUCT}…"
LangString WaitingForProduct ${LANG_SPANISH} "Esperando a que ${PRODUCT} se cierre…"
LangString WaitingForProduct ${LANG_ITALIAN} "In attesa della chiusura di ${PRODUCT}…"
LangString WaitingForProduct ${LANG_PORTUGUESEBR} "Aguardando o ${PRODUCT} ser fechado…"
LangString WaitingForProduct ${LANG_POLISH} "Oczekiwanie na zamknięcie programu ${PRODUCT}…"
LangString WaitingForProduct ${LANG_RUSSIAN} "Ожидание закрытия ${PRODUCT}…"
LangString WaitingForProduct ${LANG_SIMPCHINESE} "正在等待 ${PRODUCT} 关闭…"
LangString WaitingForProduct ${LANG_JAPANESE} "${PRODUCT} の終了を待っています…"

LangString RunningUninstall ${LANG_ENGLISH} "${PRODUCT} is still running, and its files cannot be removed while it runs. Close it, then choose Retry to go on, or Cancel to stop."
LangString RunningUninstall ${LANG_GERMAN} "${PRODUCT} wird noch ausgeführt; solange es läuft, können seine Dateien nicht entfernt werden. Schließen Sie das Programm und wählen Sie dann „Wiederholen“, um fortzufahren, oder „Abbrechen“, um die Deinstallation zu beenden."
LangString RunningUninstall ${LANG_FRENCH} "${PRODUCT} est toujours en cours d'exécution et ses fichiers ne peuvent pas être supprimés tant qu'il fonctionne. Fermez-le, puis choisissez Réessayer pour continuer, ou Annuler pour arrêter la désinstallation."
LangString RunningUninstall ${LANG_SPANISH} "${PRODUCT} sigue en ejecución y sus archivos no se pueden eliminar mientras se ejecuta. Ciérrelo y elija Reintentar para continuar, o Cancelar para detener la desinstalación."
LangString RunningUninstall ${LANG_ITALIAN} "${PRODUCT} è ancora in esecuzione e i suoi file non possono essere rimossi finché è aperto. Chiudilo, quindi scegli Riprova per continuare o Annulla per interrompere la disinstallazione."
LangString RunningUninstall ${LANG_PORTUGUESEBR} "O ${PRODUCT} ainda está em execução e seus arquivos não podem ser removidos enquanto ele estiver aberto. Feche-o e escolha Repetir para continuar ou Cancelar para interromper a desinstalação."
LangString RunningUninstall ${LANG_POLISH} "Program ${PRODUCT} nadal działa i jego plików nie można usunąć, dopóki jest uruchomiony. Zamknij go, a następnie wybierz „Ponów próbę”, aby kontynuować, lub „Anuluj”, aby przerwać dezinstalację."
LangString RunningUninstall ${LANG_RUSSIAN} "${PRODUCT} всё ещё запущен, и его файлы нельзя удалить, пока он работает. Закройте его, затем нажмите «Повторить», чтобы продолжить, или «Отмена», чтобы прервать удаление."
LangString RunningUninstall ${LANG_SIMPCHINESE} "${PRODUCT} 仍在运行，运行期间无法删除其文件。请关闭它，然后选择“重试”继续，或选择“取消”停止卸载。"
LangString RunningUninstall ${LANG_JAPANESE} "${PRODUCT} がまだ実行中のため、ファイルを削除できません。終了してから [再試行] を選ぶと続行し、[キャンセル] を選ぶとアンインストールを中止します。"

LangString NothingRemoved ${LANG_ENGLISH} "${PRODUCT} is still running: nothing was removed."
LangString NothingRemoved ${LANG_GERMAN} "${PRODUCT} wird noch ausgeführt: Es wurde nichts entfernt."
LangString NothingRemoved ${LANG_FRENCH} "${PRODUCT} est toujours en cours d'exécution : rien n'a été supprimé."
LangString NothingRemoved ${LANG_SPANISH} "${PRODUCT} sigue en ejecución: no se ha eliminado nada."
LangString NothingRemoved ${LANG_ITALIAN} "${PRODUCT} è ancora in esecuzione: non è stato rimosso nulla."
LangString NothingRemoved ${LANG_PORTUGUESEBR} "O ${PRODUCT} ainda está em execução: nada foi removido."
LangString NothingRemoved ${LANG_POLISH} "Program ${PRODUCT} nadal działa: nic nie zostało usunięte."
LangString NothingRemoved ${LANG_RUSSIAN} "${PRODUCT} всё ещё запущен: ничего не удалено."
LangString NothingRemoved ${LANG_SIMPCHINESE} "${PRODUCT} 仍在运行：未删除任何内容。"
LangString NothingRemoved ${LANG_JAPANESE} "${PRODUCT} がまだ実行中です。何も削除されていません。"

; WaitForProduct: pops how many milliseconds to wait and pushes 1 when the program still runs
; after them, 0 when it does not run (or has ended). The program holds its mutex for its whole
; life; the mutex is abandoned when its process ends, which ends the wait at once.
!macro PW_WAIT_FOR_PRODUCT prefix
Function ${prefix}WaitForProduct
  Exch $0
  Push $1
  Push $2
  ; SYNCHRONIZE: enough to wait on it.
  System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "${PRODUCT_MUTEX}") p.r1'
  ${If} $1 P= 0
    StrCpy $0 0 ; no such mutex: the program does not run
  ${Else}
    System::Call 'kernel32::WaitForSingleObject(p r1, i r0) i.r2'
    ${If} $2 = 0      ; WAIT_OBJECT_0: nobody held it
    ${OrIf} $2 = 0x80 ; WAIT_ABANDONED: its holder ended
      System::Call 'kernel32::ReleaseMutex(p r1)'
      StrCpy $0 0
    ${Else}
      StrCpy $0 1
    ${EndIf}
    System::Call 'kernel32::CloseHandle(p r1)'
  ${EndIf}
  Pop $2
  Pop $1
  Exch $0
FunctionEnd
!macroend
!insertmacro PW_WAIT_FOR_PRODUCT ""
!insertmacro PW_WAIT_FOR_PRODUCT "un."

Function .onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Function un.onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Section "Install"
  SetRegView 64
  SetShellVarContext all
  ; The files of a running program cannot be replaced.
retry:
  Push 0
  Call WaitForProduct
  Pop $0
  ${If} $0 <> 0
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(RunningSetup)" /SD IDCANCEL IDRETRY retry
    Abort "$(NothingInstalled)"
  ${EndIf}

  !insertmacro PW_INSTALL_FILES
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  ; Started in the program folder, as the program expects.
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\${EXE}" "" "$INSTDIR\${EXE}" 0

  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${EXE},0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetRegView 64
  SetShellVarContext all
  ; Started by the program itself, the uninstaller runs while the program is still quitting.
  DetailPrint "$(WaitingForProduct)"
retry:
  Push ${PRODUCT_WAIT_MS}
  Call un.WaitForProduct
  Pop $0
  ${If} $0 <> 0
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(RunningUninstall)" /SD IDCANCEL IDRETRY retry
    Abort "$(NothingRemoved)"
  ${EndIf}

  !insertmacro PW_UNINSTALL_FILES
  ; What the program itself writes into its folder: the update check's answer and crash dumps.
  Delete "$INSTDIR\Upgrade.ini"
  Delete "$INSTDIR\vdxskdump*.dmp"
  Delete "$INSTDIR\${UNINSTALLER}"
  ; Never /r: whatever else is in the folder is not ours to remove.
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
