# Every folder is a library whose headers are reached as "<folder>/<name>.h". A library does not
# publish the source root: it publishes a folder of its own in the build tree holding one link to
# its source folder, so a file sees only the folders of the libraries it links. A folder that
# includes one above it (the core including app/, say) fails to build.
function(trazor_public_headers target folder)
    set(stage ${CMAKE_BINARY_DIR}/include/${target})
    get_filename_component(parent ${stage}/${folder} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    if(NOT EXISTS ${stage}/${folder})
        file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${folder} ${stage}/${folder} SYMBOLIC)
    endif()
    target_include_directories(${target} PUBLIC ${stage})
endfunction()
