# Sources of the interpolation window (Tinterdlg).
target_sources(zol_linalg PRIVATE
    interpolationsrechnung.cpp
    interdlg.cpp
    interdlg_aufbau.cpp
)
