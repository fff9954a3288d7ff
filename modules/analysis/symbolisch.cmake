# Sources of the symbolic differentiation window (Tsymdlg).
target_sources(zol_analysis PRIVATE
    symbolischrechnung.cpp
    symdlg.cpp
)
