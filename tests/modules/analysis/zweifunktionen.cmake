# Tests of the discussion of two functions.
add_executable(zweifunktionenrechnung_test zweifunktionenrechnung_test.cpp)
target_link_libraries(zweifunktionenrechnung_test PRIVATE zol_analysis GTest::gtest_main)
gtest_discover_tests(zweifunktionenrechnung_test DISCOVERY_TIMEOUT 30)

zol_gui_test(disku2dlg_test disku2dlg_test.cpp)
target_link_libraries(disku2dlg_test PRIVATE zol_analysis)
target_compile_definitions(disku2dlg_test PRIVATE ZOL_DATENQUELLE="${PROJECT_SOURCE_DIR}/data")
