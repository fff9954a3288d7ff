# Sources of the plane vectors window (Tvektor2dlg).
target_sources(zol_geometry PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/vektoren2rechnung.cpp
    ${CMAKE_CURRENT_LIST_DIR}/vektor2dlg.cpp
)
