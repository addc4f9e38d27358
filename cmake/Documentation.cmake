# Manual pages (scdoc sources in packaging/man, turned into roff here) and the bash
# completion of velmora-cli.
include(GNUInstallDirs)

find_program(VELMORA_SCDOC scdoc)
if(VELMORA_SCDOC)
  set(VELMORA_MAN_PAGES velmora-cli)
  if(VELMORA_GUI)
    list(APPEND VELMORA_MAN_PAGES velmora)
  endif()
  set(VELMORA_MAN_FILES)
  foreach(page ${VELMORA_MAN_PAGES})
    set(source ${CMAKE_CURRENT_BINARY_DIR}/man/${page}.1.scd)
    set(page_gz ${CMAKE_CURRENT_BINARY_DIR}/man/${page}.1.gz)
    configure_file(packaging/man/${page}.1.scd ${source} @ONLY)
    # Compressed without a time stamp, as Debian wants manual pages.
    add_custom_command(
      OUTPUT ${page_gz}
      COMMAND sh -c "\"$0\" < \"$1\" | gzip -9n > \"$2\"" ${VELMORA_SCDOC} ${source} ${page_gz}
      DEPENDS ${source}
      COMMENT "Manual page ${page}(1)"
      VERBATIM)
    list(APPEND VELMORA_MAN_FILES ${page_gz})
  endforeach()
  add_custom_target(velmora_man_pages ALL DEPENDS ${VELMORA_MAN_FILES})
  install(FILES ${VELMORA_MAN_FILES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
  message(WARNING "scdoc not found: the manual pages are not built (apt-get install scdoc)")
endif()

install(FILES packaging/velmora-cli.bash
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
        RENAME velmora-cli)
