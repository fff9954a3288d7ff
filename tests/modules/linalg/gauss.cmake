# Tests of the linear system window (Tgausdlg).
add_executable(gaussrechnung_test gaussrechnung_test.cpp)
target_link_libraries(gaussrechnung_test PRIVATE zol_linalg GTest::gtest_main)
gtest_discover_tests(gaussrechnung_test DISCOVERY_TIMEOUT 30)

zol_gui_test(gausdlg_test gausdlg_test.cpp)
target_link_libraries(gausdlg_test PRIVATE zol_linalg)
target_compile_definitions(gausdlg_test PRIVATE ZOL_DATENQUELLE="${PROJECT_SOURCE_DIR}/data")
