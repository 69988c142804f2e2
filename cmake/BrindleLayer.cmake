# brindle_layer_library(<name> DEPENDS <libraries…>)
# One static library per layer folder, made of every source file in the calling folder
# (CONFIGURE_DEPENDS: a new file is picked up without editing a list). Headers are included
# as "<layer>/<File>.h" from src/.
function(brindle_layer_library name)
    cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS
        ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/..)
    target_link_libraries(${name} PUBLIC ${ARG_DEPENDS} PRIVATE brindle_options)
endfunction()
