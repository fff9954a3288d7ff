# Tests of the window "Binomialverteilung".
add_executable(binomialrechnung_test binomialrechnung_test.cpp)
target_link_libraries(binomialrechnung_test PRIVATE zol_stochastics GTest::gtest_main)
gtest_discover_tests(binomialrechnung_test DISCOVERY_TIMEOUT 30)

zol_gui_test(binomdlg_test binomdlg_test.cpp)
target_link_libraries(binomdlg_test PRIVATE zol_stochastics zol_analysis)
target_compile_definitions(binomdlg_test PRIVATE ZOL_DATENQUELLE="${PROJECT_SOURCE_DIR}/data")
