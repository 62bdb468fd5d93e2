#!/usr/bin/env python3
"""Writes the program's two alert sounds (Python 3 standard library only):
assets/sons/nouveau_departement.wav, two rising notes, and assets/sons/nouveau_pays.wav, three.
Short (under half a second), soft, mono 16-bit at 22,050 Hz, each note faded in and out so that
it never clicks.

Usage: tools/sons/genere_sons.py [folder]   (default: assets/sons of the tree)
"""
import math
import os
import struct
import sys
import wave

TAUX = 22050
VOLUME = 0.35


def note(frequence, duree, silence=0.04):
    n = int(TAUX * duree)
    fondu = int(TAUX * 0.012)
    echantillons = []
    for i in range(n):
        enveloppe = min(1.0, i / fondu, (n - 1 - i) / fondu)
        # A touch of the octave above makes the note easier to hear beside a receiver's noise.
        v = math.sin(2 * math.pi * frequence * i / TAUX) + 0.25 * math.sin(4 * math.pi * frequence * i / TAUX)
        echantillons.append(VOLUME * enveloppe * v / 1.25)
    return echantillons + [0.0] * int(TAUX * silence)


def ecrit(chemin, notes):
    echantillons = [e for f, d in notes for e in note(f, d)]
    with wave.open(chemin, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(TAUX)
        w.writeframes(b"".join(struct.pack("<h", int(e * 32767)) for e in echantillons))


def main():
    dossier = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "..", "assets", "sons")
    os.makedirs(dossier, exist_ok=True)
    ecrit(os.path.join(dossier, "nouveau_departement.wav"), [(880, 0.12), (1175, 0.16)])
    ecrit(os.path.join(dossier, "nouveau_pays.wav"), [(660, 0.09), (880, 0.09), (1320, 0.15)])


if __name__ == "__main__":
    main()
