#!/usr/bin/env python3
"""The program's structure, read from its includes: the core stays free of windows and Qt's
GUI, each core folder uses only the floors below its own (and the folders of its floor that its
CMakeLists.txt names), and neither the core nor the platform services include a window.

Usage: tst_structure.py <source folder> <QtCore include folder>
Prints each include that breaks a rule as "file:line: reason" and exits with 1.
"""
import os
import re
import sys

ETAGES = {"base": 1, "program": 2, "log": 3, "countries": 3,
          "exchange": 4, "radio": 4, "reports": 4, "audio": 4, "qsl": 5}
FENETRES = ("main", "station", "views", "radio", "labels", "app")
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
MEME_ETAGE = re.compile(r"^#\s*Same floor:\s*(.+?)\s*(?:—|$)")


def meme_etage_permis(source, dossier):
    """The folders of its own floor that a core folder's CMakeLists.txt says it uses."""
    permis = set()
    with open(os.path.join(source, "src/core", dossier, "CMakeLists.txt"), encoding="utf-8") as f:
        for ligne in f:
            m = MEME_ETAGE.match(ligne)
            if m:
                permis.update(n.strip() for n in m.group(1).split(","))
    return permis


def fautes(source, qtcore):
    erreurs = []
    permis = {d: meme_etage_permis(source, d) for d in ETAGES}
    for racine, _, fichiers in os.walk(os.path.join(source, "src")):
        for nom in sorted(fichiers):
            if not nom.endswith((".h", ".cpp")):
                continue
            chemin = os.path.join(racine, nom)
            relatif = os.path.relpath(chemin, source)
            parties = relatif.split(os.sep)
            dossier = parties[1]
            with open(chemin, encoding="utf-8") as f:
                for numero, ligne in enumerate(f, 1):
                    m = INCLUDE.match(ligne)
                    if not m:
                        continue
                    guillemet, inclus = m.groups()
                    ou = f"{relatif}:{numero}: « {inclus} »"
                    premier = inclus.split("/")[0]
                    if dossier == "core":
                        sujet = parties[2]
                        if guillemet == "<":
                            if inclus.startswith("Q") and not os.path.exists(os.path.join(qtcore, inclus)):
                                erreurs.append(f"{ou} n'est pas de Qt Core : le cœur n'a pas de fenêtre")
                            continue
                        if inclus.endswith(".moc"):
                            continue
                        elements = inclus.split("/")
                        if premier != "core" or len(elements) != 3 or elements[1] not in ETAGES:
                            erreurs.append(f"{ou} : le cœur n'inclut que ses propres dossiers "
                                           "(« core/<dossier>/<fichier> »)")
                            continue
                        cible = elements[1]
                        if ETAGES[cible] > ETAGES[sujet]:
                            erreurs.append(f"{ou} : {sujet} (étage {ETAGES[sujet]}) inclut un étage "
                                           f"plus haut ({cible}, étage {ETAGES[cible]})")
                        elif ETAGES[cible] == ETAGES[sujet] and cible != sujet and cible not in permis[sujet]:
                            erreurs.append(f"{ou} : {sujet} inclut {cible}, de son étage, sans que "
                                           f"src/core/{sujet}/CMakeLists.txt le dise (« Same floor: {cible} »)")
                    elif dossier == "platform" and guillemet == '"' and premier in FENETRES:
                        erreurs.append(f"{ou} : les services n'incluent pas de fenêtre")
    return erreurs


def main():
    erreurs = fautes(sys.argv[1], sys.argv[2])
    for e in erreurs:
        print(e)
    if erreurs:
        sys.exit(1)
    print("structure respectée")


if __name__ == "__main__":
    main()
