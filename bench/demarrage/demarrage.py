#!/usr/bin/env python3
"""Start-up benchmark: runs Corvane's start-up and the two floors in turns,
each from process start to its window's first paint, and reports the median
time and the peak resident memory of each, and Corvane's ratios to each: the
bare Qt window, and the same window with Qt's texts in French, a menu bar and
the design's two fonts (FLOOR --texte).

Run it on a private X display and session bus (xvfb-run, dbus-run-session):
it starts its own window manager, as on a desktop.

Usage: demarrage.py CORVANE FLOOR [RUNS]
"""
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time


def mesurer(programme):
    """Seconds from launch to the first paint, and peak resident memory in KiB."""
    debut = time.perf_counter()
    processus = subprocess.Popen(programme, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    ligne = processus.stdout.readline()
    duree = time.perf_counter() - debut
    with open(f"/proc/{processus.pid}/status") as etat:
        pic = next(int(l.split()[1]) for l in etat if l.startswith("VmHWM:"))
    processus.wait()
    if ligne.strip() != b"peint":
        sys.exit(f"{' '.join(programme)} n'a pas peint sa fenêtre")
    return duree, pic


def demarrer_gestionnaire():
    """Starts openbox on the display and waits until it manages windows."""
    gestionnaire = subprocess.Popen(["openbox"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    for _ in range(100):
        if subprocess.run(["wmctrl", "-m"], capture_output=True).returncode == 0:
            return gestionnaire
        time.sleep(0.1)
    sys.exit("openbox n'a pas démarré")


def main():
    # A home of its own, so that nothing of the machine's settings is read.
    maison = tempfile.mkdtemp()
    os.environ["HOME"] = os.environ["XDG_RUNTIME_DIR"] = maison
    gestionnaire = demarrer_gestionnaire()
    programmes = {"Corvane": (sys.argv[1],), "plancher nu": (sys.argv[2],),
                  "plancher texte": (sys.argv[2], "--texte")}
    tours = int(sys.argv[3]) if len(sys.argv) > 3 else 80
    mesures = {nom: [] for nom in programmes}
    for _ in range(tours):
        for nom, programme in programmes.items():  # in turns, so drift hits all alike
            mesures[nom].append(mesurer(programme))
    gestionnaire.terminate()
    gestionnaire.wait()
    shutil.rmtree(maison)
    t = {p: statistics.median(d for d, _ in m) * 1000 for p, m in mesures.items()}
    r = {p: statistics.median(k for _, k in m) / 1024 for p, m in mesures.items()}
    for plancher, cible in (("plancher nu", ""), ("plancher texte", " (cible 1,05)")):
        print(f"démarrage  Corvane {t['Corvane']:7.1f} ms   {plancher} {t[plancher]:7.1f} ms   "
              f"rapport {t['Corvane'] / t[plancher]:.2f}{cible}")
        print(f"mémoire    Corvane {r['Corvane']:7.1f} Mio  {plancher} {r[plancher]:7.1f} Mio  "
              f"rapport {r['Corvane'] / r[plancher]:.2f}{cible}")


if __name__ == "__main__":
    main()
