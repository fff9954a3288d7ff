# Sources of the triangle window (TDreieckdlg).
target_sources(zol_geometry PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/dreieckrechnung.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dreieckdlg.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dreieckdlg_aufbau.cpp
    ${CMAKE_CURRENT_LIST_DIR}/skizze.cpp
)
