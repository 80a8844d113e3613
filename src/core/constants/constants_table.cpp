// SPDX-License-Identifier: MIT
#include "core/constants/constants_table.h"

#include "core/engine/angles.h"

#include <span>

namespace zc {
namespace {

struct ConstantRow {
    std::string_view listText;
    double value;
    // The value is a multiple of pi, formed when it is looked up.
    bool timesPi = false;
};

constexpr ConstantRow kUniversal[] = {
    {"speed of light in vacuum(m/s)", 299792458},
    {"Planck const(Js)", 6.62606896e-34},
    {"Planck const(Js) reduced", 1.054571628e-34},
    {"Planck length(m)", 1.616252e-35},
    {"Planck mass(kg)", 2.17644e-8},
    {"Planck temp(K)", 1.416785e32},
    {"Planck time(s)", 5.39121e-44},
    {"Newtonian constant of gravitation\n(m^3*kg^(-1)*s^(-2))", 6.67428e-11},
};

constexpr ConstantRow kElectromagnetic[] = {
    {"electric const(F/m)", 8.854187817e-12},
    {"magnetic const(N/A^2)", 4e-7, true},
    {"elementary charge(C)", 1.602176487e-19},
    {"characteristic impedance of vacuum", 376.730313461},
    {"Coulomb const(Nm2C^(-2))", 8987551787.368176},
    {"Bohr magneton(J/T)", 9.27400915e-24},
    {"conductance quantum(S)", 0.000077480917004},
    {"Josephson const(Hz/V)", 4.83597891e14},
    {"nuclear magneton(J/T)", 5.05078343e-27},
    {"von Klitzing const", 25812.807557},
};

constexpr ConstantRow kAtomicNuclear[] = {
    {"Bohr radius(m)", 5.2917720859e-11},
    {"classical electron radius(m)", 2.8179402894e-15},
    {"electron mass(kg)", 9.109382155e-31},
    {"proton mass(kg)", 1.6726216378e-27},
    {"Fermi coupling const(Ge/V^2)", 0.0000116639},
    {"fine-structure const", 0.00729735253765},
    {"Hartree energy(J)", 4.35974394e-18},
    {"Rydberg const(1/m)", 10973731.568527},
    {"weak mixing angle", 0.22215},
};

constexpr ConstantRow kPhysicoChemical[] = {
    {"atomic mass unit(kg)", 1.66053886e-27},
    {"Avogadro's number(1/mol)", 6.02214179e23},
    {"Boltzmann const(J/K)", 1.3806504e-23},
    {"Faraday const(C/mol)", 96485.3399},
    {"gas const(J/Kmol)", 8.314472},
    {"molar Planck const(Js/mol)", 3.990312716e-10},
    {"molar volume for ideal gas(m^3/mol)", 0.0224139964},
    {"first radiation const(Wm^2)", 3.741771182e-16},
    {"Stefan-Boltzmann const(Wm^(-2)K^(-4))", 5.6704004e-8},
};

struct ConstantGroup {
    std::string_view caption;
    std::span<const ConstantRow> rows;
};

constexpr ConstantGroup kGroups[kConstantGroupCount] = {
    {"universal", kUniversal},
    {"electromagnetic", kElectromagnetic},
    {"atomic/ nuclear", kAtomicNuclear},
    {"physico-chemical", kPhysicoChemical},
};

const ConstantGroup* groupAt(int group) {
    if (group < 0 || group >= kConstantGroupCount) return nullptr;
    return &kGroups[group];
}

const ConstantRow* rowAt(int group, int index) {
    const ConstantGroup* g = groupAt(group);
    if (g == nullptr || index < 0 || static_cast<std::size_t>(index) >= g->rows.size())
        return nullptr;
    return &g->rows[static_cast<std::size_t>(index)];
}

} // namespace

std::string_view constantGroupCaption(int group) {
    const ConstantGroup* g = groupAt(group);
    return g == nullptr ? std::string_view() : g->caption;
}

int constantCount(int group) {
    const ConstantGroup* g = groupAt(group);
    return g == nullptr ? 0 : static_cast<int>(g->rows.size());
}

std::string_view constantListText(int group, int index) {
    const ConstantRow* r = rowAt(group, index);
    return r == nullptr ? std::string_view() : r->listText;
}

double constantValue(int group, int index) {
    const ConstantRow* r = rowAt(group, index);
    if (r == nullptr) return 0;
    return r->timesPi ? r->value * kPi : r->value;
}

} // namespace zc
