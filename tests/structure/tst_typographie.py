#!/usr/bin/env python3
"""French typography in the program's own texts: every string literal of src/ is read, and one
with a plain space before « : ; ? ! », after « « » or before « » » fails, named by file and
line. The listener reads "Fichier des pays : " with its non-breaking space (\\u00A0), never a
colon alone at the start of a line. The few texts that the logbook has always shown as they are
stay so, byte for byte (TEXTES_D_ORIGINE).

Usage: tst_typographie.py <source folder>
"""
import os
import re
import sys

# The logbook's own historic texts, kept exactly as its users know them.
TEXTES_D_ORIGINE = [
    "Fichier enregistré sous le nom : ",
    "INDICATIF DE LA STATION SWL : ",
    "Il n'a par contre pas trouvé dans son répértoire le fichier :",
    "ORBEL_SWL a trouvé dans la base de registre l'indicatif  : ",
    "Page suivante ?",
    "RX :  FT 847  Ant : Dipole 2x10m",
    "Voulez vous Supprimer ce QSO ?",
    "Voulez vous enregistrer ces données ?",
]

CARACTERE = re.compile(r"'(?:\\.|[^'\\])'")
LITTERAL = re.compile(r'(?:u8|u|L|U)?"((?:[^"\\\n]|\\.)*)"')
FAUTE = re.compile(r' [:;?!]|« | »')


def fautes(chemin):
    with open(chemin, encoding="utf-8") as f:
        for numero, ligne in enumerate(f, 1):
            if ligne.lstrip().startswith(("//", "#include")):
                continue
            for m in LITTERAL.finditer(CARACTERE.sub("' '", ligne)):
                texte = m.group(1)
                if FAUTE.search(texte) and not any(t in texte for t in TEXTES_D_ORIGINE):
                    yield numero, texte


def main():
    racine = os.path.join(sys.argv[1], "src")
    erreurs = []
    for dossier, _, fichiers in os.walk(racine):
        for nom in sorted(fichiers):
            if nom.endswith((".cpp", ".h")):
                chemin = os.path.join(dossier, nom)
                for numero, texte in fautes(chemin):
                    erreurs.append(f"{os.path.relpath(chemin, sys.argv[1])}:{numero}: « {texte} » : "
                                   "espace simple devant « : ; ? ! » ou dans « » (\\u00A0 attendu)")
    for e in erreurs:
        print(e)
    print(f"{len(erreurs)} texte(s) sans espace insécable" if erreurs else "typographie respectée")
    return 1 if erreurs else 0


if __name__ == "__main__":
    sys.exit(main())
