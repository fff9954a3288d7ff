# Sources of the mappings window (Tabbilddlg), with the plot range that the line and parabola
# windows use too.
target_sources(zol_geometry PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/abbildungsrechnung.cpp
    ${CMAKE_CURRENT_LIST_DIR}/zeichenrahmen.cpp
    ${CMAKE_CURRENT_LIST_DIR}/abbilddlg.cpp
    ${CMAKE_CURRENT_LIST_DIR}/abbilddlg_aufbau.cpp
)
