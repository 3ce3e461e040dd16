# cmake -DEXE=... -DOBJDUMP=... -P CheckExecutable.cmake
# GLYPHER.EXE must stay small and depend on no DLL that Windows does not ship.
set(GLYPHER_MAX_EXE_BYTES 32768)
# Upper case: DLL names are not case-sensitive, and the import libraries differ.
set(GLYPHER_SYSTEM_DLLS ADVAPI32.DLL COMCTL32.DLL KERNEL32.DLL USER32.DLL MSVCRT.DLL)

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
    string(TOUPPER "${dll}" name)
    list(FIND GLYPHER_SYSTEM_DLLS "${name}" known)
    if(known EQUAL -1)
        message(FATAL_ERROR "GLYPHER.EXE depends on ${dll}, which Windows does not ship")
    endif()
endforeach()

