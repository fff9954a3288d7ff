# Tests of the FFT window.
add_executable(fftrechnung_test fftrechnung_test.cpp)
target_link_libraries(fftrechnung_test PRIVATE zol_linalg GTest::gtest_main)
gtest_discover_tests(fftrechnung_test DISCOVERY_TIMEOUT 30)

zol_gui_test(fftdlg_test fftdlg_test.cpp)
target_link_libraries(fftdlg_test PRIVATE zol_linalg zol_analysis)
target_compile_definitions(fftdlg_test PRIVATE ZOL_DATENQUELLE="${PROJECT_SOURCE_DIR}/data")
