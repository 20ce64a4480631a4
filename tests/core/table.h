#pragma once

#include <gtest/gtest.h>

#include <string>

// Names each row of a table-driven test after its `nom` field.
struct NomDeLigne {
    template <class Ligne> std::string operator()(const testing::TestParamInfo<Ligne>& ligne) const
    {
        return ligne.param.nom;
    }
};
