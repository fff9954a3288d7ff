#pragma once
#include "shell/rahmen/befehle.h"

#include <QIcon>

namespace zol {

// The tool-bar picture of a frame command.
QIcon befehlssymbol(Befehl befehl);

} // namespace zol
