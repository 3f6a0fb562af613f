# Where the programs go when installed. They live side by side in one folder, as in the build
# tree (Trazor starts the calculator from its own folder and Fkreg looks for Trazor in its own);
# bin/ holds relative links into it for the programs meant to be on the PATH. The programs find
# their folder through /proc/self/exe, which resolves the links.
set(TRAZOR_PROGRAM_DIR lib/trazor CACHE STRING "Folder under the prefix that holds the programs")

# trazor_install_program(<target> [ON_PATH]): installs the program into the programs' folder and,
# with ON_PATH, a link to it in bin/.
function(trazor_install_program target)
    cmake_parse_arguments(PARSE_ARGV 1 arg "ON_PATH" "" "")
    install(TARGETS ${target} RUNTIME DESTINATION ${TRAZOR_PROGRAM_DIR})
    if(arg_ON_PATH)
        # The link is made in the build tree and installed as a link, so that it stays relative
        # whatever prefix the install is given.
        file(RELATIVE_PATH target_from_bin /prefix/bin /prefix/${TRAZOR_PROGRAM_DIR}/${target})
        set(link ${CMAKE_BINARY_DIR}/install-links/${target})
        file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/install-links)
        file(CREATE_LINK ${target_from_bin} ${link} SYMBOLIC)
        install(FILES ${link} DESTINATION bin)
    endif()
endfunction()
