# Sources of the linear system window (Tgausdlg) and the pieces the linear algebra windows share.
target_sources(zol_linalg PRIVATE
    linalgtexte.cpp
    linalgfenster.cpp
    gaussrechnung.cpp
    gausdlg.cpp
    gausdlg_aufbau.cpp
)
