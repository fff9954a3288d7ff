#pragma once
// Result lines as the project formulas take them: each line is defined in a fresh formula table
// and its value read back, so a test sees both that the line is accepted and what it means.
#include "engine/fktbaum.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <string>
#include <vector>

namespace zol::test {

// name (as written in front of "=") → value; lines without "=" (case labels) are skipped.
inline std::map<std::string, long double> formelwerte(const std::vector<std::string>& zeilen) {
    Tfktbaum baum;
    std::map<std::string, long double> werte;
    for (const std::string& z : zeilen) {
        const std::size_t gleich = z.find('=');
        if (gleich == std::string::npos) continue;
        EXPECT_TRUE(baum.definiere(z)) << z;
        const std::string name = z.substr(0, gleich);
        std::string gross = name;
        std::transform(gross.begin(), gross.end(), gross.begin(),
                       [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
        long double w = NAN;
        EXPECT_TRUE(baum.fktberechnen(gross, 0, w)) << z;
        werte[name] = w;
    }
    return werte;
}

} // namespace zol::test
