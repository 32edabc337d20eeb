# Install steps shared by every program of the package.
include(GNUInstallDirs)
set(VORLAN_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR})

# vorlan_install_program(<target>)
# Installs the program in bin. Installed stripped (cpack strips), it also loses the sections that
# Debian's own stripping removes: the compiler's .comment and .note.
function(vorlan_install_program target)
  install(TARGETS ${target} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  if(CMAKE_OBJCOPY)
    set(installed "\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/$<TARGET_FILE_NAME:${target}>")
    install(CODE "if(CMAKE_INSTALL_DO_STRIP)
      execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment --remove-section=.note
                              \"${installed}\" COMMAND_ERROR_IS_FATAL ANY)
    endif()")
  endif()
endfunction()

# vorlan_gzip(<source> <output.gz>)
# Compresses at build time as Debian wants it (gzip -9n).
function(vorlan_gzip source output)
  get_filename_component(name ${output} NAME)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DIN=${source} -DOUT=${output} -P ${VORLAN_PACKAGING_DIR}/gzip.cmake
    DEPENDS ${source} ${VORLAN_PACKAGING_DIR}/gzip.cmake
    COMMENT "Compressing ${name}")
  add_custom_target(vorlan_gzip_${name} ALL DEPENDS ${output})
endfunction()

# vorlan_install_manual(<page.1>)
# Installs a manual page of section 1, compressed.
function(vorlan_install_manual page)
  get_filename_component(name ${page} NAME)
  set(compressed ${CMAKE_BINARY_DIR}/man/${name}.gz)
  vorlan_gzip(${page} ${compressed})
  install(FILES ${compressed} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()
