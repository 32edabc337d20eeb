; The Windows installer: both programs and vorlan_cli with everything they need, Start-menu entries
; for both languages, the licence page and an uninstaller. Made by scripts/windows-package, which
; passes the folder to install (SOURCE), the icon (ICON), the licence (LICENSE) and the output.
; A 64-bit installer for the 64-bit programs: it runs where they run.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include "MUI2.nsh"

!define PRODUCT "设置程序(简体)"
!define KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\vorlan_setup"
!define MENU_ZH "QX系列APRS设置程序"
!define MENU_EN "QX series APRS setup (English)"

Name "vorlan_setup ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\vorlan_setup"
InstallDirRegKey HKLM "${KEY}" "InstallLocation"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; The installer speaks the system's language where it is one of these.
!insertmacro MUI_LANGUAGE "SimpChinese"
!insertmacro MUI_LANGUAGE "English"

; The installer's own version resource, like the programs'.
VIProductVersion "1.0.0.0"
VIFileVersion "1.0.0.0"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "CompanyName" "FREE"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "LegalCopyright" "2026 vorlan_setup developers, GPL-3.0-or-later"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "FileDescription" "vorlan_setup installer"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "InternalName" "vorlan_setup_installer"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "OriginalFilename" "${OUTNAME}"

Section "vorlan_setup"
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File /r "${SOURCE}\*.*"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateDirectory "$SMPROGRAMS\vorlan_setup"
  CreateShortCut "$SMPROGRAMS\vorlan_setup\${MENU_ZH}.lnk" "$INSTDIR\vorlan_setup_zh.exe"
  CreateShortCut "$SMPROGRAMS\vorlan_setup\${MENU_EN}.lnk" "$INSTDIR\vorlan_setup_en.exe"

  WriteRegStr HKLM "${KEY}" "DisplayName" "vorlan_setup (${PRODUCT})"
  WriteRegStr HKLM "${KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${KEY}" "Publisher" "FREE"
  WriteRegStr HKLM "${KEY}" "DisplayIcon" "$INSTDIR\vorlan_setup_zh.exe"
  WriteRegStr HKLM "${KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegDWORD HKLM "${KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${KEY}" "NoRepair" 1
  WriteRegDWORD HKLM "${KEY}" "EstimatedSize" ${SIZE_KB}
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  Delete "$SMPROGRAMS\vorlan_setup\${MENU_ZH}.lnk"
  Delete "$SMPROGRAMS\vorlan_setup\${MENU_EN}.lnk"
  RMDir "$SMPROGRAMS\vorlan_setup"
  ; Only what the installer put there: files the user saved in the folder stay.
  !include "${FILELIST}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${KEY}"
SectionEnd
