# Polynomial core: term text, arithmetic and Bairstow's method.
target_sources(zol_kern PRIVATE polynom.cpp)
