#pragma once
// The project formulas: one formula table for the whole program. It belongs to the project
// formula dialog (created on first use, released with it), and every window reaches it here.
namespace zol {

class Tfktbaum;

Tfktbaum& formelbaum();

} // namespace zol
