# The Debian package, built by CPack from what `cmake --install` puts in place.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vantelo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "The vantelo developers <dev@vantelo.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "standard dimensions of HG steel pipe flanges")
set(CPACK_PACKAGE_DESCRIPTION
"Vantelo looks up the standard dimensions of steel pipe flanges of the
Chinese HG series: HG20593 to HG20596 of the European system (PN in MPa)
and HG20616 to HG20618 of the American system (pressure classes). Pick a
pressure and a nominal diameter, and the dimensions appear beside a
sectional drawing of the flange. The window's texts are in Chinese.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Not found by the library scan: the window's fonts. (The SVG plugins Qt loads
# at run time ship in libqt6svg6, which the scan finds through Qt6Svg; the
# rating chart's libqt6charts6 it finds through Qt6Charts.)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-arphic-uming, fonts-liberation, qt6-translations-l10n")

# Debian wants the copyright and changelog of every package under
# /usr/share/doc/<package>/, the changelog compressed.
set(VANTELO_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/vantelo)
execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C date -u -R -d ${VANTELO_RELEASE_DATE}
    OUTPUT_VARIABLE VANTELO_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
configure_file(${CMAKE_SOURCE_DIR}/packaging/linux/changelog.in ${CMAKE_BINARY_DIR}/changelog @ONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/changelog.gz
    COMMAND gzip -9 -n -c ${CMAKE_BINARY_DIR}/changelog > ${CMAKE_BINARY_DIR}/changelog.gz
    DEPENDS ${CMAKE_BINARY_DIR}/changelog)
add_custom_target(package_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/changelog.gz)
# PROVENANCE.md says where every dimension value comes from.
install(FILES ${CMAKE_SOURCE_DIR}/packaging/linux/copyright ${CMAKE_BINARY_DIR}/changelog.gz
    ${CMAKE_SOURCE_DIR}/data/sources/PROVENANCE.md
    DESTINATION ${VANTELO_DOC_DIR})

include(CPack)
