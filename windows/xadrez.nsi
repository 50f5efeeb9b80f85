; The installer of Jogo de Xadrez for 64-bit Windows, made by makensis in
; target pacotes (windows/windows.cmake), which defines VERSAO, SAIDA,
; ICONE, LICENCA and the two lists of files, INSTALA and DESINSTALA.
; For all users under Program Files; /S installs and uninstalls silently.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!include "FileFunc.nsh"

!define NOME "Jogo de Xadrez"
!define REGISTRO "Software\Microsoft\Windows\CurrentVersion\Uninstall\JogoDeXadrez"

Name "${NOME}"
OutFile "${SAIDA}"
InstallDir "$PROGRAMFILES64\${NOME}"
RequestExecutionLevel admin
BrandingText "${NOME} ${VERSAO}"
VIProductVersion "${VERSAO}.0"
VIAddVersionKey /LANG=0 "ProductName" "${NOME}"
VIAddVersionKey /LANG=0 "FileDescription" "Instalador do ${NOME}"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSAO}"
VIAddVersionKey /LANG=0 "LegalCopyright" "2026 Jogo de Xadrez, GPL-3.0-or-later"

!define MUI_ICON "${ICONE}"
!define MUI_UNICON "${ICONE}"
!define MUI_ABORTWARNING

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${LICENCA}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; The first is the one shown on a Windows in another language.
!insertmacro MUI_LANGUAGE "PortugueseBR"
!insertmacro MUI_LANGUAGE "Portuguese"

Function .onInit
  SetShellVarContext all
  SetRegView 64
FunctionEnd

Function un.onInit
  SetShellVarContext all
  SetRegView 64
FunctionEnd

Section
  !include "${INSTALA}"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\desinstalar.exe"
  CreateShortcut "$SMPROGRAMS\${NOME}.lnk" "$INSTDIR\xadrez.exe" "" "$INSTDIR\xadrez.exe" 0

  ; The entry in the list of installed programs.
  WriteRegStr HKLM "${REGISTRO}" "DisplayName" "${NOME}"
  WriteRegStr HKLM "${REGISTRO}" "DisplayVersion" "${VERSAO}"
  WriteRegStr HKLM "${REGISTRO}" "Publisher" "Projeto Jogo de Xadrez"
  WriteRegStr HKLM "${REGISTRO}" "DisplayIcon" "$INSTDIR\xadrez.exe,0"
  WriteRegStr HKLM "${REGISTRO}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${REGISTRO}" "UninstallString" '"$INSTDIR\desinstalar.exe"'
  WriteRegStr HKLM "${REGISTRO}" "QuietUninstallString" '"$INSTDIR\desinstalar.exe" /S'
  WriteRegDWORD HKLM "${REGISTRO}" "NoModify" 1
  WriteRegDWORD HKLM "${REGISTRO}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${REGISTRO}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
  !include "${DESINSTALA}"
  Delete "$INSTDIR\desinstalar.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${NOME}.lnk"
  DeleteRegKey HKLM "${REGISTRO}"
SectionEnd
