# Sources of the binomial distribution window (Tbinom2dlg).
target_sources(zol_stochastics PRIVATE
    binomialrechnung.cpp
    binomdlg.cpp
    binomdlg_aufbau.cpp
)
