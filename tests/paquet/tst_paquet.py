#!/usr/bin/env python3
"""The Debian package as a user receives it: built by CPack from this build tree, its files,
their modes, its control fields, the desktop entry and AppStream data, lintian, and the
program started from the unpacked tree, finding its map and markers there.

Usage: tst_paquet.py <build folder> <version>
"""
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import unittest

CONSTRUCTION = sys.argv[1]
VERSION = sys.argv[2]
SOURCES = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
ICONES = [f"usr/share/icons/hicolor/{t}x{t}/apps/fr.orbel.swl.png"
          for t in (16, 24, 32, 48, 64, 128, 256)]
FICHIERS = {
    "usr/bin/orbel_swl": "-rwxr-xr-x",
    "usr/lib/orbel-swl/orbel_swl_web.so": "-rw-r--r--",
    "usr/lib/orbel-swl/orbel_swl_son.so": "-rw-r--r--",
    "usr/share/orbel-swl/sons/nouveau_departement.wav": "-rw-r--r--",
    "usr/share/orbel-swl/sons/nouveau_pays.wav": "-rw-r--r--",
    "usr/share/orbel-swl/carte_departements.png": "-rw-r--r--",
    "usr/share/orbel-swl/marqueurs_departements.csv": "-rw-r--r--",
    "usr/share/applications/fr.orbel.swl.desktop": "-rw-r--r--",
    "usr/share/metainfo/fr.orbel.swl.metainfo.xml": "-rw-r--r--",
    "usr/share/icons/hicolor/scalable/apps/fr.orbel.swl.svg": "-rw-r--r--",
    "usr/share/man/man1/orbel_swl.1.gz": "-rw-r--r--",
    "usr/share/doc/orbel-swl/copyright": "-rw-r--r--",
    "usr/share/doc/orbel-swl/changelog.gz": "-rw-r--r--",
    "usr/share/doc/orbel-swl/guide.md": "-rw-r--r--",
    **{icone: "-rw-r--r--" for icone in ICONES},
}


def lance(*commande, **options):
    return subprocess.run(commande, capture_output=True, text=True, **options)


class Paquet(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.temp = tempfile.mkdtemp(prefix="paquet_")
        r = lance("cpack", "-G", "DEB", "--config",
                  os.path.join(CONSTRUCTION, "CPackConfig.cmake"), "-B", cls.temp)
        if r.returncode != 0:
            raise AssertionError("cpack a échoué :\n" + r.stdout + r.stderr)
        cls.deb = os.path.join(cls.temp, f"orbel-swl_{VERSION}_amd64.deb")
        cls.arbre = os.path.join(cls.temp, "arbre")
        subprocess.run(["dpkg-deb", "-x", cls.deb, cls.arbre], check=True)

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.temp, ignore_errors=True)

    def test_contenu(self):
        lignes = lance("dpkg-deb", "-c", self.deb).stdout.splitlines()
        fichiers = {}
        for ligne in lignes:
            mode, proprietaire, _taille, _jour, _heure, chemin = ligne.split(None, 5)
            self.assertEqual(proprietaire, "root/root", ligne)
            chemin = chemin.removeprefix("./")
            self.assertTrue(chemin.startswith("usr/"), ligne)
            self.assertNotRegex(chemin, r"^(usr/local|home)(/|$)")
            if mode.startswith("d"):
                self.assertEqual(mode, "drwxr-xr-x", ligne)
            else:
                fichiers[chemin] = mode
        self.assertEqual(fichiers, FICHIERS)

    def test_champs(self):
        champs = {}
        for nom in ("Package", "Version", "Section", "Architecture", "Depends", "Maintainer"):
            champs[nom] = lance("dpkg-deb", "-f", self.deb, nom).stdout.strip()
        self.assertEqual(champs["Package"], "orbel-swl")
        self.assertEqual(champs["Version"], VERSION)
        self.assertEqual(champs["Section"], "hamradio")
        self.assertEqual(champs["Architecture"], "amd64")
        dependances = {re.sub(r"\s*\(.*\)", "", d.strip())
                       for d in champs["Depends"].split(",")}
        # From the libraries the program links, and what it needs that no link shows.
        for d in ("libqt6widgets6", "libqt6webenginewidgets6", "libqt6printsupport6", "libqt6multimedia6",
                  "qt6-qpa-plugins", "qt6-translations-l10n", "fonts-liberation",
                  "libhamlib-utils", "hamradio-files", "libqt6charts6"):
            self.assertIn(d, dependances)
        self.assertTrue(champs["Maintainer"])

    def test_entree_de_bureau_et_appstream(self):
        bureau = os.path.join(self.arbre, "usr/share/applications/fr.orbel.swl.desktop")
        r = lance("desktop-file-validate", bureau)
        self.assertEqual((r.returncode, r.stdout + r.stderr), (0, ""))
        with open(bureau, encoding="utf-8") as f:
            texte = f.read().splitlines()
        for ligne in ("Name[fr]=ORBEL_SWL — carnet d'écoute SWL", "Exec=orbel_swl",
                      "Icon=fr.orbel.swl", "Categories=HamRadio;Network;"):
            self.assertIn(ligne, texte)
        self.assertTrue(any(l.startswith("Comment[fr]=") for l in texte))
        self.assertTrue(any(l.startswith("Keywords[fr]=") for l in texte))
        meta = os.path.join(self.arbre, "usr/share/metainfo/fr.orbel.swl.metainfo.xml")
        r = lance("appstreamcli", "validate", "--no-net", meta)
        self.assertEqual(r.returncode, 0, r.stdout + r.stderr)
        with open(meta, encoding="utf-8") as f:
            self.assertIn(f'<release version="{VERSION}"', f.read())

    def test_lintian_sans_erreur(self):
        r = lance("lintian", "--no-tag-display-limit", self.deb)
        erreurs = [l for l in r.stdout.splitlines() if l.startswith("E:")]
        self.assertEqual(erreurs, [])

    def test_page_de_manuel(self):
        page = os.path.join(self.arbre, "usr/share/man/man1/orbel_swl.1.gz")
        r = lance("man", "--warnings", "-E", "UTF-8", "-l", page,
                  env={**os.environ, "MANWIDTH": "80", "LC_ALL": "C.UTF-8"})
        self.assertEqual(r.returncode, 0, r.stderr)
        self.assertEqual(r.stderr.strip(), "")
        for titre in ("NOM", "SYNOPSIS", "DESCRIPTION", "OPTIONS", "FICHIERS",
                      "RÉGLAGES SANS FENÊTRE", "ENVIRONNEMENT"):
            self.assertRegex(r.stdout, rf"(?m)^{titre}$")
        self.assertIn("carnet d'écoute", r.stdout)
        # Every menu and item of the menu bar is named, as the program shows it: a window that
        # lands without its line in the manual page fails here.
        with open(os.path.join(SOURCES, "src/main/main_menus.cpp"), encoding="utf-8") as f:
            source = f.read()
        titres = re.findall(r'(?:menu|article)\((?:\w+, )?u"Mnu_\w+"_s, u"([^"]+)"_s\)', source)
        titres += re.findall(r'barre->addAction\(u"([^"]+)"_s\)', source)
        self.assertGreaterEqual(len(titres), 25)
        page = " ".join(r.stdout.split())
        absents = [t for t in titres if t not in page]
        self.assertEqual(absents, [])

    def test_options_du_programme_installe(self):
        programme = os.path.join(self.arbre, "usr/bin/orbel_swl")
        r = lance(programme, "--version", env=self.environnement())
        self.assertEqual((r.returncode, r.stdout, r.stderr), (0, f"ORBEL_SWL {VERSION}\n", ""))
        r = lance(programme, "--help", env=self.environnement())
        self.assertEqual(r.returncode, 0)
        self.assertTrue(r.stdout.startswith("Utilisation\u00a0: orbel_swl [options]\n"))
        r = lance(programme, "--aide", env=self.environnement())
        self.assertEqual(r.returncode, 2)
        self.assertIn("option inconnue «\u00a0--aide\u00a0»", r.stderr)

    def test_moteur_web_charge_a_la_demande(self):
        # The program starts without the web engine, Qt Quick or QML; its web module has them.
        def bibliotheques(chemin):
            return lance("ldd", os.path.join(self.arbre, chemin)).stdout
        programme = bibliotheques("usr/bin/orbel_swl")
        self.assertIn("libQt6Widgets", programme)
        for nom in ("WebEngine", "Quick", "Qml", "Multimedia"):
            self.assertNotIn(nom, programme)
        self.assertIn("libQt6WebEngineWidgets", bibliotheques("usr/lib/orbel-swl/orbel_swl_web.so"))
        self.assertIn("libQt6Multimedia", bibliotheques("usr/lib/orbel-swl/orbel_swl_son.so"))

    def test_demarre_et_trouve_ses_fichiers(self):
        # Unpacked as apt would: the map and markers come from usr/share/orbel-swl.
        self.assertNotIn("orbel_swl :", self.demarre(self.arbre))

    def test_fichier_manquant_nomme(self):
        arbre = os.path.join(self.temp, "arbre_sans_carte")
        shutil.copytree(self.arbre, arbre, symlinks=True)
        os.remove(os.path.join(arbre, "usr/share/orbel-swl/carte_departements.png"))
        erreurs = self.demarre(arbre)
        self.assertIn("orbel_swl\u00a0: Le fichier «\u00a0carte_departements.png\u00a0» est introuvable.", erreurs)
        self.assertIn(os.path.join(arbre, "usr/share/orbel-swl"), erreurs)
        self.assertNotIn("marqueurs_departements.csv", erreurs)

    def environnement(self, maison=None):
        env = {k: v for k, v in os.environ.items() if not k.startswith("XDG_")}
        env.update({"QT_QPA_PLATFORM": "offscreen", "LANG": "C.UTF-8", "LC_ALL": "C.UTF-8"})
        if maison:
            env.update({"HOME": maison, "XDG_DATA_HOME": os.path.join(maison, "donnees"),
                        "XDG_CONFIG_HOME": os.path.join(maison, "config")})
        return env

    def demarre(self, arbre):
        """Starts the unpacked program with a throw-away home, waits until it has made its
        folder (it then waits for the new user's callsign), and returns its error output."""
        maison = tempfile.mkdtemp(dir=self.temp, prefix="maison_")
        p = subprocess.Popen([os.path.join(arbre, "usr/bin/orbel_swl")],
                             env=self.environnement(maison), stdout=subprocess.DEVNULL,
                             stderr=subprocess.PIPE, text=True)
        modele = os.path.join(maison, "donnees/ORBEL_SWL/FXXXX.txt")
        fin = time.monotonic() + 60
        while not os.path.exists(modele) and p.poll() is None and time.monotonic() < fin:
            time.sleep(0.1)
        en_marche = p.poll() is None
        p.send_signal(signal.SIGTERM)
        try:
            _, erreurs = p.communicate(timeout=30)
        except subprocess.TimeoutExpired:
            p.kill()
            _, erreurs = p.communicate()
        self.assertTrue(en_marche, "le programme s'est arrêté : " + erreurs)
        self.assertTrue(os.path.exists(modele))
        return erreurs


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
