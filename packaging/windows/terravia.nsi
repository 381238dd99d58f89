; SPDX-License-Identifier: GPL-3.0-or-later
; The Windows installer: the portable folder put under Program Files for all users, or under
; the user's own programs for one user, a Start-menu entry, and an uninstaller listed in "Apps &
; features" that removes exactly the files it installed.
;   makensis -DFOLDER=DIR -DFILES=NSH -DOUTFILE=EXE -DMSI_UPGRADE_CODE=GUID terravia.nsi
; FOLDER is the portable folder; FILES lists its files and folders for the uninstaller;
; MSI_UPGRADE_CODE is that of the package for managed deployment, terravia.wxs, which installs for
; all users into the same folder and menu: so no all-users install goes over the package's.
; /AllUsers or /CurrentUser chooses for a silent install; an administrator is asked on a page,
; and installs for all users unless told otherwise; anyone else installs for themselves alone,
; with no elevation asked. An update installs where that mode's Terravia already is, unless /D=
; names another folder.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel highest

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "x64.nsh"
!include "FileFunc.nsh"
!include "nsDialogs.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Terravia"
!define OVER_MSI "Terravia is already installed for all users from its MSI package: update or remove it with that package."

Name "Terravia 1.0"
OutFile "${OUTFILE}"
!define MUI_ICON "terravia.ico"
!define MUI_UNICON "terravia.ico"

!insertmacro MUI_PAGE_LICENSE "${FOLDER}\LICENSE.txt"
Page custom ModePage ModePageLeave
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Var AllUsers ; 1 for everyone who uses the machine, 0 for this user alone
Var MayAllUsers ; 1 where the user holds administrator rights
Var Chosen ; the folder /D= gave, which wins over either mode's own
Var AllUsersButton
Var FromMsi ; 1 where the package for managed deployment has installed Terravia

; No InstallDir: $INSTDIR is empty here unless /D= gave it.
Function .onInit
    SetRegView 64
    StrCpy $Chosen $INSTDIR
    UserInfo::GetAccountType
    Pop $0
    StrCpy $MayAllUsers 0
    ${If} $0 == "Admin"
        StrCpy $MayAllUsers 1
    ${EndIf}
    StrCpy $AllUsers $MayAllUsers
    ${GetParameters} $1
    ClearErrors
    ${GetOptions} $1 "/CurrentUser" $2
    ${IfNot} ${Errors}
        StrCpy $AllUsers 0
    ${EndIf}
    StrCpy $5 0 ; 1 where /AllUsers asks for all users
    ClearErrors
    ${GetOptions} $1 "/AllUsers" $2
    ${IfNot} ${Errors}
        ${If} $MayAllUsers != 1
            MessageBox MB_OK "Installing Terravia for all users needs administrator rights." /SD IDOK
            Abort
        ${EndIf}
        StrCpy $AllUsers 1
        StrCpy $5 1
    ${EndIf}
    StrCpy $FromMsi 0
    System::Call 'msi::MsiEnumRelatedProductsW(w "{${MSI_UPGRADE_CODE}}", i 0, i 0, w .r3) i .r4'
    ${If} $4 == 0
        StrCpy $FromMsi 1
    ${EndIf}
    ; Asked for all users, the installer refuses; on its pages, it offers the user's own install.
    ${If} $FromMsi == 1
    ${AndIf} $AllUsers == 1
        ${If} $5 == 1
        ${OrIf} ${Silent}
            MessageBox MB_OK "${OVER_MSI}" /SD IDOK
            Abort
        ${EndIf}
        StrCpy $AllUsers 0
    ${EndIf}
    Call UseMode
FunctionEnd

; The mode's shell folders and registry root (SHCTX), and its folder: that of an earlier install
; of the same mode, read from its Uninstall key, so that one copy and one entry in "Apps &
; features" remain; else Program Files, or the user's own programs. /D= wins over both.
Function UseMode
    ${If} $AllUsers == 1
        SetShellVarContext all
        StrCpy $INSTDIR "$PROGRAMFILES64\Terravia"
    ${Else}
        SetShellVarContext current
        StrCpy $INSTDIR "$LOCALAPPDATA\Programs\Terravia"
    ${EndIf}
    ReadRegStr $0 SHCTX "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 != ""
        StrCpy $INSTDIR $0
    ${EndIf}
    ${If} $Chosen != ""
        StrCpy $INSTDIR $Chosen
    ${EndIf}
FunctionEnd

; Only an administrator has a choice to make.
Function ModePage
    ${If} $MayAllUsers != 1
        Abort
    ${EndIf}
    !insertmacro MUI_HEADER_TEXT "Install for" "Who will use Terravia on this computer?"
    nsDialogs::Create 1018
    Pop $0
    ${NSD_CreateRadioButton} 0 0 100% 12u "&Anyone who uses this computer"
    Pop $AllUsersButton
    ${NSD_CreateRadioButton} 0 18u 100% 12u "Only &me"
    Pop $1
    ${If} $AllUsers == 1
        ${NSD_Check} $AllUsersButton
    ${Else}
        ${NSD_Check} $1
    ${EndIf}
    nsDialogs::Show
FunctionEnd

Function ModePageLeave
    ${NSD_GetState} $AllUsersButton $0
    ${If} $0 == ${BST_CHECKED}
        ${If} $FromMsi == 1
            MessageBox MB_OK "${OVER_MSI}"
            Abort
        ${EndIf}
        StrCpy $AllUsers 1
    ${Else}
        StrCpy $AllUsers 0
    ${EndIf}
    Call UseMode
FunctionEnd

; The install this uninstaller belongs to: one user's where that user's Uninstall key names its
; folder, else the machine's.
Function un.onInit
    SetRegView 64
    SetShellVarContext current
    ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 != $INSTDIR
        SetShellVarContext all
    ${EndIf}
FunctionEnd

Section "Terravia"
    SetOutPath "$INSTDIR"
    File /r "${FOLDER}\*"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\Terravia.lnk" "$INSTDIR\terravia.exe"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "Terravia 1.0"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "1.0"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "Terravia"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\terravia.exe"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Only what this installer put there: a folder the user chose may hold other files.
Section "Uninstall"
    Delete "$SMPROGRAMS\Terravia.lnk"
    !include "${FILES}"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
