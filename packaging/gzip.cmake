# cmake -DIN=<file> -DOUT=<file.gz> -P gzip.cmake
# Compresses as Debian wants manual pages and changelogs: best compression, and no file name or time
# stamp in the header (gzip -9n), so that every build gives the same bytes.
get_filename_component(folder "${OUT}" DIRECTORY)
file(MAKE_DIRECTORY "${folder}")
execute_process(COMMAND gzip -9n -c "${IN}" OUTPUT_FILE "${OUT}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  file(REMOVE "${OUT}")
  message(FATAL_ERROR "gzip -9n ${IN} failed: ${result}")
endif()
