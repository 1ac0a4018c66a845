#!/usr/bin/env python3
"""Writes the fluid data files of data/: "Рнас.dat", "etilenglikol.dat" and "propilenglikol.dat".

Рнас.dat: the saturation pressure of water, from the saturation-pressure equation of IAPWS-IF97
(region 4, eq. 30; IAPWS R7-97(2012)), at every whole degree from 0 to 370 °C, in bar, one
"pressure temperature" pair per line.

etilenglikol.dat, propilenglikol.dat: density of ethylene- and propylene-glycol water solutions in
t/m³ over 10-60 % glycol by mass and -30..100 °C, from the correlation of
    Å. Melinder, "Properties of Secondary Working Fluids for Indirect Systems", 2nd ed.,
    International Institute of Refrigeration, Paris 2010:
    ρ(x, T) = Σ c_k·(x − xm)^i·(T − Tm)^j, 18 terms, x in % by mass, T in °C, ρ in kg/m³,
valid from the solution's freezing point up to 100 °C. A grid point below a solution's freezing
point (the weak solutions below 0 °C) lies outside the correlation; its column continues the
liquid line from the lowest liquid grid point with the slope of the 10 K step above it, so the
density keeps falling as the temperature rises.
"""

import math
import pathlib

DATA = pathlib.Path(__file__).resolve().parent.parent / "data"

# IAPWS-IF97 region 4 coefficients n1..n10.
N = [0.11670521452767e4, -0.72421316703206e6, -0.17073846940092e2, 0.12020824702470e5,
     -0.32325550322333e7, 0.14915108613530e2, -0.48232657361591e4, 0.40511340542057e6,
     -0.23855557567849, 0.65017534844798e3]


def saturation_pressure_mpa(t_kelvin):
    """IAPWS-IF97 eq. 30: saturation pressure, MPa, of water at T in K (273.15..647.096 K)."""
    theta = t_kelvin + N[8] / (t_kelvin - N[9])
    a = theta * theta + N[0] * theta + N[1]
    b = N[2] * theta * theta + N[3] * theta + N[4]
    c = N[5] * theta * theta + N[6] * theta + N[7]
    return (2.0 * c / (-b + math.sqrt(b * b - 4.0 * a * c))) ** 4


# Exponents (i, j) of the 18 terms, in the order of the coefficients below.
MELINDER_TERMS = [(0, 0), (0, 1), (0, 2), (0, 3), (1, 0), (1, 1), (1, 2), (1, 3), (2, 0), (2, 1),
                  (2, 2), (2, 3), (3, 0), (3, 1), (3, 2), (4, 0), (4, 1), (5, 0)]

# Melinder (2010), density: xm (% by mass), Tm (°C), c1..c18.
ETHYLENE_GLYCOL = (30.8462, 31.728,
                   [1034, -0.4781, -0.002692, 4.725e-6, 1.311, -0.006876, 4.805e-5, 1.69e-8,
                    7.49e-5, 7.855e-5, -3.995e-7, 4.982e-9, -1.062e-4, 1.229e-6, -1.153e-8,
                    -9.623e-7, -7.211e-8, 4.891e-8])
PROPYLENE_GLYCOL = (30.7031, 32.7083,
                    [1018, -0.5406, -0.002666, 1.347e-5, 0.7604, -0.00945, 5.541e-5, -1.343e-7,
                     -0.002498, 2.7e-5, -4.018e-7, 3.376e-9, -1.55e-4, 2.829e-6, -7.175e-9,
                     -1.131e-6, -2.221e-8, 2.342e-8])

# Freezing points, °C, by % by mass, rounded to whole degrees (the same book's tables).
ETHYLENE_GLYCOL_FREEZING = {10: -3, 20: -8, 30: -14, 40: -22, 50: -34, 60: -48}
PROPYLENE_GLYCOL_FREEZING = {10: -3, 20: -7, 30: -13, 40: -21, 50: -33, 60: -48}


def melinder_density(fluid, x, t):
    """ρ(x, T) = Σ c_k·(x − xm)^i·(T − Tm)^j, kg/m³; x glycol in % by mass, T in °C."""
    xm, tm, coefficients = fluid
    return sum(c * (x - xm) ** i * (t - tm) ** j
               for c, (i, j) in zip(coefficients, MELINDER_TERMS))


CONCENTRATIONS = [10, 20, 30, 40, 50, 60]  # % by mass
TEMPERATURES = list(range(-30, 101, 10))  # °C, ascending, 10 K apart


def density_column(fluid, freezing, x):
    """Densities, kg/m³, of one concentration at every grid temperature. Points below the
    freezing point continue the liquid line from the lowest liquid point with the slope of the
    step above it: ρ(T) = ρ(Tl) + (ρ(Tl) − ρ(Tl + 10))·(Tl − T)/10."""
    liquid = [t for t in TEMPERATURES if t >= freezing[x]]
    lowest = liquid[0]
    rho_lowest = melinder_density(fluid, x, lowest)
    slope = (rho_lowest - melinder_density(fluid, x, lowest + 10)) / 10.0  # kg/m³ per K
    return [melinder_density(fluid, x, t) if t >= lowest else rho_lowest + slope * (lowest - t)
            for t in TEMPERATURES]


def write_property_table(path, fluid, freezing):
    columns = [density_column(fluid, freezing, x) for x in CONCENTRATIONS]
    lines = [f"{len(CONCENTRATIONS)} {len(TEMPERATURES)}",
             " ".join(str(c) for c in CONCENTRATIONS),
             " ".join(str(t) for t in TEMPERATURES)]
    for j in range(len(TEMPERATURES)):
        lines.append(" ".join(f"{column[j] / 1000.0:.5f}" for column in columns))  # kg/m³ to t/m³
    path.write_text("\n".join(lines) + "\n", encoding="ascii")


def main():
    DATA.mkdir(exist_ok=True)
    with open(DATA / "Рнас.dat", "w", encoding="ascii", newline="\n") as out:
        for t in range(0, 371):
            out.write(f"{saturation_pressure_mpa(t + 273.15) * 10.0:.6g} {t}\n")

    write_property_table(DATA / "etilenglikol.dat", ETHYLENE_GLYCOL, ETHYLENE_GLYCOL_FREEZING)
    write_property_table(DATA / "propilenglikol.dat", PROPYLENE_GLYCOL, PROPYLENE_GLYCOL_FREEZING)


if __name__ == "__main__":
    main()
