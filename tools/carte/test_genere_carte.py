"""Checks of the department map: markers over their departments, the fit's residuals, the insets
inside the picture, and a regeneration that gives the committed SVG byte for byte."""

import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import genere_carte as g  # noqa: E402


class Carte_Departements(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.carte = g.Carte()

    def test_chaque_marqueur_sur_son_departement(self):
        polygones = self.carte.polygones_des_marqueurs()
        self.assertEqual(len(polygones), 96)
        dehors = [c for c, p in self.carte.marqueurs.items() if not g.dans_departement(p, polygones[c])]
        self.assertEqual(dehors, [])

    def test_residus_du_continent(self):
        r = list(self.carte.residus.values())
        self.assertEqual(len(r), 90)
        self.assertLess(sum(r) / len(r), 3.5)
        self.assertLess(max(r), 10.0)

    def test_encarts_dans_l_image(self):
        # The insets lie wholly inside; of the mainland, only Ouessant may touch the left edge.
        for departements, marge in ((self.carte.paris, 0), (self.carte.corse, 0), (self.carte.continent, 2)):
            for anneaux in departements.values():
                for x, y in (p for a in anneaux for p in a):
                    self.assertTrue(-marge <= x <= g.LARGEUR + marge and -marge <= y <= g.HAUTEUR + marge, (x, y))
        self.assertGreater(self.carte.echelle_paris, 4.0)
        xs = [p[0] for v in self.carte.paris.values() for a in v for p in a]
        ys = [p[1] for v in self.carte.paris.values() for a in v for p in a]
        self.assertLess(max(xs), 100)
        self.assertLess(max(ys), 100)

    def test_regeneration_identique(self):
        with tempfile.TemporaryDirectory() as d:
            chemin = os.path.join(d, "carte.svg")
            g.ecrit(self.carte, svg=chemin, png=None)
            with open(chemin, "rb") as neuf, open(g.SORTIE_SVG, "rb") as livre:
                self.assertEqual(neuf.read(), livre.read())

    def test_lecture_des_chemins(self):
        anneaux = g.lit_chemin_svg("m 10,10 5,0 0,5 0,0 z m 20,0 1,0 0,1 z M 0,0 L 2,0 2,2 z")
        self.assertEqual(anneaux, [[(10, 10), (15, 10), (15, 15)], [(30, 10), (31, 10), (31, 11)],
                                   [(0, 0), (2, 0), (2, 2)]])

    def test_centroide_avec_trou_et_ile(self):
        carre = [(0, 0), (10, 0), (10, 10), (0, 10)]
        trou = [(6, 6), (9, 6), (9, 9), (6, 9)]
        ile = [(20, 0), (22, 0), (22, 2), (20, 2)]
        cx, cy = g.centroide([carre, trou])
        self.assertAlmostEqual(cx, (100 * 5 - 9 * 7.5) / 91)
        self.assertAlmostEqual(cy, cx)
        self.assertFalse(g.dans_departement((7, 7), [carre, trou]))
        self.assertTrue(g.dans_departement((21, 1), [carre, trou, ile]))


if __name__ == "__main__":
    unittest.main()
