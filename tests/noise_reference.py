"""Valve noise after IEC 60534-8-3:2010 (steam, gas) and IEC 60534-8-4:2015 (liquids), written from
the standards' equations on its own, for the C++ test to compare with.

One row per case, fields separated by blanks:
  gas NAME m p1 p2 rho1 T1 gamma M kv fl fd fp flp D Di ts an stp  regime x Wa fp Lpi Mo LpAe
  liquid NAME m p1 p2 pv rho cL kv fl fd xFz d Di ts rhoa an  regime xF Wa fpturb Lpi LpAe
SI units (kg/s, Pa absolute, kg/m³, K, m, m/s), Kv in m³/h; xFz "-" asks for the estimate;
a flashing liquid prints "-" for each figure after its regime.
"""
import math

BANDS = [12.5, 16, 20, 25, 31.5, 40, 50, 63, 80, 100, 125, 160, 200, 250, 315, 400, 500, 630,
         800, 1000, 1250, 1600, 2000, 2500, 3150, 4000, 5000, 6300, 8000, 10000, 12500, 16000,
         20000]
A_WEIGHT = [-63.4, -56.7, -50.5, -44.7, -39.4, -34.6, -30.2, -26.2, -22.5, -19.1, -16.1, -13.4,
            -10.9, -8.6, -6.6, -4.8, -3.2, -1.9, -0.8, 0.0, 0.6, 1.0, 1.2, 1.3, 1.2, 1.0, 0.5,
            -0.1, -1.1, -2.5, -4.3, -6.6, -9.3]
# The liquid method sums the bands up to 10 kHz.
LIQUID_BANDS = [f for f in BANDS if f <= 10000]
R = 8314.0
STEEL_RHO, STEEL_C, AIR_C = 7800.0, 5000.0, 343.0


def lg(v):
    return math.log10(v)


def a_weighted(levels):
    return 10 * lg(sum(10 ** ((l + a) / 10) for l, a in zip(levels, A_WEIGHT)))


def spreading(Di, ts):
    return -10 * lg((Di + 2 * ts + 2) / (Di + 2 * ts))


def small_valve_loss(D):
    """Delta TL of the aerodynamic transmission loss, dB, by the valve outlet diameter."""
    if D > 0.15:
        return 0.0
    if D < 0.05:
        return 9.0
    return 35.8 - 813 * D + 6370 * D ** 2 - 16660 * D ** 3


def gas(m, p1, p2, rho1, T1, g, M, kv, fl, fd, fp, flp, D, Di, ts, an, stp):
    F = fl if fp == 1 else flp / fp
    e = (g - 1) / g
    pvcc = p1 * (2 / (g + 1)) ** (1 / e)
    p2c = p1 - F * F * (p1 - pvcc)
    alpha = pvcc / p2c
    p2b = p1 / alpha * (1 / g) ** (1 / e)
    p2ce = p1 / (22 * alpha)
    regime = 1 if p2 >= p2c else 2 if p2 >= pvcc else 3 if p2 >= p2b else 4 if p2 >= p2ce else 5
    Dj = 4.9e-3 * fd * math.sqrt(kv * F)
    cvcc = math.sqrt(2 * g / (g + 1) * p1 / rho1)
    if regime == 1:
        pvc = p1 - (p1 - p2) / F ** 2
        u = math.sqrt(2 / e * (1 - (pvc / p1) ** e) * p1 / rho1)
        cvc = math.sqrt(g * R * T1 * (pvc / p1) ** e / M)
        Wa = 10 ** an * F * F * (u / cvc) ** 3 * (m * u * u / 2)
        fpk = stp * u / Dj
    else:
        Wms = m * cvcc ** 2 / 2
        if regime == 5:
            mj = math.sqrt(2 / (g - 1) * (22 ** e - 1))
        else:
            mj = math.sqrt(2 / (g - 1) * ((p1 / (alpha * p2)) ** e - 1))
        if regime in (2, 3):
            eta = 10 ** an * mj ** (6.6 * F * F)
            fpk = stp * mj * cvcc / Dj
        else:
            eta = 10 ** an * mj * mj / 2 * math.sqrt(2) ** (6.6 * F * F)
            fpk = 1.4 * stp * cvcc / (Dj * math.sqrt(mj * mj - 1))
        Wa = eta * Wms * ((p1 - p2) / (p1 - pvcc) if regime == 2 else 1)
    rho2 = rho1 * p2 / p1
    c2 = math.sqrt(g * R * T1 / M)
    Mo = 4 * m / (math.pi * D * D * rho2 * c2)
    M2 = 4 * m / (math.pi * Di * Di * rho2 * c2)
    Lg = 16 * lg(1 / (1 - min(M2, 0.3)))
    Lpi = 10 * lg(3.2e9 * Wa * rho2 * c2 / Di ** 2) + Lg
    outlet = None
    if Mo > 0.3:
        di = min(D, Di)
        up = min(4 * m / (math.pi * rho2 * Di * Di), 0.8 * c2)
        ur = min(up * Di * Di / (0.93 * di * di), c2)
        wmr = m * ur * ur / 2 * ((1 - di * di / (Di * Di)) ** 2 + 0.2)
        war = 1e-3 * (ur / c2) ** 3 * wmr
        outlet = (10 * lg(3.2e9 * war * rho2 * c2 / Di ** 2) + Lg, 0.2 * ur / di)
    fr = STEEL_C / (math.pi * Di)
    fo = fr / 4 * c2 / AIR_C
    fg = math.sqrt(3) * AIR_C ** 2 / (math.pi * ts * STEEL_C)
    outside = []
    for f in BANDS:
        def shape(level, peak):
            return level - 8 - 10 * lg((1 + (f / (2 * peak)) ** 2.5) * (1 + (peak / (2 * f)) ** 1.7))
        inside = shape(Lpi, fpk)
        if outlet:
            inside = 10 * lg(10 ** (inside / 10) + 10 ** (shape(*outlet) / 10))
        if f < fo:
            gx, gy = (fo / fr) ** (2 / 3) * (f / fo) ** 4, (fo / fg if fo < fg else 1)
        else:
            gx, gy = ((f / fr) ** 0.5 if f < fr else 1), (f / fg if f < fg else 1)
        damping = 2 * math.pi * ts * f * STEEL_RHO * 0.1 / math.sqrt(f)
        tl = (10 * lg(8.25e-7 * (c2 / (ts * f)) ** 2 * gx / ((rho2 * c2 + damping) / (415 * gy) + 1))
              - small_valve_loss(D))
        outside.append(inside + tl + spreading(Di, ts))
    return regime, (p1 - p2) / p1, Wa, fpk, Lpi, Mo, a_weighted(outside)


def liquid(m, p1, p2, pv, rho, cL, kv, fl, fd, xfz, d, Di, ts, rhoa, an):
    xF = (p1 - p2) / (p1 - pv)
    if xfz is None:
        xfz = 0.9 / math.sqrt(1 + 3 * fd * math.sqrt(kv / fl))
    xz = xfz * (6e5 / p1) ** 0.125
    if p2 <= pv:
        return "flashing", None
    dpc = min(p1 - p2, fl * fl * (p1 - pv))
    Dj = 4.9e-3 * fd * math.sqrt(kv * fl)
    u = math.sqrt(2 * dpc / rho) / fl
    Wm = m * u * u * fl * fl / 2
    et = 10 ** an * u / cL
    cav = xF > xz
    ec = 0.0
    if cav:
        ec = (0.32 * et * math.sqrt((p1 - p2) / (dpc * xz)) * math.exp(5 * xz)
              * ((1 - xz) / (1 - xF)) ** 0.5 * (xF / xz) ** 5 * (xF - xz) ** 1.5)
    Wa = (et + ec) * Wm
    Lpi = 10 * lg(3.2e9 * Wa * rho * cL / Di ** 2)
    nstr = 0.036 * fl * fl * kv * fd ** 0.75 / (xz ** 1.5 * d * d) * (1 / (p1 - pv)) ** 0.57
    fpt = nstr * u / Dj
    fpc = 6 * fpt * ((1 - xF) / (1 - xz)) ** 2 * (xz / xF) ** 2.5 if cav else None
    fr = STEEL_C / (math.pi * Di)
    tlfr = -10 - 10 * lg(STEEL_C * STEEL_RHO * ts / (AIR_C * rhoa * Di))
    outside = []
    for f in LIQUID_BANDS:
        turb = -8 - 10 * lg(0.25 * (f / fpt) ** 3 + (f / fpt) ** -1)
        spectrum = turb
        if cav:
            c = -9 - 10 * lg(0.25 * (f / fpc) ** 1.5 + (f / fpc) ** -1.5)
            share = ec / (et + ec)
            spectrum = 10 * lg((1 - share) * 10 ** (turb / 10) + share * 10 ** (c / 10))
        tl = tlfr - 20 * lg(fr / f + (f / fr) ** 1.5)
        outside.append(Lpi + spectrum + tl + spreading(Di, ts))
    return ("cavitating" if cav else "turbulent"), (xF, Wa, fpt, Lpi, a_weighted(outside))


BAR = 1e5
ATM = 101325.0
# Saturated steam at 6 bar g (7,013 bar abs), IF97: Ts 438,18 K, rho 3,673 kg/m3, kappa = w2 rho/p
# 1,296.
STEAM = dict(rho1=3.673, T1=438.18, gamma=1.296, M=18.015)
DN15 = dict(D=0.015, Di=0.0161, ts=0.0026)  # EN 10255 M 21,3 x 2,6
DN25 = dict(D=0.025, Di=0.0273, ts=0.0032)  # EN 10255 M 33,7 x 3,2
DN50 = dict(D=0.05, Di=0.0531, ts=0.0036)   # EN 10255 M 60,3 x 3,6
DN80 = dict(D=0.08, Di=0.0809, ts=0.004)    # EN 10255 M 88,9 x 4,0
DN100 = dict(D=0.1, Di=0.1053, ts=0.0045)   # EN 10255 M 114,3 x 4,5
DN200 = dict(D=0.2, Di=0.2065, ts=0.0063)   # EN 10220 219,1 x 6,3


def gas_case(name, m, p1, p2, kv, fl=0.9, fd=0.46, fp=1.0, flp=0.0, an=-4.1, stp=0.2,
             steam=STEAM, pipe=DN25):
    args = [m, p1, p2, steam["rho1"], steam["T1"], steam["gamma"], steam["M"], kv, fl, fd, fp, flp,
            pipe["D"], pipe["Di"], pipe["ts"], an, stp]
    print("gas", name, *map(repr, args), *map(repr, gas(*args)))


def liquid_case(name, q_m3h, rho, p1, p2, pv, cL, kv, fl=0.9, fd=0.46, xfz=None, rhoa=1.2,
                an=-4.6, pipe=DN50):
    m = q_m3h * rho / 3600
    args = [m, p1, p2, pv, rho, cL, kv, fl, fd, xfz, pipe["D"], pipe["Di"], pipe["ts"], rhoa, an]
    regime, figures = liquid(*args)
    shown = ["-" if a is None else repr(a) for a in args]
    print("liquid", name, *shown, regime, *(["-"] * 5 if figures is None else map(repr, figures)))


def main():
    P1 = 6 * BAR + ATM
    # Steam through a DN 25 valve at the drops that reach each regime (FL 0,9, kappa 1,296: x_C 0,367,
    # x_vcc 0,454, x_B 0,628, x_CE 0,947).
    gas_case("steam_dn25_drop_20_percent", 150 / 3600, P1, 0.8 * P1, 2.32)
    gas_case("steam_dn25_500_kg_h_drop_20_percent", 500 / 3600, P1, 0.8 * P1, 7.73)
    gas_case("steam_regime_I_x_0.30", 150 / 3600, P1, 0.70 * P1, 1.95)
    gas_case("steam_regime_II_x_0.42", 150 / 3600, P1, 0.58 * P1, 1.75)
    gas_case("steam_regime_III_x_0.52", 150 / 3600, P1, 0.48 * P1, 1.70)
    gas_case("steam_regime_IV_x_0.80", 150 / 3600, P1, 0.20 * P1, 1.70)
    gas_case("steam_regime_V_x_0.97", 150 / 3600, P1, 0.03 * P1, 1.70)
    gas_case("steam_dn100_regime_I", 1500 / 3600, P1, 0.8 * P1, 23.2, pipe=DN100)
    gas_case("steam_dn25_valve_in_dn50_pipe", 150 / 3600, P1, 0.8 * P1, 2.32, fp=0.95, flp=0.87,
             pipe=dict(D=0.025, Di=0.0531, ts=0.0036))
    # The outlet sizes either side of the small-valve correction's bends (0,05 m and 0,15 m) and
    # inside its cubic.
    gas_case("steam_dn15_drop_20_percent", 60 / 3600, P1, 0.8 * P1, 0.93, pipe=DN15)
    gas_case("steam_dn50_drop_30_percent", 600 / 3600, P1, 0.7 * P1, 7.8, pipe=DN50)
    gas_case("steam_dn80_drop_20_percent", 1000 / 3600, P1, 0.8 * P1, 15.5, pipe=DN80)
    gas_case("steam_dn200_drop_20_percent", 6000 / 3600, P1, 0.8 * P1, 93, pipe=DN200)
    # A DN 50 valve letting saturated steam at 3 bar g (about 416,8 K, 2,16 kg/m3, kappa 1,30) down
    # to 1,2 bar abs: regime IV.
    gas_case("steam_dn50_regime_IV", 300 / 3600, 3 * BAR + ATM, 1.2 * BAR, 6.0, pipe=DN50,
             steam=dict(rho1=2.16, T1=416.8, gamma=1.30, M=18.015))

    # Water at 90 C, IF97 at 5 bar (rho 965,5, pv 70,18 kPa, c 1553 m/s), DN 50, 10 m3/h, 1 bar
    # across.
    liquid_case("hot_water_dn50_drop_1_bar", 10, 965.5, 4 * BAR + ATM, 3 * BAR + ATM, 70.18e3,
                1553, 9.83)
    # Water at 95 C, IF97 (rho 962,1, pv 84,61 kPa, c 1550 m/s), 3 bar across near saturation, DN 25.
    liquid_case("water_cavitating_drop_3_bar", 5, 962.1, 4.5 * BAR, 1.5 * BAR, 84.61e3, 1550, 2.84,
                pipe=DN25)
    liquid_case("water_cavitating_catalogue_z", 5, 962.1, 4.5 * BAR, 1.5 * BAR, 84.61e3, 1550, 2.84,
                xfz=0.55, pipe=DN25)
    liquid_case("water_turbulent_given_z", 20, 983.2, 6 * BAR, 5 * BAR, 19.95e3, 1543, 20.2,
                xfz=0.6)
    liquid_case("water_dn15_turbulent", 0.6, 983.2, 3 * BAR, 2.5 * BAR, 19.95e3, 1543, 0.85,
                pipe=DN15)
    # Water at 120 C with its outlet below pv = 198,7 kPa: flashing.
    liquid_case("water_flashing", 5, 943.3, 3 * BAR, 1.5 * BAR, 198.7e3, 1522, 2.9, pipe=DN25)


if __name__ == "__main__":
    main()
