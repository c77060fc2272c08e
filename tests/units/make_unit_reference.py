#!/usr/bin/env python3
"""Writes unit_reference.tsv: every catalogue factor (and the two temperature
offsets) as GNU units computes it, for the catalogue test to compare with.

Run once, by hand, where GNU units is installed (Debian: apt-get install
units); the table is committed and the test never runs units itself.

    python3 tests/units/make_unit_reference.py > tests/units/unit_reference.tsv

Each row names the unit in GNU units' own terms and the base unit of its
category. A non-empty note marks a known difference: the catalogue means
something else by the name, and the test then expects the two to differ.
"""
import subprocess
import sys

BINARY = "deliberate: the catalogue counts data prefixes in powers of 1024"

# symbol, field, GNU units expression, base unit, note
ROWS = [
    # LENGTH
    ("PM", "factor", "picometer", "m", ""),
    ("NM", "factor", "nanometer", "m", ""),
    ("UM", "factor", "micrometer", "m", ""),
    ("MM", "factor", "millimeter", "m", ""),
    ("CM", "factor", "centimeter", "m", ""),
    ("DM", "factor", "decimeter", "m", ""),
    ("M", "factor", "meter", "m", ""),
    ("DAM", "factor", "decameter", "m", ""),
    ("HM", "factor", "hectometer", "m", ""),
    ("KM", "factor", "kilometer", "m", ""),
    ("MIL", "factor", "mil", "m", ""),
    ("IN", "factor", "inch", "m", ""),
    ("FT", "factor", "foot", "m", ""),
    ("YD", "factor", "yard", "m", ""),
    ("ROD", "factor", "rod", "m", ""),
    ("CHAIN", "factor", "chain", "m", ""),
    ("FURLONG", "factor", "furlong", "m", ""),
    ("MI", "factor", "mile", "m", ""),
    ("NMI", "factor", "nauticalmile", "m", ""),
    ("AU", "factor", "au", "m", ""),
    ("LY", "factor", "lightyear", "m", ""),
    ("PC", "factor", "parsec", "m",
     "known: GNU units takes au / tan(1 arcsec); the catalogue has the IAU parsec, 648000/pi au"),
    # AREA
    ("MM2", "factor", "mm^2", "m^2", ""),
    ("CM2", "factor", "cm^2", "m^2", ""),
    ("M2", "factor", "m^2", "m^2", ""),
    ("KM2", "factor", "km^2", "m^2", ""),
    ("IN2", "factor", "inch^2", "m^2", ""),
    ("FT2", "factor", "foot^2", "m^2", ""),
    ("YD2", "factor", "yard^2", "m^2", ""),
    ("ACRE", "factor", "acre", "m^2", ""),
    ("HECTARE", "factor", "hectare", "m^2", ""),
    ("MI2", "factor", "mile^2", "m^2", ""),
    # VOLUME
    ("MM3", "factor", "mm^3", "liter", ""),
    ("CM3", "factor", "cm^3", "liter", ""),
    ("M3", "factor", "m^3", "liter", ""),
    ("IN3", "factor", "inch^3", "liter", ""),
    ("FT3", "factor", "foot^3", "liter", ""),
    ("YD3", "factor", "yard^3", "liter", ""),
    ("UL", "factor", "microliter", "liter", ""),
    ("ML", "factor", "milliliter", "liter", ""),
    ("CL", "factor", "centiliter", "liter", ""),
    ("DL", "factor", "deciliter", "liter", ""),
    ("L", "factor", "liter", "liter", ""),
    ("TSP", "factor", "teaspoon", "liter", ""),
    ("TBSP", "factor", "tablespoon", "liter", ""),
    ("FLOZ", "factor", "usfloz", "liter", ""),
    ("CUP", "factor", "uscup", "liter", ""),
    ("PT", "factor", "uspint", "liter", ""),
    ("QT", "factor", "usquart", "liter", ""),
    ("GAL", "factor", "usgallon", "liter", ""),
    ("METRICCUP", "factor", "metriccup", "liter", ""),
    ("IMPFLOZ", "factor", "imperialfluidounce", "liter", ""),
    ("IMPPT", "factor", "brpint", "liter", ""),
    ("IMPQT", "factor", "brquart", "liter", ""),
    ("IMPGAL", "factor", "imperialgallon", "liter", ""),
    # MASS
    ("UG", "factor", "microgram", "kg", ""),
    ("MG", "factor", "milligram", "kg", ""),
    ("G", "factor", "gram", "kg", ""),
    ("KG", "factor", "kilogram", "kg", ""),
    ("TONNE", "factor", "tonne", "kg", ""),
    ("GR", "factor", "grain", "kg", ""),
    ("DRAM", "factor", "dram", "kg", ""),
    ("OZ", "factor", "ounce", "kg", ""),
    ("LB", "factor", "pound", "kg", ""),
    ("STONE", "factor", "stone", "kg", ""),
    ("USTON", "factor", "shortton", "kg", ""),
    ("LONGTON", "factor", "longton", "kg", ""),
    # TEMPERATURE: a degree's size, and the kelvin value of a scale's zero
    ("K", "factor", "K", "K", ""),
    ("C", "factor", "degC", "K", ""),
    ("C", "offset", "tempC(0)", "K", ""),
    ("F", "factor", "degF", "K", ""),
    ("F", "offset", "tempF(0)", "K", ""),
    ("R", "factor", "degrankine", "K", ""),
    # TIME; GNU units' plain year is the tropical one
    ("NS", "factor", "nanosecond", "s", ""),
    ("US", "factor", "microsecond", "s", ""),
    ("MS", "factor", "millisecond", "s", ""),
    ("SEC", "factor", "second", "s", ""),
    ("MIN", "factor", "minute", "s", ""),
    ("HR", "factor", "hour", "s", ""),
    ("DAY", "factor", "day", "s", ""),
    ("WEEK", "factor", "week", "s", ""),
    ("FORTNIGHT", "factor", "fortnight", "s", ""),
    ("YEAR", "factor", "julianyear", "s", ""),
    # SPEED
    ("MPS", "factor", "m/s", "m/s", ""),
    ("KPH", "factor", "km/hour", "m/s", ""),
    ("MPH", "factor", "mile/hour", "m/s", ""),
    ("FPS", "factor", "foot/s", "m/s", ""),
    ("FPM", "factor", "foot/min", "m/s", ""),
    ("KNOT", "factor", "knot", "m/s", ""),
    # ACCELERATION
    ("MPS2", "factor", "m/s^2", "m/s^2", ""),
    ("FPS2", "factor", "foot/s^2", "m/s^2", ""),
    ("GFORCE", "factor", "gravity", "m/s^2", ""),
    # FORCE
    ("N", "factor", "newton", "N", ""),
    ("KN", "factor", "kilonewton", "N", ""),
    ("MN", "factor", "meganewton", "N", ""),
    ("DYNE", "factor", "dyne", "N", ""),
    ("LBF", "factor", "lbf", "N", ""),
    ("KGF", "factor", "kgf", "N", ""),
    # PRESSURE
    ("PA", "factor", "pascal", "Pa", ""),
    ("HPA", "factor", "hectopascal", "Pa", ""),
    ("KPA", "factor", "kilopascal", "Pa", ""),
    ("MPA", "factor", "megapascal", "Pa", ""),
    ("BAR", "factor", "bar", "Pa", ""),
    ("MBAR", "factor", "millibar", "Pa", ""),
    ("ATM", "factor", "atm", "Pa", ""),
    ("PSI", "factor", "psi", "Pa", ""),
    ("TORR", "factor", "torr", "Pa", ""),
    ("MMHG", "factor", "mmHg", "Pa", ""),
    ("INHG", "factor", "inHg", "Pa", ""),
    # ENERGY
    ("J", "factor", "joule", "J", ""),
    ("KJ", "factor", "kilojoule", "J", ""),
    ("MJ", "factor", "megajoule", "J", ""),
    ("GJ", "factor", "gigajoule", "J", ""),
    ("CAL", "factor", "calorie", "J", ""),
    ("KCAL", "factor", "kilocalorie", "J", ""),
    ("WH", "factor", "watt hour", "J", ""),
    ("KWH", "factor", "kilowatt hour", "J", ""),
    ("MWH", "factor", "megawatt hour", "J", ""),
    ("BTU", "factor", "btu", "J", ""),
    ("FTLB", "factor", "foot lbf", "J", ""),
    ("ERG", "factor", "erg", "J", ""),
    ("EV", "factor", "electronvolt", "J", ""),
    # POWER
    ("W", "factor", "watt", "W", ""),
    ("KW", "factor", "kilowatt", "W", ""),
    ("MW", "factor", "megawatt", "W", ""),
    ("GW", "factor", "gigawatt", "W", ""),
    ("HP", "factor", "horsepower", "W", ""),
    ("MHP", "factor", "metrichorsepower", "W", ""),
    # TORQUE
    ("NMTR", "factor", "newton meter", "N m", ""),
    ("KNM", "factor", "kilonewton meter", "N m", ""),
    ("FTLBT", "factor", "foot lbf", "N m", ""),
    ("INLBT", "factor", "inch lbf", "N m", ""),
    # ANGLE; GNU units' rad is the absorbed dose, so the radian is spelt out
    ("RAD", "factor", "radian", "radian", ""),
    ("DEG", "factor", "degree", "radian", ""),
    ("GRAD", "factor", "gon", "radian", ""),
    ("TURN", "factor", "turn", "radian", ""),
    ("ARCMIN", "factor", "arcmin", "radian", ""),
    ("ARCSEC", "factor", "arcsec", "radian", ""),
    # FREQUENCY
    ("HZ", "factor", "hertz", "Hz", ""),
    ("KHZ", "factor", "kilohertz", "Hz", ""),
    ("MHZ", "factor", "megahertz", "Hz", ""),
    ("GHZ", "factor", "gigahertz", "Hz", ""),
    ("THZ", "factor", "terahertz", "Hz", ""),
    ("RPS", "factor", "rps", "Hz",
     "known: GNU units counts a revolution as 2 pi radians; the catalogue counts it as one cycle"),
    ("RPM", "factor", "rpm", "Hz",
     "known: GNU units counts a revolution as 2 pi radians; the catalogue counts it as one cycle"),
    # DATA
    ("BIT", "factor", "bit", "bit", ""),
    ("BYTE", "factor", "byte", "bit", ""),
    ("KBIT", "factor", "kilobit", "bit", BINARY),
    ("MBIT", "factor", "megabit", "bit", BINARY),
    ("GBIT", "factor", "gigabit", "bit", BINARY),
    ("TBIT", "factor", "terabit", "bit", BINARY),
    ("KB", "factor", "kilobyte", "bit", BINARY),
    ("MB", "factor", "megabyte", "bit", BINARY),
    ("GB", "factor", "gigabyte", "bit", BINARY),
    ("TB", "factor", "terabyte", "bit", BINARY),
    ("PB", "factor", "petabyte", "bit", BINARY),
    ("KIBIT", "factor", "kibibit", "bit", ""),
    ("MIBIT", "factor", "mebibit", "bit", ""),
    ("GIBIT", "factor", "gibibit", "bit", ""),
    ("KIB", "factor", "kibibyte", "bit", ""),
    ("MIB", "factor", "mebibyte", "bit", ""),
    ("GIB", "factor", "gibibyte", "bit", ""),
    ("TIB", "factor", "tebibyte", "bit", ""),
    ("PIB", "factor", "pebibyte", "bit", ""),
    # DATA RATE
    ("BPS", "factor", "bit/s", "bit/s", ""),
    ("KBPS", "factor", "kilobit/s", "bit/s", BINARY),
    ("MBPS", "factor", "megabit/s", "bit/s", BINARY),
    ("GBPS", "factor", "gigabit/s", "bit/s", BINARY),
    ("BYTEPS", "factor", "byte/s", "bit/s", ""),
    ("KBYTEPS", "factor", "kilobyte/s", "bit/s", BINARY),
    ("MBYTEPS", "factor", "megabyte/s", "bit/s", BINARY),
    ("GBYTEPS", "factor", "gigabyte/s", "bit/s", BINARY),
    # DENSITY
    ("KGM3", "factor", "kg/m^3", "kg/m^3", ""),
    ("GCM3", "factor", "g/cm^3", "kg/m^3", ""),
    ("GML", "factor", "g/ml", "kg/m^3", ""),
    ("GL", "factor", "g/liter", "kg/m^3", ""),
    ("LBFT3", "factor", "pound/foot^3", "kg/m^3", ""),
    ("LBIN3", "factor", "pound/inch^3", "kg/m^3", ""),
    # FLOW
    ("MLPS", "factor", "ml/s", "liter/s", ""),
    ("MLPM", "factor", "ml/min", "liter/s", ""),
    ("LPS", "factor", "liter/s", "liter/s", ""),
    ("LPM", "factor", "liter/min", "liter/s", ""),
    ("LPH", "factor", "liter/hour", "liter/s", ""),
    ("GPM", "factor", "usgallon/min", "liter/s", ""),
    ("GPH", "factor", "usgallon/hour", "liter/s", ""),
    ("CFM", "factor", "foot^3/min", "liter/s", ""),
    ("CFS", "factor", "foot^3/s", "liter/s", ""),
    ("M3S", "factor", "m^3/s", "liter/s", ""),
    ("M3H", "factor", "m^3/hour", "liter/s", ""),
    # FUEL ECONOMY; L100KM is read back through its reciprocal
    ("KML", "factor", "km/liter", "km/liter", ""),
    ("MPG", "factor", "mile/usgallon", "km/liter", ""),
    ("IMPG", "factor", "mile/imperialgallon", "km/liter", ""),
    ("L100KM", "factor", "1/(liter/(100 km))", "km/liter", ""),
    # CURRENT
    ("UA", "factor", "microampere", "A", ""),
    ("MA", "factor", "milliampere", "A", ""),
    ("A", "factor", "ampere", "A", ""),
    ("KA", "factor", "kiloampere", "A", ""),
    # VOLTAGE
    ("UV", "factor", "microvolt", "V", ""),
    ("MVOLT", "factor", "millivolt", "V", ""),
    ("V", "factor", "volt", "V", ""),
    ("KV", "factor", "kilovolt", "V", ""),
    # RESISTANCE
    ("MOHM", "factor", "milliohm", "ohm", ""),
    ("OHM", "factor", "ohm", "ohm", ""),
    ("KOHM", "factor", "kiloohm", "ohm", ""),
    ("MEGOHM", "factor", "megohm", "ohm", ""),
    # CONDUCTANCE
    ("USIEMENS", "factor", "microsiemens", "S", ""),
    ("MSIEMENS", "factor", "millisiemens", "S", ""),
    ("SIEMENS", "factor", "siemens", "S", ""),
    # CAPACITANCE
    ("PF", "factor", "picofarad", "F", ""),
    ("NF", "factor", "nanofarad", "F", ""),
    ("UF", "factor", "microfarad", "F", ""),
    ("MFARAD", "factor", "millifarad", "F", ""),
    ("FARAD", "factor", "farad", "F", ""),
    # INDUCTANCE
    ("UH", "factor", "microhenry", "H", ""),
    ("MHENRY", "factor", "millihenry", "H", ""),
    ("HENRY", "factor", "henry", "H", ""),
    # CHARGE
    ("UC", "factor", "microcoulomb", "C", ""),
    ("MC", "factor", "millicoulomb", "C", ""),
    ("COULOMB", "factor", "coulomb", "C", ""),
    ("MAH", "factor", "milliampere hour", "C", ""),
    ("AH", "factor", "ampere hour", "C", ""),
    # ILLUMINANCE
    ("LUX", "factor", "lux", "lux", ""),
    ("FOOTCANDLE", "factor", "footcandle", "lux", ""),
    # ABSORBED DOSE
    ("GY", "factor", "gray", "Gy", ""),
    ("MGY", "factor", "milligray", "Gy", ""),
    ("RADDOSE", "factor", "rad", "Gy", ""),
    # EQUIVALENT DOSE
    ("SV", "factor", "sievert", "Sv", ""),
    ("MSV", "factor", "millisievert", "Sv", ""),
    ("USV", "factor", "microsievert", "Sv", ""),
    ("REM", "factor", "rem", "Sv", ""),
    # RADIOACTIVITY
    ("BQ", "factor", "becquerel", "Bq", ""),
    ("KBQ", "factor", "kilobecquerel", "Bq", ""),
    ("MBQ", "factor", "megabecquerel", "Bq", ""),
    ("CI", "factor", "curie", "Bq", ""),
    # DYNAMIC VISCOSITY
    ("PAS", "factor", "pascal second", "Pa s", ""),
    ("POISE", "factor", "poise", "Pa s", ""),
    ("CP", "factor", "centipoise", "Pa s", ""),
    # KINEMATIC VISCOSITY
    ("M2S", "factor", "m^2/s", "m^2/s", ""),
    ("STOKE", "factor", "stokes", "m^2/s", ""),
    ("CST", "factor", "centistokes", "m^2/s", ""),
    # RESOLUTION DENSITY, in dots per metre
    ("DPI", "factor", "1/inch", "1/m", ""),
    ("PPI", "factor", "1/inch", "1/m", ""),
    ("DPCM", "factor", "1/cm", "1/m", ""),
    # TYPOGRAPHY; GNU units' pica and point are the printer's, not 1/6 and
    # 1/72 inch, so the computer ones are named
    ("TYPOPT", "factor", "computerpoint", "inch", ""),
    ("PICA", "factor", "computerpica", "inch", ""),
    ("TYPOIN", "factor", "inch", "inch", ""),
    ("TYPOMM", "factor", "mm", "inch", ""),
    # CONCENTRATION, as a plain fraction
    ("PERCENT", "factor", "percent", "1", ""),
    ("PPM", "factor", "ppm", "1", ""),
    ("PPB", "factor", "ppb", "1", ""),
    ("PPT", "factor", "ppt", "1", ""),
]


def convert(expression, base):
    result = subprocess.run(["units", "--terse", "--output-format", "%.17g", expression, base],
                            capture_output=True, text=True, check=True)
    value = result.stdout.strip()
    float(value)  # anything else is an error message
    return value


def main():
    out = sys.stdout
    out.write("# symbol\tfield\tGNU units expression\tbase\tvalue\tknown difference\n")
    for symbol, field, expression, base, note in ROWS:
        out.write("\t".join([symbol, field, expression, base, convert(expression, base), note]) + "\n")


if __name__ == "__main__":
    main()
