# Tests of the Gauss-Jordan core, with the randomized check against exact rational arithmetic.
add_executable(gaussjordan_test gaussjordan_test.cpp)
target_link_libraries(gaussjordan_test PRIVATE zol_kern GTest::gtest_main)
gtest_discover_tests(gaussjordan_test DISCOVERY_TIMEOUT 30)
