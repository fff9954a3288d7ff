# Tests of the window "Statistik".
add_executable(statistikrechnung_test statistikrechnung_test.cpp)
target_link_libraries(statistikrechnung_test PRIVATE zol_stochastics GTest::gtest_main)
gtest_discover_tests(statistikrechnung_test DISCOVERY_TIMEOUT 30)

zol_gui_test(statistikdlg_test statistikdlg_test.cpp)
target_link_libraries(statistikdlg_test PRIVATE zol_stochastics zol_analysis zol_geometry)
target_compile_definitions(statistikdlg_test PRIVATE ZOL_DATENQUELLE="${PROJECT_SOURCE_DIR}/data")
