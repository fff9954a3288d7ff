# Tests of the geometry core.
add_executable(geometrie_test geometrie_test.cpp)
target_link_libraries(geometrie_test PRIVATE zol_kern GTest::gtest_main)
gtest_discover_tests(geometrie_test DISCOVERY_TIMEOUT 30)
