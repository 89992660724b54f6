# The game's folders as libraries, shared by the main build and the fuzz
# build. Each game folder is one static library that links exactly the
# folders its row of the folder table in docs/architecture.md names, the
# table tests/layering.sh holds every include to.
get_filename_component(KXS_ROOT ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)
set(KXS_FOLDER_TABLE ${KXS_ROOT}/docs/architecture.md)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${KXS_FOLDER_TABLE})

# The game's folders, lowest first: a folder may only link those before it.
set(KXS_GAME_DIRS gfx text world sim screens dialogs app)

# kxs_folder_uses(FOLDER VAR): the folders (without their slash) that
# FOLDER's row of the table lets it include. The table's cells hold no "|"
# or ";".
function(kxs_folder_uses folder out)
  file(STRINGS ${KXS_FOLDER_TABLE} rows REGEX "^\\| `${folder}/` \\|")
  list(LENGTH rows count)
  if(NOT count EQUAL 1)
    message(FATAL_ERROR "${KXS_FOLDER_TABLE}: the folder table needs one row for ${folder}/")
  endif()
  string(REPLACE "|" ";" cells "${rows}")
  list(GET cells 3 allowed)
  string(REGEX MATCHALL "`[a-z_/]+/`" tokens "${allowed}")
  set(uses "")
  foreach(token ${tokens})
    string(REGEX REPLACE "^`(.*)/`$" "\\1" name "${token}")
    list(APPEND uses ${name})
  endforeach()
  set(${out} ${uses} PARENT_SCOPE)
endfunction()

# kxs_add_game_libraries(PREFIX PLATFORM): the library PREFIX<folder> of
# every game folder; a row's platform/ links PLATFORM.
function(kxs_add_game_libraries prefix platform)
  foreach(dir ${KXS_GAME_DIRS})
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${KXS_ROOT}/${dir}/*.cpp)
    set(library ${prefix}${dir})
    add_library(${library} STATIC ${sources})
    target_include_directories(${library} PUBLIC ${KXS_ROOT})
    kxs_folder_uses(${dir} uses)
    foreach(use ${uses})
      if(use STREQUAL "platform")
        target_link_libraries(${library} PUBLIC ${platform})
      elseif(TARGET ${prefix}${use})
        target_link_libraries(${library} PUBLIC ${prefix}${use})
      else()
        message(FATAL_ERROR "${KXS_FOLDER_TABLE}: ${dir}/ may include ${use}/, which is not a game folder below it")
      endif()
    endforeach()
  endforeach()
endfunction()

# kxs_add_platform_library(TARGET [FOLDER]): platform/*.cpp, the code every
# backend shares, or with FOLDER the backend of platform/FOLDER/.
function(kxs_add_platform_library target)
  if(ARGC GREATER 1)
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${KXS_ROOT}/platform/${ARGV1}/*.cpp)
  else()
    file(GLOB sources CONFIGURE_DEPENDS ${KXS_ROOT}/platform/*.cpp)
    # The browser keeps files by its own storage: the web backend has its
    # own durable writes (platform/web/file_sync.cpp).
    if(EMSCRIPTEN)
      list(REMOVE_ITEM sources ${KXS_ROOT}/platform/file_sync.cpp)
    endif()
  endif()
  add_library(${target} STATIC ${sources})
  target_include_directories(${target} PUBLIC ${KXS_ROOT})
endfunction()
