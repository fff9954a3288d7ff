# Tests of the polynomial core.
add_executable(polynom_test polynom_test.cpp)
target_link_libraries(polynom_test PRIVATE zol_kern GTest::gtest_main)
gtest_discover_tests(polynom_test DISCOVERY_TIMEOUT 30)
