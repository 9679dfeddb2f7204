# c01_qt_test(name SOURCES ... LIBS ...): a GoogleTest binary of widget tests,
# run on Qt's offscreen platform with a QApplication made before the tests.
# Included by each folder that has such tests (Qt's targets are per folder).
find_package(Qt6 REQUIRED COMPONENTS Widgets Test)

function(c01_qt_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES} ${PROJECT_SOURCE_DIR}/tests/runtime/forms/qt_test_main.cpp)
  target_link_libraries(${name} PRIVATE c01_options GTest::gtest GTest::gmock Qt6::Widgets Qt6::Test ${T_LIBS})
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES TIMEOUT 300 ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
