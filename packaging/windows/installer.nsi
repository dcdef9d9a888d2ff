; The Windows installer of MorlindoConverter, made by scripts/package.sh
; --windows with makensis (NSIS), from the folder the portable zip is made of.
; makensis is given:
;   -DVERSION=1.2.3       the version
;   -DFILES=folder        the programs, Qt's DLLs, plugins and translations
;   -DFILE_LIST=file.nsh  the lines that install those files one by one
;   -DDELETE_LIST=file.nsh the lines that remove them again
;   -DICON=file.ico       the window's icon, which the installer shows too
;   -DOUTFILE=setup.exe
;
; Installed for all users (Program Files, HKLM) when started by an
; administrator, else for the current user (%LOCALAPPDATA%\Programs, HKCU);
; /AllUsers or /CurrentUser on the command line chooses, /S installs
; silently. It adds a Start menu entry, "Open with" entries for the track
; files the window reads (.alr, .plt, .nmea, .gpx) that leave each kind's
; default program as it is, and the uninstaller to Apps & features.
; A 64-bit installer, for the 64-bit programs: 64-bit Windows only.
Target amd64-unicode
SetCompressor /SOLID lzma

!define NAME "MorlindoConverter"
!define EXE "morlindo-converter.exe"
!define PROGID "MorlindoConverter.Track"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${NAME}"

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "${NAME}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!include MultiUser.nsh
!include MUI2.nsh

Name "${NAME} ${VERSION}"
OutFile "${OUTFILE}"
BrandingText "${NAME} ${VERSION}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "${NAME}"
VIAddVersionKey /LANG=0 "FileDescription" "${NAME} setup"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "LegalCopyright" "The MorlindoConverter developers"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!insertmacro MUI_PAGE_LICENSE "${FILES}\LICENSE.txt"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\${EXE}"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"
; The texts of the page that chooses between all users and the current
; user, which NSIS's Korean language file does not have.
!define MULTIUSER_TEXT_INSTALLMODE_TITLE "사용자 선택"
!define MULTIUSER_TEXT_INSTALLMODE_SUBTITLE "$(^NameDA)을(를) 사용할 사용자를 선택하세요."
!define MULTIUSER_INNERTEXT_INSTALLMODE_TOP "$(^NameDA)을(를) 나만 사용하도록 설치할지, 이 컴퓨터의 모든 사용자가 사용하도록 설치할지 선택하세요. $(^ClickNext)"
!define MULTIUSER_INNERTEXT_INSTALLMODE_ALLUSERS "이 컴퓨터를 사용하는 모든 사용자용으로 설치"
!define MULTIUSER_INNERTEXT_INSTALLMODE_CURRENTUSER "나만 사용하도록 설치"
!insertmacro MUI_LANGUAGE "Korean"

Function .onInit
    SetRegView 64
    !insertmacro MULTIUSER_INIT
FunctionEnd

Function un.onInit
    SetRegView 64
    !insertmacro MULTIUSER_UNINIT
FunctionEnd

; One track file kind: listed under "Open with", its default left alone.
!macro OpenWith EXTENSION
    WriteRegStr SHCTX "Software\Classes\${EXTENSION}\OpenWithProgids" "${PROGID}" ""
    WriteRegStr SHCTX "Software\Classes\Applications\${EXE}\SupportedTypes" "${EXTENSION}" ""
!macroend
!macro NoLongerOpenWith EXTENSION
    DeleteRegValue SHCTX "Software\Classes\${EXTENSION}\OpenWithProgids" "${PROGID}"
    DeleteRegKey /ifempty SHCTX "Software\Classes\${EXTENSION}\OpenWithProgids"
    DeleteRegKey /ifempty SHCTX "Software\Classes\${EXTENSION}"
!macroend

Section "Install"
    SetOutPath "$INSTDIR"
    !include "${FILE_LIST}"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortCut "$SMPROGRAMS\${NAME}.lnk" "$INSTDIR\${EXE}" "" "$INSTDIR\${EXE}" 0

    WriteRegStr SHCTX "Software\Classes\${PROGID}" "" "GPS track"
    WriteRegStr SHCTX "Software\Classes\${PROGID}\DefaultIcon" "" "$INSTDIR\${EXE},0"
    WriteRegStr SHCTX "Software\Classes\${PROGID}\shell\open\command" "" '"$INSTDIR\${EXE}" "%1"'
    WriteRegStr SHCTX "Software\Classes\Applications\${EXE}" "FriendlyAppName" "${NAME}"
    WriteRegStr SHCTX "Software\Classes\Applications\${EXE}\shell\open\command" "" '"$INSTDIR\${EXE}" "%1"'
    !insertmacro OpenWith ".alr"
    !insertmacro OpenWith ".plt"
    !insertmacro OpenWith ".nmea"
    !insertmacro OpenWith ".gpx"

    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${EXE},0"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "The MorlindoConverter developers"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode /S'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    !include "${DELETE_LIST}"
    ; The window's settings, which it keeps beside itself when it may write
    ; there (a per-user installation, or a run as administrator).
    Delete "$INSTDIR\MorlindoConverter.ini"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\${NAME}.lnk"
    !insertmacro NoLongerOpenWith ".alr"
    !insertmacro NoLongerOpenWith ".plt"
    !insertmacro NoLongerOpenWith ".nmea"
    !insertmacro NoLongerOpenWith ".gpx"
    DeleteRegKey SHCTX "Software\Classes\Applications\${EXE}"
    DeleteRegKey SHCTX "Software\Classes\${PROGID}"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
