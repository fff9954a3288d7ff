#Plane and space geometry core.
target_sources(zol_kern PRIVATE geometrie.cpp)
