# Tests of the line, parabola and parabola-line windows.
add_executable(geradenrechnung_test geradenrechnung_test.cpp)
target_link_libraries(geradenrechnung_test PRIVATE zol_geometry GTest::gtest_main)
gtest_discover_tests(geradenrechnung_test DISCOVERY_TIMEOUT 30)

zol_gui_test(geradendlg_test geradendlg_test.cpp)
target_link_libraries(geradendlg_test PRIVATE zol_geometry)
target_compile_definitions(geradendlg_test PRIVATE ZOL_DATENQUELLE="${PROJECT_SOURCE_DIR}/data")
