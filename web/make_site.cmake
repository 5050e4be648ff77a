# Copies the page's files into the site folder beside the WebAssembly module,
# bundles the shipped lessons into lessons.gz and the shipped tracks into
# tracks.gz, and writes the service worker
# from its template (page/sw.js): the list of every file of the site, and a
# cache name made from their contents. A file left in the site by an earlier
# build (a page file since renamed or removed) is deleted, so that it is
# neither cached nor served.
#   cmake "-DFILES=a;b;..." "-DLESSONS=a.qs9;..." "-DTRACKS=a.csv;..." -DORDER=lessons/README.md
#         "-DMODULE=qs9.js;qs9.wasm" -DSITE=dir -DSTAMP=file -P make_site.cmake
foreach(var FILES LESSONS TRACKS ORDER MODULE SITE STAMP)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "make_site.cmake: ${var} is not set")
  endif()
endforeach()

set(worker_template "")
set(site_names ${MODULE} lessons.gz tracks.gz sw.js)
foreach(file IN LISTS FILES)
  get_filename_component(name "${file}" NAME)
  list(APPEND site_names "${name}")
  if(name STREQUAL "sw.js")
    set(worker_template "${file}")
  else()
    file(COPY_FILE "${file}" "${SITE}/${name}" ONLY_IF_DIFFERENT)
  endif()
endforeach()
if(NOT worker_template)
  message(FATAL_ERROR "make_site.cmake: no sw.js among the page's files")
endif()

# Bundles the files (in the list's order) into SITE/bundle: each led by a
# form feed (which no file holds) and its name without extension on a line
# of its own, gzipped; the page unpacks them with the browser's own
# decompression (page/shipped_files.js).
string(ASCII 12 formFeed)
get_filename_component(stampFolder "${STAMP}" DIRECTORY)
function(bundle_files files bundle)
  set(text "")
  foreach(file IN LISTS files)
    get_filename_component(name "${file}" NAME_WE)
    file(READ "${file}" contents)
    string(FIND "${contents}" "${formFeed}" at)
    if(NOT at EQUAL -1)
      message(FATAL_ERROR "make_site.cmake: ${file} holds a form feed")
    endif()
    string(APPEND text "${formFeed}${name}\n${contents}")
  endforeach()
  set(plain "${stampFolder}/${bundle}.txt")
  file(WRITE "${plain}" "${text}")
  file(ARCHIVE_CREATE OUTPUT "${SITE}/${bundle}" PATHS "${plain}" FORMAT raw
       COMPRESSION GZip COMPRESSION_LEVEL 9 MTIME 0)
  file(REMOVE "${plain}")
endfunction()

# The lessons in teaching order (tools/lessons/lesson_order.cmake), the
# tracks by name.
include("${CMAKE_CURRENT_LIST_DIR}/../tools/lessons/lesson_order.cmake")
lesson_order("${LESSONS}" "${ORDER}" LESSONS)
bundle_files("${LESSONS}" lessons.gz)
list(SORT TRACKS)
bundle_files("${TRACKS}" tracks.gz)

file(GLOB site_files RELATIVE "${SITE}" "${SITE}/*")
foreach(name IN LISTS site_files)
  list(FIND site_names "${name}" at)
  if(at EQUAL -1)
    file(REMOVE "${SITE}/${name}")
  endif()
endforeach()

# Every file but the service worker itself, index.html first.
file(GLOB site_files RELATIVE "${SITE}" "${SITE}/*")
list(REMOVE_ITEM site_files sw.js index.html)
list(SORT site_files)
list(PREPEND site_files index.html)
set(contents "")
foreach(name IN LISTS site_files)
  file(SHA256 "${SITE}/${name}" hash)
  string(APPEND contents "${name} ${hash}\n")
endforeach()
string(SHA256 version "${contents}")
string(SUBSTRING "${version}" 0 16 QS9_CACHE_VERSION)
list(TRANSFORM site_files PREPEND "  './")
list(TRANSFORM site_files APPEND "',")
list(JOIN site_files "\n" QS9_SITE_FILES)
configure_file("${worker_template}" "${SITE}/sw.js" @ONLY)
file(TOUCH "${STAMP}")
