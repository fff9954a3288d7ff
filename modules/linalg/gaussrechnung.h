#pragma once
// The linear system window's arithmetic, free of the window: the system is eliminated with the
// shared Gauss-Jordan solver (modules/kern/gaussjordan.h) and turned into the texts of the result
// grid, either the solution or, when there is none, the eliminated matrix.
#include <string>
#include <string_view>
#include <vector>

namespace zol {

// The windows' size field runs from 1 to 10.
inline constexpr int linalg_min_n = 1;
inline constexpr int linalg_max_n = 10;
// n brought into 1 … 10 before any grid or storage is sized with it.
int linalg_groesse(int n);

struct Lgsergebnis {
    bool loesbar = false;
    // loesbar: x1 … xn as texts.
    std::vector<std::string> loesung;
    // Not loesbar: the eliminated matrix, n rows of n + 1 texts (right side last).
    std::vector<std::vector<std::string>> matrix;
};

// Solves the system given as n augmented rows {a_i1 … a_in, b_i} (n = zeilen.size(), 1 … 20)
// and writes every number with the picture bild.
Lgsergebnis lgs_rechnen(const std::vector<std::vector<long double>>& zeilen, std::string_view bild);

} // namespace zol
