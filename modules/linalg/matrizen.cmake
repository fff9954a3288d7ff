# Sources of the matrix window (Tmatrixdlg).
target_sources(zol_linalg PRIVATE
    matrizenrechnung.cpp
    matrixdlg.cpp
    matrixdlg_aufbau.cpp
)
