set(GLYPHER_MINGW_ARCH x86_64)
set(GLYPHER_MINGW_TRIPLE x86_64-w64-mingw32)
set(GLYPHER_WINE_LOADER /usr/lib/wine/wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
