# Sources of the FFT window (Tfftdlg).
target_sources(zol_linalg PRIVATE
    fftrechnung.cpp
    fftdlg.cpp
    fftdlg_aufbau.cpp
)
