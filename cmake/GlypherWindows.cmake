# The Windows side: the Win32 layer, the dialogs, and GLYPHER.EXE.
include(${CMAKE_CURRENT_LIST_DIR}/GlypherResources.cmake)

set(GLYPHER_WIN32_SOURCES
    platform/win32/CodePageText.cpp
    platform/win32/Win32Host.cpp
    platform/win32/MessageBox.cpp
    platform/win32/ResourceString.cpp
    platform/win32/WinApp.cpp
    platform/win32/Dialog.cpp
    ui/ShellIconDlg.cpp
    ui/AboutDlg.cpp)

# The tests' flavour of the Win32 layer and the dialogs.
glypher_add_library(glypher_win32 TESTED ${GLYPHER_WIN32_SOURCES})
target_link_libraries(glypher_win32 PUBLIC glypher_core comctl32)

# What ships: the same sources built small, plus the allocation functions.
glypher_add_library(glypher_core_shipped SHIPPED ${GLYPHER_CORE_SOURCES})
glypher_add_library(glypher_win32_shipped SHIPPED ${GLYPHER_WIN32_SOURCES} platform/win32/Memory.cpp)
target_link_libraries(glypher_win32_shipped PUBLIC glypher_core_shipped comctl32)

add_executable(GLYPHER WIN32 app/ShellIconApp.cpp)
set_target_properties(GLYPHER PROPERTIES OUTPUT_NAME GLYPHER SUFFIX .EXE)
target_compile_options(GLYPHER PRIVATE ${GLYPHER_SHIPPED_OPTIONS})
target_link_libraries(GLYPHER PRIVATE glypher_win32_shipped)
# Static C++ and GCC runtimes (of which the program uses nothing), no DLL
# beyond those Windows ships, unused sections dropped, symbols stripped.
set(GLYPHER_SHIPPED_LINK_OPTIONS -static -s -Wl,--gc-sections)
target_link_options(GLYPHER PRIVATE ${GLYPHER_SHIPPED_LINK_OPTIONS})
glypher_add_resources(GLYPHER)
