#!/usr/bin/python3
"""Exports random bifilar, analemmatic and dark-room dials with `horalo --export` and checks
every CSV row against the kind's own formula, with the Sun from PyEphem (independent of the
program's solar theory):

- bifilar rows (ora_vera, linea_data): x = -b Sx / Sz, y = -a Sy / Sz for the row's Sun;
- ora_analemmatica: x = M sin H, y = M sin(lat) cos H, H from the hour (apparent, or the zone's
  clock corrected for the longitude);
- scala_date: the declination at the place's apparent noon of `data` (PyEphem), y = M tan d cos(lat);
- a dark room's linea_data / macchia rows: the Sun at apparent noon of `data` through the hole;
  its ora_civile rows: the Sun at that zone-clock reading of `data`.

    /usr/bin/python3 tools/checkkinds.py --count 40
"""

import argparse, csv, json, math, os, random, subprocess, sys, tempfile
import ephem

R = math.pi / 180


def sun(lat, H, d):
    p, H, d = lat * R, H * R, d * R
    return (-math.cos(d) * math.sin(H), math.cos(p) * math.sin(d) - math.sin(p) * math.cos(d) * math.cos(H),
            math.sin(p) * math.sin(d) + math.cos(p) * math.cos(d) * math.cos(H))


def ephem_sun(lat, lon, when):
    o = ephem.Observer(); o.lat = str(lat); o.lon = str(lon); o.pressure = 0; o.date = when
    s = ephem.Sun(o)
    H = math.degrees(float(o.sidereal_time()) - float(s.g_ra))
    return (H + 180) % 360 - 180, math.degrees(float(s.g_dec))


def noon(lat, lon, date):
    y, m, d = map(int, date.split("-"))
    t = ephem.Date((y, m, d, 12)) - lon / 360.0
    for _ in range(4):
        H, dec = ephem_sun(lat, lon, t)
        t = ephem.Date(t - H / 360.0 * 0.99727)
    return ephem_sun(lat, lon, t)[1]


def num(s):
    return float(s.replace(",", "."))


def project(rng, k):
    lat = round(rng.uniform(-60, 60), 3) or 10.0
    lon = round(rng.uniform(-180, 180), 3)
    zone = max(-12, min(14, round(lon / 15)))
    kind = ["bifilare", "analemmatico", "camera_oscura"][k % 3]
    p = {"formato": "horalo-quadrante", "versione": 1, "tipo": kind,
         "luogo": {"nome": "Caso %d" % k, "latitudine": lat, "longitudine": lon, "fuso": zone, "ora_legale": rng.random() < 0.3},
         "piano": {"declinazione": 0, "inclinazione": 90}, "gnomone": {"altezza_mm": 100},
         "ore": {"vere": True, "civili": rng.random() < 0.5, "italiche": kind == "bifilare", "anno": rng.choice([2025, 2026, 1900])},
         "date": {"solstizi_equinozi": True, "mesi": rng.random() < 0.7, "giorni": []},
         "lastra": {"larghezza_mm": 3000, "altezza_mm": 3000, "piede_da_sinistra_mm": 1500, "piede_da_alto_mm": 1500}}
    if kind == "bifilare":
        p["bifilare"] = {"filo_est_ovest_mm": round(rng.uniform(50, 300), 1), "filo_nord_sud_mm": round(rng.uniform(50, 300), 1)}
    elif kind == "analemmatico":
        p["analemmatico"] = {"semiasse_mm": round(rng.uniform(500, 1400), 1)}
    else:
        h = round(rng.uniform(3000, 15000))
        p["gnomone"] = {"altezza_mm": h}
        p["camera_oscura"] = {"diametro_foro_mm": round(rng.uniform(5, 40), 1)}
        p["lastra"] = {"larghezza_mm": 10000, "altezza_mm": 100000, "piede_da_sinistra_mm": 5000,
                       "piede_da_alto_mm": 50000}
    return "kind-%03d" % k, p


def check(rows, p, worst, faults, name):
    lat, lon = p["luogo"]["latitudine"], p["luogo"]["longitudine"]
    zone = p["luogo"]["fuso"] + (1 if p["luogo"]["ora_legale"] else 0)
    kind = p["tipo"]
    def meas(key, v, tol, row):
        worst[key] = max(worst.get(key, 0), v)
        if v > tol:
            faults.append("%s %s %.4f: %s" % (name, key, v, ";".join(row.values())))
    for r in rows:
        t = r["tipo"]
        x, y = num(r["x_mm"]), num(r["y_mm"])
        if kind == "bifilare" and t in ("ora_vera", "linea_data"):
            a, b = p["bifilare"]["filo_est_ovest_mm"], p["bifilare"]["filo_nord_sud_mm"]
            S = sun(lat, 15 * (num(r["ora"]) - 12), num(r["declinazione"]))
            meas("bifilar point, mm", math.hypot(-b * S[0] / S[2] - x, -a * S[1] / S[2] - y), 0.05, r)
        elif t == "ora_analemmatica":
            M = p["analemmatico"]["semiasse_mm"]
            H = 15 * (num(r["ora"]) - 12)
            if p["ore"]["civili"]:
                H = 15 * (num(r["ora"]) - zone - 12) + lon
            meas("analemmatic hour, mm", math.hypot(M * math.sin(H * R) - x, M * math.sin(lat * R) * math.cos(H * R) - y), 0.05, r)
        elif t == "scala_date":
            M = p["analemmatico"]["semiasse_mm"]
            d = noon(lat, lon, r["data"])
            meas("date scale declination, deg", abs(d - num(r["declinazione"])), 0.02, r)
            meas("date scale, mm", abs(M * math.tan(d * R) * math.cos(lat * R) - y) + abs(x), 0.05 + M * 2e-4, r)
        elif kind == "camera_oscura" and t in ("linea_data", "macchia", "ora_civile") and r["data"]:
            h = p["gnomone"]["altezza_mm"]
            if t == "ora_civile":
                yy, mm, dd = map(int, r["data"].split("-"))
                H, d = ephem_sun(lat, lon, ephem.Date((yy, mm, dd)) + (num(r["ora"]) - zone) / 24)
            else:
                H, d = 0.0, noon(lat, lon, r["data"])
            S = sun(lat, H, d)
            if S[2] <= 0:
                faults.append("%s row with the Sun down: %s" % (name, ";".join(r.values())))
                continue
            # the angle between the row's point and PyEphem's Sun, seen from the hole
            v = (x, y, -h)
            n = math.sqrt(sum(c * c for c in v))
            ang = math.degrees(math.acos(max(-1, min(1, -(v[0] * S[0] + v[1] * S[1] + v[2] * S[2]) / n))))
            meas("dark room row - PyEphem Sun, deg", ang, 0.02, r)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--count", type=int, default=30)
    ap.add_argument("--seed", type=int, default=3)
    ap.add_argument("--horalo", default=os.path.join(os.path.dirname(__file__), "..", "build", "app", "horalo"))
    args = ap.parse_args()
    rng = random.Random(args.seed)
    work = tempfile.mkdtemp(prefix="horalo-kinds-")
    worst, faults, rowsSeen = {}, [], 0
    for k in range(args.count):
        name, p = project(rng, k)
        path = os.path.join(work, name + ".horalo")
        json.dump(p, open(path, "w"))
        for ext in ("csv", "dxf", "svg", "pdf"):
            out = os.path.join(work, name + "." + ext)
            r = subprocess.run([args.horalo, "--export", out, path], capture_output=True, text=True)
            if r.returncode != 0:
                faults.append("%s: --export %s failed: %s" % (name, ext, r.stderr.strip()))
        csvp = os.path.join(work, name + ".csv")
        if os.path.exists(csvp):
            rows = list(csv.DictReader(open(csvp), delimiter=";"))
            rowsSeen += len(rows)
            check(rows, p, worst, faults, name)
    print("checked %d dials, %d rows (files in %s)" % (args.count, rowsSeen, work))
    for k, v in sorted(worst.items()):
        print("  %-40s %.6g" % (k, v))
    for f in faults[:30]:
        print("FAULT", f)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
