# Tests of the fractions window.
add_executable(bruchrechnung_test bruchrechnung_test.cpp)
target_link_libraries(bruchrechnung_test PRIVATE zol_algebra GTest::gtest_main)
gtest_discover_tests(bruchrechnung_test DISCOVERY_TIMEOUT 30)

zol_gui_test(bruchdlg_test bruchdlg_test.cpp)
target_link_libraries(bruchdlg_test PRIVATE zol_algebra)
target_compile_definitions(bruchdlg_test PRIVATE ZOL_DATENQUELLE="${PROJECT_SOURCE_DIR}/data")
