# Writes the service worker of the page in SITE from TEMPLATE: the list of the
# site's files, and a version that is the hash of their contents, so that any change
# to a file makes a new cache.
# usage: cmake -DSITE=dir -DTEMPLATE=file -P service_worker.cmake
file(GLOB_RECURSE files RELATIVE "${SITE}" "${SITE}/*")
list(REMOVE_ITEM files service-worker.js)
list(SORT files)
set(hashes "")
set(SITE_FILES "'./'")
foreach(name IN LISTS files)
  file(SHA256 "${SITE}/${name}" hash)
  string(APPEND hashes "${name} ${hash}\n")
  string(APPEND SITE_FILES ", './${name}'")
endforeach()
string(SHA256 version "${hashes}")
string(SUBSTRING "${version}" 0 16 SITE_VERSION)
configure_file("${TEMPLATE}" "${SITE}/service-worker.js" @ONLY)
