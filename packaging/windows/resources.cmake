# The Windows programs' resources: the icon, made from the project's SVG icon at the sizes Windows
# shows, and the version resource of each program file.
include(${PROJECT_SOURCE_DIR}/ui/packaging/identity.cmake)

find_program(VORLAN_RSVG_CONVERT rsvg-convert REQUIRED)
find_program(VORLAN_ICOTOOL icotool REQUIRED)

set(VORLAN_WINDOWS_ICON ${CMAKE_BINARY_DIR}/windows/vorlan-setup.ico)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/windows)
set(svg ${PROJECT_SOURCE_DIR}/packaging/icons/vorlan-setup.svg)
set(small_pngs)
foreach(size 16 24 32 48 64 256)
  set(png ${CMAKE_BINARY_DIR}/windows/vorlan-setup-${size}.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${VORLAN_RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${svg}
    DEPENDS ${svg})
  if(size EQUAL 256)
    set(large_png ${png})
  else()
    list(APPEND small_pngs ${png})
  endif()
endforeach()
# The largest size is stored as PNG, as Windows expects it.
add_custom_command(OUTPUT ${VORLAN_WINDOWS_ICON}
  COMMAND ${VORLAN_ICOTOOL} -c -o ${VORLAN_WINDOWS_ICON} ${small_pngs} -r ${large_png}
  DEPENDS ${small_pngs} ${large_png}
  COMMENT "Making the Windows icon")
add_custom_target(vorlan_windows_icon DEPENDS ${VORLAN_WINDOWS_ICON})

# vorlan_windows_resources(<target>)
# Gives the program file its icon and its version resource, with the target's name as internal
# name and <target>.exe as original file name.
function(vorlan_windows_resources target)
  set(VORLAN_INTERNAL_NAME ${target})
  set(VORLAN_ORIGINAL_FILENAME ${target}.exe)
  set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_generated/resources.rc)
  configure_file(${PROJECT_SOURCE_DIR}/ui/packaging/version.rc.in ${rc} @ONLY)
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS ${VORLAN_WINDOWS_ICON})
  target_sources(${target} PRIVATE ${rc})
  add_dependencies(${target} vorlan_windows_icon)
endfunction()
