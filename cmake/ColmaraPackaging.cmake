# What `cmake --install` puts beside the programs (man pages, the licence and
# the changelog, compressed as Debian wants them) and the .deb that CPack
# builds from exactly that install: the package holds no file of its own, so
# an install into a prefix and the package give the same set of files.

set(COLMARA_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/colmara)

# colmara_gzip(<out> <in>): <out> is <in> compressed with `gzip -9n` (no name,
# no time stamp: the same bytes on every build) at build time.
function(colmara_gzip out in)
  add_custom_command(OUTPUT ${out}
    COMMAND gzip -9nc ${in} > ${out}
    DEPENDS ${in}
    VERBATIM)
endfunction()

set(packaging_dir ${PROJECT_SOURCE_DIR}/packaging)
set(generated_dir ${PROJECT_BINARY_DIR}/packaging)
set(man_pages colmara-report)
if(COLMARA_BUILD_UI)
  list(APPEND man_pages colmara)
endif()
set(compressed "")
foreach(page IN LISTS man_pages)
  # The man pages carry the project's version.
  configure_file(${packaging_dir}/man/${page}.1.in ${generated_dir}/${page}.1 @ONLY)
  colmara_gzip(${generated_dir}/${page}.1.gz ${generated_dir}/${page}.1)
  list(APPEND compressed ${generated_dir}/${page}.1.gz)
  install(FILES ${generated_dir}/${page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
colmara_gzip(${generated_dir}/changelog.gz ${packaging_dir}/changelog)
list(APPEND compressed ${generated_dir}/changelog.gz)
add_custom_target(colmara_compressed_docs ALL DEPENDS ${compressed})
install(FILES ${generated_dir}/changelog.gz ${packaging_dir}/copyright
        DESTINATION ${COLMARA_DOC_DIR})

# The package: cpack -G DEB in a build configured with the install prefix
# /usr (the `package` preset; scripts/package.sh).
set(CPACK_PACKAGE_NAME colmara)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Colmara developers")
set(CPACK_PACKAGE_CONTACT "The Colmara developers <developers@colmara.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "teaching calculator for an ethanol-water rectification column")
set(CPACK_PACKAGE_DESCRIPTION
  "Colmara works out, plate by plate from the boiler to the condenser, what a
still with a rectification column does to a mixture of ethanol and water:
the strength of the liquid and of the vapour on every plate, the reflux,
the temperatures, the product strength and amount. The window program
colmara shows a report and a chart; the command colmara-report runs the
same calculation without a window, and sweeps, goal seeks and plate
profiles over many calculations. Released under the MIT licence.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://colmara.org/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window's layout is measured with the metrics of the "Arial" of its
# design, which Liberation Sans matches; the toolkit loads the fonts and the
# display plugin at run time, out of shlibdeps' sight.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
