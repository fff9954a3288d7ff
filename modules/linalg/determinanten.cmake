# Sources of the determinant window (Tdetdlg).
target_sources(zol_linalg PRIVATE
    determinantenrechnung.cpp
    detdlg.cpp
    detdlg_aufbau.cpp
)
