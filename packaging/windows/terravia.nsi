; SPDX-License-Identifier: GPL-3.0-or-later
; The Windows installer: the portable folder put under Program Files, a Start-menu entry, and an
; uninstaller listed in "Apps & features" that removes exactly the files it installed.
;   makensis -DFOLDER=DIR -DFILES=NSH -DOUTFILE=EXE terravia.nsi
; FOLDER is the portable folder; FILES lists its files and folders for the uninstaller.
; An update installs where Terravia already is, unless /D= names another folder.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "x64.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Terravia"

Name "Terravia 1.0"
OutFile "${OUTFILE}"
!define MUI_ICON "terravia.ico"
!define MUI_UNICON "terravia.ico"

!insertmacro MUI_PAGE_LICENSE "${FOLDER}\LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; No InstallDir: $INSTDIR is empty here unless /D= gave it, which always wins. Otherwise the
; folder of an earlier install, read from its Uninstall key, so that one copy and one entry in
; "Apps & features" remain; and Program Files for a first install.
Function .onInit
    SetRegView 64
    ${If} $INSTDIR == ""
        ReadRegStr $INSTDIR HKLM "${UNINSTALL_KEY}" "InstallLocation"
    ${EndIf}
    ${If} $INSTDIR == ""
        StrCpy $INSTDIR "$PROGRAMFILES64\Terravia"
    ${EndIf}
FunctionEnd

Function un.onInit
    SetRegView 64
FunctionEnd

Section "Terravia"
    SetOutPath "$INSTDIR"
    File /r "${FOLDER}\*"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    SetShellVarContext all
    CreateShortcut "$SMPROGRAMS\Terravia.lnk" "$INSTDIR\terravia.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Terravia 1.0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "1.0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Terravia"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\terravia.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Only what this installer put there: a folder the user chose may hold other files.
Section "Uninstall"
    SetShellVarContext all
    Delete "$SMPROGRAMS\Terravia.lnk"
    !include "${FILES}"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
