#!/usr/bin/python3
"""Reads back the files `horalo --export` writes and checks them against the sky.

For each dial (a few real walls, then random projects) the script writes a project file,
exports the CSV, DXF, SVG and PDF, and checks:

- every line of the CSV (rows grouped by tipo and etichetta) lists both ends of every piece the
  DXF draws for it, and every row lies on its drawn line (0.01 mm);
- as many texts read each line's name as pieces of it are drawn (counted, not placed);
- the Italic line of sunset (24) and the Babylonian line of sunrise (0) are drawn in one piece;
- the two halves of a split analemma lie on their own DXF layers;
- the title block's construction values (style elevation, substyle angle, longitude difference,
  dial centre O, style length, nodus height) equal the plane computed here with plain vectors,
  rounded half away from zero;
- every CSV row is the shadow of the nodus for the Sun it names: clock-time rows with a date
  through PyEphem (an ephemeris independent of the program's), the others from their hour angle
  and the Sun's declination;
- the SVG parses and rasterises (rsvg-convert), the PDF opens (pdfinfo), and no file says
  "nan" or "inf".

It needs Debian's python3-ezdxf and python3-ephem, rsvg-convert (librsvg2-bin) and pdfinfo
(poppler-utils). Run it from the source folder after building:

    /usr/bin/python3 tools/checkfiles.py --count 300

It prints the worst deviations measured and every fault, and exits 1 if it found one.
"""

import argparse
import json
import math
import os
import random
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from collections import defaultdict

import ephem
import ezdxf

TOL_MM = 0.0101         # CSV rounds to 0.01 mm: 0.005 in each coordinate, 0.0071 along a slant
SHADOW_TOL_MM = 0.012   # rows from an hour angle and a declination: the rounding of the row
EPHEM_TOL_ARCSEC = 10   # clock rows against PyEphem: two solar theories and two clocks of the Earth

LAYER_OF_TYPE = {
    "ora_vera": "ORE",
    "ora_civile": "ORE_CIVILI",
    "italica": "ITALICHE",
    "babilonese": "BABILONESI",
    "linea_data": "DATE",
    "temporaria": "TEMPORARIE",
    "azimut": "AZIMUT",
    "altezza": "ALTEZZE",
    "ora_media": "ORE_MEDIE",
}
HALF_LAYERS = {" dic-giu": "ORE_CIVILI_DIC_GIU", " giu-dic": "ORE_CIVILI_GIU_DIC"}

RAD = math.pi / 180.0


# --------------------------------------------------------------------------------------------
# The plane and the Sun, as plain vectors (x East, y North, z up; mm from the foot F)

def dot(a, b):
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]


def cross(a, b):
    return (a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0])


def add(a, b, k=1.0):
    return (a[0] + k * b[0], a[1] + k * b[1], a[2] + k * b[2])


def scale(k, a):
    return (k * a[0], k * a[1], k * a[2])


class Plane:
    """A plane facing azimuth D (from South, West positive), tilted i up from vertical."""

    def __init__(self, lat, dec, inc, nodus_mm=None, style_mm=None):
        self.lat = lat
        facing = (-math.sin(dec * RAD), -math.cos(dec * RAD), 0.0)
        zen = (0.0, 0.0, 1.0)
        self.n = add(scale(math.cos(inc * RAD), facing), zen, math.sin(inc * RAD))
        self.up = add(scale(-math.sin(inc * RAD), facing), zen, math.cos(inc * RAD))
        self.right = cross(self.up, self.n)       # East on a South wall, seen from in front
        self.pole = (0.0, math.cos(lat * RAD), math.sin(lat * RAD))
        pn = dot(self.pole, self.n)
        self.pn = pn
        self.h = nodus_mm if nodus_mm is not None else style_mm * abs(pn)
        self.nodus = scale(self.h, self.n)

    def frame(self, v):
        return (dot(v, self.right), dot(v, self.up))

    def sun(self, ha_deg, dec_deg):
        H, d, p = ha_deg * RAD, dec_deg * RAD, self.lat * RAD
        return (-math.cos(d) * math.sin(H),
                math.cos(p) * math.sin(d) - math.sin(p) * math.cos(d) * math.cos(H),
                math.sin(p) * math.sin(d) + math.cos(p) * math.cos(d) * math.cos(H))

    def projection(self, s):
        """Where the line from the nodus away from the Sun s meets the plane."""
        sn = dot(s, self.n)
        if sn == 0:
            return None
        return self.frame(add(self.nodus, s, -self.h / sn))

    def shadow(self, s):
        if s[2] < -1e-9 or dot(s, self.n) <= 0:
            return None
        return self.projection(s)

    def sun_through(self, x, y):
        """The Sun whose nodus shadow falls on (x, y)."""
        v = add(self.nodus, add(scale(x, self.right), self.up, y), -1.0)
        r = math.sqrt(dot(v, v))
        return scale(1.0 / r, v)

    def polar(self):
        return abs(self.pn) < math.sin(1e-3 * RAD)

    def elevation(self):
        return math.degrees(math.asin(min(1.0, abs(self.pn))))

    def centre(self):
        return self.frame(add(self.nodus, self.pole, -self.h / self.pn))

    def style_length(self):
        return self.h / abs(self.pn)

    def longitude_difference(self):
        """Hour angle (West positive) of the meridian that holds the plane's normal."""
        p = self.lat * RAD
        west = (-1.0, 0.0, 0.0)
        eq_meridian = (0.0, -math.sin(p), math.cos(p))
        a, b = dot(self.n, west), dot(self.n, eq_meridian)
        if abs(a) < 1e-15 and abs(b) < 1e-15:
            return 0.0
        v = math.degrees(math.atan2(a, b))
        return 180.0 if v <= -180.0 + 1e-12 else v

    def hour_half_line(self, ha_deg):
        """Unit direction from O of the shadows at hour angle ha, for a Sun in front of the face."""
        o = self.centre()
        s = max((self.sun(ha_deg, k * 0.5) for k in range(-179, 180)), key=lambda v: dot(v, self.n))
        if dot(s, self.n) <= 0:
            return None
        q = self.projection(s)
        dx, dy = q[0] - o[0], q[1] - o[1]
        r = math.hypot(dx, dy)
        return (dx / r, dy / r) if r > 1e-9 else None

    def substyle_angle(self):
        """Angle at O from the noon line to the line O-F, positive towards the afternoon."""
        o = self.centre()
        r = math.hypot(o[0], o[1])
        if r < 1e-9:
            return 0.0
        w = (-o[0] / r, -o[1] / r)
        noon = self.hour_half_line(0.0)
        later = self.hour_half_line(1.0)
        earlier = self.hour_half_line(-1.0)
        if noon is None or (later is None and earlier is None):
            return None
        if later is not None:
            afternoon = 1.0 if noon[0] * later[1] - noon[1] * later[0] > 0 else -1.0
        else:
            afternoon = -1.0 if noon[0] * earlier[1] - noon[1] * earlier[0] > 0 else 1.0
        ang = math.degrees(math.atan2(noon[0] * w[1] - noon[1] * w[0], noon[0] * w[0] + noon[1] * w[1]))
        return afternoon * ang


def bennett_deg(apparent):
    """Bennett's refraction (degrees) for an apparent altitude (degrees), standard air."""
    a = max(0.0, min(90.0, apparent))
    return max(0.0, 1.0 / math.tan((a + 7.31 / (a + 4.4)) * RAD) / 60.0)


def refracted(s):
    """The Sun as seen: the geometric direction s raised to the altitude a with a - R(a) = h,
    found here by bisection."""
    across = math.hypot(s[0], s[1])
    if across == 0:
        return s
    h = math.degrees(math.atan2(s[2], across))
    if h <= -bennett_deg(0.0):
        a = h + bennett_deg(0.0)
    else:
        lo, hi = h, h + 1.0
        for _ in range(80):
            mid = (lo + hi) / 2
            if mid - bennett_deg(mid) < h:
                lo = mid
            else:
                hi = mid
        a = (lo + hi) / 2
    k = math.cos(a * RAD) / across
    return (s[0] * k, s[1] * k, math.sin(a * RAD))


def horizon_altitude(pr):
    return -34.0 / 60.0 if pr.get("opzioni", {}).get("rifrazione") else 0.0


def sunset_hour_angle(lat, dec, h0=0.0):
    if h0 != 0.0:
        c = (math.sin(h0 * RAD) - math.sin(lat * RAD) * math.sin(dec * RAD)) / (math.cos(lat * RAD) * math.cos(dec * RAD))
    else:
        c = -math.tan(lat * RAD) * math.tan(dec * RAD)
    if abs(c) > 1 + 1e-5:
        return None
    c = max(-1.0, min(1.0, c))  # at the edge of the polar day, within the rounding of dec
    return math.degrees(math.acos(c))


# --------------------------------------------------------------------------------------------
# Files

def parse_number(text):
    return float(text.replace(",", "."))


def read_csv(path):
    rows = []
    with open(path, encoding="utf-8") as f:
        header = f.readline().rstrip("\n")
        for line in f:
            parts = line.rstrip("\n").split(";")
            rows.append(dict(zip(header.split(";"), parts)))
    return header, rows


def dxf_pieces(doc):
    pieces = defaultdict(list)  # layer -> [[(x, y), ...]]
    texts = []
    for e in doc.modelspace():
        t = e.dxftype()
        if t == "POLYLINE":
            pts = [(v.dxf.location[0], v.dxf.location[1]) for v in e.vertices]
            if e.is_closed and pts:
                pts.append(pts[0])
            pieces[e.dxf.layer].append(pts)
        elif t == "LWPOLYLINE":
            pts = [(p[0], p[1]) for p in e.get_points()]
            pieces[e.dxf.layer].append(pts)
        elif t == "LINE":
            pieces[e.dxf.layer].append([(e.dxf.start[0], e.dxf.start[1]), (e.dxf.end[0], e.dxf.end[1])])
        elif t == "TEXT" and e.dxf.layer == "TESTI":
            texts.append(e.dxf.text.replace("%%d", "°").replace("%%D", "°"))
    return pieces, texts


class SegmentGrid:
    """Segments of many pieces, found near a point quickly."""

    CELL = 8.0

    def __init__(self, pieces):
        self.pieces = pieces
        self.cells = defaultdict(list)
        for pid, pts in enumerate(pieces):
            for k in range(len(pts) - 1):
                (x0, y0), (x1, y1) = pts[k], pts[k + 1]
                n = max(1, int(math.hypot(x1 - x0, y1 - y0) / (self.CELL / 4)) + 1)
                seen = set()
                for j in range(n + 1):
                    t = j / n
                    c = (math.floor((x0 + t * (x1 - x0)) / self.CELL), math.floor((y0 + t * (y1 - y0)) / self.CELL))
                    if c not in seen:
                        seen.add(c)
                        self.cells[c].append((pid, k))

    def near(self, x, y, tol):
        """{piece id: distance} of the pieces within tol of (x, y)."""
        cx, cy = math.floor(x / self.CELL), math.floor(y / self.CELL)
        out = {}
        for i in (-1, 0, 1):
            for j in (-1, 0, 1):
                for pid, k in self.cells.get((cx + i, cy + j), ()):
                    (x0, y0), (x1, y1) = self.pieces[pid][k], self.pieces[pid][k + 1]
                    d = point_segment(x, y, x0, y0, x1, y1)
                    if d <= tol and d < out.get(pid, 1e300):
                        out[pid] = d
        return out


def point_segment(x, y, x0, y0, x1, y1):
    dx, dy = x1 - x0, y1 - y0
    L = dx * dx + dy * dy
    t = 0.0 if L == 0 else max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / L))
    return math.hypot(x - x0 - t * dx, y - y0 - t * dy)


# --------------------------------------------------------------------------------------------
# Projects

def project(name, lat, lon, zone, summer, dec, inc, nodus=None, style=None, apparent=False,
            half=False, clock=False, analemma="intero", year=2024, italic=False, babylonian=False,
            solstices=True, zodiac=False, months=False, days=(), plate=(1000, 800, 500, 150),
            temporary=False, quarters=False, local_mean=False, azimuth_step=0, altitude_step=0,
            refraction=False, grid=0, motto=""):
    g = {"altezza_mm": nodus} if nodus is not None else {"stilo_mm": style}
    return {
        "formato": "horalo-quadrante", "versione": 1,
        "luogo": {"nome": name, "latitudine": lat, "longitudine": lon, "fuso": zone, "ora_legale": summer},
        "piano": {"declinazione": dec, "inclinazione": inc},
        "gnomone": g,
        "ore": {"vere": apparent, "mezze": half, "civili": clock, "analemma": analemma, "anno": year,
                "italiche": italic, "babiloniche": babylonian, "temporarie": temporary,
                "quarti": quarters, "medie_locali": local_mean},
        "linee": {"azimut_passo": azimuth_step, "altezza_passo": altitude_step},
        "opzioni": {"rifrazione": refraction, "griglia_mm": grid, "motto": motto},
        "date": {"solstizi_equinozi": solstices, "zodiaco": zodiac, "mesi": months, "giorni": list(days)},
        "lastra": {"larghezza_mm": plate[0], "altezza_mm": plate[1], "piede_da_sinistra_mm": plate[2],
                   "piede_da_alto_mm": plate[3]},
    }


def real_dials():
    milano = dict(lat=45.4642, lon=9.19, zone=1)
    out = [
        ("milano-23-ovest", project("Milano", summer=False, dec=23, inc=0, nodus=150, clock=True,
                                    italic=True, babylonian=True, **milano)),
        ("milano-23-ovest-meta", project("Milano", summer=True, dec=23, inc=0, nodus=150, clock=True,
                                         analemma="meta", italic=True, babylonian=True, apparent=True,
                                         zodiac=True, **milano)),
        ("oslo-nord", project("Oslo", 59.91, 10.75, 1, False, 180, 0, nodus=120, apparent=True,
                              italic=True, babylonian=True, months=True, half=True)),
        ("oslo-nord-meno180", project("Oslo", 59.91, 10.75, 1, True, -180, 0, nodus=120, clock=True,
                                      italic=True, babylonian=True, months=True)),
        ("sydney-reclinata", project("Sydney", -33.87, 151.21, 10, False, 180, 30, nodus=100,
                                     clock=True, analemma="meta", italic=True, babylonian=True,
                                     zodiac=True)),
        ("sydney-reclinata-sud", project("Sydney", -33.87, 151.21, 10, True, 12, 25, style=180,
                                         apparent=True, half=True, months=True)),
        ("roma-orizzontale", project("Roma", 41.9028, 12.4964, 1, False, 0, 90, nodus=100,
                                     apparent=True, clock=True, italic=True, babylonian=True,
                                     zodiac=True, plate=(1000, 1000, 500, 700))),
        ("milano-est", project("Milano", summer=False, dec=-90, inc=0, nodus=100, apparent=True,
                               italic=True, babylonian=True, **milano)),
        ("milano-ovest", project("Milano", summer=False, dec=90, inc=0, nodus=100, apparent=True,
                                 clock=True, italic=True, babylonian=True, **milano)),
        ("milano-quasi-est", project("Milano", summer=False, dec=-89.9, inc=0, nodus=100,
                                     apparent=True, **milano)),
        ("milano-tutto-rifrazione", project("Milano", summer=True, dec=23, inc=0, nodus=150, apparent=True,
                                            quarters=True, clock=True, analemma="meta", italic=True,
                                            babylonian=True, temporary=True, azimuth_step=15,
                                            altitude_step=10, refraction=True, grid=50,
                                            motto="Sine sole sileo", **milano)),
        ("roma-orizzontale-azimut", project("Roma", 41.9028, 12.4964, 1, False, 0, 90, nodus=100,
                                            temporary=True, azimuth_step=30, altitude_step=15,
                                            plate=(1000, 1000, 500, 700))),
        ("sydney-medie-locali", project("Sydney", -33.87, 151.21, 10, False, 180, 0, nodus=100,
                                        clock=True, local_mean=True, analemma="meta", temporary=True,
                                        altitude_step=20, refraction=True)),
        # Plates smaller than the lines: analemmas, Italic and Babylonian lines cut by the edges
        # into several pieces, each with its two ends.
        ("milano-23-ovest-lastra-piccola", project("Milano", summer=False, dec=23, inc=0, nodus=150,
                                                   clock=True, italic=True, babylonian=True, months=True,
                                                   plate=(400, 300, 180, 60), **milano)),
        ("milano-23-ovest-meta-lastra-piccola", project("Milano", summer=True, dec=23, inc=0, nodus=150,
                                                        clock=True, analemma="meta", italic=True,
                                                        babylonian=True, plate=(520, 260, 300, 120), **milano)),
        ("milano-23-ovest-mezzogiorno", project("Milano", summer=False, dec=23, inc=0, nodus=150,
                                                clock=True, analemma="mezzogiorno", apparent=True,
                                                plate=(200, 500, 100, 40), **milano)),
        ("oslo-nord-lastra-stretta", project("Oslo", 59.91, 10.75, 1, False, 180, 0, nodus=120,
                                             apparent=True, italic=True, babylonian=True, months=True,
                                             plate=(260, 400, 130, 60))),
        ("milano-1700", project("Milano", summer=False, dec=0, inc=0, style=200, clock=True,
                                year=1700, days=["01/06/1700"], **milano)),
    ]
    return out


def random_dial(rng, k):
    lat = round(rng.uniform(-70, 70), 4)
    r = rng.random()
    if r < 0.25:
        dec = rng.choice([-90.0, 90.0, 180.0, -180.0, 0.0])
    else:
        dec = round(rng.uniform(-180, 180), 3)
    r = rng.random()
    if abs(dec) == 90 and r < 0.6:
        inc = 0.0
    elif r < 0.25:
        inc = rng.choice([0.0, 90.0])
    elif r < 0.3 and abs(lat) > 10:
        # a polar plane: the style parallel to the face
        dec, inc = (0.0, 90.0 - lat) if lat > 0 else (180.0, 90.0 + lat)
    else:
        inc = round(rng.uniform(-80, 90), 3)
    lon = round(rng.uniform(-180, 180), 3)
    zone = max(-12, min(14, round(lon / 15) + rng.choice([0, 0, 0, 1, -1])))
    plane = Plane(lat, dec, inc, nodus_mm=1)
    use_style = rng.random() < 0.3 and not plane.polar()
    size = round(rng.uniform(20, 300), 2)
    w = round(rng.uniform(100, 2000))
    h = round(rng.uniform(100, 2000))
    fx = round(rng.uniform(-0.2, 1.2) * w, 1) if rng.random() < 0.15 else round(rng.uniform(0.1, 0.9) * w, 1)
    fy = round(rng.uniform(-0.2, 1.2) * h, 1) if rng.random() < 0.15 else round(rng.uniform(0.05, 0.9) * h, 1)
    year = rng.choice([2024, 2025, rng.randint(1600, 2400)])
    days = []
    for _ in range(rng.choice([0, 0, 1, 2, 3])):
        m = rng.randint(1, 12)
        d = rng.randint(1, 28)
        days.append("%02d/%02d/%04d" % (d, m, year))
    hours = dict(apparent=rng.random() < 0.6, half=rng.random() < 0.4, clock=rng.random() < 0.5,
                 analemma=rng.choice(["intero", "meta", "mezzogiorno"]), italic=rng.random() < 0.5,
                 babylonian=rng.random() < 0.5)
    hours.update(temporary=rng.random() < 0.3, quarters=rng.random() < 0.2,
                 local_mean=rng.random() < 0.2, refraction=rng.random() < 0.4,
                 azimuth_step=rng.choice([0, 0, 0, 15, 20, 7.5]), altitude_step=rng.choice([0, 0, 0, 10, 15]))
    if not any((hours["apparent"], hours["clock"], hours["italic"], hours["babylonian"])):
        hours["apparent"] = True
    return ("random-%04d" % k,
            project("Caso %d" % k, lat, lon, zone, rng.random() < 0.5, dec, inc,
                    nodus=None if use_style else size, style=size if use_style else None,
                    year=year, solstices=rng.random() < 0.8, zodiac=rng.random() < 0.3,
                    months=rng.random() < 0.3, days=days, plate=(w, h, fx, fy), **hours))


# --------------------------------------------------------------------------------------------
# Checks

class Report:
    def __init__(self):
        self.faults = []
        self.worst = defaultdict(lambda: (0.0, ""))
        self.counts = defaultdict(int)

    def fault(self, dial, kind, text):
        self.faults.append((dial, kind, text))

    def measure(self, key, value, where):
        if value > self.worst[key][0]:
            self.worst[key] = (value, where)


def round_half_away(v, decimals):
    k = 10 ** decimals
    return math.copysign(math.floor(abs(v) * k + 0.5) / k, v)


def check_printed(rep, dial, what, printed, value, decimals=None, turn=False):
    """A printed number against the value computed here, with the program's rounding (an angle
    of a whole turn, with turn, in (-180, 180])."""
    if decimals is None:
        decimals = len(printed.split(",")[1]) if "," in printed else 0
    got = parse_number(printed)
    if turn and value <= -180.0 + 10.0 ** -decimals / 2:
        value += 360.0
    want = round_half_away(value, decimals)
    step = 10.0 ** -decimals
    rep.measure("title block: " + what + " (printed - computed)", abs(got - value), dial)
    frac = abs(value) / step - math.floor(abs(value) / step)
    near_tie = abs(frac - 0.5) < 1e-6
    if printed.startswith("-") and got == 0:
        rep.fault(dial, "title block", "%s printed as %s (a negative zero)" % (what, printed))
    if abs(got - want) > step / 10 and not (near_tie and abs(got - value) <= step / 2 + 1e-9):
        rep.fault(dial, "title block", "%s printed %s, computed %.6f (should print %s)"
                  % (what, printed, value, ("%%.%df" % decimals) % want))


def east_west_wall(pr):
    d = pr["piano"]["declinazione"]
    return abs(abs(d) - 90.0) < 1e-12 and pr["piano"]["inclinazione"] == 0


def check_title_block(rep, dial, pr, texts):
    lat = pr["luogo"]["latitudine"]
    dec = pr["piano"]["declinazione"]
    inc = pr["piano"]["inclinazione"]
    g = pr["gnomone"]
    plane = Plane(lat, dec, inc, nodus_mm=g.get("altezza_mm"), style_mm=g.get("stilo_mm"))
    joined = "\n".join(texts)
    num = r"(-?\d+(?:,\d+)?)"

    m = re.search(r"(?:Altezza|Elevazione) dello stilo " + num + "°", joined)
    if not m:
        rep.fault(dial, "title block", "no style elevation in the title block")
    else:
        check_printed(rep, dial, "style elevation", m.group(1), plane.elevation())
    m = re.search(r"altezza del nodo " + num + " mm", joined)
    if m:
        check_printed(rep, dial, "nodus height", m.group(1), plane.h)

    m = re.search(r"Angolo della sustilare " + num + "°", joined)
    if not m:
        rep.fault(dial, "title block", "no substyle angle in the title block")
    else:
        if east_west_wall(pr):
            # The noon line is at infinity: the angle of the substyle from the vertical, the
            # limit of walls declining a hair less than 90.
            hair = Plane(lat, math.copysign(90.0 - 1e-5, dec), 0.0, nodus_mm=100)
            want = hair.substyle_angle()
            side = -(90.0 - abs(lat)) if dec < 0 else (90.0 - abs(lat))
            if lat >= 0 and abs(want - side) > 1e-3:
                rep.fault(dial, "checker", "limit %.4f differs from %.4f" % (want, side))
        elif plane.polar():
            want = 0.0
        else:
            want = plane.substyle_angle()
        if want is not None:
            check_printed(rep, dial, "substyle angle", m.group(1), want, turn=True)

    m = re.search(r"Differenza di longitudine " + num + "°", joined)
    if not m:
        rep.fault(dial, "title block", "no longitude difference in the title block")
    else:
        check_printed(rep, dial, "longitude difference", m.group(1), plane.longitude_difference(), turn=True)

    centre = re.search(r"Centro[^\n]*? a x " + num + r"(?: mm)?, y " + num + " mm", joined)
    length = re.search(r"stilo O-nodo " + num + " mm", joined)
    if plane.polar():
        if centre or length:
            rep.fault(dial, "title block", "a polar plane prints a dial centre O or a style length")
    elif not centre or not length:
        rep.fault(dial, "title block", "no dial centre O or no style length in the title block")
    else:
        o = plane.centre()
        check_printed(rep, dial, "O x", centre.group(1), o[0])
        check_printed(rep, dial, "O y", centre.group(2), o[1])
        check_printed(rep, dial, "style length", length.group(1), plane.style_length())
    if east_west_wall(pr) and "sustilare" in joined and not re.search(r"sustilare[^\n]*verticale", joined):
        rep.fault(dial, "title block", "an East or West wall's substyle angle not said to be from the vertical")


def angle_arcsec(a, b):
    return math.degrees(math.acos(max(-1.0, min(1.0, dot(a, b))))) * 3600


def sun_of(plane, tipo, lat, hour, dec, horizon=0.0):
    """The (geometric) Sun of a row of an apparent, Italic, Babylonian or temporary line, of a
    date line or of a line of azimuth or altitude (whose hour is the apparent time)."""
    if tipo in ("ora_vera", "linea_data", "azimut", "altezza"):
        return plane.sun(15.0 * (hour - 12.0), dec)
    h0 = sunset_hour_angle(lat, dec, horizon)
    if h0 is None:
        return None
    if tipo == "temporaria":
        return plane.sun(h0 * (hour / 6.0 - 1.0), dec)
    ha = h0 + 15.0 * hour - 360.0 if tipo == "italica" else 15.0 * hour - h0
    return plane.sun(ha, dec)


def sky_label(etichetta):
    """The angle a line of azimuth or altitude is named by: "30° O" 30, "15° E" -15, "20°" 20."""
    m = re.match(r"^(\d+(?:,\d+)?)° ?([OE]?)$", base_label(etichetta))
    if not m:
        return None
    v = float(m.group(1).replace(",", "."))
    return -v if m.group(2) == "E" else v


def ephem_sun(pr, ut_days):
    """Apparent hour angle and declination (degrees) of the Sun at ephem date ut_days."""
    obs = ephem.Observer()
    obs.lat = pr["luogo"]["latitudine"] * RAD
    obs.lon = pr["luogo"]["longitudine"] * RAD
    obs.elevation = 0
    obs.pressure = 0
    obs.date = ut_days
    s = ephem.Sun()
    s.compute(obs)
    ha = math.degrees(float(obs.sidereal_time()) - float(s.g_ra))
    return ha, math.degrees(float(s.g_dec))


def clock_offset_hours(pr):
    """Clock minus UT: the zone and summer time, or for local mean time the longitude."""
    if pr["ore"].get("medie_locali"):
        return pr["luogo"]["longitudine"] / 15.0
    return pr["luogo"]["fuso"] + (1 if pr["luogo"]["ora_legale"] else 0)


def clock_ut(pr, date, clock_hours):
    y, m, d = (int(v) for v in date.split("-"))
    return ephem.Date((y, m, d)) + (clock_hours - clock_offset_hours(pr)) / 24.0


def check_rows_physics(rep, dial, pr, plane, rows, label_hint):
    year = pr["ore"]["anno"]
    refract = pr.get("opzioni", {}).get("rifrazione", False)
    seen = refracted if refract else (lambda v: v)
    horizon = horizon_altitude(pr)
    for row in rows:
        x, y = parse_number(row["x_mm"]), parse_number(row["y_mm"])
        tipo = row["tipo"]
        if tipo == "piede":
            rep.measure("F row from (0, 0), mm", math.hypot(x, y), dial)
            if math.hypot(x, y) > TOL_MM:
                rep.fault(dial, "row", "F listed at (%g, %g)" % (x, y))
            continue
        if tipo == "centro":
            if plane.polar():
                rep.fault(dial, "row", "a polar plane lists a centre O")
                continue
            o = plane.centre()
            d = math.hypot(x - o[0], y - o[1])
            rep.measure("O row from computed O, mm", d, dial)
            if d > TOL_MM:
                rep.fault(dial, "row", "O listed at (%g, %g), computed (%.3f, %.3f)" % (x, y, o[0], o[1]))
            continue
        if tipo in ("ora_civile", "ora_media"):
            hour = parse_number(row["ora"])
            dec = parse_number(row["declinazione"])
            if row["data"]:
                ha, edec = ephem_sun(pr, clock_ut(pr, row["data"], hour))
            else:
                (ha, edec), slack = clock_row_sun(pr, hour, dec, x, y, plane, year, seen)
                rep.measure("clock rows (ends between two days): declination column - PyEphem beyond what the rounding allows, deg",
                            max(0.0, abs(edec - dec) - slack), dial)
                if abs(edec - dec) > slack + 0.003:
                    rep.fault(dial, "row", "an analemma's end at declination %s, PyEphem's Sun there %.4f: %s"
                              % (row["declinazione"], edec, ";".join(row.values())))
            s = seen(plane.sun(ha, edec))
            q = plane.shadow(s)
            if q is None:
                q = plane.projection(s)
                if q is None or s[2] < -0.005 or dot(s, plane.n) < -0.005:
                    rep.fault(dial, "row", "clock row where PyEphem's Sun casts no shadow: " + ";".join(row.values()))
                    continue
            d = math.hypot(q[0] - x, q[1] - y)
            # the angle between PyEphem's Sun and the Sun that throws the row's point: on a
            # low style a hundredth of a mm is many seconds of arc, so both must be off
            arcsec = angle_arcsec(s, plane.sun_through(x, y))
            # what the row's rounding to 0.005 mm alone turns the Sun by
            rounding = max(angle_arcsec(plane.sun_through(x, y), plane.sun_through(x + dx, y + dy))
                           for dx, dy in ((0.005, 0.005), (0.005, -0.005)))
            arcsec = max(0.0, arcsec - rounding)
            kind = "dated" if row["data"] else "ends between two days"
            rep.measure("clock rows (%s) - PyEphem shadow, mm" % kind, d, "%s %s %s" % (dial, row["etichetta"], row["data"]))
            rep.measure("clock rows (%s) - PyEphem Sun beyond the rounding, arcsec" % kind, arcsec, "%s %s %s" % (dial, row["etichetta"], row["data"]))
            if arcsec > EPHEM_TOL_ARCSEC and d > TOL_MM:
                rep.fault(dial, "row", "clock row %.3f mm (%.0f\") from PyEphem's shadow (%.2f, %.2f): %s"
                          % (d, arcsec, q[0], q[1], ";".join(row.values())))
            continue
        # The declination is written to 4 decimals and the hour to 6: the row must lie on the
        # shadows of the Suns those digits allow (near the polar day an Italic hour angle moves
        # fast with the declination).
        hour, dec = parse_number(row["ora"]), parse_number(row["declinazione"])
        best = None
        lat = pr["luogo"]["latitudine"]
        grid = {}
        for k in range(-10, 11):
            for j, dh in enumerate((-0.5e-6, 0.5e-6)):
                s = sun_of(plane, tipo, lat, hour + dh, dec + k * 0.5e-5, horizon)
                s = seen(s) if s is not None else None
                q = plane.projection(s) if s is not None else None
                if q is not None:
                    grid[(k, j)] = (q, s)
        for (k, j), (q, s) in grid.items():
            for other in ((k, j + 1), (k + 1, j)):
                q2 = grid.get(other, (q,))[0]
                d = point_segment(x, y, q[0], q[1], q2[0], q2[1])
                if best is None or d < best[0]:
                    best = (d, q, s)
        if best is None:
            rep.fault(dial, "row", "no Sun for the row (no sunset that day, or grazing the plane): " + ";".join(row.values()))
            continue
        d, q, s = best
        if s[2] < -1e-5 or dot(s, plane.n) < -1e-5:
            rep.fault(dial, "row", "row where the Sun is down or behind the face (alt %.4f, facing %.4f): %s"
                      % (math.degrees(math.asin(max(-1, min(1, s[2])))), dot(s, plane.n), ";".join(row.values())))
        rep.measure("hour-angle rows - vector shadow, mm", d, "%s %s %s" % (dial, row["tipo"], row["etichetta"]))
        zenith = s[2] > math.cos(0.01 * RAD)  # every azimuth line ends there, none is its own
        if tipo in ("azimut", "altezza") and not (tipo == "azimut" and zenith):
            want = sky_label(row["etichetta"])
            if want is None:
                rep.fault(dial, "row", "a sky line named %r" % row["etichetta"])
            else:
                # the seen Sun's azimuth from South (West positive) or its seen altitude
                got = (math.degrees(math.atan2(-s[0], -s[1])) if tipo == "azimut"
                       else math.degrees(math.asin(max(-1.0, min(1.0, s[2])))))
                off = abs((got - want + 180.0) % 360.0 - 180.0)
                rep.measure("%s rows - named angle of their Sun, deg" % tipo, off, "%s %s" % (dial, row["etichetta"]))
                # near the zenith the azimuth turns fast with the rounding of the row's digits:
                # the row's declination (4 decimals) and hour (6) place its Sun within about
                # 1e-4 degree, which turns the azimuth by that much over the Sun's distance
                # from the zenith
                from_zenith = math.sqrt(max(0.0, 1.0 - s[2] * s[2]))
                if off > 0.001 + 1.5e-4 / max(from_zenith, 1e-9):
                    rep.fault(dial, "row", "%s row whose Sun stands at %.4f: %s" % (tipo, got, ";".join(row.values())))
            if not (year_declinations(year)[0] - 1e-3 <= dec <= year_declinations(year)[1] + 1e-3):
                rep.fault(dial, "row", "a sky line's row beyond the solstices: " + ";".join(row.values()))
        if d > SHADOW_TOL_MM:
            rep.fault(dial, "row", "row %.3f mm from the shadow of its Sun (%.3f, %.3f): %s"
                      % (d, q[0], q[1], ";".join(row.values())))


def year_declinations(year):
    """The Sun's declination at the December and June solstices of the year (PyEphem)."""
    out = []
    for when in (ephem.next_solstice((year, 12, 1)), ephem.next_solstice((year, 6, 1))):
        s = ephem.Sun(when)
        out.append(math.degrees(float(s.g_dec)))
    return tuple(sorted(out))


def clock_row_sun(pr, hour, dec, x, y, plane, year, seen=lambda v: v):
    """The Sun at clock time `hour` on the moment of the year (a fraction of a day between two
    days) whose shadow comes nearest (x, y): the declination and the equation of time of that
    moment, the hour angle of the clock time. Returns ((hour angle, declination), t)."""
    start = ephem.Date((year, 1, 1)) + (hour - clock_offset_hours(pr)) / 24.0

    def sun_at(day):
        ha, d = ephem_sun(pr, start + day)
        return ha - 360.0 * (day - math.floor(day)), d  # back to the clock time of that day

    def miss(day):
        ha, d = sun_at(day)
        s = seen(plane.sun(ha, d))
        if s[2] < -1e-4 or dot(s, plane.n) < -1e-4:
            return 1e300  # no shadow: the Sun below the horizon or behind the face
        q = plane.projection(s)
        return 1e300 if q is None else math.hypot(q[0] - x, q[1] - y)

    # every day where the daily points come nearest: each branch of the analemma has its own
    daily = {k: miss(k) for k in range(-2, 369)}
    days = [k for k in range(-1, 368) if daily[k] < 1e300 and daily[k] <= daily[k - 1] and daily[k] <= daily[k + 1]]
    days += sorted(range(-1, 368), key=daily.get)[:2]
    best = None
    for k in days:
        lo, hi = k - 1.0, k + 1.0
        g = (math.sqrt(5) - 1) / 2
        a, b = hi - g * (hi - lo), lo + g * (hi - lo)
        fa, fb = miss(a), miss(b)
        for _ in range(50):
            if fa < fb:
                hi, b, fb = b, a, fa
                a = hi - g * (hi - lo)
                fa = miss(a)
            else:
                lo, a, fa = a, b, fb
                b = lo + g * (hi - lo)
                fb = miss(b)
        # the nearest point may be where the Sun leaves the horizon: keep the best one seen
        for t, f in ((a, fa), (b, fb)):
            if best is None or f < best[0]:
                best = (f, t)
    t = best[1]
    # how far the declination may stray for a point within the CSV's rounding
    dt = 0.01
    (h1, d1), (h2, d2) = sun_at(t - dt), sun_at(t + dt)
    q1, q2 = plane.projection(seen(plane.sun(h1, d1))), plane.projection(seen(plane.sun(h2, d2)))
    speed = math.hypot(q2[0] - q1[0], q2[1] - q1[1]) / (2 * dt) if q1 and q2 else 0.0
    dec_rate = abs(d2 - d1) / (2 * dt)
    slack = 1e-4 + (dec_rate * TOL_MM / speed if speed > 0 else 90.0)
    return sun_at(t), slack


def base_label(etichetta):
    return etichetta.split(" - ", 1)[0]


def layer_of(tipo, label):
    if tipo in ("ora_civile", "ora_media"):
        for suffix, layer in HALF_LAYERS.items():
            if label.endswith(suffix):
                return layer.replace("ORE_CIVILI", LAYER_OF_TYPE[tipo])
    return LAYER_OF_TYPE.get(tipo)


def check_lines(rep, dial, pr, rows, pieces, texts=()):
    grids = {layer: SegmentGrid(p) for layer, p in pieces.items()}
    own = defaultdict(list)       # (tipo, label) -> rows named by the line alone
    crossing = defaultdict(list)  # (tipo, label) -> rows of the line named as a crossing
    for row in rows:
        if row["tipo"] not in LAYER_OF_TYPE:
            continue
        label = base_label(row["etichetta"])
        key = (row["tipo"], label)
        (own if label == row["etichetta"] else crossing)[key].append(row)
    keys = set(own) | set(crossing)
    votes = defaultdict(lambda: defaultdict(int))   # (layer, piece) -> key -> rows on it
    for key in keys:
        layer = layer_of(*key)
        grid = grids.get(layer)
        if grid is None:
            rep.fault(dial, "lines", "%s %r has rows but the DXF has no layer %s" % (key[0], key[1], layer))
            continue
        for row in own[key] + crossing[key]:
            for pid in grid.near(parse_number(row["x_mm"]), parse_number(row["y_mm"]), TOL_MM):
                votes[(layer, pid)][key] += 1
    line_layers = (set(LAYER_OF_TYPE.values()) | set(HALF_LAYERS.values())
                   | {v.replace("ORE_CIVILI", "ORE_MEDIE") for v in HALF_LAYERS.values()})
    pieces_of = defaultdict(list)
    for layer in line_layers:
        for pid, pts in enumerate(pieces.get(layer, [])):
            v = votes.get((layer, pid))
            if not v:
                rep.fault(dial, "lines", "a piece on %s from (%.2f, %.2f) to (%.2f, %.2f) has no row in the CSV"
                          % (layer, pts[0][0], pts[0][1], pts[-1][0], pts[-1][1]))
                continue
            # two lines may run a hundredth of a mm apart (a date line the day before a
            # solstice): a piece is the line whose own rows hold its two ends (the nearer when
            # both do), else the one with the most rows on it
            def ends_listed(k):
                return sum(1 for end in (pts[0], pts[-1])
                           if any(math.hypot(end[0] - parse_number(r["x_mm"]), end[1] - parse_number(r["y_mm"])) <= TOL_MM
                                  for r in own[k]))
            # lines so close that both hold the ends within the tolerance: the nearer one
            def ends_off(k):
                return sum(min((math.hypot(end[0] - parse_number(r["x_mm"]), end[1] - parse_number(r["y_mm"]))
                                for r in own[k]), default=1e300) for end in (pts[0], pts[-1]))
            key = max(sorted(v), key=lambda k: (ends_listed(k), -ends_off(k) if ends_listed(k) == 2 else 0.0,
                                                v[k], k in own))
            pieces_of[key].append(pts)
    for key in keys:
        layer = layer_of(*key)
        mine = pieces_of.get(key, [])
        if not mine:
            rep.fault(dial, "lines", "%s %r is listed but no piece is drawn for it" % key)
            continue
        rep.counts["pieces"] += len(mine)
        own_pts = [(parse_number(r["x_mm"]), parse_number(r["y_mm"])) for r in own[key]]
        all_pts = own_pts + [(parse_number(r["x_mm"]), parse_number(r["y_mm"])) for r in crossing[key]]
        for pts in mine:
            for end in (pts[0], pts[-1]):
                d_own = min((math.hypot(end[0] - p[0], end[1] - p[1]) for p in own_pts), default=1e300)
                d_all = min((math.hypot(end[0] - p[0], end[1] - p[1]) for p in all_pts), default=1e300)
                rep.measure("piece end - nearest row of its line, mm", min(d_own, 1e3), "%s %s %r" % (dial, *key))
                if d_own > TOL_MM:
                    how = "only as a crossing row" if d_all <= TOL_MM else "nowhere (nearest %.3f mm)" % d_all
                    rep.fault(dial, "piece end", "%s %r: end (%.2f, %.2f) of a piece on %s listed %s"
                              % (key[0], key[1], end[0], end[1], layer, how))
        sub = SegmentGrid(mine)
        for row in own[key] + crossing[key]:
            x, y = parse_number(row["x_mm"]), parse_number(row["y_mm"])
            near = sub.near(x, y, 1.0)
            d = min(near.values()) if near else 1e300
            rep.measure("row - its drawn line, mm", min(d, 1e3), "%s %s %r" % (dial, *key))
            if d > TOL_MM:
                rep.fault(dial, "row off line", "%s off its drawn line by %s mm"
                          % (";".join(row.values()), "%.3f" % d if d < 1e3 else "more than 1"))
    # Every piece carries its name: as many texts reading a line's name as pieces drawn of the
    # lines of that name (an Italic 3 and an apparent 3 read alike, so names are counted).
    pieces_named = defaultdict(int)
    for key, mine in pieces_of.items():
        name = key[1]
        for suffix in HALF_LAYERS:
            if name.endswith(suffix):
                name = name[:-len(suffix)]
        pieces_named[name] += len(mine)
    shown = defaultdict(int)
    for t in texts:
        shown[t] += 1
    for name, n in sorted(pieces_named.items()):
        if re.match(r"^\d+:(15|45)\b", name):
            continue  # quarter hours are fine lines without a number
        if shown[name] < n:
            rep.fault(dial, "labels", "%d pieces of lines named %r, %d texts read it" % (n, name, shown[name]))
    # Sunset and sunrise lines lie on the horizon line: one piece each.
    for key in (("italica", "24"), ("babilonese", "0")):
        n = len(pieces_of.get(key, []))
        if n > 1:
            rep.fault(dial, "horizon", "%s %s drawn in %d pieces" % (key[0], key[1], n))
    for key in keys:
        if key[0] == "italica" and key[1] == "0":
            rep.fault(dial, "numbering", "an Italic line numbered 0")
        if key[0] == "babilonese" and key[1] == "24":
            rep.fault(dial, "numbering", "a Babylonian line numbered 24")
    # Split analemmas: each half on its own layer, whole ones on ORE_CIVILI.
    halves = pr["ore"]["civili"] and pr["ore"]["analemma"] == "meta"
    clock_layer = "ORE_MEDIE" if pr["ore"].get("medie_locali") else "ORE_CIVILI"
    for layer in HALF_LAYERS.values():
        layer = layer.replace("ORE_CIVILI", clock_layer)
        if pieces.get(layer) and not halves:
            rep.fault(dial, "layers", "pieces on %s without analemmas in halves" % layer)
    if halves and pieces.get(clock_layer):
        rep.fault(dial, "layers", "analemmas in halves, yet %d pieces on %s" % (len(pieces[clock_layer]), clock_layer))
    if halves:
        for key in keys:
            if key[0] in ("ora_civile", "ora_media") and not any(key[1].endswith(s) for s in HALF_LAYERS):
                rep.fault(dial, "layers", "analemma in halves named %r, without its half" % key[1])


def has_nan(text):
    return re.search(r"(?<![A-Za-z])(nan|inf|infinity)(?![A-Za-z])", text, re.IGNORECASE) is not None


def run_dial(rep, exe, work, name, pr):
    path = os.path.join(work, name + ".horalo")
    with open(path, "w", encoding="utf-8") as f:
        json.dump(pr, f, ensure_ascii=False, indent=1)
    g = pr["gnomone"]
    plane = Plane(pr["luogo"]["latitudine"], pr["piano"]["declinazione"], pr["piano"]["inclinazione"],
                  nodus_mm=g.get("altezza_mm"), style_mm=g.get("stilo_mm"))
    outs = {}
    for ext in ("csv", "dxf", "svg", "pdf"):
        out = os.path.join(work, name + "." + ext)
        p = subprocess.run([exe, "--export", out, path], capture_output=True, text=True)
        if p.returncode != 0:
            rep.fault(name, "export", "--export %s: exit %d, %s" % (ext, p.returncode, p.stderr.strip()))
            if os.path.exists(out):
                rep.fault(name, "export", "a refused export left %s" % out)
            return
        outs[ext] = out
    rep.counts["dials"] += 1
    for ext in ("csv", "dxf", "svg"):
        with open(outs[ext], encoding="utf-8" if ext != "dxf" else "cp1252", errors="replace") as f:
            if has_nan(f.read()):
                rep.fault(name, "nan", "the %s says nan or inf" % ext)
    text = subprocess.run(["pdftotext", outs["pdf"], "-"], capture_output=True, text=True).stdout
    if has_nan(text):
        rep.fault(name, "nan", "the pdf says nan or inf")
    if subprocess.run(["pdfinfo", outs["pdf"]], capture_output=True).returncode != 0:
        rep.fault(name, "pdf", "pdfinfo cannot open the PDF")
    try:
        ET.parse(outs["svg"])
    except ET.ParseError as e:
        rep.fault(name, "svg", "the SVG is not XML: %s" % e)
    png = os.path.join(work, name + ".png")
    if subprocess.run(["rsvg-convert", "-w", "300", "-o", png, outs["svg"]], capture_output=True).returncode != 0:
        rep.fault(name, "svg", "rsvg-convert cannot draw the SVG")

    header, rows = read_csv(outs["csv"])
    rep.counts["csv rows"] += len(rows)
    doc = ezdxf.readfile(outs["dxf"])
    pieces, texts = dxf_pieces(doc)
    for layer in HALF_LAYERS.values():
        if layer in doc.layers and layer.endswith("GIU_DIC") and doc.layers.get(layer).dxf.linetype.upper() != "DASHED":
            rep.fault(name, "layers", "%s is not dashed" % layer)
    check_title_block(rep, name, pr, texts)
    check_lines(rep, name, pr, rows, pieces, texts)
    check_rows_physics(rep, name, pr, plane, rows, None)


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--count", type=int, default=300, help="random projects after the real dials")
    ap.add_argument("--seed", type=int, default=20)
    ap.add_argument("--horalo", default=os.path.join(os.path.dirname(__file__), "..", "build", "app", "horalo"))
    ap.add_argument("--keep", help="folder to keep the projects and files in")
    ap.add_argument("--only", help="check only the dials whose name contains this")
    args = ap.parse_args()
    exe = os.path.abspath(args.horalo)
    work = args.keep or tempfile.mkdtemp(prefix="horalo-check-")
    os.makedirs(work, exist_ok=True)
    rng = random.Random(args.seed)
    dials = real_dials() + [random_dial(rng, k) for k in range(args.count)]
    rep = Report()
    for name, pr in dials:
        if args.only and not any(o in name for o in args.only.split(",")):
            continue
        try:
            run_dial(rep, exe, work, name, pr)
        except Exception as e:  # a checker failure is reported, and the run goes on
            rep.fault(name, "checker", "%s: %s" % (type(e).__name__, e))
    print("checked %d dials, %d CSV rows, %d drawn pieces (files in %s)"
          % (rep.counts["dials"], rep.counts["csv rows"], rep.counts["pieces"], work))
    print("worst deviations:")
    for key in sorted(rep.worst):
        v, where = rep.worst[key]
        print("  %-62s %.6g  (%s)" % (key, v, where))
    by_kind = defaultdict(list)
    for dial, kind, text in rep.faults:
        by_kind[kind].append((dial, text))
    for kind, items in sorted(by_kind.items()):
        print("%s: %d faults" % (kind, len(items)))
        for dial, text in items[:int(os.environ.get("CHECK_SHOW", "15"))]:
            print("  [%s] %s" % (dial, text))
        if len(items) > int(os.environ.get("CHECK_SHOW", "15")):
            print("  ... and %d more" % (len(items) - int(os.environ.get("CHECK_SHOW", "15"))))
    return 1 if rep.faults else 0


if __name__ == "__main__":
    sys.exit(main())
