# Sources of the polynomial arithmetic window (Tpolyrechdlg); its coefficient grids are the
# inline ones of the polynomial functions window.
target_sources(zol_algebra PRIVATE
    polyrechnung.cpp
    polyrechdlg.cpp
    polyrechdlg_aufbau.cpp
)
