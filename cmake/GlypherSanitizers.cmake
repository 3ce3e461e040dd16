# AddressSanitizer and UndefinedBehaviorSanitizer for builds that run on the
# host. Every report ends the program, so a test or fuzz run that hits one fails.
set(GLYPHER_SANITIZER_OPTIONS
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)

option(GLYPHER_SANITIZE "Build every target of this tree with the sanitizers" OFF)
if(GLYPHER_SANITIZE)
    add_compile_options(${GLYPHER_SANITIZER_OPTIONS})
    add_link_options(${GLYPHER_SANITIZER_OPTIONS})
endif()
