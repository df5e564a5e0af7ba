# The release packages, which scripts/package.sh makes with CPack: from each
# Windows build an installer (NSIS) and a zip of the same files, from the
# native package build a Debian package. The packages carry the project's
# version; each program keeps its own version and build texts.
set(k7r_kit "K7R58C22 software kit")
set(k7r_maintainer "${k7r_kit} team <k7r58c22@example.org>")

set(CPACK_VERBATIM_VARIABLES ON)
set(CPACK_PACKAGE_NAME K7R58C22)
set(CPACK_PACKAGE_VENDOR "${k7r_kit} team")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "configuration utility, command line and image viewer for the K7R58C22")
set(CPACK_STRIP_FILES ON)

if(WIN32)
    # The installer of a 64-bit build is 64-bit code itself, so that it
    # runs where no 32-bit code does. Its target comes after the script's
    # InstallDir has named $PROGRAMFILES: a folder constant keeps the
    # meaning of the target it was first named under, and $PROGRAMFILES is
    # the one that means the target's own folder ($PROGRAMFILES64 would
    # mean the 32-bit one).
    if(CMAKE_SIZEOF_VOID_P EQUAL 8)
        set(k7r_windows win64)
        set(k7r_nsis_target amd64-unicode)
    else()
        set(k7r_windows win32)
        set(k7r_nsis_target x86-unicode)
    endif()
    set(CPACK_NSIS_DEFINES "Target ${k7r_nsis_target}
!define MUI_STARTMENUPAGE_DEFAULTFOLDER \"${k7r_kit}\"")
    set(CPACK_GENERATOR NSIS ZIP)
    set(CPACK_PACKAGE_FILE_NAME ${CPACK_PACKAGE_NAME}-${PROJECT_VERSION}-${k7r_windows})
    set(CPACK_PACKAGE_INSTALL_DIRECTORY ${CPACK_PACKAGE_NAME})
    # One entry in the installed programs whatever the version: installing
    # another version first uninstalls the one there.
    set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY ${CPACK_PACKAGE_NAME})
    set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
    set(CPACK_NSIS_PACKAGE_NAME "${k7r_kit} ${PROJECT_VERSION}")
    set(CPACK_NSIS_DISPLAY_NAME ${CPACK_NSIS_PACKAGE_NAME})
    set(CPACK_NSIS_INSTALLED_ICON_NAME "bin\\58C22CFG.EXE")
    set(CPACK_NSIS_MUI_ICON ${PROJECT_BINARY_DIR}/cfgui/win32/pictures/program.ico)
    set(CPACK_NSIS_MUI_UNIICON ${CPACK_NSIS_MUI_ICON})
    # The Start-menu folder: the utility, and a command prompt in the
    # program folder that lists the command line's commands.
    set(CPACK_PACKAGE_EXECUTABLES 58C22CFG "K7R58C22 Configuration Utility")
    set(k7r_prompt "K7R58C22 Command Prompt.lnk")
    set(CPACK_NSIS_CREATE_ICONS_EXTRA
        "  SetOutPath \"$INSTDIR\\bin\"
  CreateShortCut \"$SMPROGRAMS\\$STARTMENU_FOLDER\\${k7r_prompt}\" \"$SYSDIR\\cmd.exe\" \"/K 58C22CMD help\"
  SetOutPath \"$INSTDIR\"")
    set(CPACK_NSIS_DELETE_ICONS_EXTRA "  Delete \"$SMPROGRAMS\\$MUI_TEMP\\${k7r_prompt}\"")
else()
    set(CPACK_GENERATOR DEB)
    set(CPACK_DEBIAN_PACKAGE_NAME k7r58c22)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${k7r_maintainer})
    set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    # Under the summary, which CPack puts first.
    set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
        "58c22cfg reads and changes the configuration record that programs built on
the K7R58C22 chip access layer carry in their images (ELF and Windows
executables, S-records, Palm resource databases), compares the records of
two images, checks them as the configuration utility does and exports them
as C headers, CSV and HTML. 58c22view brings the chip up from its own record
and shows a JPEG, BMP or GIF image on the panel.")
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

    # What Debian asks of every package beside its files: the copyright and
    # a change log of this version, in the form Debian's tools read (dated
    # when configured, or by SOURCE_DATE_EPOCH), compressed without a name
    # or time in the gzip header.
    string(TIMESTAMP k7r_changelog_date "%a, %d %b %Y %H:%M:%S +0000" UTC)
    set(k7r_changelog ${PROJECT_BINARY_DIR}/package/changelog)
    configure_file(${PROJECT_SOURCE_DIR}/cmake/package/changelog.in ${k7r_changelog} @ONLY)
    add_custom_command(OUTPUT ${k7r_changelog}.gz
        COMMAND gzip -9 -n -k -f ${k7r_changelog}
        DEPENDS ${k7r_changelog})
    add_custom_target(k7r_changelog ALL DEPENDS ${k7r_changelog}.gz)
    install(FILES ${PROJECT_SOURCE_DIR}/cmake/package/copyright ${k7r_changelog}.gz
            DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/k7r58c22)
endif()

include(CPack)
