# Installs the build into a scratch prefix and checks what a Linux desktop will find there:
# the program, its guide where the program looks for it, the icon, the MIME type of preset
# files and a desktop entry that opens them with the program.
#   cmake -D BUILD_DIR=<build> -D PREFIX=<scratch> -D GUIDE=<build-tree guide PDF> -P CheckInstall.cmake
set(problems "")
function(problem text)
    set(problems ${problems} "${text}" PARENT_SCOPE)
endfunction()

# The first bytes of a file, in hex; empty when it is missing.
function(header path bytes out)
    set(hex "")
    if(EXISTS "${path}")
        file(READ "${path}" hex LIMIT ${bytes} HEX)
    endif()
    set(${out} "${hex}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE failed OUTPUT_VARIABLE log ERROR_VARIABLE log)
if(failed)
    message(FATAL_ERROR "cmake --install failed:\n${log}")
endif()

set(program "${PREFIX}/bin/qrx571-editor")
set(share "${PREFIX}/share")
set(desktop "${share}/applications/qrx571-editor.desktop")
set(mime "${share}/mime/packages/qrx571-editor.xml")
set(icon "${share}/icons/hicolor/256x256/apps/qrx571-editor.png")

# The program: an ELF executable.
header("${program}" 4 hex)
if(NOT hex STREQUAL "7f454c46")
    problem("no executable at ${program}")
endif()

# The guide, at the path the program derives from its own folder (bin/../share/qrx571-editor),
# whenever the build made one.
get_filename_component(guide_name "${GUIDE}" NAME)
if(EXISTS "${GUIDE}" AND NOT EXISTS "${PREFIX}/bin/../share/qrx571-editor/${guide_name}")
    problem("the guide is not at bin/../share/qrx571-editor/")
endif()

# The icon: a 256 x 256 PNG (the signature, then the width and height of its header).
header("${icon}" 24 hex)
if(NOT hex MATCHES "^89504e470d0a1a0a.*0000010000000100$")
    problem("no 256 x 256 PNG icon at ${icon}")
endif()

# The MIME type claims *.qrx571, and the desktop entry offers the program for that type,
# handing it the file.
set(xml "")
if(EXISTS "${mime}")
    file(READ "${mime}" xml)
endif()
string(REGEX MATCH "<mime-type type=\"([^\"]+)\">" found "${xml}")
set(type "${CMAKE_MATCH_1}")
string(FIND "${xml}" "<glob pattern=\"*.qrx571\"/>" glob)
if(NOT found OR glob LESS 0)
    problem("no MIME type for *.qrx571 at ${mime}")
endif()

set(entry "")
if(EXISTS "${desktop}")
    file(READ "${desktop}" entry)
endif()
foreach(line "Exec=\"${program}\" %f" "MimeType=${type};" "Icon=qrx571-editor")
    string(FIND "${entry}" "\n${line}\n" at)
    if(at LESS 0)
        problem("the desktop entry at ${desktop} lacks the line ${line}")
    endif()
endforeach()

if(problems)
    list(JOIN problems "\n  " text)
    message(FATAL_ERROR "install layout:\n  ${text}")
endif()
message(STATUS "install layout: program, guide, icon, MIME type and desktop entry in place under ${PREFIX}")
