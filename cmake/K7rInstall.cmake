# cmake --install: the programs with the panel file beside them (where they
# look for it), the public header for programs built on the chip access
# layer, the README, and natively the command line's manual page where
# manual pages are read. On Windows the README comes as a text file with
# CR LF line ends.
include(GNUInstallDirs)

# A system package puts the programs and the panel file into a directory of
# their own and links the programs from bin: the panel file is no command,
# and a program finds it beside its own resolved path.
set(K7R_PROGRAM_DIR ${CMAKE_INSTALL_BINDIR} CACHE STRING
    "Where the programs and PANELS.DEF are installed, under the prefix")

set(k7r_programs k7r_cli k7r_viewer)
if(TARGET k7r_cfgui_program)
    list(APPEND k7r_programs k7r_cfgui_program)
endif()
install(TARGETS ${k7r_programs} RUNTIME DESTINATION ${K7R_PROGRAM_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/panels/PANELS.DEF DESTINATION ${K7R_PROGRAM_DIR})
if(NOT K7R_PROGRAM_DIR STREQUAL CMAKE_INSTALL_BINDIR)
    file(RELATIVE_PATH k7r_link_target /${CMAKE_INSTALL_BINDIR} /${K7R_PROGRAM_DIR})
    foreach(program IN LISTS k7r_programs)
        install(CODE "
            set(bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
            file(MAKE_DIRECTORY \"\${bin}\")
            file(CREATE_LINK \"${k7r_link_target}/$<TARGET_FILE_NAME:${program}>\"
                 \"\${bin}/$<TARGET_FILE_NAME:${program}>\" SYMBOLIC)")
    endforeach()
endif()

install(FILES ${PROJECT_SOURCE_DIR}/include/k7r58c22/hal_struct.h
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/k7r58c22)

if(WIN32)
    configure_file(${PROJECT_SOURCE_DIR}/README.md ${PROJECT_BINARY_DIR}/README.txt @ONLY
                   NEWLINE_STYLE CRLF)
    install(FILES ${PROJECT_BINARY_DIR}/README.txt DESTINATION .)
else()
    install(FILES ${PROJECT_BINARY_DIR}/cli/58c22cfg.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    install(FILES ${PROJECT_SOURCE_DIR}/README.md
            DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/k7r58c22)
endif()
