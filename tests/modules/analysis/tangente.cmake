# Tests of the tangent and normal window.
add_executable(tangentenrechnung_test tangentenrechnung_test.cpp)
target_link_libraries(tangentenrechnung_test PRIVATE zol_analysis GTest::gtest_main)
gtest_discover_tests(tangentenrechnung_test DISCOVERY_TIMEOUT 30)

zol_gui_test(tangdlg_test tangdlg_test.cpp)
target_link_libraries(tangdlg_test PRIVATE zol_analysis)
target_compile_definitions(tangdlg_test PRIVATE ZOL_DATENQUELLE="${PROJECT_SOURCE_DIR}/data")
