# Sources of the line, parabola and parabola-line windows (Tgeradengleich, Tparabelgleich,
# Tparageradlg).
target_sources(zol_geometry PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/geradenrechnung.cpp
    ${CMAKE_CURRENT_LIST_DIR}/parabelrechnung.cpp
    ${CMAKE_CURRENT_LIST_DIR}/geradenfelder.cpp
    ${CMAKE_CURRENT_LIST_DIR}/geradendlg.cpp
    ${CMAKE_CURRENT_LIST_DIR}/geradendlg_aufbau.cpp
    ${CMAKE_CURRENT_LIST_DIR}/parabeldlg.cpp
    ${CMAKE_CURRENT_LIST_DIR}/parabeldlg_aufbau.cpp
    ${CMAKE_CURRENT_LIST_DIR}/parageradedlg.cpp
    ${CMAKE_CURRENT_LIST_DIR}/parageradedlg_aufbau.cpp
)
