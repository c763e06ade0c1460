# Run by cpack after it made the Debian package (CPACK_POST_BUILD_SCRIPTS).
# CPack of CMake 3.25 calls ldconfig from generated postinst and postrm
# scripts for a package that carries a shared library; Debian asks for the
# ldconfig trigger instead. This takes the two scripts out of each package,
# adds the trigger and builds the package again from the same files.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    set(tree ${CPACK_TOPLEVEL_DIRECTORY}/ldconfig-trigger)
    file(REMOVE_RECURSE ${tree})
    execute_process(COMMAND dpkg-deb --raw-extract ${package} ${tree} COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE ${tree}/DEBIAN/postinst ${tree}/DEBIAN/postrm)
    file(WRITE ${tree}/DEBIAN/triggers "activate-noawait ldconfig\n")
    execute_process(COMMAND dpkg-deb --root-owner-group --build ${tree} ${package}
                    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE_RECURSE ${tree})
endforeach()
