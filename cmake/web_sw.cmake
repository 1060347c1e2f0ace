# Writes the page's service worker with its cache named after the files it caches, so each build
# that changes any of them gets a cache of its own. Run after the page is linked.
set(hashes "")
foreach(file ${FILES})
    file(SHA256 "${DIR}/${file}" hash)
    string(APPEND hashes "${hash}")
endforeach()
string(SHA256 all "${hashes}")
string(SUBSTRING "${all}" 0 16 short)
file(READ "${SOURCE}" text)
string(REPLACE "@TESSOLI_CACHE@" "tessoli-${short}" text "${text}")
file(WRITE "${DIR}/sw.js.new" "${text}")
file(COPY_FILE "${DIR}/sw.js.new" "${DIR}/sw.js" ONLY_IF_DIFFERENT)
file(REMOVE "${DIR}/sw.js.new")
