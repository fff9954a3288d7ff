# Sources of the fractions window (Tbruchdlg).
target_sources(zol_algebra PRIVATE
    bruchrechnung.cpp
    bruchdlg.cpp
    bruchdlg_aufbau.cpp
)
