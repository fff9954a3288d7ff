# Sources of the discussion of two functions (Tdisku2dlg).
target_sources(zol_analysis PRIVATE
    zweifunktionenrechnung.cpp
    disku2dlg.cpp
    disku2dlg_aufbau.cpp
)
