# Sources of the Fourier analysis window (Tfouranadlg).
target_sources(zol_linalg PRIVATE
    fourierrechnung.cpp
    fourierdlg.cpp
    fourierdlg_aufbau.cpp
)
