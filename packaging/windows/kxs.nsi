; The Windows installer, made by makensis with
;   -DVERSION=1.0.0 -DSTAGE=<folder holding KXS\> -DOUTFILE=<setup.exe> -DICON=<kxs.ico>
; Installs for every user under Program Files\KXS; the player's settings and
; save live in %APPDATA%\KXS (the game's own choice once installed), which
; the uninstaller never touches. Silent: /S; /DESKTOP adds the desktop
; shortcut a silent install otherwise leaves out.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include MUI2.nsh
!include FileFunc.nsh
!include x64.nsh
!include "${STAGE}\payload.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\KXS"

Name "KXS ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\KXS"
BrandingText "KXS ${VERSION}"
ManifestDPIAware true
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "KXS"
VIAddVersionKey /LANG=0 "FileDescription" "KXS Setup"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "LegalCopyright" "GPL-2.0-or-later"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\kxs.exe"
!insertmacro MUI_PAGE_LICENSE "${STAGE}\KXS\LICENSE"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; The first is the default when Windows speaks neither.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Korean"

LangString GameSection ${LANG_ENGLISH} "KXS (the game)"
LangString GameSection ${LANG_KOREAN} "KXS (게임)"
LangString DesktopSection ${LANG_ENGLISH} "Desktop shortcut"
LangString DesktopSection ${LANG_KOREAN} "바탕 화면 바로 가기"

Section "$(GameSection)" SecGame
  SectionIn RO
  SetOutPath "$INSTDIR"
  ; A new version replaces the old one's files; none of the player's are here.
  !insertmacro RemovePayload
  File /r "${STAGE}\KXS\*"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\KXS.lnk" "$INSTDIR\kxs.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "KXS"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "KXS developers"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\kxs.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "$(DesktopSection)" SecDesktop
  CreateShortcut "$DESKTOP\KXS.lnk" "$INSTDIR\kxs.exe"
SectionEnd

Function .onInit
  SetShellVarContext all
  SetRegView 64
  IfSilent 0 done
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/DESKTOP" $1
  IfErrors 0 done
  !insertmacro UnselectSection ${SecDesktop}
done:
FunctionEnd

Function un.onInit
  SetShellVarContext all
  SetRegView 64
FunctionEnd

; Only what the installer made: %APPDATA%\KXS, the player's, stays.
Section "Uninstall"
  Delete "$SMPROGRAMS\KXS.lnk"
  Delete "$DESKTOP\KXS.lnk"
  !insertmacro RemovePayload
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
