# Tests of the rational functions window.
add_executable(gebrochenrechnung_test gebrochenrechnung_test.cpp)
target_link_libraries(gebrochenrechnung_test PRIVATE zol_analysis GTest::gtest_main)
gtest_discover_tests(gebrochenrechnung_test DISCOVERY_TIMEOUT 30)

zol_gui_test(gebrochdlg_test gebrochdlg_test.cpp)
target_link_libraries(gebrochdlg_test PRIVATE zol_analysis)
target_compile_definitions(gebrochdlg_test PRIVATE ZOL_DATENQUELLE="${PROJECT_SOURCE_DIR}/data")
