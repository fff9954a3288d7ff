# Tests of the determinant window (Tdetdlg).
add_executable(determinantenrechnung_test determinantenrechnung_test.cpp)
target_link_libraries(determinantenrechnung_test PRIVATE zol_linalg GTest::gtest_main)
gtest_discover_tests(determinantenrechnung_test DISCOVERY_TIMEOUT 30)

zol_gui_test(detdlg_test detdlg_test.cpp)
target_link_libraries(detdlg_test PRIVATE zol_linalg)
target_compile_definitions(detdlg_test PRIVATE ZOL_DATENQUELLE="${PROJECT_SOURCE_DIR}/data")
