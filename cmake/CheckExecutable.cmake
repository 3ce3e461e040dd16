# cmake -DEXE=... -DOBJDUMP=... -P CheckExecutable.cmake
# GLYPHER.EXE must stay small and depend on no DLL that Windows does not ship.
set(GLYPHER_MAX_EXE_BYTES 32768)
set(GLYPHER_SYSTEM_DLLS ADVAPI32.dll KERNEL32.dll USER32.dll msvcrt.dll)

file(SIZE "${EXE}" size)
message(STATUS "GLYPHER.EXE: ${size} bytes (limit ${GLYPHER_MAX_EXE_BYTES})")
if(size GREATER GLYPHER_MAX_EXE_BYTES)
    message(FATAL_ERROR "GLYPHER.EXE is ${size} bytes, over ${GLYPHER_MAX_EXE_BYTES}")
endif()

execute_process(COMMAND ${OBJDUMP} -p "${EXE}" OUTPUT_VARIABLE headers RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "objdump could not read ${EXE}")
endif()
string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${headers}")
foreach(import IN LISTS imports)
    string(REPLACE "DLL Name: " "" dll "${import}")
    string(STRIP "${dll}" dll)
    message(STATUS "imports ${dll}")
    list(FIND GLYPHER_SYSTEM_DLLS "${dll}" known)
    if(known EQUAL -1)
        message(FATAL_ERROR "GLYPHER.EXE depends on ${dll}, which Windows does not ship")
    endif()
endforeach()

