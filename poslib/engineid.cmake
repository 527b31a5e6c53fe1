# Writes OUT, a header naming the report engine's build by a digest of the
# contents of the sources listed (semicolon-separated) in the file LIST, as
# the macro MACRO (VELTRUM_ENGINE_ID when not given). The header is
# rewritten only when the digest changes.
file(READ "${LIST}" sources)
set(digests "")
foreach(source IN LISTS sources)
  if(EXISTS "${source}")
    file(SHA1 "${source}" digest)
    string(APPEND digests "${digest}\n")
  endif()
endforeach()
string(SHA1 id "${digests}")
if(NOT MACRO)
  set(MACRO VELTRUM_ENGINE_ID)
endif()
file(WRITE "${OUT}.new"
     "#pragma once\n// Generated at build time: the digest of the report engine's sources.\n"
     "#define ${MACRO} \"${id}\"\n")
configure_file("${OUT}.new" "${OUT}" COPYONLY)
