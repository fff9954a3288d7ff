# Sources of the tangent and normal window (Ttangdlg).
target_sources(zol_analysis PRIVATE
    tangentenrechnung.cpp
    tangdlg.cpp
)
