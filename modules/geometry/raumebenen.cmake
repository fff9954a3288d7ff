# Sources of the plane windows in space: the plane equation (TEbene), point–plane (Tpunkteb),
# plane–plane (Tzweiebene) and line–plane (Tgeradeben), with the plane input they share.
target_sources(zol_geometry PRIVATE
    ebenenrechnung.cpp
    ebeneneingabe.cpp
    ebenedlg.cpp
    ebenedlg_aufbau.cpp
    punktebdlg.cpp
    punktebdlg_aufbau.cpp
    zweiebenedlg.cpp
    zweiebenedlg_aufbau.cpp
    geradebendlg.cpp
    geradebendlg_aufbau.cpp
)
