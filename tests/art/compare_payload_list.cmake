# Fails unless LISTED names every file below FOLDER, and nothing else.
file(GLOB_RECURSE found LIST_DIRECTORIES false RELATIVE ${FOLDER} ${FOLDER}/*)
list(SORT found)
set(listed ${LISTED})
list(SORT listed)
if(NOT found STREQUAL listed)
    message(FATAL_ERROR "The payload's list differs from its folder:\n"
                        "listed: ${listed}\nfound:  ${found}")
endif()
