# Tests of the plane windows in space. The computations are Qt-free and built into a plain test
# program of their own, beside the library.
add_executable(ebenenrechnung_test
    ebenenrechnung_test.cpp
    ${PROJECT_SOURCE_DIR}/modules/geometry/ebenenrechnung.cpp
    ${PROJECT_SOURCE_DIR}/modules/geometry/raumrechnung.cpp
)
target_link_libraries(ebenenrechnung_test PRIVATE zol_kern GTest::gtest_main)
gtest_discover_tests(ebenenrechnung_test DISCOVERY_TIMEOUT 30)

zol_gui_test(ebenenfenster_test ebenenfenster_test.cpp)
target_link_libraries(ebenenfenster_test PRIVATE zol_geometry)
target_compile_definitions(ebenenfenster_test PRIVATE ZOL_DATENQUELLE="${PROJECT_SOURCE_DIR}/data")
