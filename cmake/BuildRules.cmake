# The flags of the project's own code, each on an interface target that
# orvex_apply_build_rules() links privately into every target of ours, so
# that a consumer of the installed library never gets them.

# Warnings, chosen by compiler; ORVEX_WERROR makes them errors (the test
# command turns it on).
option(ORVEX_WERROR "Treat compiler warnings as errors" OFF)
add_library(orvex_warnings INTERFACE)
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    target_compile_options(orvex_warnings INTERFACE
        -Wall -Wextra -Wpedantic $<$<BOOL:${ORVEX_WERROR}>:-Werror>)
elseif(MSVC)
    target_compile_options(orvex_warnings INTERFACE /W4 $<$<BOOL:${ORVEX_WERROR}>:/WX>)
endif()

# Qt as the project writes it: no signals/slots keywords, no text from char
# strings without an encoding said, nothing deprecated in the Qt we build on.
add_library(orvex_qt_rules INTERFACE)
target_compile_definitions(orvex_qt_rules INTERFACE
    QT_NO_KEYWORDS QT_NO_CAST_FROM_ASCII QT_DISABLE_DEPRECATED_BEFORE=0x060400)

# ORVEX_SANITIZE=ON builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer; the test command runs one such build.
option(ORVEX_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
add_library(orvex_sanitizers INTERFACE)
if(ORVEX_SANITIZE)
    target_compile_options(orvex_sanitizers INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    target_link_options(orvex_sanitizers INTERFACE -fsanitize=address,undefined)
endif()

# Links the rules into every target that compiles code in `directory` and the
# folders below it; called once, after every folder was added.
function(orvex_apply_build_rules directory)
    get_property(targets DIRECTORY ${directory} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target IN LISTS targets)
        get_target_property(type ${target} TYPE)
        if(type MATCHES "^(EXECUTABLE|STATIC_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY|OBJECT_LIBRARY)$")
            target_link_libraries(${target} PRIVATE orvex_warnings orvex_qt_rules orvex_sanitizers)
        endif()
    endforeach()
    get_property(folders DIRECTORY ${directory} PROPERTY SUBDIRECTORIES)
    foreach(folder IN LISTS folders)
        orvex_apply_build_rules(${folder})
    endforeach()
endfunction()
