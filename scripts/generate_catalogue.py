#!/usr/bin/env python3
"""Writes the bundled catalogue data/xmldata.xml and the small documents it names in data/pdf,
data/2D and data/3D. Every designation is invented for this program; the values follow the usual
practice for heating control valves (Kvs series, PN ratings, closing pressures of the actuators).
"""

import math
import pathlib
import struct
import zlib
from xml.sax.saxutils import escape

DATA = pathlib.Path(__file__).resolve().parent.parent / "data"

# Kvs, m³/h, of each nominal diameter; DN 15 comes with reduced seats.
KVS = {15: [0.4, 0.63, 1.0, 1.6, 2.5, 4.0], 20: [6.3], 25: [10.0], 32: [16.0], 40: [25.0],
       50: [40.0], 65: [63.0], 80: [100.0], 100: [160.0], 125: [250.0], 150: [400.0]}


def num(value):
    return f"{value:g}"


def closing_drop(force, dn, limit):
    """Pressure difference, bar, an actuator of `force` N closes against on a seat of `dn` mm:
    ΔP = 0.8·F / (π·d²/4), Pa to bar, rounded down to 0.1 bar and capped at the valve's rating."""
    area = math.pi * (dn / 1000.0) ** 2 / 4.0
    drop = 0.8 * force / area / 1e5
    return min(limit, math.floor(drop * 10.0) / 10.0)


class Xml:
    def __init__(self):
        self.lines = []
        self.depth = 0

    def open(self, tag):
        self.lines.append("  " * self.depth + f"<{tag}>")
        self.depth += 1

    def close(self, tag):
        self.depth -= 1
        self.lines.append("  " * self.depth + f"</{tag}>")

    def leaf(self, tag, text=None):
        pad = "  " * self.depth
        self.lines.append(pad + (f"<{tag}/>" if text is None else f"<{tag}>{escape(text)}</{tag}>"))


def link(x, kind, name, drop, media=(), override=None):
    x.open(kind)
    x.leaf("название", name)
    for medium in media:
        x.leaf(medium)
    x.leaf("перепад", num(drop))
    if override is not None:
        x.leaf("dP", num(override))
    x.close(kind)


def valve_series(x, s):
    x.open("клапан")
    for tag in ("описание", "чертеж2", "чертеж3", "конструкция", "характеристика"):
        x.leaf(tag, s[tag])
    for flag in s["flags"]:
        x.leaf(flag)
    x.leaf("протечка", s["протечка"])
    x.leaf("температура", num(s["температура"]))
    x.leaf("давление", num(s["давление"]))
    x.leaf("присоединение", s["присоединение"])
    x.leaf("тип", s["тип"])
    for pressure, temperature in s["rating"]:
        x.leaf("Р_T", f"{num(pressure)} {num(temperature)}")
    coefficients(x, s.get("coefficients", {}))
    sizes = s.get("sizes") or [(dn, KVS[dn]) for dn in s["dn"]]
    for dn, kvs_list in sizes:
        for kvs in kvs_list:
            x.open("исполнение")
            x.leaf("название", f"{s['name']}-{dn}-{num(kvs)}")
            x.leaf("Ду", str(dn))
            x.leaf("Kvs", num(kvs))
            x.leaf("Z", num(s["z"](dn)))
            coefficients(x, s.get("variant_coefficients", {}).get((dn, kvs), {}))
            for kind, name, force, media, override in s["links"](dn):
                if force is None:
                    continue
                drop = (s["closing_drop"](dn) if "closing_drop" in s
                        else closing_drop(force, dn, s["давление"]))
                link(x, kind, name, drop, media, override(drop) if override else None)
            x.close("исполнение")
    x.close("клапан")


def coefficients(x, values):
    """The IEC 60534-2-1 coefficients a series or a variant gives of its own (FL, xT, Fd, An)."""
    for tag in ("FL", "xT", "Fd", "An"):
        if tag in values:
            x.leaf(tag, num(values[tag]))


def regulator_series(x, tag, s):
    x.open(tag)
    for field in ("описание", "чертеж2", "чертеж3"):
        x.leaf(field, s[field])
    for flag in s["flags"]:
        x.leaf(flag)
    x.leaf("протечка", s["протечка"])
    x.leaf("температура", num(s["температура"]))
    x.leaf("давление", num(s["давление"]))
    x.leaf("присоединение", "фланцевое")
    x.leaf("перепад", num(s["перепад"]))
    for pressure, temperature in s["rating"]:
        x.leaf("Р_T", f"{num(pressure)} {num(temperature)}")
    for low, high in s["ranges"]:
        x.leaf("диапазон", f"{num(low)}-{num(high)}")
    for dn, kvs_list in s["sizes"]:
        for kvs in kvs_list:
            x.open("исполнение")
            x.leaf("название", f"{s['name']}-{dn}-{num(kvs)}")
            x.leaf("Ду", str(dn))
            x.leaf("Kvs", num(kvs))
            x.leaf("Z", "0.6")
            x.close("исполнение")
    x.close(tag)


ALL_MEDIA = ()  # a link without media elements is valid for water, glycol and steam
HOT_WATER = ("вода", "гликоль")


def general_links(dn):
    """Electric, pneumatic and thermostatic drives of the general-purpose two-way valves."""
    small = dn <= 50
    return [
        ("электропривод", "ЭПК-300", 300 if small else None, HOT_WATER, None),
        ("электропривод", "ЭПК-600", 600 if dn <= 65 else None, HOT_WATER,
         lambda d: min(d, 6.0)),  # spring-return variants close against less
        ("электропривод", "ЭПК-1500", 1500 if dn >= 50 else None, HOT_WATER, None),
        ("пневмопривод", "ПП-100", 1000 if small else None, ALL_MEDIA, None),
        ("пневмопривод", "ПП-250", 2500 if dn >= 65 else None, ALL_MEDIA, None),
        ("термостат", "ТРТ-1", 120 if small else None, HOT_WATER, None),
        ("термостат", "ТРТ-1Н", 120 if small else None, HOT_WATER, None),
    ]


def steam_links(dn):
    return [
        ("электропривод", "ЭПК-600", 600 if dn <= 65 else None, ("вода", "гликоль", "пар"), None),
        ("электропривод", "ЭПК-1500", 1500 if dn >= 40 else None, ("вода", "пар"), None),
        ("пневмопривод", "ПП-100", 1000 if dn <= 50 else None, ALL_MEDIA, None),
        ("пневмопривод", "ПП-250", 2500 if dn >= 65 else None, ALL_MEDIA, None),
        ("термостат", "ТРТ-1Н", 120 if dn <= 25 else None, ("вода", "пар"), None),
    ]


def three_way_links(dn):
    return [
        ("электропривод", "ЭПК-300", 300 if dn <= 40 else None, HOT_WATER, None),
        ("электропривод", "ЭПК-600", 600 if dn <= 65 else None, HOT_WATER, None),
        ("электропривод", "ЭПК-1500", 1500 if dn >= 50 else None, HOT_WATER, None),
        ("пневмопривод", "ПП-100", 1000 if dn <= 50 else None, HOT_WATER, None),
    ]


def z_small(dn):
    return 0.65 if dn <= 25 else 0.6 if dn <= 50 else 0.5


CAST_IRON_PN16 = [(16, -10), (16, 120), (14.4, 150)]
BRONZE_PN16 = [(16, -10), (16, 110), (14, 130)]
STEEL_PN25 = [(25, -10), (25, 120), (22, 200), (20, 220)]
STAINLESS_PN40 = [(40, -10), (40, 50), (35, 100), (32, 150), (30, 200)]

VALVES = [
    dict(name="ВКФ-2", описание="vkf2.pdf", чертеж2="vkf2.png", чертеж3="vkf2.png",
         конструкция="седельный, чугун СЧ20", характеристика="равнопроцентная",
         flags=["вода", "гликоль"], протечка="0.05", температура=150, давление=16,
         присоединение="фланцевое", тип="двухходовой", rating=CAST_IRON_PN16,
         dn=[15, 20, 25, 32, 40, 50, 65, 80, 100, 125, 150], z=z_small, links=general_links),
    dict(name="ВКР-2", описание="vkr2.pdf", чертеж2="vkr2.png", чертеж3="vkr2.png",
         конструкция="седельный, бронза", характеристика="равнопроцентная",
         flags=["вода", "гликоль"], протечка="0.05", температура=130, давление=16,
         присоединение="резьбовое", тип="двухходовой", rating=BRONZE_PN16,
         dn=[15, 20, 25, 32, 40, 50], z=z_small, links=general_links),
    dict(name="ВКФ-2С", описание="vkf2s.pdf", чертеж2="vkf2s.png", чертеж3="vkf2s.png",
         конструкция="седельный, сталь 25Л", характеристика="линейная",
         flags=["вода", "гликоль", "пар"], протечка="0.02", температура=220, давление=25,
         присоединение="фланцевое", тип="двухходовой", rating=STEEL_PN25,
         dn=[15, 20, 25, 32, 40, 50, 65, 80, 100], z=lambda dn: 0.55, links=steam_links),
    dict(name="ВКФ-3", описание="vkf3.pdf", чертеж2="vkf3.png", чертеж3="vkf3.png",
         конструкция="трехходовой седельный, чугун СЧ20", характеристика="линейная",
         flags=["вода", "гликоль", "смешение", "разделение"], протечка="0.05",
         температура=150, давление=16, присоединение="фланцевое", тип="трехходовой",
         rating=CAST_IRON_PN16, dn=[15, 20, 25, 32, 40, 50, 65, 80, 100], z=z_small,
         links=three_way_links),
    dict(name="ВКР-3", описание="vkr3.pdf", чертеж2="vkr3.png", чертеж3="vkr3.png",
         конструкция="трехходовой седельный, бронза", характеристика="линейная",
         flags=["вода", "гликоль", "смешение"], протечка="0.05", температура=130,
         давление=16, присоединение="резьбовое", тип="трехходовой", rating=BRONZE_PN16,
         dn=[15, 20, 25, 32, 40, 50], z=z_small, links=three_way_links),
    dict(name="ВКФ-2Б", описание="vkf2b.pdf", чертеж2="vkf2b.png", чертеж3="vkf2b.png",
         конструкция="седельный разгруженный, ВЧ40", характеристика="равнопроцентная",
         flags=["вода", "гликоль", "сбалансированный"], протечка="0.01", температура=150,
         давление=16, присоединение="фланцевое", тип="двухходовой", rating=CAST_IRON_PN16,
         dn=[50, 65, 80, 100, 125, 150], z=lambda dn: 0.5,
         # The unloaded plug needs about a quarter of the force of a plain seat.
         links=lambda dn: [("электропривод", "ЭПК-600", 600 if dn <= 65 else None, HOT_WATER,
                            None),
                           ("электропривод", "ЭПК-1500", 1500 * 4, HOT_WATER, None),
                           ("пневмопривод", "ПП-250", 2500 * 4, ALL_MEDIA, None)]),
    # A threaded V-port ball valve for steam, with rotary actuators. Steam with a threaded
    # valve is a combination no other series serves, so the selections of the other series stay
    # as they are. The maker's coefficients at full travel stand in the series, those of the
    # reduced V-port of DN 15 / Kvs 1.6 in its variant; Fd is left to the typical value of its
    # construction (segmented ball).
    dict(name="ВКШР-2П", описание="vkshr2p.pdf", чертеж2="vkshr2p.png", чертеж3="vkshr2p.png",
         конструкция="шаровой с V-образным вырезом, сталь 12Х18Н10Т",
         характеристика="равнопроцентная", flags=["пар"], протечка="0.01", температура=200,
         давление=40, присоединение="резьбовое", тип="двухходовой", rating=STAINLESS_PN40,
         sizes=[(15, [1.6, 4.0]), (20, [6.3]), (25, [10.0]), (32, [16.0]), (40, [25.0]),
                (50, [40.0])],
         z=lambda dn: 0.35, coefficients={"FL": 0.65, "xT": 0.35, "An": -4.6},
         variant_coefficients={(15, 1.6): {"FL": 0.8, "xT": 0.5}},
         # A quarter-turn actuator holds the ball closed against the rated drop of its size.
         closing_drop=lambda dn: 25 if dn <= 25 else 16,
         links=lambda dn: [("электропривод", "ЭПШ-20", 20, ("пар",), None)]),
]

# Electric actuators: (name, variant, voltage, control, signals, options, document stem).
SIGNALS_ALL = ["0-10В", "2-10В", "0-20мА", "4-20мА"]
OPTIONS_ALL = ["концевики", "потенциометр", "пружина", "нагреватель"]
ELECTRIC = []
for name, stem in (("ЭПК-300", "epk300"), ("ЭПК-600", "epk600"), ("ЭПК-1500", "epk1500"),
                   ("ЭПШ-20", "epsh20")):
    ELECTRIC += [
        (name, f"{name}-24-3", 24, "трехпозиционное", [], [], stem),
        (name, f"{name}-24-3-К", 24, "трехпозиционное", [], ["концевики"], stem),
        (name, f"{name}-24-3-КП", 24, "трехпозиционное", [], ["концевики", "потенциометр"], stem),
        (name, f"{name}-24-3-КПВН", 24, "трехпозиционное", [], OPTIONS_ALL, stem),
        (name, f"{name}-220-3", 220, "трехпозиционное", [], [], stem),
        (name, f"{name}-220-3-К", 220, "трехпозиционное", [], ["концевики"], stem),
        (name, f"{name}-220-3-КПВН", 220, "трехпозиционное", [], OPTIONS_ALL, stem),
        (name, f"{name}-24-А", 24, "аналоговое", SIGNALS_ALL, [], stem),
        (name, f"{name}-24-А-В", 24, "аналоговое", ["0-10В", "2-10В"], ["пружина"], stem),
        (name, f"{name}-24-А-КПВН", 24, "аналоговое", SIGNALS_ALL, OPTIONS_ALL, stem),
    ]

PNEUMATIC = [
    ("ПП-100", ["PZ1", "открытый"]), ("ПП-100", ["PZ1", "закрытый"]),
    ("ПП-100", ["PZ2", "открытый"]), ("ПП-100", ["PZ2", "закрытый"]),
    ("ПП-250", ["PZ1", "открытый"]), ("ПП-250", ["PZ1", "закрытый"]),
    ("ПП-250", ["PZ2", "закрытый"]),
]

THERMOSTATS = [
    ("ТРТ-1", False, "trt1", ["20-50", "40-70", "60-90"]),
    ("ТРТ-1Н", True, "trt1n", ["20-50", "40-70", "60-90", "90-120"]),
]

# Capillaries: length, m, and the materials offered in that length.
CAPILLARIES = [(2, ["медь", "пвх", "нерж"]), (3, ["медь"]), (5, ["медь", "пвх", "нерж"]),
               (10, ["пвх", "нерж"]), (15, ["нерж"])]

DP_REGULATOR = dict(name="РДФ-16", описание="rdf16.pdf", чертеж2="rdf16.png",
                    чертеж3="rdf16.png", flags=["вода", "гликоль"], протечка="0.05",
                    температура=150, давление=16, перепад=12,
                    rating=[(16, -10), (16, 120), (14.4, 150)],
                    ranges=[(0.2, 0.8), (0.6, 1.6), (1.2, 3.2), (3, 6)],
                    sizes=[(15, [2.5, 4]), (20, [6.3]), (25, [8, 10]), (32, [12.5, 16]),
                           (40, [20, 25]), (50, [32, 40]), (65, [50, 63]), (80, [80, 100]),
                           (100, [125, 160])])
REDUCING_WATER = dict(name="РДВ-16", описание="rdv16.pdf", чертеж2="rdv16.png",
                      чертеж3="rdv16.png", flags=["вода", "гликоль"], протечка="0.05",
                      температура=150, давление=16, перепад=15,
                      rating=[(16, -10), (16, 120), (14.4, 150)],
                      ranges=[(0.5, 2.5), (2, 6), (5, 12)],
                      sizes=[(15, [2.5, 4]), (20, [6.3]), (25, [10]), (32, [16]), (40, [25]),
                             (50, [40]), (65, [63]), (80, [100]), (100, [160])])
REDUCING_STEAM = dict(name="РДВ-25С", описание="rdv16.pdf", чертеж2="rdv16.png",
                      чертеж3="rdv16.png", flags=["вода", "пар"], протечка="0.02",
                      температура=220, давление=25, перепад=20,
                      rating=[(25, -10), (25, 120), (22, 200), (20, 220)],
                      ranges=[(0.5, 2.5), (2, 6), (5, 12)],
                      sizes=[(15, [2.5, 4]), (20, [6.3]), (25, [10]), (32, [16]), (40, [25]),
                             (50, [40]), (65, [63]), (80, [100])])


def catalogue():
    x = Xml()
    x.lines.append('<?xml version="1.0" encoding="UTF-8"?>')
    x.open("xmldata")
    x.leaf("обновление", "01.12.2026")
    for s in VALVES:
        valve_series(x, s)
    regulator_series(x, "РПД", DP_REGULATOR)
    regulator_series(x, "РК", REDUCING_WATER)
    regulator_series(x, "РК", REDUCING_STEAM)
    for name, variant, voltage, control, signals, options, stem in ELECTRIC:
        x.open("электропривод")
        x.leaf("название", name)
        x.leaf("исполнение", variant)
        x.leaf("напряжение", str(voltage))
        x.leaf("управление", control)
        for option in options:
            x.leaf(option)
        x.leaf("описание", f"{stem}.pdf")
        x.leaf("чертеж2", f"{stem}.png")
        x.leaf("чертеж3", f"{stem}.png")
        for signal in signals:
            x.leaf("сигнал", signal)
        x.close("электропривод")
    for name, flags in PNEUMATIC:
        x.open("пневмопривод")
        x.leaf("название", name)
        for flag in flags:
            x.leaf(flag)
        x.close("пневмопривод")
    for name, stainless, stem, ranges in THERMOSTATS:
        x.open("термостат")
        x.leaf("название", name)
        if stainless:
            x.leaf("сталь")
        x.leaf("описание", f"{stem}.pdf")
        for element in ("стержневой", "спиральный"):
            x.open(element)
            suffix = "rod" if element == "стержневой" else "spiral"
            x.leaf("чертеж2", f"{stem}_{suffix}.png")
            x.leaf("чертеж3", f"{stem}_{suffix}.png")
            x.close(element)
        for temperature_range in ranges:
            x.leaf("температура", temperature_range)
        x.close("термостат")
    for length, materials in CAPILLARIES:
        x.open("капиляр")
        x.leaf("длина", num(length))
        for material in materials:
            x.leaf(material)
        x.close("капиляр")
    x.open("контроллер")
    x.leaf("название", "ZR310")
    x.leaf("описание", "zr310.pdf")
    x.leaf("чертеж2", "zr310.png")
    x.leaf("чертеж3", "zr310.png")
    x.close("контроллер")
    x.close("xmldata")
    return "\n".join(x.lines) + "\n"


def pdf(title):
    """A one-page PDF with one line of ASCII text."""
    stream = f"BT /F1 14 Tf 72 760 Td ({title}) Tj ET".encode("ascii")
    objects = [b"<< /Type /Catalog /Pages 2 0 R >>",
               b"<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
               b"<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] "
               b"/Resources << /Font << /F1 5 0 R >> >> /Contents 4 0 R >>",
               b"<< /Length %d >>\nstream\n" % len(stream) + stream + b"\nendstream",
               b"<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>"]
    out = bytearray(b"%PDF-1.4\n")
    offsets = []
    for number, body in enumerate(objects, start=1):
        offsets.append(len(out))
        out += b"%d 0 obj\n" % number + body + b"\nendobj\n"
    xref = len(out)
    out += b"xref\n0 %d\n0000000000 65535 f \n" % (len(objects) + 1)
    for offset in offsets:
        out += b"%010d 00000 n \n" % offset
    out += b"trailer\n<< /Size %d /Root 1 0 R >>\nstartxref\n%d\n%%%%EOF\n" % (
        len(objects) + 1, xref)
    return bytes(out)


def png(seed, width=64, height=48):
    """A small grey outline drawing: a frame and a diagonal, shaded by `seed`."""
    shade = 96 + seed % 128
    rows = []
    for y in range(height):
        row = bytearray([0])
        for px in range(width):
            edge = px in (0, width - 1) or y in (0, height - 1) or abs(px * height - y * width) < width
            row.append(shade if edge else 255)
        rows.append(bytes(row))

    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body +
                struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))

    header = struct.pack(">IIBBBBB", width, height, 8, 0, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(b"".join(rows), 9)) + chunk(b"IEND", b""))


def main():
    (DATA / "xmldata.xml").write_text(catalogue(), encoding="utf-8")
    stems = ["vkf2", "vkr2", "vkf2s", "vkf3", "vkr3", "vkf2b", "epk300", "epk600", "epk1500",
             "trt1", "trt1n", "zr310", "rdf16", "rdv16", "vkshr2p", "epsh20"]
    for folder in ("pdf", "2D", "3D"):
        (DATA / folder).mkdir(exist_ok=True)
    for i, stem in enumerate(stems):
        (DATA / "pdf" / f"{stem}.pdf").write_bytes(pdf(f"Selvio catalogue: {stem} data sheet"))
        drawings = [stem] if not stem.startswith("trt") else [f"{stem}_rod", f"{stem}_spiral"]
        for j, drawing in enumerate(drawings):
            (DATA / "2D" / f"{drawing}.png").write_bytes(png(i * 7 + j))
            (DATA / "3D" / f"{drawing}.png").write_bytes(png(i * 7 + j + 3))


if __name__ == "__main__":
    main()
