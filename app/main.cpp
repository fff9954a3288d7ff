#include "app/kommandozeile.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    std::vector<std::string> argumente(argv + 1, argv + argc);
    // Until the main window exists, the program is the calculator on the console.
    return zol::konsole_ausfuehren(argumente, std::cin, std::cout, std::cerr);
}
