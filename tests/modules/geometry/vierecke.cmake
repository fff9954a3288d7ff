# Tests of the quadrilaterals window.
add_executable(viereckrechnung_test viereckrechnung_test.cpp)
target_link_libraries(viereckrechnung_test PRIVATE zol_geometry GTest::gtest_main)
gtest_discover_tests(viereckrechnung_test DISCOVERY_TIMEOUT 30)

zol_gui_test(viereckdlg_test viereckdlg_test.cpp)
target_link_libraries(viereckdlg_test PRIVATE zol_geometry)
target_compile_definitions(viereckdlg_test PRIVATE ZOL_DATENQUELLE="${PROJECT_SOURCE_DIR}/data")
