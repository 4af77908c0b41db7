# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DMETAINFO=... -DDESKTOP=... -DSOURCE_DIR=... -P check_metainfo.cmake
# Every screenshot the AppStream file names is a file of the repository, and the file types the
# desktop file opens are the ones the AppStream file announces.
file(READ ${METAINFO} meta)
string(REGEX MATCHALL "<image>https://raw\\.githubusercontent\\.com/lumora/lumora/main/[^<]+</image>" images "${meta}")
list(LENGTH images count)
if(count EQUAL 0)
  message(FATAL_ERROR "no screenshot in ${METAINFO}")
endif()
foreach(image ${images})
  string(REGEX REPLACE "<image>https://raw\\.githubusercontent\\.com/lumora/lumora/main/([^<]+)</image>" "\\1" path "${image}")
  if(NOT EXISTS ${SOURCE_DIR}/${path})
    message(FATAL_ERROR "screenshot ${path} is not in the repository")
  endif()
endforeach()
string(REGEX MATCHALL "<mediatype>[^<]+</mediatype>" announced "${meta}")
string(REGEX REPLACE "</?mediatype>" "" announced "${announced}")
file(STRINGS ${DESKTOP} mimeLine REGEX "^MimeType=")
string(REPLACE "\\;" ";" mimeLine "${mimeLine}")  # file(STRINGS) keeps a line's ';' escaped
string(REGEX REPLACE "^MimeType=|;$" "" opened "${mimeLine}")
list(SORT announced)
list(SORT opened)
if(NOT announced STREQUAL opened)
  message(FATAL_ERROR "the desktop file opens '${opened}' but the AppStream file announces '${announced}'")
endif()
