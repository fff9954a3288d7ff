# Sources of the polynomial functions window (TPolynomedlg).
target_sources(zol_analysis PRIVATE
    polynomrechnung.cpp
    polynomedlg.cpp
    polynomedlg_aufbau.cpp
)
