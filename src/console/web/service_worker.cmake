# Writes the page's service worker (service_worker.js) into the site: the
# list of the site's files and a release name made from their contents, so
# that every change of a file makes a new worker and a new cache.
#   cmake -DSITE=<site> -DTEMPLATE=<service_worker.js> -P service_worker.cmake
file(GLOB names RELATIVE ${SITE} ${SITE}/*)
list(REMOVE_ITEM names service-worker.js)
list(SORT names)
set(digests "")
set(quoted "")
foreach(name IN LISTS names)
  file(SHA256 ${SITE}/${name} digest)
  string(APPEND digests "${name} ${digest}\n")
  list(APPEND quoted "'${name}'")
endforeach()
string(SHA256 release "${digests}")
string(SUBSTRING ${release} 0 16 HULGOR_RELEASE)
list(JOIN quoted ", " HULGOR_FILES)
configure_file(${TEMPLATE} ${SITE}/service-worker.js @ONLY)
