# Sources of the space geometry windows: vectors (Tvektordlg), point–line (Tpunktge) and
# line–line (Tfgeradeg), with the line input they share with the plane windows.
target_sources(zol_geometry PRIVATE
    raumrechnung.cpp
    raumgeradenrechnung.cpp
    raumfenster.cpp
    geradeneingabe.cpp
    vektordlg.cpp
    punktgedlg.cpp
    punktgedlg_aufbau.cpp
    fgeradegdlg.cpp
    fgeradegdlg_aufbau.cpp
)
