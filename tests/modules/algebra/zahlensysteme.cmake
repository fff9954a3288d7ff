# Tests of the number systems window.
add_executable(zahlensystemrechnung_test zahlensystemrechnung_test.cpp)
target_link_libraries(zahlensystemrechnung_test PRIVATE zol_algebra GTest::gtest_main)
gtest_discover_tests(zahlensystemrechnung_test DISCOVERY_TIMEOUT 30)

zol_gui_test(zahlsysdlg_test zahlsysdlg_test.cpp)
target_link_libraries(zahlsysdlg_test PRIVATE zol_algebra)
target_compile_definitions(zahlsysdlg_test PRIVATE ZOL_DATENQUELLE="${PROJECT_SOURCE_DIR}/data")
