# The picture dialog "Grafik speichern und kopieren", listed apart from the plot window's sources.
target_sources(zol_shell PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/grafkopdlg.h
    ${CMAKE_CURRENT_LIST_DIR}/grafkopdlg.cpp
)
