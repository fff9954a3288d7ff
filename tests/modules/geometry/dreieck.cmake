# Tests of the triangle window.
add_executable(dreieckrechnung_test dreieckrechnung_test.cpp)
target_link_libraries(dreieckrechnung_test PRIVATE zol_geometry GTest::gtest_main)
gtest_discover_tests(dreieckrechnung_test DISCOVERY_TIMEOUT 30)

zol_gui_test(dreieckdlg_test dreieckdlg_test.cpp)
target_link_libraries(dreieckdlg_test PRIVATE zol_geometry)
target_compile_definitions(dreieckdlg_test PRIVATE ZOL_DATENQUELLE="${PROJECT_SOURCE_DIR}/data")
