# Installing like a desktop program, and the Debian package (cpack -G DEB).
#   <prefix>/bin                            quorin, quorin-cli
#   <prefix>/lib/<multiarch>/quorin         the PDF printer quorin-cli loads for --pdf
#   <prefix>/share/quorin                   the shipped data files (and tax-years/), read from there
#   <prefix>/share/applications             the desktop entry (the desktop's menu)
#   <prefix>/share/metainfo                 the AppStream description (software centres)
#   <prefix>/share/icons/hicolor            the icon, as SVG and PNG 16 to 256
#   <prefix>/share/man/man1                 quorin(1), quorin-cli(1)
#   <prefix>/share/bash-completion          completion of quorin-cli
#   <prefix>/share/doc/quorin               the copyright notice and the changelog
#   <prefix>/share/lintian/overrides        the package checks set aside, each with its reason

set(QUORIN_APP_ID za.co.quorinpayroll.quorin)
set(QUORIN_RELEASE_DATE 2026-12-09)  # the date of the changelog's first entry
set(QUORIN_GENERATED ${CMAKE_BINARY_DIR}/package-files)

# The report database the package ships is made afresh for it, apart from the
# one beside the programs in the build folder, which every run from there
# writes its printouts into.
add_custom_command(OUTPUT ${QUORIN_GENERATED}/Rudodeza.db
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:quorin-mkdb> ${QUORIN_GENERATED}/Rudodeza.db
  DEPENDS quorin-mkdb
  COMMENT "Making the report database the package ships")

# The icon drawn as PNG at the sizes desktops look for; the program's windows
# carry the same pictures.
find_program(QUORIN_RSVG_CONVERT rsvg-convert)
set(QUORIN_ICON_SIZES 16 24 32 48 64 128 256)
set(QUORIN_ICONS)
if(QUORIN_RSVG_CONVERT)
  foreach(size ${QUORIN_ICON_SIZES})
    set(png ${QUORIN_GENERATED}/icons/${size}/quorin.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${QUORIN_GENERATED}/icons/${size}
      COMMAND ${QUORIN_RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${CMAKE_SOURCE_DIR}/install/quorin.svg
      DEPENDS ${CMAKE_SOURCE_DIR}/install/quorin.svg)
    list(APPEND QUORIN_ICONS ${png})
    install(FILES ${png} DESTINATION share/icons/hicolor/${size}x${size}/apps)
  endforeach()
  qt_add_resources(quorin quorin_icons PREFIX /icons BASE ${QUORIN_GENERATED}/icons FILES ${QUORIN_ICONS})
else()
  message(WARNING "rsvg-convert (Debian package librsvg2-bin) is missing: no PNG icons. Run scripts/deps.sh.")
endif()
target_compile_definitions(quorin PRIVATE QUORIN_DESKTOP_ID="${QUORIN_APP_ID}")

# The manual pages and the completion, made from the programs' own help.
add_custom_command(OUTPUT ${QUORIN_GENERATED}/quorin.1.gz ${QUORIN_GENERATED}/quorin-cli.1.gz ${QUORIN_GENERATED}/quorin-cli
  COMMAND ${CMAKE_SOURCE_DIR}/install/program_docs.sh $<TARGET_FILE:quorin> $<TARGET_FILE:quorin-cli>
    ${QUORIN_GENERATED} ${QUORIN_RELEASE_DATE}
  COMMAND gzip -9nf ${QUORIN_GENERATED}/quorin.1 ${QUORIN_GENERATED}/quorin-cli.1
  DEPENDS quorin quorin-cli ${CMAKE_SOURCE_DIR}/install/program_docs.sh
  COMMENT "Making the manual pages and the completion from the programs' help")
add_custom_command(OUTPUT ${QUORIN_GENERATED}/changelog.gz
  COMMAND gzip -9n < ${CMAKE_SOURCE_DIR}/install/changelog > ${QUORIN_GENERATED}/changelog.gz
  DEPENDS ${CMAKE_SOURCE_DIR}/install/changelog)
configure_file(install/quorin.metainfo.xml.in ${QUORIN_GENERATED}/${QUORIN_APP_ID}.metainfo.xml @ONLY)
add_custom_target(quorin_package_files ALL DEPENDS ${QUORIN_GENERATED}/Rudodeza.db ${QUORIN_ICONS}
  ${QUORIN_GENERATED}/quorin.1.gz ${QUORIN_GENERATED}/changelog.gz)

install(TARGETS quorin quorin-cli RUNTIME DESTINATION ${QUORIN_INSTALL_BINDIR})
install(TARGETS quorin_pdf_printer LIBRARY DESTINATION ${QUORIN_INSTALL_PLUGINDIR})
install(FILES ${QUORIN_GENERATED}/Rudodeza.db ${QUORIN_COPIED} ${QUORIN_OUT}/qr2026Help.pdf
  DESTINATION ${QUORIN_INSTALL_DATADIR})
install(FILES ${QUORIN_TAX_YEARS_COPIED} DESTINATION ${QUORIN_INSTALL_DATADIR}/tax-years)
install(FILES ${CMAKE_SOURCE_DIR}/install/${QUORIN_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${QUORIN_GENERATED}/${QUORIN_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${CMAKE_SOURCE_DIR}/install/quorin.svg DESTINATION share/icons/hicolor/scalable/apps)
install(FILES ${QUORIN_GENERATED}/quorin.1.gz ${QUORIN_GENERATED}/quorin-cli.1.gz DESTINATION share/man/man1)
install(FILES ${QUORIN_GENERATED}/quorin-cli DESTINATION share/bash-completion/completions)
install(FILES ${CMAKE_SOURCE_DIR}/install/copyright ${QUORIN_GENERATED}/changelog.gz DESTINATION share/doc/quorin)
install(FILES ${CMAKE_SOURCE_DIR}/install/lintian-overrides DESTINATION share/lintian/overrides RENAME quorin)

set(CPACK_PACKAGE_NAME quorin)
set(CPACK_PACKAGE_VENDOR "Quorin Payroll Software")
set(CPACK_PACKAGE_CONTACT "Quorin Payroll Software <support@quorinpayroll.co.za>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "South African payroll tax and personal finance calculators")
# The extended description (CPack puts the summary above it), as Debian
# wants it: lines under 80 columns.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Quorin 2026 works out employees' tax (PAYE), UIF and the skills levy for a
month, fortnight, week, day or tax year; salary packages both ways (gross
to take-home pay and back); company car and travel allowance benefits; and
loans, loan buster and comparison, inflation and daily balance interest.
.
Each tax year is a file in /usr/share/quorin/tax-years (2026 and 2027 are
included, and a user may add their own). Every calculator runs in windows
(quorin) and on the command line with JSON results (quorin-cli), and prints
in English or Afrikaans.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# Stripped as Debian strips: debugging symbols and the sections nothing reads.
set(CPACK_STRIP_FILES OFF)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_SOURCE_DIR}/cmake/strip_package.cmake)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.quorinpayroll.co.za")
# The libraries the programs link are found by dpkg-shlibdeps; these are
# loaded at run time and so only named here: the SQLite driver of Qt SQL and
# the font the reports and the manual are laid out in.
find_program(QUORIN_DPKG_SHLIBDEPS dpkg-shlibdeps)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, fonts-dejavu-core")
if(QUORIN_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", libqt6core6, libqt6gui6, libqt6sql6, libqt6widgets6, \
libqt6printsupport6, libqt6pdf6, libqt6pdfwidgets6, libqt6charts6, libstdc++6, libc6")
endif()
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
include(CPack)
