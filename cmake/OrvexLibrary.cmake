# The project's headers are included by their path from the repository's
# root: "install/transaction.h", "core/menu/menufile.h". Each target gets
# include roots of its own in the build folder that hold only what it may
# reach, so that a layer reaches another only by linking it, and a lower
# layer that includes an upper one does not build.

# The repository's root, whichever project includes this file.
get_filename_component(orvex_repository_root ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)

# Lets the sources of `target` include every header of their own folder.
function(orvex_include_own_folder target)
    file(RELATIVE_PATH folder ${orvex_repository_root} ${CMAKE_CURRENT_SOURCE_DIR})
    set(root ${CMAKE_BINARY_DIR}/layers/${target}/private)
    get_filename_component(parent ${root}/${folder} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${folder} SYMBOLIC)
    target_include_directories(${target} PRIVATE ${root})
endfunction()

# orvex_add_library(TARGET STATIC|OBJECT|INTERFACE
#     SOURCES files...         sources and headers, relative to the folder
#     PUBLIC_HEADERS files...  the headers that what links the target may include
#     LINK targets...          what the public headers need
#     PRIVATE_LINK targets...)
#
# One library of the folder's layer, built with the project's language level;
# its code goes in hidden and position independent, so that the shared
# library can take it.
function(orvex_add_library target type)
    cmake_parse_arguments(ARG "" "" "SOURCES;PUBLIC_HEADERS;LINK;PRIVATE_LINK" ${ARGN})
    file(RELATIVE_PATH folder ${orvex_repository_root} ${CMAKE_CURRENT_SOURCE_DIR})
    set(roots ${CMAKE_BINARY_DIR}/layers/${target})
    file(REMOVE_RECURSE ${roots})
    foreach(header IN LISTS ARG_PUBLIC_HEADERS)
        get_filename_component(parent ${roots}/public/${folder}/${header} DIRECTORY)
        file(MAKE_DIRECTORY ${parent})
        file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR}/${header}
             ${roots}/public/${folder}/${header} SYMBOLIC)
    endforeach()

    if(type STREQUAL "INTERFACE")
        add_library(${target} INTERFACE ${ARG_PUBLIC_HEADERS})
        target_include_directories(${target} INTERFACE ${roots}/public)
        target_link_libraries(${target} INTERFACE ${ARG_LINK})
        target_compile_features(${target} INTERFACE cxx_std_20)
        return()
    endif()

    qt_add_library(${target} ${type} ${ARG_SOURCES})
    orvex_include_own_folder(${target})
    target_include_directories(${target} PUBLIC ${roots}/public)
    target_link_libraries(${target} PUBLIC ${ARG_LINK} PRIVATE ${ARG_PRIVATE_LINK})
    target_compile_features(${target} PUBLIC cxx_std_20)
    set_target_properties(${target} PROPERTIES POSITION_INDEPENDENT_CODE ON
        CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
endfunction()
