# Tests of the matrix window (Tmatrixdlg).
add_executable(matrizenrechnung_test matrizenrechnung_test.cpp)
target_link_libraries(matrizenrechnung_test PRIVATE zol_linalg GTest::gtest_main)
gtest_discover_tests(matrizenrechnung_test DISCOVERY_TIMEOUT 30)

zol_gui_test(matrixdlg_test matrixdlg_test.cpp)
target_link_libraries(matrixdlg_test PRIVATE zol_linalg)
target_compile_definitions(matrixdlg_test PRIVATE ZOL_DATENQUELLE="${PROJECT_SOURCE_DIR}/data")
