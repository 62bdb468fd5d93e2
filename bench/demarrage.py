#!/usr/bin/env python3
"""Start-up of the logbook as a listener sees it: from the command to its first window shown,
and the resident memory 10 s later, with an empty log and with a log of 99,999 QSOs. Another
program (a logbook the listener could pick instead) can be measured the same way beside it.

Runs on an X display of its own (Xvfb) unless DISPLAY is set, with temporary XDG folders.
Prints the median of the runs.

Usage: bench/demarrage.py [--programme build/release/bin/orbel_swl] [--fois 7]
                          [--autre xlog] [--sans-memoire]
"""
import argparse
import datetime
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

INDICATIF = "F1ABC"


def ligne_log(i):
    """Log line of QSO number i: 114 columns, Windows-1252, as the program writes them."""
    t = datetime.datetime(2000, 1, 1) + datetime.timedelta(minutes=10 * i)
    champs = [
        (f"F{i % 10}ABC{i % 997}", 12, True), ("F5XYZ", 12, True), (str(10 + i % 80), 2, False),
        ("13", 2, True), ("JÉRÔME", 15, True), (t.strftime("%d/%m/%y"), 8, True),
        (t.strftime("%H:%M"), 5, True), ("SSB", 3, True), ("7.0 Mhz", 7, True), ("59", 3, True),
        ("57", 3, True), ("SAINT-ÉTIENNE", 30, True)]
    ligne = "".join(texte.ljust(largeur)[:largeur] + (" " if espace else "")
                    for texte, largeur, espace in champs)
    return ligne + ("*" if i % 3 == 0 else " ")


def prepare(dossier, lignes):
    """XDG folders of a listener whose station is F1ABC and whose log holds `lignes` QSOs."""
    donnees = os.path.join(dossier, "data", "ORBEL_SWL")
    config = os.path.join(dossier, "config", "ORBEL_SWL")
    os.makedirs(donnees)
    os.makedirs(config)
    for nom in ("FXXXX.txt", "Liste_Prenom.txt"):
        open(os.path.join(donnees, nom), "wb").close()
    with open(os.path.join(donnees, f"{INDICATIF}_SWL.log"), "wb") as f:
        f.write(b"".join(ligne_log(i).encode("cp1252") + b"\r\n" for i in range(lignes)))
    with open(os.path.join(config, "SWL.ini"), "w") as f:
        f.write(f"[Setup%20]\nIndicatif%20Station={INDICATIF}\nChemin%20Repertoire={donnees}\n")
    # XLog opens its setup dialog instead of its log when ~/.xlog is missing.
    os.makedirs(os.path.join(dossier, ".xlog"))
    runtime = os.path.join(dossier, "runtime")
    os.makedirs(runtime, mode=0o700)
    return {"XDG_DATA_HOME": os.path.join(dossier, "data"), "XDG_RUNTIME_DIR": runtime,
            "XDG_CONFIG_HOME": os.path.join(dossier, "config"),
            "HOME": dossier}


def fenetre_visible(pid, env):
    r = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)],
                       capture_output=True, text=True, env=env)
    return r.returncode == 0 and r.stdout.strip() != ""


def memoire_ko(pid):
    with open(f"/proc/{pid}/status") as f:
        for ligne in f:
            if ligne.startswith("VmRSS:"):
                return int(ligne.split()[1])
    return 0


def mesure(commande, env, memoire):
    """Milliseconds from the start to the first window shown, and the resident kB 10 s later."""
    debut = time.monotonic()
    p = subprocess.Popen(commande, env=env, stdout=subprocess.DEVNULL)
    try:
        while not fenetre_visible(p.pid, env):
            if p.poll() is not None or time.monotonic() - debut > 60:
                raise RuntimeError(f"{commande[0]} n'a pas montré de fenêtre (code {p.poll()}, {time.monotonic() - debut:.1f} s)")
            time.sleep(0.005)
        ms = (time.monotonic() - debut) * 1000
        ko = 0
        if memoire:
            time.sleep(10)
            ko = memoire_ko(p.pid)
        return ms, ko
    finally:
        p.terminate()
        try:
            p.wait(10)
        except subprocess.TimeoutExpired:
            p.kill()
            p.wait()


def serie(nom, commande, lignes, fois, memoire):
    temps = []
    ko = 0
    for n in range(fois):
        with tempfile.TemporaryDirectory(prefix="demarrage_") as dossier:
            env = dict(os.environ, **prepare(dossier, lignes))
            ms, k = mesure(commande, env, memoire and n == 0)
            temps.append(ms)
            ko = k or ko
    texte = f"{nom:<28} {statistics.median(temps):7.0f} ms (de {min(temps):.0f} à {max(temps):.0f})"
    if memoire:
        texte += f"   {ko / 1024:6.1f} Mo résidents après 10 s"
    print(texte, flush=True)


def main():
    racine = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    a = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    a.add_argument("--programme", default=os.path.join(racine, "build/release/bin/orbel_swl"))
    a.add_argument("--fois", type=int, default=7)
    a.add_argument("--autre", help="another program measured the same way (xlog)")
    a.add_argument("--sans-memoire", action="store_true")
    args = a.parse_args()
    serveur = None
    if "DISPLAY" not in os.environ:
        serveur = ecran_virtuel()
    try:
        mesures(args)
    finally:
        if serveur:
            serveur.terminate()
            serveur.wait()


def ecran_virtuel():
    """An Xvfb display of our own, on the first free number from 90."""
    if not shutil.which("Xvfb"):
        sys.exit("Xvfb est introuvable (paquet xvfb)")
    numero = next(n for n in range(90, 200) if not os.path.exists(f"/tmp/.X{n}-lock"))
    serveur = subprocess.Popen(["Xvfb", f":{numero}", "-screen", "0", "1280x1024x24", "-nolisten", "tcp", "-noreset"],
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.environ["DISPLAY"] = f":{numero}"
    os.environ.pop("XAUTHORITY", None)
    for _ in range(100):
        if subprocess.run(["xdotool", "getdisplaygeometry"], capture_output=True).returncode == 0:
            return serveur
        time.sleep(0.1)
    serveur.terminate()
    sys.exit("l'écran virtuel ne répond pas")


def mesures(args):
    memoire = not args.sans_memoire
    serie("ORBEL_SWL, journal vide", [args.programme], 0, args.fois, memoire)
    serie("ORBEL_SWL, 99 999 QSO", [args.programme], 99999, args.fois, memoire)
    if args.autre:
        serie(args.autre, [args.autre], 0, args.fois, memoire)


if __name__ == "__main__":
    main()
