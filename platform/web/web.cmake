# SPDX-License-Identifier: GPL-2.0-or-later
# The browser build (emscripten): the game on the web backend, written as a
# static site into build-web/site/. The data tree is made by the desktop
# build's tools (nothing built for WebAssembly runs at build time) and named
# by KXS_WEB_GAME_TREE.
set(KXS_WEB_GAME_TREE "" CACHE PATH "The data tree the desktop build made (build/game)")
if(NOT IS_DIRECTORY "${KXS_WEB_GAME_TREE}/data")
  message(FATAL_ERROR "KXS_WEB_GAME_TREE must name the data tree of a desktop build (build/game)")
endif()

kxs_add_backend(web)

# Debian's emcc finds its JavaScript optimiser's modules (acorn) only
# through NODE_PATH when a newer Node.js than Debian's is installed.
if(EXISTS /usr/share/nodejs/acorn)
  set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
endif()

set(KXS_SITE ${CMAKE_BINARY_DIR}/site)
set(KXS_WEB_PAGE ${CMAKE_SOURCE_DIR}/platform/web)
add_executable(kxs-web ${CMAKE_SOURCE_DIR}/tools/kxs_web_main.cpp)
target_link_libraries(kxs-web PRIVATE kxs_app)
kxs_program(kxs-web web)
set_target_properties(kxs-web PROPERTIES OUTPUT_NAME kxs SUFFIX .js RUNTIME_OUTPUT_DIRECTORY ${KXS_SITE})
# ASYNCIFY lets the flip, boxes and dialogs wait for the browser inside the
# game's own loop. The data tree is packaged under /pkg; the page links it
# into /game and mounts cur/ from IndexedDB there.
target_link_options(kxs-web PRIVATE
  -sASYNCIFY -sASYNCIFY_STACK_SIZE=65536
  -sALLOW_MEMORY_GROWTH=1 -sINITIAL_MEMORY=33554432
  -sENVIRONMENT=web -sFORCE_FILESYSTEM=1 -lidbfs.js
  -sEXPORTED_RUNTIME_METHODS=[FS,addRunDependency,removeRunDependency]
  -sEXPORTED_FUNCTIONS=[_main,_malloc,_free,_KxsWebSaveWouldLoad]
  --pre-js ${KXS_WEB_PAGE}/page.js
  --preload-file ${KXS_WEB_GAME_TREE}@/pkg
  --exclude-file *.sav)
set(KXS_ICON_SVG ${CMAKE_SOURCE_DIR}/assets/icons/kxs.svg)
# The page's own texts in every catalogue's language (kxs-words.js),
# written by Node.js, which emcc runs on anyway.
find_program(KXS_NODE NAMES node nodejs REQUIRED)
set(KXS_PAGE_CATALOGUES "")
foreach(lang ${KXS_LANGUAGES})
  list(APPEND KXS_PAGE_CATALOGUES ${CMAKE_SOURCE_DIR}/po/${lang}.po)
endforeach()
set_property(TARGET kxs-web APPEND PROPERTY LINK_DEPENDS ${KXS_WEB_PAGE}/page.js ${KXS_WEB_PAGE}/index.html
  ${KXS_WEB_PAGE}/kxs.css ${KXS_WEB_PAGE}/kxs.webmanifest ${KXS_WEB_PAGE}/service_worker.js ${KXS_ICON_SVG}
  ${KXS_WEB_PAGE}/page_words.js ${KXS_WEB_PAGE}/make_page_words.js ${CMAKE_SOURCE_DIR}/po/kxs.pot
  ${KXS_PAGE_CATALOGUES})
# The page, its texts, the app's manifest and its icons from the game's own drawing
# (the maskable one with the room round it that a launcher may cut away),
# then the service worker, last: its version is a hash of all of them.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
find_program(IMAGEMAGICK_CONVERT convert REQUIRED)
add_custom_command(TARGET kxs-web POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E copy ${KXS_WEB_PAGE}/index.html ${KXS_WEB_PAGE}/kxs.css ${KXS_WEB_PAGE}/kxs.webmanifest
          ${KXS_SITE}/
  COMMAND ${KXS_NODE} ${KXS_WEB_PAGE}/make_page_words.js ${KXS_SITE}/kxs-words.js ${KXS_WEB_PAGE}/page_words.js
          ${CMAKE_SOURCE_DIR}/po/kxs.pot ${KXS_PAGE_CATALOGUES}
  COMMAND ${RSVG_CONVERT} -w 192 -h 192 ${KXS_ICON_SVG} -o ${KXS_SITE}/icon-192.png
  COMMAND ${RSVG_CONVERT} -w 512 -h 512 ${KXS_ICON_SVG} -o ${KXS_SITE}/icon-512.png
  COMMAND ${RSVG_CONVERT} -w 400 -h 400 ${KXS_ICON_SVG} -o ${CMAKE_BINARY_DIR}/icon-maskable-inner.png
  COMMAND ${IMAGEMAGICK_CONVERT} ${CMAKE_BINARY_DIR}/icon-maskable-inner.png -background "#0a0a2e" -gravity center
          -extent 512x512 -strip ${KXS_SITE}/icon-maskable-512.png
  COMMAND ${CMAKE_COMMAND} -DSITE=${KXS_SITE} -DTEMPLATE=${KXS_WEB_PAGE}/service_worker.js
          -P ${KXS_WEB_PAGE}/make_service_worker.cmake
  VERBATIM)
