#!/usr/bin/env python3
"""Writes the fluid data files of data/: "Рнас.dat", "etilenglikol.dat" and "propilenglikol.dat".

Рнас.dat: the saturation pressure of water, from the saturation-pressure equation of IAPWS-IF97
(region 4, eq. 30; IAPWS R7-97(2012)), at every whole degree from 0 to 370 °C, in bar, one
"pressure temperature" pair per line.

etilenglikol.dat, propilenglikol.dat: density of ethylene- and propylene-glycol water solutions in
t/m³ over 10-60 % glycol by mass and -20..100 °C. The density is that of an ideal mixture of water
and glycol corrected by an excess volume:
    1/ρ = (1 − w)/ρw(T) + w/ρg(T) + w·(1 − w)·(e0 + e1·w)
w the mass fraction, ρw the density of water (the same correlation the program uses), ρg the
density of the pure glycol. The excess-volume coefficients are fitted to published reference
densities at about 20 °C:
  - ethylene glycol: ASHRAE Handbook — Fundamentals, chapter "Physical Properties of Secondary
    Coolants (Brines)", density of aqueous ethylene glycol solutions (table by volume, 70 °F),
    20 % and 50 % by volume, converted to mass fractions with the specific gravities at 60 °F
    (glycol 1.1155, water 0.999) and to kg/m³;
  - propylene glycol: the same chapter's values for aqueous propylene glycol, 20 % and 40 % by
    mass at 20 °C (1019.0 and 1036.2 kg/m³).
Below a solution's freezing point its column continues the liquid line (the grid is rectangular).
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


def water_density(t):
    """ρw(T) = 1000·(1 − (T − 3.9863)²·(T + 288.9414) / (508929.2·(T + 68.12963))), kg/m³, T in °C."""
    return 1000.0 * (1.0 - (t - 3.9863) ** 2 * (t + 288.9414) / (508929.2 * (t + 68.12963)))


def ethylene_glycol_density(t):
    """Pure ethylene glycol, kg/m³, T in °C: linear fit to handbook values (1113.5 at 20 °C)."""
    return 1127.9 - 0.72 * t


def propylene_glycol_density(t):
    """Pure propylene glycol, kg/m³, T in °C: linear fit to handbook values (1036.1 at 20 °C)."""
    return 1051.7 - 0.78 * t


def volume_to_mass_fraction(phi, glycol_sg, water_sg=0.999):
    return phi * glycol_sg / (phi * glycol_sg + (1.0 - phi) * water_sg)


def excess_volume(w, t, rho, glycol):
    """Excess specific volume, m³/kg, that makes the ideal mixture meet a measured density."""
    ideal = (1.0 - w) / water_density(t) + w / glycol(t)
    return 1.0 / rho - ideal


def fit_excess(points, t, glycol):
    """e0, e1 of v_E = w·(1 − w)·(e0 + e1·w) through two (w, ρ) points at T."""
    (w1, r1), (w2, r2) = points
    y1 = excess_volume(w1, t, r1, glycol) / (w1 * (1.0 - w1))
    y2 = excess_volume(w2, t, r2, glycol) / (w2 * (1.0 - w2))
    e1 = (y2 - y1) / (w2 - w1)
    return y1 - e1 * w1, e1


def solution_density(w, t, glycol, e0, e1):
    """1/ρ = (1 − w)/ρw + w/ρg + w·(1 − w)·(e0 + e1·w), kg/m³."""
    v = (1.0 - w) / water_density(t) + w / glycol(t) + w * (1.0 - w) * (e0 + e1 * w)
    return 1.0 / v


LB_FT3 = 16.018463  # kg/m³ per lb/ft³
CONCENTRATIONS = [10, 20, 30, 40, 50, 60]  # % by mass
TEMPERATURES = list(range(-20, 101, 10))  # °C


def write_property_table(path, glycol, e0, e1):
    lines = [f"{len(CONCENTRATIONS)} {len(TEMPERATURES)}",
             " ".join(str(c) for c in CONCENTRATIONS),
             " ".join(str(t) for t in TEMPERATURES)]
    for t in TEMPERATURES:
        row = [solution_density(c / 100.0, t, glycol, e0, e1) / 1000.0 for c in CONCENTRATIONS]
        lines.append(" ".join(f"{rho:.4f}" for rho in row))
    path.write_text("\n".join(lines) + "\n", encoding="ascii")


def main():
    DATA.mkdir(exist_ok=True)
    with open(DATA / "Рнас.dat", "w", encoding="ascii", newline="\n") as out:
        for t in range(0, 371):
            out.write(f"{saturation_pressure_mpa(t + 273.15) * 10.0:.6g} {t}\n")

    t70f = (70.0 - 32.0) / 1.8
    ethylene = [(volume_to_mass_fraction(0.20, 1.1155), 64.33 * LB_FT3),
                (volume_to_mass_fraction(0.50, 1.1155), 67.05 * LB_FT3)]
    write_property_table(DATA / "etilenglikol.dat", ethylene_glycol_density,
                         *fit_excess(ethylene, t70f, ethylene_glycol_density))
    propylene = [(0.20, 1019.0), (0.40, 1036.2)]
    write_property_table(DATA / "propilenglikol.dat", propylene_glycol_density,
                         *fit_excess(propylene, 20.0, propylene_glycol_density))


if __name__ == "__main__":
    main()
