# Sources of the combinatorics window (Tkombidlg).
target_sources(zol_stochastics PRIVATE
    kombinatorikrechnung.cpp
    kombidlg.cpp
    kombidlg_aufbau.cpp
)
