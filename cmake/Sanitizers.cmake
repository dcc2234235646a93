# Sanitizers apply to every target, JUCE's own code included, so that reports
# from inside the framework's threads are seen too.
if(QRX_SANITIZE STREQUAL "address")
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
elseif(QRX_SANITIZE STREQUAL "thread")
    add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
    add_link_options(-fsanitize=thread)
elseif(NOT QRX_SANITIZE STREQUAL "")
    message(FATAL_ERROR "QRX_SANITIZE must be empty, address or thread")
endif()
