# Sources of the number systems window (Tzahlsysdlg).
target_sources(zol_algebra PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/zahlensystemrechnung.cpp
    ${CMAKE_CURRENT_LIST_DIR}/zahlsysdlg.cpp
    ${CMAKE_CURRENT_LIST_DIR}/zahlsysdlg_aufbau.cpp
)
