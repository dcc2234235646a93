# Checks the user guide against the program: every message, command and window text it quotes
# is the program's own, word for word, and every picture it shows is there.
#   cmake -D SOURCE_DIR=<repository> -P CheckGuide.cmake
file(READ "${SOURCE_DIR}/docs/guide/guide.md" guide)
file(READ "${SOURCE_DIR}/ui/EditorStrings.h" strings)
set(problems "")

# The shared texts the guide quotes: the messages, the save question, the menu commands and
# the windows' own words.
foreach(name midiDeviceNotFound noPresetAcknowledgement presetSentSuccessfully errorOpeningFile
             errorSavingFile saveDocumentTitle savePresetQuestion newPreset openPreset closeWindow
             save saveAs loadFromHardware sendToHardware midiSetup autoPopulateTool
             sendMultiplePresets globalSettingsEditor minimizeWindow bringAllToFront
             openUserGuide about saveCurrentPresetToHardwareAs loadPresetTitle sendPresetTitle
             selectFilenameToSave inputCaption outputCaption)
    if(NOT strings MATCHES "inline const juce::String ${name}{[ \n]*\"([^\"]*)\"")
        list(APPEND problems "ui/EditorStrings.h has no text ${name}")
        continue()
    endif()
    string(STRIP "${CMAKE_MATCH_1}" text)
    string(FIND "${guide}" "${text}" at)
    if(at LESS 0)
        list(APPEND problems "the guide does not quote \"${text}\" (${name})")
    endif()
endforeach()

# Texts the windows keep to themselves, found as string literals in the program's sources.
file(GLOB_RECURSE sources "${SOURCE_DIR}/app/*.cpp" "${SOURCE_DIR}/app/*.h")
file(GLOB ui_sources "${SOURCE_DIR}/ui/*.cpp")
list(APPEND sources ${ui_sources})
set(code "")
foreach(source IN LISTS sources)
    file(READ "${source}" text)
    string(APPEND code "${text}")
endforeach()
foreach(text "Unable to find user guide." "Unable to open user guide." "Select Filename to open" "Select Preset file to load"
             "Reading Dragged Files")
    string(FIND "${code}" "\"${text}" in_program)
    string(FIND "${guide}" "${text}" in_guide)
    if(in_program LESS 0 OR in_guide LESS 0)
        list(APPEND problems "\"${text}\" is not both in the program and in the guide")
    endif()
endforeach()

# (The pattern leaves out the "]" before each: a bracket would upset CMake's lists.)
string(REGEX MATCHALL "\\(pictures/[^)]+\\)" pictures "${guide}")
foreach(picture IN LISTS pictures)
    string(REGEX REPLACE "^\\(|\\)$" "" picture "${picture}")
    if(NOT EXISTS "${SOURCE_DIR}/docs/guide/${picture}")
        list(APPEND problems "the guide shows ${picture}, which is missing")
    endif()
endforeach()

if(problems)
    list(JOIN problems "\n  " text)
    message(FATAL_ERROR "user guide:\n  ${text}")
endif()
list(LENGTH pictures count)
message(STATUS "user guide: its quoted texts are the program's, and its ${count} pictures are there")
