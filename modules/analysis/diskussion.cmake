# Sources of the curve discussion window (Tdiskussdlg).
target_sources(zol_analysis PRIVATE
    diskussionsrechnung.cpp
    diskussdlg.cpp
    diskussdlg_aufbau.cpp
)
