# Sources of the value table window (Twertedlg).
target_sources(zol_analysis PRIVATE
    wertetabellenrechnung.cpp
    wertedlg.cpp
    wertedlg_aufbau.cpp
)
