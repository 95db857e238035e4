# Tests of the Qt layers. Each runs offscreen with a temporary copy of the
# delivered data files.
foreach(layer data gui cli)
  file(GLOB layer_tests CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/${layer}/*_test.cpp)
  if(NOT layer_tests)
    continue()
  endif()
  set(target quorin_${layer}_tests)
  add_executable(${target} ${layer_tests} ${CMAKE_SOURCE_DIR}/tests/support/qt_test_main.cpp)
  target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
  target_compile_definitions(${target} PRIVATE
    QUORIN_BIN_DIR="${QUORIN_OUT}"
    QUORIN_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
    QUORIN_PLUGIN_DIR="${QUORIN_INSTALL_PLUGINDIR}"
    QUORIN_CLI="$<TARGET_FILE:quorin-cli>")
  if(layer STREQUAL "data")
    target_link_libraries(${target} PRIVATE quorin_report GTest::gtest)
    target_compile_definitions(${target} PRIVATE QUORIN_TEST_APP=QGuiApplication QUORIN_TEST_APP_HEADER=<QGuiApplication>)
  elseif(layer STREQUAL "gui")
    target_link_libraries(${target} PRIVATE quorin_gui Qt6::Test GTest::gtest)
    target_compile_definitions(${target} PRIVATE QUORIN_TEST_APP=QApplication QUORIN_TEST_APP_HEADER=<QApplication>)
  else()
    target_link_libraries(${target} PRIVATE quorin_data nlohmann_json::nlohmann_json GTest::gtest)
    target_compile_definitions(${target} PRIVATE QUORIN_TEST_APP=QCoreApplication QUORIN_TEST_APP_HEADER=<QCoreApplication>)
    add_dependencies(${target} quorin-cli quorin)
  endif()
  add_dependencies(${target} quorin_data_files)
  gtest_discover_tests(${target} DISCOVERY_TIMEOUT 120 PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endforeach()
