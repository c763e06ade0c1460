# The translation catalogues: one per program or library, NAME_LANGUAGE.ts in
# its folder's translations/, built into the target as :/i18n/NAME_LANGUAGE.qm.
find_package(Qt6 6.4 REQUIRED COMPONENTS LinguistTools)

# The languages shipped besides the source texts (English).
set(ORVEX_LANGUAGES de es fr ja)

# orvex_add_catalogue(target NAME name FOLDERS folder...)
# Makes the catalogue `name` from the texts of the sources (.cpp and .h) in
# the FOLDERS, relative to the project's root, and builds it into `target`.
# Each catalogue is recorded for the test that checks it is complete.
function(orvex_add_catalogue target)
    cmake_parse_arguments(PARSE_ARGV 1 ARG "" "NAME" "FOLDERS")
    set(patterns "")
    foreach(folder IN LISTS ARG_FOLDERS)
        list(APPEND patterns ${PROJECT_SOURCE_DIR}/${folder}/*.cpp
                             ${PROJECT_SOURCE_DIR}/${folder}/*.h)
    endforeach()
    file(GLOB sources CONFIGURE_DEPENDS ${patterns})
    set(ts_files "")
    foreach(language IN LISTS ORVEX_LANGUAGES)
        list(APPEND ts_files ${CMAKE_CURRENT_SOURCE_DIR}/translations/${ARG_NAME}_${language}.ts)
    endforeach()
    # lupdate reads the headers that the sources include to know their classes' namespaces.
    qt_add_translations(${target} TS_FILES ${ts_files} SOURCES ${sources}
        INCLUDE_DIRECTORIES ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/skin/include
        LUPDATE_OPTIONS -locations none -no-obsolete
        LRELEASE_OPTIONS -silent)
    string(REPLACE ";" "," sources_text "${sources}")
    string(REPLACE ";" "," ts_text "${ts_files}")
    set_property(GLOBAL APPEND PROPERTY ORVEX_CATALOGUES "${ts_text}|${sources_text}")
endfunction()
