# glypher_add_resources(target): compiles res/glypher.rc into `target`, with
# the application icon generated from its text pixel map.
enable_language(RC)
find_package(Python3 REQUIRED COMPONENTS Interpreter)

function(glypher_add_resources target)
    set(res_dir ${PROJECT_SOURCE_DIR}/res)
    set(icon ${CMAKE_CURRENT_BINARY_DIR}/glypher.ico)

    add_custom_command(
        OUTPUT ${icon}
        COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/scripts/make_icon.py ${res_dir}/glypher_icon.txt ${icon}
        DEPENDS ${PROJECT_SOURCE_DIR}/scripts/make_icon.py ${res_dir}/glypher_icon.txt
        COMMENT "Generating glypher.ico"
        VERBATIM)

    # The manifest ships without the comments, line breaks and indentation of its source.
    file(READ ${res_dir}/glypher.manifest manifest)
    string(REGEX REPLACE "<!--[^>]*-->" "" manifest "${manifest}")
    string(REGEX REPLACE "\n[ \t\n]*" "" manifest "${manifest}")
    file(GENERATE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/glypher.manifest CONTENT "${manifest}")
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${res_dir}/glypher.manifest)

    # The icon is listed as a source so that its command runs for this target.
    target_sources(${target} PRIVATE ${res_dir}/glypher.rc ${icon})
    # The script names "res/resource.h" and "store/..." from the project root,
    # and the generated "glypher.ico" and "glypher.manifest" by bare file name.
    set_source_files_properties(${res_dir}/glypher.rc TARGET_DIRECTORY ${target} PROPERTIES
        INCLUDE_DIRECTORIES "${CMAKE_CURRENT_BINARY_DIR};${PROJECT_SOURCE_DIR};${res_dir}"
        OBJECT_DEPENDS "${icon};${CMAKE_CURRENT_BINARY_DIR}/glypher.manifest")
endfunction()
