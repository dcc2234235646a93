# The user guide: docs/guide/guide.md and its pictures, typeset into a PDF that lands beside
# the editor (the editor's Help menu looks for it there, and under share/ once installed).
# The typesetter is a small script of ours on ReportLab (Debian: python3-reportlab, which
# scripts/setup.sh installs); without it the build goes on and leaves the guide out.
set(QRX_USER_GUIDE_NAME "QRX571 Editor - User Guide - v1.0.pdf")
set(QRX_USER_GUIDE_PDF "${CMAKE_BINARY_DIR}/app/${QRX_USER_GUIDE_NAME}")
set(guide_dir "${PROJECT_SOURCE_DIR}/docs/guide")
set(guide_script "${PROJECT_SOURCE_DIR}/tools/guide/make_guide_pdf.py")

# Debian's python is the one python3-reportlab belongs to; another python3 found first on
# PATH (a version manager's, say) may well lack it.
find_program(QRX_GUIDE_PYTHON NAMES python3 HINTS /usr/bin)
set(guide_python "")
foreach(candidate IN ITEMS "${QRX_GUIDE_PYTHON}" /usr/bin/python3)
    if(NOT guide_python AND EXISTS "${candidate}")
        execute_process(COMMAND "${candidate}" -c "import reportlab"
                        RESULT_VARIABLE no_reportlab OUTPUT_QUIET ERROR_QUIET)
        if(no_reportlab EQUAL 0)
            set(guide_python "${candidate}")
        endif()
    endif()
endforeach()

if(NOT QRX_BUILD_APP)
    # No editor to put the guide beside.
elseif(guide_python)
    file(GLOB guide_pictures CONFIGURE_DEPENDS "${guide_dir}/pictures/*.png")
    add_custom_command(
        OUTPUT "${QRX_USER_GUIDE_PDF}"
        COMMAND "${guide_python}" "${guide_script}" "${guide_dir}/guide.md" "${QRX_USER_GUIDE_PDF}"
        DEPENDS "${guide_script}" "${guide_dir}/guide.md" ${guide_pictures}
        COMMENT "Typesetting the user guide"
        VERBATIM)
    add_custom_target(user_guide ALL DEPENDS "${QRX_USER_GUIDE_PDF}")
else()
    set(no_guide "python3 with ReportLab not found (Debian: python3-reportlab; scripts/setup.sh installs it): the user guide PDF is not built")
    message(STATUS "${no_guide}")
    add_custom_target(user_guide ALL COMMAND "${CMAKE_COMMAND}" -E echo "${no_guide}" VERBATIM)
endif()

# Re-renders the guide's pictures from the program's own windows into the source tree, on a
# display of its own. Not part of the normal build: the pictures are committed, like the artwork.
if(TARGET RenderGuidePictures)
    find_program(QRX_XVFB_RUN xvfb-run)
    set(on_display "")
    if(QRX_XVFB_RUN)
        set(on_display "${QRX_XVFB_RUN}" -a -s "-screen 0 1280x1024x24")
    endif()
    add_custom_target(guide_pictures
        COMMAND ${on_display} "$<TARGET_FILE:RenderGuidePictures>" "${guide_dir}/pictures"
        DEPENDS RenderGuidePictures
        COMMENT "Rendering the user guide's pictures"
        VERBATIM)
endif()

if(QRX_BUILD_TESTS)
    add_test(NAME guide.texts
             COMMAND "${CMAKE_COMMAND}" -D "SOURCE_DIR=${PROJECT_SOURCE_DIR}"
                     -P "${PROJECT_SOURCE_DIR}/tests/guide/CheckGuide.cmake")
    set_tests_properties(guide.texts PROPERTIES LABELS guide)
endif()
