; SPDX-License-Identifier: GPL-3.0-or-later
; The Windows installer of Rozstawiki, in English or Polish (asked at the start, the system's
; language first): the two programs with the scheme files and Qt's Polish texts in Program Files, a Start menu entry, and an uninstaller that takes all of it away
; again. Made by tools/windows/build.sh, which gives VERSION, PROGRAM (the folder of the built
; programs), ROOT (the source tree) and OUTFILE.
Unicode true
; 64-bit, as the programs are: Wine as Debian ships it (wine64) runs no 32-bit program.
Target amd64-unicode
!include "MUI2.nsh"

!define TITLE "Rozstawiki stolikowe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Rozstawiki"

Name "${TITLE} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Rozstawiki"
RequestExecutionLevel admin
SetCompressor /SOLID lzma

; The uninstaller speaks the language the installation was made in.
!define MUI_LANGDLL_REGISTRY_ROOT HKLM
!define MUI_LANGDLL_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MUI_LANGDLL_REGISTRY_VALUENAME "InstallerLanguage"
!define MUI_FINISHPAGE_RUN "$INSTDIR\rozstawiki.exe"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${ROOT}\LICENSE"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Polish"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${TITLE}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "Setup of ${TITLE}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "GPL-3.0-or-later"
VIAddVersionKey /LANG=${LANG_POLISH} "ProductName" "${TITLE}"
VIAddVersionKey /LANG=${LANG_POLISH} "FileDescription" "Instalator programu ${TITLE}"
VIAddVersionKey /LANG=${LANG_POLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_POLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_POLISH} "LegalCopyright" "GPL-3.0-or-later"

Function .onInit
  SetRegView 64
  !insertmacro MUI_LANGDLL_DISPLAY
FunctionEnd

Function un.onInit
  SetRegView 64
  !insertmacro MUI_UNGETLANGUAGE
FunctionEnd

Section
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File "${PROGRAM}\rozstawiki.exe"
  File "${PROGRAM}\rozstawiki-pdf.exe"
  File "${PROGRAM}\HowellKS.txt"
  File "${PROGRAM}\HowellPV.txt"
  File "${PROGRAM}\Duzo_Zb.txt"
  SetOutPath "$INSTDIR\translations"
  File "${PROGRAM}\translations\qtbase_pl.qm"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\odinstaluj.exe"
  CreateShortcut "$SMPROGRAMS\${TITLE}.lnk" "$INSTDIR\rozstawiki.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${TITLE}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\rozstawiki.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\odinstaluj.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\odinstaluj.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  Delete "$SMPROGRAMS\${TITLE}.lnk"
  Delete "$INSTDIR\rozstawiki.exe"
  Delete "$INSTDIR\rozstawiki-pdf.exe"
  Delete "$INSTDIR\HowellKS.txt"
  Delete "$INSTDIR\HowellPV.txt"
  Delete "$INSTDIR\Duzo_Zb.txt"
  Delete "$INSTDIR\translations\qtbase_pl.qm"
  RMDir "$INSTDIR\translations"
  Delete "$INSTDIR\odinstaluj.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
