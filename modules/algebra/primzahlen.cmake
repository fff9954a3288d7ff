# Sources of the primes, gcd and lcm window (Tprimdlg).
target_sources(zol_algebra PRIVATE
    primzahlrechnung.cpp
    primzahldlg.cpp
    primzahldlg_aufbau.cpp
)
