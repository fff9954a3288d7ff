# Tests of the window "Kombinatorik".
add_executable(kombinatorikrechnung_test kombinatorikrechnung_test.cpp)
target_link_libraries(kombinatorikrechnung_test PRIVATE zol_stochastics GTest::gtest_main)
gtest_discover_tests(kombinatorikrechnung_test DISCOVERY_TIMEOUT 30)

zol_gui_test(kombidlg_test kombidlg_test.cpp)
target_link_libraries(kombidlg_test PRIVATE zol_stochastics zol_analysis)
target_compile_definitions(kombidlg_test PRIVATE ZOL_DATENQUELLE="${PROJECT_SOURCE_DIR}/data")
