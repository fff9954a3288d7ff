# Tests of the curve discussion window.
add_executable(diskussionsrechnung_test diskussionsrechnung_test.cpp)
target_link_libraries(diskussionsrechnung_test PRIVATE zol_analysis GTest::gtest_main)
gtest_discover_tests(diskussionsrechnung_test DISCOVERY_TIMEOUT 30 PROPERTIES TIMEOUT 60)

zol_gui_test(diskussdlg_test diskussdlg_test.cpp)
target_link_libraries(diskussdlg_test PRIVATE zol_analysis)
