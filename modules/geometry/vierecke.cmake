# Sources of the quadrilaterals window (Tviereckdlg).
target_sources(zol_geometry PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/viereckrechnung.cpp
    ${CMAKE_CURRENT_LIST_DIR}/viereckdlg.cpp
)
