set(GLYPHER_MINGW_ARCH i686)
set(GLYPHER_MINGW_TRIPLE i686-w64-mingw32)
set(GLYPHER_WINE_LOADER /usr/lib/wine/wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
