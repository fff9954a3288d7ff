# Tests of the polynomial functions window.
add_executable(polynomrechnung_test polynomrechnung_test.cpp)
target_link_libraries(polynomrechnung_test PRIVATE zol_analysis GTest::gtest_main)
gtest_discover_tests(polynomrechnung_test DISCOVERY_TIMEOUT 30)

zol_gui_test(polynomedlg_test polynomedlg_test.cpp)
target_link_libraries(polynomedlg_test PRIVATE zol_analysis)
target_compile_definitions(polynomedlg_test PRIVATE ZOL_DATENQUELLE="${PROJECT_SOURCE_DIR}/data")
