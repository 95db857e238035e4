# Libraries, programs and the data files delivered beside them.

# The stores stay on Qt Core and Qt SQL, so quorin-cli starts on those alone.
add_library(quorin_data STATIC ${QUORIN_DATA_SOURCES})
target_link_libraries(quorin_data PUBLIC quorin_core Qt6::Core Qt6::Sql)

# The report layout (Qt Gui): linked by the windows, and by the PDF printer
# plugin that quorin-cli loads only for --pdf.
add_library(quorin_report STATIC ${QUORIN_REPORT_SOURCES})
target_link_libraries(quorin_report PUBLIC quorin_data Qt6::Gui)
target_include_directories(quorin_report PRIVATE ${KAINJOW_MUSTACHE_INCLUDE_DIR})
set_target_properties(quorin_report PROPERTIES POSITION_INDEPENDENT_CODE ON)

add_library(quorin_pdf_printer MODULE ${QUORIN_PDF_PRINTER_SOURCES})
target_link_libraries(quorin_pdf_printer PRIVATE quorin_report)
set_target_properties(quorin_pdf_printer PROPERTIES
  PREFIX "${CMAKE_SHARED_MODULE_PREFIX}"
  CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON
  LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/${QUORIN_INSTALL_PLUGINDIR})

add_library(quorin_gui STATIC ${QUORIN_GUI_SOURCES})
target_link_libraries(quorin_gui PUBLIC quorin_report Qt6::Widgets Qt6::PrintSupport Qt6::Pdf Qt6::PdfWidgets Qt6::Charts)

add_library(quorin_cli_lib STATIC ${QUORIN_CLI_SOURCES})
target_link_libraries(quorin_cli_lib PUBLIC quorin_data CLI11::CLI11 nlohmann_json::nlohmann_json)
set_target_properties(quorin_cli_lib PROPERTIES AUTOMOC OFF)

add_executable(quorin shell/main.cpp)
target_link_libraries(quorin PRIVATE quorin_gui)

add_executable(quorin-cli cli/main.cpp)
target_link_libraries(quorin-cli PRIVATE quorin_cli_lib)
set_target_properties(quorin-cli PROPERTIES AUTOMOC OFF)
add_dependencies(quorin-cli quorin_pdf_printer)

# Build tools
add_executable(quorin-mkdb report/make_report_database.cpp)
target_link_libraries(quorin-mkdb PRIVATE quorin_data)
set_target_properties(quorin-mkdb PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)

add_executable(quorin-mkmanual manual/make_manual.cpp)
target_link_libraries(quorin-mkmanual PRIVATE Qt6::Gui)
set_target_properties(quorin-mkmanual PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)

# Data files beside the program: the report database, the report files,
# the background picture and the user manual.
add_custom_command(OUTPUT ${QUORIN_OUT}/Rudodeza.db
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:quorin-mkdb> ${QUORIN_OUT}/Rudodeza.db
  DEPENDS quorin-mkdb
  COMMENT "Making the report database")

file(GLOB QUORIN_REPORT_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/*/reports/*.rpt)
set(QUORIN_COPIED)
foreach(src ${QUORIN_REPORT_FILES} ${CMAKE_SOURCE_DIR}/shell/Qrin.jpg)
  get_filename_component(name ${src} NAME)
  add_custom_command(OUTPUT ${QUORIN_OUT}/${name}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${src} ${QUORIN_OUT}/${name}
    DEPENDS ${src})
  list(APPEND QUORIN_COPIED ${QUORIN_OUT}/${name})
endforeach()

file(GLOB QUORIN_MANUAL_CHAPTERS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/manual/*.md)
list(SORT QUORIN_MANUAL_CHAPTERS)
add_custom_command(OUTPUT ${QUORIN_OUT}/qr2026Help.pdf
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:quorin-mkmanual> ${QUORIN_OUT}/qr2026Help.pdf ${QUORIN_MANUAL_CHAPTERS}
  DEPENDS quorin-mkmanual ${QUORIN_MANUAL_CHAPTERS}
  COMMENT "Making the user manual")

# The year files, in tax-years beside the program.
file(GLOB QUORIN_TAX_YEAR_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tax-years/*.json)
foreach(src ${QUORIN_TAX_YEAR_FILES})
  get_filename_component(name ${src} NAME)
  add_custom_command(OUTPUT ${QUORIN_OUT}/tax-years/${name}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${src} ${QUORIN_OUT}/tax-years/${name}
    DEPENDS ${src})
  list(APPEND QUORIN_TAX_YEARS_COPIED ${QUORIN_OUT}/tax-years/${name})
endforeach()

add_custom_target(quorin_data_files ALL DEPENDS ${QUORIN_OUT}/Rudodeza.db ${QUORIN_COPIED} ${QUORIN_TAX_YEARS_COPIED}
  ${QUORIN_OUT}/qr2026Help.pdf)
add_dependencies(quorin quorin_data_files)
add_dependencies(quorin-cli quorin_data_files)
