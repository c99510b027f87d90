# Script mode helper of the language packages: writes OUT, the UTF-8 package
# IN re-encoded to the iconv code page CODEPAGE, its XML declaration naming
# ENCODING. Fails on a character the code page cannot hold.
file(READ "${IN}" content)
string(REPLACE "encoding=\"UTF-8\"" "encoding=\"${ENCODING}\"" content "${content}")
get_filename_component(out_dir "${OUT}" DIRECTORY)
file(MAKE_DIRECTORY "${out_dir}")
file(WRITE "${OUT}.utf8" "${content}")
execute_process(COMMAND "${ICONV}" -f UTF-8 -t "${CODEPAGE}" "${OUT}.utf8"
                OUTPUT_FILE "${OUT}" RESULT_VARIABLE rc ERROR_VARIABLE err)
file(REMOVE "${OUT}.utf8")
if(NOT rc EQUAL 0)
  file(REMOVE "${OUT}")
  message(FATAL_ERROR "${IN} cannot be written in ${CODEPAGE}: ${err}")
endif()
