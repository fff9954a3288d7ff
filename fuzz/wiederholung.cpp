// Replays a fuzz target's seed corpus and a reproducible stream of generated inputs, so the
// normal test run exercises the same entry point as the libFuzzer build.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse);

namespace {

void eingabe(const std::string& s) {
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(s.data()), s.size());
}

} // namespace

int main(int argc, char** argv) {
    std::size_t korpus = 0;
    if (argc > 1 && std::filesystem::is_directory(argv[1])) {
        for (const auto& e : std::filesystem::directory_iterator(argv[1])) {
            std::ifstream f(e.path(), std::ios::binary);
            eingabe(std::string(std::istreambuf_iterator<char>(f), {}));
            ++korpus;
        }
    }
    const long anzahl = argc > 2 ? std::stol(argv[2]) : 10000;
    // Inputs built from the characters that matter to formulas and pictures.
    static const std::string zeichen = "0123456789,.;:+-*/^()=EXABFSINCOTLGQRPKD#'\"e \n\t\xE4";
    std::mt19937 zufall(20261210);
    for (long i = 0; i < anzahl; ++i) {
        std::string s(zufall() % 64, ' ');
        for (char& c : s)
            c = zeichen[zufall() % zeichen.size()];
        eingabe(s);
    }
    std::printf("%zu Korpusdateien und %ld erzeugte Eingaben ohne Absturz\n", korpus, anzahl);
    return 0;
}
