# Puts the MIME types that lumaskin-mime-types wrote into the desktop entry and the AppStream
# metainfo, configured already but for them.
#
#   cmake -DTYPES=<list file> -DDESKTOP_IN=... -DDESKTOP=... -DMETAINFO_IN=... -DMETAINFO=...
#         -P fill_mime_types.cmake

file(STRINGS ${TYPES} mime_types)
if(NOT mime_types)
  message(FATAL_ERROR "fill_mime_types: ${TYPES} lists no MIME type")
endif()

list(JOIN mime_types ";" LUMASKIN_MIME_TYPES)
string(APPEND LUMASKIN_MIME_TYPES ";")
set(lines "")
foreach(type IN LISTS mime_types)
  list(APPEND lines "    <mediatype>${type}</mediatype>")
endforeach()
list(JOIN lines "\n" LUMASKIN_MEDIATYPES)

configure_file(${DESKTOP_IN} ${DESKTOP} @ONLY)
configure_file(${METAINFO_IN} ${METAINFO} @ONLY)
