# The Windows build's own Qt and ICU, cross-built once by scripts/windows-qt and scripts/windows-icu
# into a cache folder outside the tree ($VORLAN_WINDOWS_CACHE, by default ~/.cache/vorlan-windows).
set(VORLAN_WINDOWS_CACHE "$ENV{VORLAN_WINDOWS_CACHE}" CACHE PATH
    "Where scripts/windows-qt and scripts/windows-icu put the cross-built Qt and ICU")
if(NOT VORLAN_WINDOWS_CACHE)
  set(VORLAN_WINDOWS_CACHE "$ENV{HOME}/.cache/vorlan-windows" CACHE PATH "" FORCE)
endif()
foreach(part qt icu)
  if(NOT EXISTS "${VORLAN_WINDOWS_CACHE}/${part}/.vorlan-${part}-stamp")
    message(FATAL_ERROR "No cross-built ${part} in ${VORLAN_WINDOWS_CACHE}: run scripts/windows-${part}")
  endif()
  list(APPEND CMAKE_PREFIX_PATH "${VORLAN_WINDOWS_CACHE}/${part}")
  # The toolchain looks for headers and libraries only below its roots.
  list(APPEND CMAKE_FIND_ROOT_PATH "${VORLAN_WINDOWS_CACHE}/${part}")
endforeach()
