# Tests of the primes, gcd and lcm window.
add_executable(primzahlrechnung_test primzahlrechnung_test.cpp)
target_link_libraries(primzahlrechnung_test PRIVATE zol_algebra GTest::gtest_main)
gtest_discover_tests(primzahlrechnung_test DISCOVERY_TIMEOUT 30)

zol_gui_test(primzahldlg_test primzahldlg_test.cpp)
target_link_libraries(primzahldlg_test PRIVATE zol_algebra)
target_compile_definitions(primzahldlg_test PRIVATE ZOL_DATENQUELLE="${PROJECT_SOURCE_DIR}/data")
