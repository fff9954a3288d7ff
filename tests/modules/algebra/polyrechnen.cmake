# Tests of the polynomial arithmetic window.
add_executable(polyrechnung_test polyrechnung_test.cpp)
target_link_libraries(polyrechnung_test PRIVATE zol_algebra GTest::gtest_main)
gtest_discover_tests(polyrechnung_test DISCOVERY_TIMEOUT 30)

zol_gui_test(polyrechdlg_test polyrechdlg_test.cpp)
target_link_libraries(polyrechdlg_test PRIVATE zol_algebra)
target_compile_definitions(polyrechdlg_test PRIVATE ZOL_DATENQUELLE="${PROJECT_SOURCE_DIR}/data")
