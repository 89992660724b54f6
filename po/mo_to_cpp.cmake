# SPDX-License-Identifier: GPL-2.0-or-later
# Writes a compiled catalogue (a .mo file of msgfmt) as a C++ table of
# CatalogueEntry, in the .mo's own order (msgfmt sorts the keys by bytes).
# Run as: cmake -DMO=FILE.mo -DLANGUAGE=CODE -DOUT=FILE.cpp -P mo_to_cpp.cmake
# A script of CMake's, so that any build host makes it, whatever the target.
file(READ ${MO} hex HEX)
string(LENGTH "${hex}" hex_length)

# The little-endian 32-bit number at byte offset `at`.
function(read_word at out)
  math(EXPR pos "${at} * 2")
  if(pos GREATER hex_length OR pos EQUAL hex_length)
    message(FATAL_ERROR "${MO}: cut short at byte ${at}")
  endif()
  string(SUBSTRING "${hex}" ${pos} 8 word)
  string(REGEX REPLACE "(..)(..)(..)(..)" "\\4\\3\\2\\1" word "${word}")
  math(EXPR value "0x${word}")
  set(${out} ${value} PARENT_SCOPE)
endfunction()

# The C++ literal of the `length` bytes at `at`, every byte escaped.
function(read_literal at length out)
  math(EXPR pos "${at} * 2")
  math(EXPR count "${length} * 2")
  math(EXPR end "${pos} + ${count}")
  if(end GREATER hex_length)
    message(FATAL_ERROR "${MO}: a string runs past the end")
  endif()
  string(SUBSTRING "${hex}" ${pos} ${count} bytes)
  string(REGEX REPLACE "(..)" "\\\\x\\1" bytes "${bytes}")
  set(${out} "\"${bytes}\"" PARENT_SCOPE)
endfunction()

read_word(0 magic)
if(NOT magic EQUAL 2500072158)  # 0x950412de
  message(FATAL_ERROR "${MO}: not a little-endian .mo file")
endif()
read_word(4 revision)
if(NOT revision EQUAL 0)
  # Revision 1 adds strings with <PRId64> and the like, which differ by
  # system: format such a number into a %s instead.
  message(FATAL_ERROR "${MO}: holds system-dependent strings (<PRId64>, ...), which the game cannot look up")
endif()
read_word(8 count)
read_word(12 originals)
read_word(16 translations)

set(rows "")
set(kept 0)
if(count GREATER 0)
  math(EXPR last "${count} - 1")
  foreach(i RANGE ${last})
    math(EXPR o "${originals} + ${i} * 8")
    math(EXPR t "${translations} + ${i} * 8")
    read_word(${o} key_length)
    if(key_length EQUAL 0)
      continue()  # the header
    endif()
    math(EXPR o4 "${o} + 4")
    math(EXPR t4 "${t} + 4")
    read_word(${o4} key_at)
    read_word(${t} text_length)
    read_word(${t4} text_at)
    read_literal(${key_at} ${key_length} key)
    read_literal(${text_at} ${text_length} text)
    string(APPEND rows "    {${key},\n     ${text}},\n")
    math(EXPR kept "${kept} + 1")
  endforeach()
endif()
if(kept EQUAL 0)
  set(rows "    {\"\", \"\"},\n")
endif()

string(MAKE_C_IDENTIFIER "${LANGUAGE}" id)
file(WRITE ${OUT} "// The catalogue \"${LANGUAGE}\", made by po/mo_to_cpp.cmake from po/${LANGUAGE}.po.
#include \"text/catalogue.h\"

namespace {

const CatalogueEntry Entries[] = {
${rows}};

}  // namespace

extern const CatalogueTable Catalogue_${id};
const CatalogueTable Catalogue_${id} = {\"${LANGUAGE}\", Entries, ${kept}};
")
