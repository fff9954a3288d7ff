# Sources of the rational functions window (Tgebrochdlg); it shares the polynomial text and
# zero lines of the polynomial window.
target_sources(zol_analysis PRIVATE
    gebrochenrechnung.cpp
    gebrochdlg.cpp
    gebrochdlg_aufbau.cpp
)
