#!/usr/bin/env python3
"""Generate the bundled VEK example network ("Val-de-Brenne").

Writes, relative to the examples/ folder:
    utf8/noeuds.dat, utf8/arcs.dat       (UTF-8, no BOM)
    cp1252/noeuds.dat, cp1252/arcs.dat   (same text, Windows-1252)

Everything is fictional and fully deterministic (no randomness): running
the script twice gives byte-identical files.  Standard library only.

Usage:  python3 examples/tools/make_example.py
"""

import math
import os
import struct
import sys
from collections import Counter

HERE = os.path.dirname(os.path.abspath(__file__))
EXAMPLES = os.path.dirname(HERE)
EOL = "\r\n"

# --------------------------------------------------------------------------
# Nodes: name, population, X (km), Y (km), parameter
# The coast is on the west side; the Brenne flows from the east to the sea
# at Noël-sur-Mer.  L'Île-d'Aval is an island reached only by ferry.
# --------------------------------------------------------------------------
NODES = [
    ("Brenne-la-Ville",           148200, 100.250, 102.400, 0.0),
    ("Angoulême",                  61350,  62.800,  88.150, 0.0),
    ("Saint-Étienne-du-Bois",      23400, 128.300, 118.700, 0.0),
    ("Châteaubrun",                38900, 152.600, 134.200, 0.0),
    ("Lès-Forges",                 12700, 118.400,  64.300, 0.0),
    ("Noël-sur-Mer",               18650,  14.200,  96.500, 0.0),
    ("L'Île-d'Aval",                1450,   3.150,  78.800, 0.5),
    ("Vaux-la-Rivière",             6420,  82.350,  95.600, 0.0),
    ("Fontenay-sur-Brenne",         4870,  38.900,  99.250, 0.0),
    ("Saint-Géraud-des-Prés",       2310,  47.600, 121.800, 0.0),
    ("Bellecôte",                    980,  28.450, 140.300, 0.0),
    ("La Forêt-Haute",               640,  71.200, 156.900, 0.0),
    ("Écouzac",                     3560,  92.700, 134.500, 0.0),
    ("Mâcherolles",                 1870, 112.900, 150.800, 12.25),
    ("Hérinval",                    7240, 140.300,  92.100, 0.0),
    ("Cœur-de-Brenne",              9830, 115.600, 108.900, 0.0),
    ("Sainte-Thérèse-des-Vignes",   2780, 168.900, 108.400, 0.0),
    ("Pré-Saint-Jôme",               415, 186.200, 128.700, 0.0),
    ("Aubépine",                    1260, 178.500, 160.300, 0.0),
    ("Rochefière",                 15300, 134.700, 176.200, 0.0),
    ("Les Éparges-Basses",           730, 160.800, 188.500, 0.0),
    ("Villeneuve-du-Pâtis",         5190, 104.800, 182.600, 0.0),
    ("Château-Guérin",             11450,  76.300, 186.900, 0.0),
    ("Moulin-Brûlé",                 350,  55.700, 171.400, 0.0),
    ("Port-Maïeul",                 8960,  10.800, 124.700, 0.0),
    ("Bois-Français",               2040,  22.600,  62.400, 0.0),
    ("Grand-Fresnoy",               4350,  44.300,  68.900, 0.0),
    ("La Croix-Hélène",             1580,  54.100,  44.600, 0.0),
    ("Ormeaux-sur-Brenne",          3120, 150.500, 112.300, 0.0),
    ("Beaulac",                     6780,  80.400,  58.200, 0.0),
    ("Trois-Fontaines",             2650,  98.600,  36.900, 0.0),
    ("Mont-Éloi",                   5940, 140.900, 158.300, 0.0),
    ("Val-d'Argençon",              1940, 132.800,  40.100, 0.0),
    ("Prieuré-des-Chênes",           270, 155.400,  62.700, 3.125),
    ("Saint-Benoît-la-Lande",       3870, 172.300,  82.600, 0.0),
    ("Les Bruyères",                1120, 191.400,  96.300, 0.0),
    ("Clairval",                    4460,  66.900, 118.300, 0.0),
    ("Hautefage",                    820, 120.200,  16.800, 0.0),
    ("Vieux-Marché",                7630,  76.500,  22.100, 0.0),
    ("Sablonnière",                  560,  38.200,  30.400, 0.0),
    ("Gué-de-l'Aune",               2190,  30.700,  84.900, 0.0),
    ("Saint-Loïc",                  1730,  84.600,  78.300, 0.0),
    ("Pierrelée",                    240, 196.800, 182.400, 0.0),
    ("Bréval-les-Écluses",          9410,  52.300, 104.600, 0.0),
]

CODE_BASE = 1601000000          # region prefix 16-01, then a serial number

# The codes of the towns that the bundled zooms replace: Angoulême is the node of the
# nodal zoom "Angoulême 8"; three eastern towns belong to the zone of the multinodal zoom
# "Département" (codes 3700, 3706 and 3755 of its list).
ZOOM_CODES = {"Angoulême": 5486298, "Hérinval": 3700, "Ormeaux-sur-Brenne": 3706,
              "Sainte-Thérèse-des-Vignes": 3755}

# The nodal zoom of Angoulême: its districts, with the codes the inverse zoom gathers again.
ANGOULEME_ZOOM = [
    ("Angoulême-Gare",     5486000, 14350, 62.300, 87.600),
    ("Angoulême-Centre",   5486001, 21800, 62.900, 88.400),
    ("Angoulême-Nord",     5486002,  9600, 63.100, 90.200),
    ("Angoulême-Sud",      5486003,  8400, 62.600, 86.100),
    ("Angoulême-Ouest",    5486005,  7200, 60.900, 88.300),
]
# The multinodal zoom: each town of the zone as a centre and an outskirt.
DEPARTEMENT_ZOOM = {
    "Hérinval": [("Hérinval-Centre", 370001, 5240, 0.0, 0.0), ("Hérinval-Zone", 370002, 2000, 1.6, -1.2)],
    "Ormeaux-sur-Brenne": [("Ormeaux-Centre", 370601, 2120, 0.0, 0.0), ("Ormeaux-Gare", 370602, 1000, -1.1, 0.9)],
    "Sainte-Thérèse-des-Vignes": [("Sainte-Thérèse-Bourg", 375501, 2080, 0.0, 0.0),
                                  ("Sainte-Thérèse-Vignes", 375502, 700, 1.3, 1.0)],
}

ISLAND = "L'Île-d'Aval"
FERRY_LINKS = [("Noël-sur-Mer", ISLAND), ("Bois-Français", ISLAND)]

# Mode speeds (km/h) used to derive the travel time of road arcs.
SPEED = {6: 110, 61: 90, 7: 70, 71: 60, 72: 50, 74: 35, 2: 37, 3: 220, 41: 75}

# Ratio between road length and straight-line distance, by road class.
DETOUR = {6: 1.08, 61: 1.12, 7: 1.18, 71: 1.22, 72: 1.27, 74: 1.33, 2: 1.05}
RAIL_DETOUR = 1.10

# Motorway and expressway corridors (laid along the road graph).
MOTORWAY_ROUTES = [("Angoulême", "Brenne-la-Ville"),
                   ("Brenne-la-Ville", "Châteaubrun")]
EXPRESSWAY_ROUTES = [("Noël-sur-Mer", "Angoulême"),
                     ("Brenne-la-Ville", "Lès-Forges"),
                     ("Châteaubrun", "Rochefière")]

# Hourly capacities by road class (vehicles/hour); 0 = not given.
CAPACITY = {6: 4400, 61: 3000, 7: 1800, 2: 120}

# --------------------------------------------------------------------------
# Rail lines: mode, stations, running time of each leg (minutes, in the
# order of the station list), dwell time (minutes), and the trips.
# A trip is (train number, departure from first station hhmm, days code);
# "fwd" trips run along the station list, "back" trips the other way.
# Days code: bit 1 = Monday ... bit 64 = Sunday (31 = Mon-Fri, 96 = Sat-Sun,
# 127 = every day).
# --------------------------------------------------------------------------
RAIL_LINES = [
    {
        "name": "Ligne grande vitesse Angoulême - Châteaubrun",
        "mode": 3,
        "stations": ["Angoulême", "Brenne-la-Ville",
                     "Saint-Étienne-du-Bois", "Châteaubrun"],
        "run": [16, 14, 13],
        "dwell": 3,
        "fwd": [(101, 612, 31), (103, 840, 127), (105, 1335, 127),
                (107, 1805, 31)],
        "back": [(102, 655, 31), (104, 1120, 127), (106, 1610, 127),
                 (108, 2030, 127)],
    },
    {
        "name": "Autorail de la vallée Noël-sur-Mer - Brenne-la-Ville",
        "mode": 41,
        "stations": ["Noël-sur-Mer", "Fontenay-sur-Brenne",
                     "Bréval-les-Écluses", "Angoulême", "Vaux-la-Rivière",
                     "Brenne-la-Ville"],
        "run": [25, 14, 19, 21, 22],
        "dwell": 2,
        # 307 is the late train: it leaves Vaux-la-Rivière at 23:50 and
        # reaches Brenne-la-Ville at 00:12.
        "fwd": [(301, 545, 31), (303, 720, 127), (305, 1710, 127),
                (307, 2223, 127)],
        "back": [(302, 610, 31), (304, 815, 127), (306, 1230, 96),
                 (308, 1905, 127)],
    },
    {
        "name": "Autorail du nord Brenne-la-Ville - Rochefière",
        "mode": 41,
        "stations": ["Brenne-la-Ville", "Écouzac", "Mâcherolles",
                     "Rochefière"],
        "run": [33, 26, 33],
        "dwell": 2,
        "fwd": [(501, 630, 31), (503, 1215, 127), (505, 1740, 127)],
        "back": [(502, 725, 31), (504, 1400, 127), (506, 1915, 127)],
    },
]


# --------------------------------------------------------------------------
# Helpers
# --------------------------------------------------------------------------
def f32(x):
    """Round a Python float to the nearest 32-bit float."""
    return struct.unpack("f", struct.pack("f", x))[0]


def minutes_to_hhmm(t):
    """Minutes -> hhmm as a real number (75.3 -> 115.3)."""
    h = math.floor(t / 60.0)
    return 100.0 * h + (t - 60.0 * h)


def round_half_away(x):
    return int(math.floor(abs(x) + 0.5)) * (1 if x >= 0 else -1)


def road_minutes(distance, mode):
    """Travel time in minutes, evaluated in single precision."""
    d = f32(distance)
    return f32(f32(d * 60.0) / f32(SPEED[mode]))


def road_time_is_unambiguous(distance, mode):
    """Keep clear of rounding ties and hour boundaries, so the time field
    does not depend on the precision used to evaluate it."""
    t = road_minutes(distance, mode)
    hhmm = minutes_to_hhmm(t)
    frac = hhmm - math.floor(hhmm)
    q = t / 60.0
    return abs(frac - 0.5) > 0.01 and abs(q - round(q)) > 0.001


def hhmm_to_min(h):
    return (h // 100) * 60 + h % 100


def min_to_hhmm(m):
    m %= 1440
    return (m // 60) * 100 + m % 60


def euclid(a, b):
    return math.hypot(a[2] - b[2], a[3] - b[3])


def pick_distance(raw, mode):
    """Round to 3 decimals, nudging by a few metres if the time would sit
    on a rounding tie."""
    d = round(raw, 3)
    while not road_time_is_unambiguous(float("%.3f" % d), mode):
        d = round(d + 0.007, 3)
    return float("%.3f" % d)


def padded_name(name):
    assert len(name) <= 50, name
    return name.ljust(50)


# --------------------------------------------------------------------------
# Build the network
# --------------------------------------------------------------------------
def build():
    by_name = {n[0]: n for n in NODES}
    assert len(by_name) == len(NODES), "duplicate node name"
    code = {n[0]: CODE_BASE + i + 1 for i, n in enumerate(NODES)}
    # Towns detailed by the zooms carry the codes the zoom tables replace.
    code.update(ZOOM_CODES)

    # Road graph on the mainland: Gabriel graph (a and b are linked when no
    # other town lies inside the circle whose diameter is [a, b]).  It is
    # planar, connected and looks like a plausible road mesh.
    main = [n for n in NODES if n[0] != ISLAND]
    links = []
    for i in range(len(main)):
        for j in range(i + 1, len(main)):
            a, b = main[i], main[j]
            mx, my = (a[2] + b[2]) / 2.0, (a[3] + b[3]) / 2.0
            r2 = ((a[2] - b[2]) ** 2 + (a[3] - b[3]) ** 2) / 4.0
            ok = True
            for c in main:
                if c is a or c is b:
                    continue
                if (c[2] - mx) ** 2 + (c[3] - my) ** 2 < r2:
                    ok = False
                    break
            if ok:
                links.append((a[0], b[0]))

    # Shortest paths to lay the motorway and expressway corridors.
    adj = {n[0]: [] for n in main}
    for a, b in links:
        w = euclid(by_name[a], by_name[b])
        adj[a].append((b, w))
        adj[b].append((a, w))

    def path(src, dst):
        dist = {src: 0.0}
        prev = {}
        todo = set(adj)
        while todo:
            u = min(todo, key=lambda k: dist.get(k, float("inf")))
            todo.remove(u)
            if u == dst:
                break
            for v, w in adj[u]:
                nd = dist[u] + w
                if nd < dist.get(v, float("inf")):
                    dist[v] = nd
                    prev[v] = u
        out = [dst]
        while out[-1] != src:
            out.append(prev[out[-1]])
        return list(reversed(out))

    mode_of = {}
    for routes, m in ((MOTORWAY_ROUTES, 6), (EXPRESSWAY_ROUTES, 61)):
        for s, t in routes:
            p = path(s, t)
            for u, v in zip(p, p[1:]):
                mode_of.setdefault(frozenset((u, v)), m)

    road = []
    for a, b in links:
        m = mode_of.get(frozenset((a, b)))
        if m is None:
            small = min(by_name[a][1], by_name[b][1])
            if small >= 6000:
                m = 7
            elif small >= 2000:
                m = 71
            elif small >= 800:
                m = 72
            else:
                m = 74
        road.append((a, b, m))
    for a, b in FERRY_LINKS:
        road.append((a, b, 2))

    arcs = []
    for a, b, m in road:
        na, nb = by_name[a], by_name[b]
        dist = pick_distance(euclid(na, nb) * DETOUR[m], m)
        t = road_minutes(dist, m)
        temps = round_half_away(minutes_to_hhmm(t))
        # Daily flow for the main roads, the secondary roads and the ferry.
        debit = 0
        if m in (6, 61, 71, 2):
            debit = int(round(12.0 * math.sqrt(na[1] * nb[1]) / max(dist, 5.0)))
            debit = min(debit, 999999)
        capa = CAPACITY.get(m, 0)
        arcs.append(dict(o=a, d=b, mode=m, dist=dist, temps=temps,
                         dep=0, arr=0, days=0, debit=debit, capa=capa))

    # Rail arcs, one per leg of each trip.
    for line in RAIL_LINES:
        st = line["stations"]
        assert len(line["run"]) == len(st) - 1
        legs = list(zip(st, st[1:], line["run"]))
        back_legs = [(b, a, r) for a, b, r in reversed(legs)]
        for trips, lg in ((line["fwd"], legs), (line["back"], back_legs)):
            for num, start, days in trips:
                m = hhmm_to_min(start)
                for k, (a, b, run) in enumerate(lg):
                    if k:
                        m += line["dwell"]
                    dep, arr = min_to_hhmm(m), min_to_hhmm(m + run)
                    m += run
                    dist = round(euclid(by_name[a], by_name[b]) * RAIL_DETOUR, 3)
                    span = hhmm_to_min(arr) - hhmm_to_min(dep)
                    if arr <= dep:
                        span += 1440
                    arcs.append(dict(o=a, d=b, mode=line["mode"], dist=dist,
                                     temps=min_to_hhmm(span) if span < 1440 else None,
                                     dep=dep, arr=arr, days=days, debit=num,
                                     capa=0))
    return code, arcs


def node_line(n, code):
    name, pop, x, y, par = n
    assert 200 <= pop <= 150000
    assert 0 <= x <= 200 and 0 <= y <= 200
    return "%s %010d %08d %08.3f %08.3f %010.5f" % (
        padded_name(name), code[name], pop, x, y, par)


def arc_line(a, code):
    assert a["temps"] is not None and 0 <= a["temps"] <= 9999
    assert 0 < a["dist"] < 10000
    assert 0 <= a["days"] <= 32767
    return "%010d %010d %04d %08.3f %04d %04d %04d %07d %06d %06d %s %s" % (
        code[a["o"]], code[a["d"]], a["mode"], a["dist"], a["temps"],
        a["dep"], a["arr"], a["days"], a["debit"], a["capa"],
        padded_name(a["o"])[:10], padded_name(a["d"])[:10])


# --------------------------------------------------------------------------
# Checks
# --------------------------------------------------------------------------
def check(code, arcs, node_text, arc_text):
    nodes = node_text.split(EOL)
    assert nodes[-1] == "" and len(nodes) - 1 == len(NODES)
    for ln in nodes[:-1]:
        assert len(ln) == 99, (len(ln), ln)
        assert ln[50] == " " and ln[61] == " " and ln[70] == " "
        assert ln[79] == " " and ln[88] == " "
    codes = [int(ln[51:61]) for ln in nodes[:-1]]
    assert len(set(codes)) == len(codes) and min(codes) > 0

    lines = arc_text.split(EOL)
    assert lines[-1] == "" and len(lines) - 1 == len(arcs)
    seen = set()
    for ln in lines[:-1]:
        assert len(ln) == 94, (len(ln), ln)
        o, d, m = int(ln[0:10]), int(ln[11:21]), int(ln[22:26])
        dist, temps = float(ln[27:35]), int(ln[36:40])
        dep, arr = int(ln[41:45]), int(ln[46:50])
        assert o in codes and d in codes and o != d and dist > 0
        seen.update((o, d))
        if m in (3, 41):
            span = hhmm_to_min(arr) - hhmm_to_min(dep)
            if arr <= dep:
                span += 1440
            assert temps == min_to_hhmm(span)
        else:
            # Recompute the stored time from the stored distance.
            t = road_minutes(dist, m)
            assert temps == round_half_away(minutes_to_hhmm(t)), ln
            assert road_time_is_unambiguous(dist, m), ln
    assert seen == set(codes), "isolated node"

    # Connectivity of the road network (ferry included).
    adj = {c: set() for c in codes}
    for a in arcs:
        if a["mode"] not in (3, 41):
            adj[code[a["o"]]].add(code[a["d"]])
            adj[code[a["d"]]].add(code[a["o"]])
    stack, reach = [codes[0]], {codes[0]}
    while stack:
        for v in adj[stack.pop()]:
            if v not in reach:
                reach.add(v)
                stack.append(v)
    assert reach == set(codes), "road network not connected"

    # Trips chain in time: each leg leaves after the previous one arrives.
    by_train = {}
    for a in arcs:
        if a["mode"] in (3, 41):
            by_train.setdefault(a["debit"], []).append(a)
    for legs in by_train.values():
        for p, q in zip(legs, legs[1:]):
            assert p["d"] == q["o"]
            gap = (hhmm_to_min(q["dep"]) - hhmm_to_min(p["arr"])) % 1440
            assert 0 <= gap < 60


def write_zoom(path, text):
    full = os.path.join(EXAMPLES, "zooms", *path.split("/"))
    os.makedirs(os.path.dirname(full), exist_ok=True)
    with open(full, "wb") as fh:
        fh.write(text.encode("utf-8"))


def build_zooms(code, arcs):
    """The zoom files of the example, laid out as the level n-1 directories expect them."""
    by_name = {n[0]: n for n in NODES}
    zcode = dict(code)

    # Nodal zoom of Angoulême: its districts; the arcs that reached the town now reach the
    # district nearest to their other end (the trains the station), and streets between
    # the districts.
    ang = [(name, pop, x, y, 0.0) for name, c, pop, x, y in ANGOULEME_ZOOM]
    for name, c, pop, x, y in ANGOULEME_ZOOM:
        zcode[name] = c
    assert sum(n[1] for n in ang) == by_name["Angoulême"][1]

    def nearest(other):
        o = by_name[other]
        return min(ANGOULEME_ZOOM, key=lambda z: (z[3] - o[2]) ** 2 + (z[4] - o[3]) ** 2)[0]

    touching = [a for a in arcs if "Angoulême" in (a["o"], a["d"])]
    zoom_arcs = []
    for a in touching:
        b = dict(a)
        other = a["d"] if a["o"] == "Angoulême" else a["o"]
        inside = "Angoulême-Gare" if a["mode"] in (3, 41) else nearest(other)
        if b["o"] == "Angoulême":
            b["o"] = inside
        if b["d"] == "Angoulême":
            b["d"] = inside
        zoom_arcs.append(b)
    streets = [("Angoulême-Gare", "Angoulême-Centre", 74), ("Angoulême-Centre", "Angoulême-Nord", 74),
               ("Angoulême-Centre", "Angoulême-Sud", 74), ("Angoulême-Centre", "Angoulême-Ouest", 74),
               ("Angoulême-Gare", "Angoulême-Sud", 74), ("Angoulême-Nord", "Angoulême-Ouest", 72)]
    pos = {z[0]: (z[3], z[4]) for z in ANGOULEME_ZOOM}
    for o, d, mode in streets:
        dist = pick_distance(1.3 * math.hypot(pos[o][0] - pos[d][0], pos[o][1] - pos[d][1]), mode)
        temps = round_half_away(minutes_to_hhmm(road_minutes(dist, mode)))
        zoom_arcs.append(dict(o=o, d=d, mode=mode, dist=dist, temps=temps,
                              dep=0, arr=0, days=0, debit=0, capa=0))
    write_zoom("noeuds/niv.n-1/angou8/n008an.dat", "".join(node_line(n, zcode) + EOL for n in ang))
    write_zoom("arcs/niv.n-1/angou8/an008rte.dat", "".join(arc_line(a, zcode) + EOL for a in zoom_arcs))

    # Inverse zoom: the districts gathered again into the town, with its arcs of level n.
    write_zoom("noeuds/niv.n-1/angou8zi/n01anzi.dat", node_line(by_name["Angoulême"], code) + EOL)
    write_zoom("arcs/niv.n-1/angou8zi/a01anzi.dat", "".join(arc_line(a, code) + EOL for a in touching))

    # Multinodal zoom "Département": the three towns of the zone, each as two nodes.
    dep_nodes, rename = [], {}
    for town, parts in DEPARTEMENT_ZOOM.items():
        t = by_name[town]
        assert sum(p[2] for p in parts) == t[1]
        for name, c, pop, dx, dy in parts:
            zcode[name] = c
            dep_nodes.append((name, pop, round(t[2] + dx, 3), round(t[3] + dy, 3), 0.0))
        rename[town] = parts[0][0]
    dep_arcs = []
    for a in arcs:
        if a["o"] in rename or a["d"] in rename:
            b = dict(a)
            b["o"] = rename.get(a["o"], a["o"])
            b["d"] = rename.get(a["d"], a["d"])
            dep_arcs.append(b)
    for town, parts in DEPARTEMENT_ZOOM.items():
        dist = pick_distance(1.3 * math.hypot(parts[1][3], parts[1][4]), 72)
        temps = round_half_away(minutes_to_hhmm(road_minutes(dist, 72)))
        dep_arcs.append(dict(o=parts[0][0], d=parts[1][0], mode=72, dist=dist,
                             temps=temps, dep=0, arr=0, days=0, debit=0, capa=0))
    write_zoom("noeuds/niv.n-1/il311zm/n311zmil.dat", "".join(node_line(n, zcode) + EOL for n in dep_nodes))
    write_zoom("arcs/niv.n-1/il311zm/a311rte1.dat", "".join(arc_line(a, zcode) + EOL for a in dep_arcs))
    print("Zooms: Angoulême %d nodes %d arcs; inverse %d arcs; Département %d nodes %d arcs" % (
        len(ang), len(zoom_arcs), len(touching), len(dep_nodes), len(dep_arcs)))


def main():
    code, arcs = build()
    node_text = "".join(node_line(n, code) + EOL for n in NODES)
    arc_text = "".join(arc_line(a, code) + EOL for a in arcs)
    check(code, arcs, node_text, arc_text)
    build_zooms(code, arcs)

    for enc, folder in (("utf-8", "utf8"), ("cp1252", "cp1252")):
        out = os.path.join(EXAMPLES, folder)
        os.makedirs(out, exist_ok=True)
        for fname, text in (("noeuds.dat", node_text), ("arcs.dat", arc_text)):
            data = text.encode(enc)          # strict: fails on any gap
            assert data.decode(enc) == text
            assert not data.startswith(b"\xef\xbb\xbf")
            with open(os.path.join(out, fname), "wb") as fh:
                fh.write(data)

    # Read back and compare both encodings.
    for fname in ("noeuds.dat", "arcs.dat"):
        with open(os.path.join(EXAMPLES, "utf8", fname), "rb") as fh:
            u = fh.read().decode("utf-8")
        with open(os.path.join(EXAMPLES, "cp1252", fname), "rb") as fh:
            w = fh.read().decode("cp1252")
        assert u == w

    # Summary.
    print("Nodes: %d (population %d)" % (len(NODES), sum(n[1] for n in NODES)))
    print("Arcs:  %d" % len(arcs))
    count = Counter(a["mode"] for a in arcs)
    for m in sorted(count):
        print("  mode %3d: %3d arcs" % (m, count[m]))
    road = [a for a in arcs if a["mode"] not in (3, 41)]
    print("Road arcs with a flow: %d, with a capacity: %d, with both: %d" % (
        sum(1 for a in road if a["debit"]),
        sum(1 for a in road if a["capa"]),
        sum(1 for a in road if a["debit"] and a["capa"])))
    trains = sorted(set(a["debit"] for a in arcs if a["mode"] in (3, 41)))
    print("Trains: %d (%s)" % (len(trains), " ".join(str(t) for t in trains)))
    for a in arcs:
        if a["mode"] in (3, 41) and a["arr"] <= a["dep"]:
            print("After midnight: train %d %s (%d) %04d -> %s (%d) %04d" % (
                a["debit"], a["o"], code[a["o"]], a["dep"], a["d"],
                code[a["d"]], a["arr"]))
    return 0


if __name__ == "__main__":
    sys.exit(main())
