# Tests of the complex numbers window.
add_executable(komplexrechnung_test komplexrechnung_test.cpp)
target_link_libraries(komplexrechnung_test PRIVATE zol_algebra GTest::gtest_main)
gtest_discover_tests(komplexrechnung_test DISCOVERY_TIMEOUT 30)

zol_gui_test(komplexdlg_test komplexdlg_test.cpp)
target_link_libraries(komplexdlg_test PRIVATE zol_algebra)
target_compile_definitions(komplexdlg_test PRIVATE ZOL_DATENQUELLE="${PROJECT_SOURCE_DIR}/data")
