# cmake --install: the programs with the panel file beside them (where they
# look for it), the public header for programs built on the chip access
# layer, and the command line's manual page where manual pages are read.
include(GNUInstallDirs)

install(TARGETS k7r_cli k7r_viewer RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET k7r_cfgui_program)
    install(TARGETS k7r_cfgui_program RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(FILES ${PROJECT_SOURCE_DIR}/panels/PANELS.DEF DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/include/k7r58c22/hal_struct.h
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/k7r58c22)
if(TARGET k7r_cli_manual_page)
    install(FILES ${PROJECT_BINARY_DIR}/cli/58c22cfg.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()
