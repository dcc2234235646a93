# Every JUCE module the program uses is compiled once, into one static library.
# All of the project's JUCE compile definitions live here and travel to every
# target that links it, so the framework is built with one configuration only.
add_library(qrx_juce STATIC)

target_link_libraries(qrx_juce
    PRIVATE
        juce::juce_core
        juce::juce_events
        juce::juce_data_structures
        juce::juce_graphics
        juce::juce_gui_basics
        juce::juce_audio_basics
        juce::juce_audio_devices
    PUBLIC
        juce::juce_recommended_config_flags)

target_compile_definitions(qrx_juce
    PUBLIC
        JUCE_GLOBAL_MODULE_SETTINGS_INCLUDED=1
        JUCE_STANDALONE_APPLICATION=1
        JUCE_WEB_BROWSER=0
        JUCE_USE_CURL=0
        JUCE_MODAL_LOOPS_PERMITTED=1
        JUCE_DISPLAY_SPLASH_SCREEN=0
        JUCE_APPLICATION_NAME_STRING="QRX571 Editor"
        JUCE_APPLICATION_VERSION_STRING="${PROJECT_VERSION}"
        $<IF:$<CONFIG:Debug>,DEBUG=1 _DEBUG=1,NDEBUG=1 _NDEBUG=1>
        # In Debug every failed assertion goes to the current logger, where the tests catch it.
        $<$<CONFIG:Debug>:JUCE_LOG_ASSERTIONS=1>
    INTERFACE
        $<TARGET_PROPERTY:qrx_juce,COMPILE_DEFINITIONS>)

# JUCE's headers are system headers to our code, so its warnings don't bury ours.
target_include_directories(qrx_juce SYSTEM
    INTERFACE
        $<TARGET_PROPERTY:qrx_juce,INCLUDE_DIRECTORIES>)

set_target_properties(qrx_juce PROPERTIES POSITION_INDEPENDENT_CODE TRUE)

# Debian's JUCE decodes images with the system's libpng and libjpeg.
find_package(Threads REQUIRED)
target_link_libraries(qrx_juce PUBLIC Threads::Threads juce::pkgconfig_JUCE_IMG_LINUX_DEPS)
