; The Windows installer of Bailwood 2, for 64-bit Windows 10 (version 1809 and later) and 11.
; make_installer.cmake runs makensis on it with the version, the publisher, the icon, the size,
; the lists of the files to install and to remove, and start-in-shell.exe, which the finish page
; runs.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
; A window over all the files at once (under 32 MB), which saves about 190 KB against 8 MB.
SetCompressorDictSize 32
RequestExecutionLevel admin
ManifestSupportedOS Win10

!include "MUI2.nsh"
!include "x64.nsh"
!include "Sections.nsh"
!include "WinVer.nsh"

!define PRODUCT "Bailwood 2"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Bailwood2"
!define SHORTCUT "$SMPROGRAMS\${PRODUCT}.lnk"
!define DESKTOP_SHORTCUT "$DESKTOP\${PRODUCT}.lnk"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
; An upgrade goes where the earlier version went.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_FUNCTION StartProgram
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "${PUBLISHER}"

Function un.onInit
    SetRegView 64
    SetShellVarContext all
FunctionEnd

Section "${PRODUCT}" SecProgram
    SectionIn RO
    ; Over an earlier version, its own uninstaller first removes what it installed, in place.
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 != ""
    ${AndIf} ${FileExists} "$0\uninstall.exe"
        ExecWait '"$0\uninstall.exe" /S _?=$0'
        Delete "$0\uninstall.exe"
        RMDir "$0"
    ${EndIf}

    !include "${FILES}"
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "${SHORTCUT}" "$INSTDIR\bailwood2.exe" "" "$INSTDIR\bailwood2.exe" 0

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\bailwood2.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" ${ESTIMATED_SIZE}
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Off unless chosen on the components page; the uninstaller removes it only if it was made.
Section /o "Desktop shortcut" SecDesktop
    CreateShortcut "${DESKTOP_SHORTCUT}" "$INSTDIR\bailwood2.exe" "" "$INSTDIR\bailwood2.exe" 0
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "DesktopShortcut" 1
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
    !insertmacro MUI_DESCRIPTION_TEXT ${SecProgram} \
        "The game, its Start-menu entry and its uninstaller."
    !insertmacro MUI_DESCRIPTION_TEXT ${SecDesktop} "A shortcut to ${PRODUCT} on the desktop."
!insertmacro MUI_FUNCTION_DESCRIPTION_END

; After the sections, whose names it uses.
Function .onInit
    ; Qt, which the game is made with, needs Windows 10 version 1809 (build 17763) or later.
    ${IfNot} ${RunningX64}
    ${OrIfNot} ${AtLeastWin10}
    ${OrIfNot} ${AtLeastBuild} 17763
        MessageBox MB_ICONSTOP "${PRODUCT} needs 64-bit Windows 10, version 1809 or later, \
            or Windows 11. Nothing was installed." /SD IDOK
        SetErrorLevel 1
        Abort
    ${EndIf}
    SetRegView 64
    SetShellVarContext all
    ; An upgrade keeps the desktop shortcut an earlier install made, silent or not.
    ReadRegDWORD $0 HKLM "${UNINSTALL_KEY}" "DesktopShortcut"
    ${If} $0 = 1
        !insertmacro SelectSection ${SecDesktop}
    ${EndIf}
FunctionEnd

; Started by the installer, the program would run elevated, as the installer does. Explorer,
; the desktop's shell, runs as the user signed in: start-in-shell.exe asks it to start the
; program. Should there be no Explorer view to ask, Windows' explorer.exe given the program
; hands it to the running Explorer (Wine's starts it itself, elevated).
Function StartProgram
    InitPluginsDir
    File "/oname=$PLUGINSDIR\start-in-shell.exe" "${START_IN_SHELL}"
    ExecWait '"$PLUGINSDIR\start-in-shell.exe" "$INSTDIR\bailwood2.exe" "$INSTDIR"' $0
    ${If} $0 != 0
        Exec '"$WINDIR\explorer.exe" "$INSTDIR\bailwood2.exe"'
    ${EndIf}
FunctionEnd

Section "Uninstall"
    !include "${REMOVE_FILES}"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    Delete "${SHORTCUT}"
    ReadRegDWORD $0 HKLM "${UNINSTALL_KEY}" "DesktopShortcut"
    ${If} $0 = 1
        Delete "${DESKTOP_SHORTCUT}"
    ${EndIf}
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    ; Run from its copy in the temporary folder, the uninstaller has that copy and its folder
    ; removed at the next restart, the file before the folder.
    ${If} $EXEDIR != $INSTDIR
        Delete /REBOOTOK "$EXEPATH"
        RMDir /REBOOTOK "$EXEDIR"
    ${EndIf}
SectionEnd
