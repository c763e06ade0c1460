# Regenerates the artwork into WORK and compares every file with the one
# committed under REPOSITORY.
file(REMOVE_RECURSE "${WORK}")
execute_process(COMMAND "${GENERATOR}" "${WORK}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "orvex-artgen failed: ${result}")
endif()

file(GLOB_RECURSE generated RELATIVE "${WORK}" "${WORK}/*")
if(NOT generated)
    message(FATAL_ERROR "orvex-artgen wrote no files")
endif()

set(differing "")
foreach(path IN LISTS generated)
    execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files
                        "${WORK}/${path}" "${REPOSITORY}/${path}"
                    RESULT_VARIABLE differs OUTPUT_QUIET ERROR_QUIET)
    if(NOT differs EQUAL 0)
        list(APPEND differing "${path}")
    endif()
endforeach()

if(differing)
    list(JOIN differing "\n  " listed)
    message(FATAL_ERROR "Committed artwork differs from the generator's:\n  ${listed}\n"
                        "Remake it with: orvex-artgen ${REPOSITORY}")
endif()
list(LENGTH generated count)
message(STATUS "${count} files match")
