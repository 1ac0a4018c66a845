"""Water and steam properties after IAPWS-IF97 from the iapws package, for the C++ test to compare.

Rows, numbers in the release's units (K, MPa, m³/kg, m/s):
  liquid T p v w         region 1, from just above saturation to 25 bar above it
  saturation T ps Ts 0   region 4 both ways
  steam p Ts v w         region 2 at saturation (saturated steam)
  superheated p T h w    region 2 above saturation, as far as 200 K above it
  boiling p Ts h1 h2     region 1 and 2 enthalpies on the saturation line (h', h'')
Exits with status 3 when the module is not installed.
"""
import sys

try:
    from iapws.iapws97 import _PSat_T, _Region1, _Region2, _TSat_P
except ImportError:
    sys.exit(3)

BAR = 0.1  # MPa

for celsius in range(0, 201, 5):
    t = celsius + 273.15
    ps = _PSat_T(t)
    print("saturation", repr(t), repr(ps), repr(_TSat_P(ps)), "0")
    for p in (ps * 1.001, ps + 1 * BAR, ps + 5 * BAR, ps + 10 * BAR, ps + 25 * BAR):
        r = _Region1(t, p)
        print("liquid", repr(t), repr(p), repr(r["v"]), repr(r["w"]))

for bar in [0.2] + list(range(1, 26)):
    p = bar * BAR
    ts = _TSat_P(p)
    r = _Region2(ts, p)
    print("steam", repr(p), repr(ts), repr(r["v"]), repr(r["w"]))

for bar in (1, 2, 5, 10, 16, 25):
    p = bar * BAR
    ts = _TSat_P(p)
    liquid, vapour = _Region1(ts, p), _Region2(ts, p)
    print("boiling", repr(p), repr(ts), repr(liquid["h"]), repr(vapour["h"]))
    for above in (1, 10, 50, 100, 200):
        r = _Region2(ts + above, p)
        print("superheated", repr(p), repr(ts + above), repr(r["h"]), repr(r["w"]))
