# Tests of the fractal window.
add_executable(fraktalrechnung_test fraktalrechnung_test.cpp)
target_link_libraries(fraktalrechnung_test PRIVATE zol_algebra GTest::gtest_main)
gtest_discover_tests(fraktalrechnung_test DISCOVERY_TIMEOUT 30)

zol_gui_test(fraktaldlg_test fraktaldlg_test.cpp)
target_link_libraries(fraktaldlg_test PRIVATE zol_algebra)
target_compile_definitions(fraktaldlg_test PRIVATE ZOL_DATENQUELLE="${PROJECT_SOURCE_DIR}/data")
