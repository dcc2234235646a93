# What `cmake --install` lays out: the editor, its user guide, and what a Linux desktop needs
# to list the editor in its menus and to open .qrx571 presets with it from a file manager
# (the desktop entry hands the file to the program as its command-line argument).
include(GNUInstallDirs)

set(QRX_INSTALLED_PROGRAM_NAME qrx571-editor)
set(desktop_sources "${PROJECT_SOURCE_DIR}/resources/desktop")
set(icon "${PROJECT_SOURCE_DIR}/resources/icons/qrx571-editor.png")
set(guide_folder "${CMAKE_INSTALL_DATADIR}/qrx571-editor")
set(icon_folder "${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256")

if(TARGET qrx571_editor)
    # A command name without blanks; the program finds its guide from its own folder, as
    # ../share/qrx571-editor/, whatever it is called.
    install(PROGRAMS "$<TARGET_FILE:qrx571_editor>" DESTINATION "${CMAKE_INSTALL_BINDIR}"
            RENAME "${QRX_INSTALLED_PROGRAM_NAME}")

    # Left out, like in the build tree, when there was no typesetter to make it.
    if(DEFINED QRX_USER_GUIDE_PDF)
        install(FILES "${QRX_USER_GUIDE_PDF}" DESTINATION "${guide_folder}" OPTIONAL)
    endif()

    install(FILES "${icon}" DESTINATION "${icon_folder}/apps")
    install(FILES "${icon}" DESTINATION "${icon_folder}/mimetypes" RENAME application-x-qrx571-preset.png)
    install(FILES "${desktop_sources}/qrx571-editor.xml" DESTINATION "${CMAKE_INSTALL_DATADIR}/mime/packages")

    # The desktop entry names the program by its full installed path, which is known only
    # at install time (`cmake --install --prefix` may change it).
    set(bindir "${CMAKE_INSTALL_BINDIR}")
    set(staged "${CMAKE_BINARY_DIR}/desktop/qrx571-editor.desktop")
    install(CODE "
        set(QRX_INSTALLED_PROGRAM \"\${CMAKE_INSTALL_PREFIX}/${bindir}/${QRX_INSTALLED_PROGRAM_NAME}\")
        configure_file(\"${desktop_sources}/qrx571-editor.desktop.in\" \"${staged}\" @ONLY)
        file(INSTALL \"${staged}\" DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications\")
    ")

    # Let the desktop know at once, when installing for real (a packager's staged install
    # leaves that to the package's own triggers).
    install(CODE "
        if(\"\$ENV{DESTDIR}\" STREQUAL \"\")
            set(share \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}\")
            find_program(update_mime update-mime-database)
            if(update_mime)
                execute_process(COMMAND \"\${update_mime}\" \"\${share}/mime\" OUTPUT_QUIET ERROR_QUIET)
            endif()
            find_program(update_desktop update-desktop-database)
            if(update_desktop)
                execute_process(COMMAND \"\${update_desktop}\" \"\${share}/applications\" OUTPUT_QUIET ERROR_QUIET)
            endif()
        endif()
    ")

    if(QRX_BUILD_TESTS)
        add_test(NAME install.layout
                 COMMAND "${CMAKE_COMMAND}" -D "BUILD_DIR=${CMAKE_BINARY_DIR}"
                         -D "PREFIX=${CMAKE_BINARY_DIR}/install-check"
                         -D "GUIDE=${QRX_USER_GUIDE_PDF}"
                         -P "${PROJECT_SOURCE_DIR}/tests/install/CheckInstall.cmake")
        set_tests_properties(install.layout PROPERTIES LABELS install TIMEOUT 120)
    endif()
endif()
