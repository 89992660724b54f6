# cmake -DSITE=DIR -DTEMPLATE=service_worker.js -P make_service_worker.cmake
# Writes SITE/kxs-sw.js: the service worker with the site's files and a
# version made of their hashes, so that every change of any file is a new
# deployment that the browsers notice.
file(GLOB files RELATIVE ${SITE} ${SITE}/*)
list(REMOVE_ITEM files kxs-sw.js)
list(SORT files)
set(hashes "")
set(names "")
foreach(name ${files})
  if(IS_DIRECTORY ${SITE}/${name})
    continue()
  endif()
  file(SHA256 ${SITE}/${name} hash)
  string(APPEND hashes "${name} ${hash}\n")
  list(APPEND names "'${name}'")
endforeach()
string(SHA256 version "${hashes}")
string(SUBSTRING ${version} 0 16 KXS_SITE_VERSION)
list(JOIN names ", " KXS_SITE_FILES)
configure_file(${TEMPLATE} ${SITE}/kxs-sw.js @ONLY)
