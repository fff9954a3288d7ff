# Tests of the interpolation window (Tinterdlg).
add_executable(interpolationsrechnung_test interpolationsrechnung_test.cpp)
target_link_libraries(interpolationsrechnung_test PRIVATE zol_linalg GTest::gtest_main)
gtest_discover_tests(interpolationsrechnung_test DISCOVERY_TIMEOUT 30)

zol_gui_test(interdlg_test interdlg_test.cpp)
target_link_libraries(interdlg_test PRIVATE zol_linalg)
target_compile_definitions(interdlg_test PRIVATE ZOL_DATENQUELLE="${PROJECT_SOURCE_DIR}/data")
