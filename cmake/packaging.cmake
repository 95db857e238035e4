# Installing like a desktop program, and the Debian package (cpack -G DEB).
#   <prefix>/bin                      quorin, quorin-cli
#   <prefix>/lib/quorin               the PDF printer quorin-cli loads for --pdf
#   <prefix>/share/quorin             the shipped data files (and tax-years/), copied per user on first start
#   <prefix>/share/applications       the desktop entry (the desktop's menu)
#   <prefix>/share/icons/hicolor      the icon
#   <prefix>/share/doc/quorin         the copyright notice

install(TARGETS quorin quorin-cli RUNTIME DESTINATION ${QUORIN_INSTALL_BINDIR})
install(TARGETS quorin_pdf_printer LIBRARY DESTINATION ${QUORIN_INSTALL_PLUGINDIR})
install(FILES ${QUORIN_OUT}/Rudodeza.db ${QUORIN_COPIED} ${QUORIN_OUT}/qr2026Help.pdf
  DESTINATION ${QUORIN_INSTALL_DATADIR})
install(FILES ${QUORIN_TAX_YEARS_COPIED} DESTINATION ${QUORIN_INSTALL_DATADIR}/tax-years)
install(FILES ${CMAKE_SOURCE_DIR}/install/quorin.desktop DESTINATION share/applications)
install(FILES ${CMAKE_SOURCE_DIR}/install/quorin.svg DESTINATION share/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_SOURCE_DIR}/install/copyright DESTINATION share/doc/quorin)

set(CPACK_PACKAGE_NAME quorin)
set(CPACK_PACKAGE_VENDOR "Quorin Payroll Software")
set(CPACK_PACKAGE_CONTACT "Quorin Payroll Software <support@quorinpayroll.co.za>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "South African payroll tax and personal finance calculators")
set(CPACK_PACKAGE_DESCRIPTION "Quorin 2026 works out PAYE, UIF and the skills levy for a pay period, salary packages, \
company car and travel allowance benefits, loans, inflation and daily-balance interest for the 2026 tax year, \
in windows (quorin) or on the command line (quorin-cli).")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
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
