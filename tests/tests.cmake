# Test programs, one per layer. Files are picked up by folder:
#   tests/core/*_test.cpp  plain C++ calculations (links quorin_core only)
#   tests/data/*_test.cpp  stores and report pipeline
#   tests/gui/*_test.cpp   windows driven offscreen
#   tests/cli/*_test.cpp   the quorin-cli program run as a process
include(GoogleTest)

file(GLOB QUORIN_CORE_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/core/*_test.cpp)
add_executable(quorin_core_tests ${QUORIN_CORE_TESTS})
# The list of core files, for the test that keeps Qt out of them.
list(JOIN QUORIN_CORE_SOURCES "\n" QUORIN_CORE_LIST)
file(WRITE ${CMAKE_BINARY_DIR}/core_sources.txt "${QUORIN_CORE_LIST}\n")
target_include_directories(quorin_core_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
target_link_libraries(quorin_core_tests PRIVATE quorin_core GTest::gtest GTest::gtest_main)
target_compile_definitions(quorin_core_tests PRIVATE QUORIN_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
  QUORIN_PLUGIN_DIR="${QUORIN_INSTALL_PLUGINDIR}"
  QUORIN_CORE_LIST_FILE="${CMAKE_BINARY_DIR}/core_sources.txt")
set_target_properties(quorin_core_tests PROPERTIES AUTOMOC OFF)
gtest_discover_tests(quorin_core_tests DISCOVERY_TIMEOUT 60)
# Root may write any folder, so the read-only program folder case runs as
# nobody when the suite runs as root.
find_program(QUORIN_SETPRIV setpriv)
if(QUORIN_SETPRIV)
  add_test(NAME DataFolder.ReadOnlyProgramFolderAsAnOrdinaryUser
    COMMAND sh -c "if [ \"$(id -u)\" = 0 ]; then exec ${QUORIN_SETPRIV} --reuid=nobody --regid=nogroup --clear-groups \"$@\"; else exec \"$@\"; fi"
      run $<TARGET_FILE:quorin_core_tests> --gtest_filter=DataFolder.AReadOnlyFolderWithTheFilesSeedsThePerUserFolderFromItself)
endif()

if(TARGET quorin_gui)
  include(${CMAKE_SOURCE_DIR}/tests/qt_tests.cmake)
  # Pictures of windows for a person to look at (scripts/screenshots.sh).
  add_executable(quorin-screenshots ${CMAKE_SOURCE_DIR}/tests/tools/screenshots.cpp)
  target_link_libraries(quorin-screenshots PRIVATE quorin_gui Qt6::Test)
  set_target_properties(quorin-screenshots PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
endif()

# The install as the package lays it out, run by a new user: through
# cmake --install, and through the .deb itself.
if(TARGET quorin_gui)
  add_test(NAME StagedInstall.CliWorksForANewUser
    COMMAND ${CMAKE_SOURCE_DIR}/tests/install/staged_install_test.sh install ${CMAKE_COMMAND} ${CMAKE_BINARY_DIR})
  set_tests_properties(StagedInstall.CliWorksForANewUser PROPERTIES TIMEOUT 120)
  find_program(QUORIN_DPKG_DEB dpkg-deb)
  if(QUORIN_DPKG_DEB)
    add_test(NAME StagedInstall.DebianPackageWorksForANewUser
      COMMAND ${CMAKE_SOURCE_DIR}/tests/install/staged_install_test.sh package ${CMAKE_CPACK_COMMAND} ${CMAKE_BINARY_DIR})
    set_tests_properties(StagedInstall.DebianPackageWorksForANewUser PROPERTIES TIMEOUT 600)
  endif()
endif()

# A package build configures with neither test framework installed.
add_test(NAME Package.ConfiguresWithoutTestFrameworks
  COMMAND sh -c "dir=$(mktemp -d) && ${CMAKE_COMMAND} -S ${CMAKE_SOURCE_DIR} -B \"$dir\" -DQUORIN_BUILD_TESTS=OFF \
    -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON >/dev/null; status=$?; rm -rf \"$dir\"; exit $status")
