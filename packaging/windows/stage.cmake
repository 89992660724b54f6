# SPDX-License-Identifier: GPL-2.0-or-later
# cmake -DSTAGE=DIR -DEXE=kxs.exe -DSTRIP=strip -DTREE=DIR -DSOURCE=TOP -DREADME=README.txt -P stage.cmake
# The folder a Windows player gets, in STAGE/KXS: the program (without its
# debugging information, as the Debian package strips it), the data
# tree (no save, nothing half written), the README in the form Notepad
# reads (UTF-8 with its mark, CRLF) and the licences. The zip and the
# installer are both made from it.
set(out ${STAGE}/KXS)
file(REMOVE_RECURSE ${STAGE})
file(MAKE_DIRECTORY ${out})
file(COPY ${TREE}/ DESTINATION ${out} PATTERN "*.sav" EXCLUDE PATTERN "*.tmp" EXCLUDE PATTERN "kxs.ini" EXCLUDE)
file(COPY ${SOURCE}/packaging/credits DESTINATION ${out})
file(COPY ${EXE} ${SOURCE}/LICENSE ${SOURCE}/LICENSES DESTINATION ${out})
execute_process(COMMAND ${STRIP} ${out}/kxs.exe COMMAND_ERROR_IS_FATAL ANY)
file(READ ${README} text)
string(REPLACE "\n" "\r\n" text "${text}")
string(ASCII 239 187 191 bom)
file(WRITE ${out}/README.txt "${bom}${text}")

# What the installer puts in its folder, for it and its uninstaller to
# remove again: only these, never the whole folder, which the player may
# have chosen to be one holding other things.
file(GLOB entries RELATIVE ${out} ${out}/*)
set(remove "")
foreach(entry ${entries})
  if(IS_DIRECTORY ${out}/${entry})
    string(APPEND remove "  RMDir /r \"$INSTDIR\\${entry}\"\n")
  else()
    string(APPEND remove "  Delete \"$INSTDIR\\${entry}\"\n")
  endif()
endforeach()
file(WRITE ${STAGE}/payload.nsh "!macro RemovePayload\n${remove}!macroend\n")
