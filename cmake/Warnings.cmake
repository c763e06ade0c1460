# Warning flags for the project's own code, chosen by compiler, on an
# interface target that each of the project's targets links privately, so
# that a consumer of the installed library never gets them. ORVEX_WERROR makes
# them errors; the test command turns it on.
option(ORVEX_WERROR "Treat compiler warnings as errors" OFF)

add_library(orvex_warnings INTERFACE)
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    target_compile_options(orvex_warnings INTERFACE
        -Wall -Wextra -Wpedantic $<$<BOOL:${ORVEX_WERROR}>:-Werror>)
elseif(MSVC)
    target_compile_options(orvex_warnings INTERFACE /W4 $<$<BOOL:${ORVEX_WERROR}>:/WX>)
endif()

# Links the warnings into every target that compiles code in `directory` and
# the folders below it; called once, after every folder was added.
function(orvex_link_warnings directory)
    get_property(targets DIRECTORY ${directory} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target IN LISTS targets)
        get_target_property(type ${target} TYPE)
        if(type MATCHES "^(EXECUTABLE|STATIC_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY|OBJECT_LIBRARY)$")
            target_link_libraries(${target} PRIVATE orvex_warnings)
        endif()
    endforeach()
    get_property(folders DIRECTORY ${directory} PROPERTY SUBDIRECTORIES)
    foreach(folder IN LISTS folders)
        orvex_link_warnings(${folder})
    endforeach()
endfunction()
