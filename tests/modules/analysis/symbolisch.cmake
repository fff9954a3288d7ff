# Tests of the symbolic differentiation.
add_executable(symbolischrechnung_test symbolischrechnung_test.cpp)
target_link_libraries(symbolischrechnung_test PRIVATE zol_analysis GTest::gtest_main)
gtest_discover_tests(symbolischrechnung_test DISCOVERY_TIMEOUT 30)

zol_gui_test(symdlg_test symdlg_test.cpp)
target_link_libraries(symdlg_test PRIVATE zol_analysis)
target_compile_definitions(symdlg_test PRIVATE ZOL_DATENQUELLE="${PROJECT_SOURCE_DIR}/data")
