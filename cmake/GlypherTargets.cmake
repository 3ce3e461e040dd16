# Compiler settings shared by every target, and the two flavours of library:
# the shipped one (small, no C++ runtime) and the one the tests link.

set(GLYPHER_WARNING_OPTIONS -Wall -Wextra -Werror=return-type)
# Sources are UTF-8; the program's texts are code page 932 bytes.
set(GLYPHER_CHARSET_OPTIONS -finput-charset=UTF-8 -fexec-charset=CP932)
set(GLYPHER_COMMON_OPTIONS ${GLYPHER_WARNING_OPTIONS} ${GLYPHER_CHARSET_OPTIONS})

# What keeps libstdc++'s runtime (exceptions, RTTI, locale, demangler) out of
# GLYPHER.EXE. platform/win32/Memory.cpp supplies operator new and delete.
# No -fdata-sections: for PE, GCC gives each zero-filled variable a section of
# its own under .data, stored in the file, where it would otherwise be .bss.
set(GLYPHER_SHIPPED_OPTIONS
    -Os -fno-exceptions -fno-rtti -fno-asynchronous-unwind-tables -fno-unwind-tables
    -fno-threadsafe-statics -ffunction-sections
    # Where the tree was checked out never reaches the binary (__FILE__).
    -ffile-prefix-map=${PROJECT_SOURCE_DIR}=.)

# glypher_add_library(NAME SHIPPED|TESTED sources...)
function(glypher_add_library name flavour)
    add_library(${name} STATIC ${ARGN})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_compile_options(${name} PUBLIC ${GLYPHER_COMMON_OPTIONS})
    if(flavour STREQUAL "SHIPPED")
        target_compile_options(${name} PRIVATE ${GLYPHER_SHIPPED_OPTIONS})
    endif()
endfunction()
