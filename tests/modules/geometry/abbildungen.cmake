# Tests of the mappings window.
add_executable(abbildungsrechnung_test abbildungsrechnung_test.cpp)
target_link_libraries(abbildungsrechnung_test PRIVATE zol_geometry GTest::gtest_main)
gtest_discover_tests(abbildungsrechnung_test DISCOVERY_TIMEOUT 30)

zol_gui_test(abbilddlg_test abbilddlg_test.cpp)
target_link_libraries(abbilddlg_test PRIVATE zol_geometry)
target_compile_definitions(abbilddlg_test PRIVATE ZOL_DATENQUELLE="${PROJECT_SOURCE_DIR}/data")
