# Tests of the value table window.
add_executable(wertetabellenrechnung_test wertetabellenrechnung_test.cpp)
target_link_libraries(wertetabellenrechnung_test PRIVATE zol_analysis GTest::gtest_main)
gtest_discover_tests(wertetabellenrechnung_test DISCOVERY_TIMEOUT 30)

zol_gui_test(wertedlg_test wertedlg_test.cpp)
target_link_libraries(wertedlg_test PRIVATE zol_analysis)
