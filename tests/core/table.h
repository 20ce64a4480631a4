#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>

// A row of a table-driven test starts with its name: it names the test, and
// a failure prints it in place of the row's bytes.
struct Ligne {
    const char* nom;
};

inline std::ostream& operator<<(std::ostream& os, const Ligne& ligne)
{
    return os << ligne.nom;
}

// Names each row of a table-driven test after its `nom` field.
struct NomDeLigne {
    template <class L> std::string operator()(const testing::TestParamInfo<L>& ligne) const
    {
        return ligne.param.nom;
    }
};
