# Sources of the fractal window (Tfraktaldlg).
target_sources(zol_algebra PRIVATE
    fraktalrechnung.cpp
    fraktalbild.cpp
    fraktaldlg.cpp
    fraktaldlg_aufbau.cpp
    fraktaldlg_bitmap.cpp
)
