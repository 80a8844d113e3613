// SPDX-License-Identifier: MIT
#include "core/units/unit_catalogue.h"

#include "core/engine/angles.h"

#include <span>

namespace zc {
namespace {

// How a unit's factor c relates it to its category's base unit. Per base: one
// base unit is c of this unit. In base: one of this unit is c base units. The
// radian and the temperature scales follow formulas of their own.
enum class UnitSense { Base, PerBase, InBase, Radian, Celsius, Reaumur, Fahrenheit, Rankine };
using enum UnitSense;

struct UnitRow {
    std::string_view listText;
    std::string_view suffix;
    double factor; // 0 for the base unit and for units converted by formula
    UnitSense sense;
    // Units sharing a nonzero group are the same unit under two names and
    // convert into each other without touching the value.
    int equalGroup = 0;
};

constexpr double pow2(int n) {
    double v = 1;
    for (int i = 0; i < n; ++i)
        v *= 2;
    return v;
}

constexpr UnitRow kAngleUnits[] = {
    {"degree(\u00B0)", " [\u00B0] ", 0, Base},
    {"radian(rad)", " [rad] ", 0, Radian},
    {"grad(^g)", " [^g] ", 0.9, InBase, 1},
    {"gon", " [gon] ", 0.9, InBase, 1},
    {"minute(')", " ['] ", 60, PerBase},
    {"second(\")", " [\"] ", 3600, PerBase},
    {"sign", " [sign] ", 30, InBase},
    {"mil", " [mil] ", 0.05625, InBase},
    {"revolution(r)", " [r] ", 360, InBase, 2},
    {"circle", " [circle] ", 360, InBase, 2},
    {"turn", " [turn] ", 360, InBase, 2},
    {"quadrant", " [quadrant] ", 90, InBase, 3},
    {"right angle", " [right angle] ", 90, InBase, 3},
    {"sextant", " [sextant] ", 60, InBase},
};

constexpr UnitRow kTimeUnits[] = {
    {"second(s)", " [s] ", 0, Base},
    {"millisecond(ms)", " [ms] ", 1000, PerBase},
    {"microsecond(mcs)", " [mcs] ", 1000000, PerBase},
    {"nanosecond(ns)", " [ns] ", 1000000000, PerBase},
    {"picosecond(ps)", " [ps] ", 1e12, PerBase},
    {"femtosecond(fs)", " [fs] ", 1e15, PerBase},
    {"attosecond(as)", " [as] ", 1e18, PerBase},
    {"shake", " [shake] ", 100000000, PerBase},
    {"minute(min)", " [min] ", 60, InBase},
    {"hour(h)", " [h] ", 3600, InBase},
    {"day(d)", " [d] ", 86400, InBase},
    {"week", " [week] ", 604800, InBase},
    {"month", " [month] ", 2628000, InBase},
    {"year(y)", " [y] ", 31536000, InBase},
    {"year(Julian)", " [y(Julian)] ", 31557600, InBase},
    {"fortnight", " [fortnight] ", 1209600, InBase},
    {"decade", " [decade] ", 315360000, InBase},
    {"century", " [century] ", 3153600000, InBase},
    {"millennium", " [millennium] ", 31536000000, InBase},
};

constexpr UnitRow kDataUnits[] = {
    {"bit(b)", " [b] ", 8, PerBase},
    {"nibble", " [nibble] ", 2, PerBase},
    {"Byte(B)", " [B] ", 0, Base},
    {"character", " [ch] ", 2, InBase},
    {"word", " [w] ", 4, InBase},
    {"double-word", " [dw] ", 8, InBase},
    {"quad-word", " [qw] ", 16, InBase},
    {"block", " [block] ", 4, InBase},
    {"kilobit(kb)", " [kb] ", pow2(7), InBase},
    {"kiloByte(kB)", " [kB] ", pow2(10), InBase},
    {"megabit(Mb)", " [Mb] ", pow2(17), InBase},
    {"megaByte(MB)", " [MB] ", pow2(20), InBase},
    {"gigabit(Gb)", " [Gb] ", pow2(27), InBase},
    {"gigaByte(GB)", " [GB] ", pow2(30), InBase},
    {"terabit(Tb)", " [Tb] ", pow2(37), InBase},
    {"teraByte(TB)", " [TB] ", pow2(40), InBase},
    {"petabit(Pb)", " [Pb] ", pow2(47), InBase},
    {"petaByte(PB)", " [PB] ", pow2(50), InBase},
    {"exabit(Eb)", " [Eb] ", pow2(57), InBase},
    {"exaByte(EB)", " [EB] ", pow2(60), InBase},
    {"zettabit(Zb)", " [Zb] ", pow2(67), InBase},
    {"zettaByte(ZB)", " [ZB] ", pow2(70), InBase},
    {"yottabit(Yb)", " [Yb] ", pow2(77), InBase},
    {"yottaByte(YB)", " [YB] ", pow2(80), InBase},
};

constexpr UnitRow kDistUnits[] = {
    {"millimetre(mm)", " [mm] ", 1000000, PerBase},
    {"centimetre(cm)", " [cm] ", 100000, PerBase},
    {"metre(m)", " [m] ", 1000, PerBase},
    {"kilometre(km)", " [km] ", 0, Base},
    {"inch(in)", " [in] ", 39370.0787, PerBase},
    {"foot(ft)", " [ft] ", 3280.84, PerBase},
    {"yard(yd)", " [yd] ", 1093.613, PerBase},
    {"rod", " [rod] ", 198.8388, PerBase},
    {"fathom", " [fathom] ", 546.8067, PerBase},
    {"chain", " [chain] ", 49.7097, PerBase},
    {"furlong", " [furlong] ", 4.97097, PerBase},
    {"mile", " [mile] ", 1.6093439798948, InBase},
    {"mile(UK)", " [mile(UK)] ", 1.8532, InBase},
    {"naut mile", " [n mile] ", 1.852, InBase},
    {"AU", " [AU] ", 149597870, InBase},
    {"light year(l.y.)", " [l.y.] ", 9460737937559.1, InBase},
    {"parsec(pc)", " [pc] ", 30856775814914, InBase},
};

constexpr UnitRow kMassUnits[] = {
    {"milligram(mg)", " [mg] ", 1000, PerBase},
    {"gram(g)", " [g] ", 0, Base},
    {"kilogram(kg)", " [kg] ", 1000, InBase},
    {"tonne", " [tonne] ", 1000000, InBase},
    {"carat", " [carat] ", 5, PerBase},
    {"dram(dr)", " [dr] ", 1.7718451676644, InBase},
    {"ounce(oz)", " [oz] ", 28.349524691869, InBase},
    {"pound(lb)", " [lb] ", 453.5922921969, InBase},
    {"stone(UK)", " [stone] ", 6350.2949712014, InBase},
    {"slug(UK)", " [slug] ", 14593.9, InBase},
    {"quarter(UK)", " [qr] ", 12700.6, InBase},
    {"UKton", " [UKton] ", 1016046.9373043, InBase},
    {"USton", " [Uston] ", 907184.99588592, InBase},
    {"grain", " [grain] ", 15.43236, PerBase},
    {"scruple", " [scruple] ", 1.2959782296393, InBase},
    {"drachm", " [drachm] ", 3.8879341850501, InBase},
    {"apothec.ounce", " [ap. oz.] ", 31.103473480401, InBase},
    {"pennyweight", " [dwt] ", 1.5552, InBase},
    {"troy ounce", " [tr. oz] ", 31.103473480401, InBase},
    {"troy pound", " [tr.lb] ", 373.24170498304, InBase},
};

constexpr UnitRow kTempUnits[] = {
    {"Kelvin(K)", " [K] ", 0, Base},
    {"Celcius(\u00B0C)", " [\u00B0C] ", 0, Celsius},
    {"Reaumur(\u00B0R)", " [\u00B0R] ", 0, Reaumur},
    {"Fahrenheit(\u00B0F)", " [\u00B0F] ", 0, Fahrenheit},
    {"Rankine(\u00B0R)", " [\u00B0R] ", 0, Rankine},
};

constexpr UnitRow kAreaUnits[] = {
    {"mm^2", " [mm^2] ", 1000000, PerBase},
    {"cm^2", " [cm^2] ", 10000, PerBase},
    {"m^2", " [m^2] ", 0, Base},
    {"hectare", " [hectare] ", 10000, InBase},
    {"km^2", " [km^2] ", 1000000, InBase},
    {"in^2", " [in^2] ", 1550.0031, PerBase},
    {"ft^2", " [ft^2] ", 10.76391, PerBase},
    {"yd^2", " [yd^2] ", 1.196, PerBase},
    {"rood", " [rood] ", 1011.7141056, InBase},
    {"acre", " [acre] ", 4046.8564224, InBase},
    {"mile^2", " [mile^2] ", 2589988.110336, InBase},
};

constexpr UnitRow kVolUnits[] = {
    {"mm^3", " [mm^3] ", 1000000000, PerBase},
    {"cm^3/ml", " [cm^3/ml] ", 1000000, PerBase},
    {"m^3", " [m^3] ", 0, Base},
    {"dm^3/l", " [dm^3/l] ", 1000, PerBase},
    {"km^3", " [km^3] ", 1000000000, InBase},
    {"in^3", " [in^3] ", 61023.7441, PerBase},
    {"ft^3", " [ft^3] ", 35.31467, PerBase},
    {"yd^3", " [yd^3] ", 1.307951, PerBase},
    {"mile^3", " [mile^3] ", 4168181825, InBase},
    {"minim(UK)", " [UKmin] ", 16893632.6209, PerBase},
    {"minim(US)", " [USmin] ", 16230730, PerBase},
    {"fluid drachm", " [UK fl dr] ", 281560.8608, PerBase},
    {"fluid dram", " [US fl dr] ", 270512.2691, PerBase},
    {"fluid ounce", " [UK fl oz] ", 35195.0333, PerBase},
    {"liquid ounce", " [US liq oz] ", 33814.0565, PerBase},
    {"gill(UK)", " [gill] ", 7039.0314, PerBase},
    {"gill(US)", " [gi] ", 8453.5141, PerBase},
    {"pint", " [UKpt] ", 1759.75, PerBase},
    {"liquid pint", " [US liq pt] ", 2113.3785, PerBase},
    {"dry pint", " [dry pt] ", 1816.1675, PerBase},
    {"quart", " [UKqt] ", 879.8789, PerBase},
    {"liquid quart", " [US liq qt] ", 1056.6881, PerBase},
    {"dry quart", " [dry qt] ", 908.0838, PerBase},
    {"gallon(UK)", " [UKgal] ", 219.9692, PerBase},
    {"gallon(US)", " [USgal] ", 264.1721, PerBase},
    {"peck(UK)", " [peck] ", 109.9846, PerBase},
    {"peck(US)", " [pk] ", 113.5103, PerBase},
    {"bushel(UK)", " [bushel] ", 27.4962, PerBase},
    {"bushel(US)", " [bu] ", 28.3776, PerBase},
    {"barrel", " [barrel] ", 6.2898, PerBase},
    {"dry barrel", " [bbl] ", 8.6485, PerBase},
};

constexpr UnitRow kSpeedUnits[] = {
    {"m/s", " [m/s] ", 0, Base},
    {"m/h", " [,/h] ", 3600, PerBase},
    {"m/min", " [m/min] ", 60, PerBase},
    {"km/h", " [km/h] ", 3.6, PerBase},
    {"km/min", " [km/min] ", 0.06, PerBase},
    {"km/s", " [km/s] ", 0.001, PerBase},
    {"cm/h", " [cm/h] ", 360000, PerBase},
    {"cm/min", " [cm/min] ", 6000, PerBase},
    {"cm/s", " [cm/s] ", 100, PerBase},
    {"mm/h", " [mm/h] ", 3600000, PerBase},
    {"mm/min", " [mm/min] ", 60000, PerBase},
    {"mm/s", " [mm/s] ", 1000, PerBase},
    {"ft/h", " [ft/h] ", 11811.0236, PerBase},
    {"ft/min", " [ft/min] ", 196.8504, PerBase},
    {"ft/s", " [ft/s] ", 3.28084, PerBase},
    {"yd/h", " [yd/h] ", 3937.0079, PerBase},
    {"yd/min", " [yd/min] ", 65.6168, PerBase},
    {"yd/s", " [yd/s] ", 1.0936, PerBase},
    {"mi/h", " [mi/h] ", 2.236936, PerBase},
    {"mi/min", " [mi/min] ", 0.03728227, PerBase},
    {"mi/s", " [mi/s] ", 0.0006213712, PerBase},
    {"knot(kn)", " [kt] ", 1.9438, PerBase},
    {"knot(UK)", " [kt(UK)] ", 1.9426, PerBase},
    {"light in vacuum", " [c] ", 299792458, InBase},
    {"first cosmic", " [1st cosmic] ", 7900, InBase},
    {"second cosmic", " [2nd cosmic] ", 11200, InBase},
    {"third cosmic", " [3rd cosmic] ", 16670, InBase},
    {"Earth", " [Earth] ", 29765, InBase},
    {"Mach", " [Mach] ", 343.6, InBase},
    {"Mach(SI)", " [Mach(SI)] ", 295.0464, InBase},
};

constexpr UnitRow kPressUnits[] = {
    {"pascal(Pa)", " [Pa] ", 0, Base},
    {"lbf/ft^2", " [lbf/ft^2] ", 0.02088543, PerBase},
    {"mm of mercury", " [mmHg] ", 0.007500638, PerBase},
    {"torr", " [torr] ", 0.007500638, PerBase},
    {"inch of water", " [inH2O] ", 0.004014742, PerBase},
    {"inch of mercury", " [inHg] ", 0.0002953007, PerBase},
    {"lbf/in^2", " [lbf/in^2] ", 0.0001450377, PerBase},
    {"bar", " [bar] ", 1e-5, PerBase},
    {"standard atmosphere(atm)", " [atm] ", 101325, InBase},
};

constexpr UnitRow kEnergyUnits[] = {
    {"joule(J)", " [J] ", 0, Base},
    {"electronvolt(eV)", " [eV] ", 6.24145e18, PerBase},
    {"erg", " [erg] ", 10000000, PerBase},
    {"ft*bf", " [ft*lbf] ", 0.7375622, PerBase},
    {"kgf*m", " [kgf*m] ", 9.80665, InBase},
    {"calorie(cal)", " [cal] ", 0.2388459, PerBase},
    {"Btu", " [Btu] ", 0.0009478134, PerBase},
    {"watt hour(W*h)", " [W*h] ", 0.0002777778, PerBase},
    {"kwatt hour(kW*h)", " [kW*h] ", 2.777778e-7, PerBase},
    {"therm", " [therm] ", 9.478134e-9, PerBase},
};

constexpr UnitRow kPowerUnits[] = {
    {"watt(W)", " [W] ", 0, Base},
    {"ft*lbf/s", " [ft*lbf/s] ", 0.7375622, PerBase},
    {"kgf*m/s", " [kgf*m/s] ", 0.1019716, PerBase},
    {"horsepower(metric)", " [hp metric] ", 0.00135962, PerBase},
    {"horsepower(hp)", " [hp] ", 0.001341022, PerBase},
};

constexpr UnitRow kForceUnits[] = {
    {"Newton(N)", " [N] ", 0, Base},
    {"dyne(dyn)", " [dyn] ", 100000, PerBase},
    {"poundal(pdl)", " [pdl] ", 7.233013851, PerBase},
    {"pond-force(lbf)", " [lbf] ", 0.224808943, PerBase},
    {"kilopond(kp)", " [kp] ", 0.101971621, PerBase},
    {"sthene(sn)", " [sn] ", 0.001, PerBase},
};

struct UnitCategory {
    std::string_view caption;
    std::span<const UnitRow> units;
};

constexpr UnitCategory kCategories[kUnitCategoryCount] = {
    {"angle", kAngleUnits}, {"time", kTimeUnits},     {"data", kDataUnits},
    {"dist", kDistUnits},   {"mass", kMassUnits},     {"temp", kTempUnits},
    {"area", kAreaUnits},   {"vol", kVolUnits},       {"speed", kSpeedUnits},
    {"press", kPressUnits}, {"energy", kEnergyUnits}, {"power", kPowerUnits},
    {"force", kForceUnits},
};

const UnitCategory* category(int id) {
    if (id < 0 || id >= kUnitCategoryCount) return nullptr;
    return &kCategories[id];
}

const UnitRow* unit(int categoryId, int index) {
    const UnitCategory* c = category(categoryId);
    if (c == nullptr || index < 0 || static_cast<std::size_t>(index) >= c->units.size())
        return nullptr;
    return &c->units[static_cast<std::size_t>(index)];
}

// A step is a fixed sequence of double operations; results follow the rounded
// factors and constants exactly, so 0 Celsius lands just under 32 Fahrenheit.
double toBase(const UnitRow& u, double x) {
    switch (u.sense) {
    case Base:
        return x;
    case PerBase:
        return x / u.factor;
    case InBase:
        return x * u.factor;
    case Radian:
        return x * 180 / kPi;
    case Celsius:
        return x + 273.15;
    case Reaumur:
        return x * 1.25 + 273.15;
    case Fahrenheit:
        return (x + 459.67) * 5 / 9;
    case Rankine:
        return x * 5 / 9;
    }
    return x;
}

double fromBase(const UnitRow& u, double x) {
    switch (u.sense) {
    case Base:
        return x;
    case PerBase:
        return x * u.factor;
    case InBase:
        return x / u.factor;
    case Radian:
        return x * kPi / 180;
    case Celsius:
        return x - 273.15;
    case Reaumur:
        return (x - 273.15) * 0.8;
    case Fahrenheit:
        return x * 1.8 - 459.67;
    case Rankine:
        return x * 1.8;
    }
    return x;
}

} // namespace

std::string_view unitCategoryCaption(int categoryId) {
    const UnitCategory* c = category(categoryId);
    return c == nullptr ? std::string_view() : c->caption;
}

int unitCount(int categoryId) {
    const UnitCategory* c = category(categoryId);
    return c == nullptr ? 0 : static_cast<int>(c->units.size());
}

std::string_view unitListText(int categoryId, int index) {
    const UnitRow* u = unit(categoryId, index);
    return u == nullptr ? std::string_view() : u->listText;
}

std::string unitSuffix(int categoryId, int index) {
    const UnitRow* u = unit(categoryId, index);
    return u == nullptr ? std::string() : std::string(u->suffix);
}

double convertUnits(int categoryId, double value, int from, int to) {
    const UnitRow* f = unit(categoryId, from);
    const UnitRow* t = unit(categoryId, to);
    if (f == nullptr || t == nullptr) return 0;
    if (from == to) return value;
    if (f->equalGroup != 0 && f->equalGroup == t->equalGroup) return value;
    // Always through the base unit, even between two units whose factors are
    // equal: the intermediate double is what the second step receives.
    return fromBase(*t, toBase(*f, value));
}

} // namespace zc
