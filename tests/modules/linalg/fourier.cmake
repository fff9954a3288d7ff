# Tests of the Fourier analysis window.
add_executable(fourierrechnung_test fourierrechnung_test.cpp)
target_link_libraries(fourierrechnung_test PRIVATE zol_linalg GTest::gtest_main)
gtest_discover_tests(fourierrechnung_test DISCOVERY_TIMEOUT 30)

zol_gui_test(fourierdlg_test fourierdlg_test.cpp)
target_link_libraries(fourierdlg_test PRIVATE zol_linalg)
target_compile_definitions(fourierdlg_test PRIVATE ZOL_DATENQUELLE="${PROJECT_SOURCE_DIR}/data")
