# Sources of the complex numbers window (Tkomplexdlg).
target_sources(zol_algebra PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/komplexrechnung.cpp
    ${CMAKE_CURRENT_LIST_DIR}/komplexdlg.cpp
    ${CMAKE_CURRENT_LIST_DIR}/komplexdlg_aufbau.cpp
)
