# Tests of the plane vectors window.
add_executable(vektoren2rechnung_test vektoren2rechnung_test.cpp)
target_link_libraries(vektoren2rechnung_test PRIVATE zol_geometry GTest::gtest_main)
gtest_discover_tests(vektoren2rechnung_test DISCOVERY_TIMEOUT 30)

zol_gui_test(vektor2dlg_test vektor2dlg_test.cpp)
target_link_libraries(vektor2dlg_test PRIVATE zol_geometry)
target_compile_definitions(vektor2dlg_test PRIVATE ZOL_DATENQUELLE="${PROJECT_SOURCE_DIR}/data")
