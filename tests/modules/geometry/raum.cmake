# Tests of the space geometry windows (vectors, point–line, line–line). The computations are
# Qt-free and built into a plain test program of their own, beside the library.
add_executable(raumrechnung_test
    raumrechnung_test.cpp
    raumgeradenrechnung_test.cpp
    ${PROJECT_SOURCE_DIR}/modules/geometry/raumrechnung.cpp
    ${PROJECT_SOURCE_DIR}/modules/geometry/raumgeradenrechnung.cpp
)
target_link_libraries(raumrechnung_test PRIVATE zol_kern GTest::gtest_main)
gtest_discover_tests(raumrechnung_test DISCOVERY_TIMEOUT 30)

zol_gui_test(raumfenster_test raumfenster_test.cpp)
target_link_libraries(raumfenster_test PRIVATE zol_geometry)
target_compile_definitions(raumfenster_test PRIVATE ZOL_DATENQUELLE="${PROJECT_SOURCE_DIR}/data")
