# Warnings for the project's own code; JUCE is compiled without them.
add_library(qrx_warnings INTERFACE)
target_compile_options(qrx_warnings INTERFACE -Wall -Wextra)

# qrx_add_folder_library(<name> [SUBFOLDERS folders...] [DEPENDS targets...])
# One static library per source folder, taking every .cpp in it and in the SUBFOLDERS
# named (to any depth), so that adding a class never means touching a build file.
function(qrx_add_folder_library name)
    cmake_parse_arguments(ARG "" "" "SUBFOLDERS;DEPENDS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
    foreach(subfolder IN LISTS ARG_SUBFOLDERS)
        file(GLOB_RECURSE subfolder_sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/${subfolder}/*.cpp")
        list(APPEND sources ${subfolder_sources})
    endforeach()
    if(sources)
        add_library(${name} STATIC ${sources})
        target_include_directories(${name} PUBLIC "${PROJECT_SOURCE_DIR}")
        target_link_libraries(${name} PUBLIC qrx_juce ${ARG_DEPENDS} PRIVATE qrx_warnings)
    else()
        add_library(${name} INTERFACE)
        target_include_directories(${name} INTERFACE "${PROJECT_SOURCE_DIR}")
        target_link_libraries(${name} INTERFACE qrx_juce ${ARG_DEPENDS})
    endif()
endfunction()
