# Gauss-Jordan elimination shared by linear systems, matrices, interpolation and parabolas.
target_sources(zol_kern PRIVATE gaussjordan.cpp)
