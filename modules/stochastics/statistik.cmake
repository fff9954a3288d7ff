# Sources of the statistics window (Tstatistikdlg).
target_sources(zol_stochastics PRIVATE
    statistikrechnung.cpp
    statistikdlg.cpp
    statistikdlg_aufbau.cpp
)
