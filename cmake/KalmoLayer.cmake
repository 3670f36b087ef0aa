# One static library per layer of the program.
#
# kalmo_add_layer(<target> FOLDER <path below src/> SOURCES ... [USES <layers and libraries>])
#
# A layer's headers are included as "<folder>/<file>.h". The library exports an include
# folder that holds only a link to its own source folder under that name, so a library
# reaches the headers of exactly the layers it links: a lower layer that includes a
# higher one's header does not compile.
function(kalmo_add_layer target)
    cmake_parse_arguments(PARSE_ARGV 1 LAYER "" "FOLDER" "SOURCES;USES")
    add_library(${target} STATIC ${LAYER_SOURCES})
    set(root ${CMAKE_BINARY_DIR}/layers/${target})
    cmake_path(GET LAYER_FOLDER PARENT_PATH parent)
    file(MAKE_DIRECTORY ${root}/${parent})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${LAYER_FOLDER} SYMBOLIC)
    target_include_directories(${target} PUBLIC ${root})
    target_link_libraries(${target} PUBLIC ${LAYER_USES})
endfunction()

# kalmo_layer_probe(<name> <library> <header> ALLOWED|FORBIDDEN)
#
# A test that compiles a one-line source including <header> against <library>, the way a
# source of that layer would be compiled. FORBIDDEN expects the compiler to find no such
# header; ALLOWED, that it compiles (a control that the probes themselves work).
function(kalmo_layer_probe name library header expectation)
    set(source ${CMAKE_CURRENT_BINARY_DIR}/layer_probes/${name}.cpp)
    file(CONFIGURE OUTPUT ${source} CONTENT "#include \"${header}\"\n")
    add_library(layer_probe_${name} OBJECT EXCLUDE_FROM_ALL ${source})
    target_link_libraries(layer_probe_${name} PRIVATE ${library})
    add_test(NAME layers.${name}
        COMMAND ${CMAKE_COMMAND} --build ${CMAKE_BINARY_DIR} --target layer_probe_${name})
    # The probes build in the shared build tree, one at a time.
    set_tests_properties(layers.${name} PROPERTIES RESOURCE_LOCK build_tree)
    if(expectation STREQUAL "FORBIDDEN")
        string(REGEX REPLACE "([.+])" "\\\\\\1" pattern "${header}")
        set_tests_properties(layers.${name} PROPERTIES
            PASS_REGULAR_EXPRESSION "${pattern}: No such file")
    endif()
endfunction()
