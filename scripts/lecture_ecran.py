#!/usr/bin/python3
"""What a screen reader gets of Chronastre's window, read through AT-SPI.

Runs the window under Xvfb, in a D-Bus session of its own, with Qt's
accessibility forced on (QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1), and reads it as
Orca does, with pyatspi:

  - the accessibility tree in order, the objects shown only: role, name,
    description and relations (labelled-by, label-for);
  - "lecture": what reading the window in that order says, one name a line;
  - with --clavier: the keyboard as a user drives it (xdotool). At start
    the focus is in the year field: a written date is copied and Ctrl+V
    pressed there, then an impossible date typed in the entry dialog if it
    opened; a number is copied and pasted over the year; Tab goes to the
    Gregorian result and Ctrl+V is pressed there. Each focus change is
    printed as a reader announces it (the labels of its labelled-by
    relation, then its name, role and description), and each change of an
    accessible description as it arrives;
  - with --orca: Orca runs beside, and what it said (its debug log's speech
    lines) is printed at the end.

    scripts/lecture_ecran.py [--executable build/chronastre]
                             [--heure '2024-03-11 12:00:00']
                             [--capture fenetre.png] [--clavier]
                             [--orca [--journal-orca orca.log]]

The window opens on today's date (or the --heure given, through faketime),
with the preferences of a first start (settings in a temporary folder).
--capture takes a screenshot of the screen (ImageMagick's import). Needs
python3-pyatspi, at-spi2-core, xvfb, xauth, dbus-x11, xdotool, xclip,
imagemagick and faketime (and orca for --orca), installed when missing (as
root). Not run by test.sh: the tests read the same tree through QAccessible.
"""

import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

PAQUETS = ["python3-pyatspi", "at-spi2-core", "xvfb", "xauth", "dbus-x11", "xdotool", "xclip",
           "imagemagick", "faketime"]


def installer():
    paquets = PAQUETS + (["orca"] if "--orca" in sys.argv else [])
    manquants = [
        p for p in paquets
        if subprocess.run(["dpkg-query", "-W", "-f=${Status}", p], capture_output=True,
                          text=True).stdout != "install ok installed"
    ]
    if not manquants:
        return
    if os.geteuid() != 0:
        sys.exit("Paquets manquants : " + " ".join(manquants))
    subprocess.run(["apt-get", "install", "-y", "-q", *manquants], check=True,
                   stdout=sys.stderr)


def relancer_sous_xvfb():
    """Runs this script again inside a D-Bus session and an X server of its own."""
    env = dict(os.environ, CHRONASTRE_LECTURE_ECRAN="1")
    commande = ["dbus-run-session", "--", "xvfb-run", "-a", "-s", "-screen 0 1024x768x24",
                "/usr/bin/python3", os.path.abspath(__file__), *sys.argv[1:]]
    sys.exit(subprocess.run(commande, env=env).returncode)


# Everything below runs inside the session.

def pomper(secondes):
    """Lets AT-SPI deliver its events for that long."""
    from gi.repository import GLib
    contexte = GLib.MainContext.default()
    fin = time.monotonic() + secondes
    while time.monotonic() < fin:
        while contexte.iteration(False):
            pass
        time.sleep(0.01)


def application(nom, delai=20):
    import pyatspi
    fin = time.monotonic() + delai
    while time.monotonic() < fin:
        bureau = pyatspi.Registry.getDesktop(0)
        for i in range(bureau.childCount):
            app = bureau.getChildAtIndex(i)
            if app is not None and app.name == nom and app.childCount > 0:
                return app
        pomper(0.2)
    sys.exit("La fenêtre n'est pas apparue dans l'arbre d'accessibilité.")


def relations(noeud):
    import pyatspi
    noms = {pyatspi.RELATION_LABELLED_BY: "étiqueté par",
            pyatspi.RELATION_LABEL_FOR: "étiquette de",
            pyatspi.RELATION_DESCRIBED_BY: "décrit par",
            pyatspi.RELATION_DESCRIPTION_FOR: "description de"}
    textes = []
    for relation in noeud.getRelationSet():
        nom = noms.get(relation.getRelationType())
        if nom is None:
            continue
        cibles = [relation.getTarget(i).name for i in range(relation.getNTargets())]
        textes.append("%s %s" % (nom, " | ".join(repr(c) for c in cibles)))
    return textes


def etiquettes(noeud):
    import pyatspi
    for relation in noeud.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            return [relation.getTarget(i).name for i in range(relation.getNTargets())]
    return []


def montre(noeud):
    import pyatspi
    return noeud.getState().contains(pyatspi.STATE_SHOWING)


def arbre(noeud, profondeur, lignes, lecture):
    """The objects shown, depth first: what Orca walks when it reads in order."""
    if noeud is None or (profondeur > 0 and not montre(noeud)):
        return
    ligne = "%s%s %r" % ("  " * profondeur, noeud.getRoleName(), noeud.name)
    if noeud.description:
        ligne += " description=%r" % noeud.description
    for r in relations(noeud):
        ligne += " ; " + r
    lignes.append(ligne)
    if noeud.name:
        lecture.append(noeud.name)
    for i in range(noeud.childCount):
        arbre(noeud.getChildAtIndex(i), profondeur + 1, lignes, lecture)


def focalise(noeud):
    """The object that has the keyboard focus, under noeud."""
    import pyatspi
    if noeud.getState().contains(pyatspi.STATE_FOCUSED):
        return noeud
    for i in range(noeud.childCount):
        enfant = noeud.getChildAtIndex(i)
        if enfant is not None and montre(enfant):
            trouve = focalise(enfant)
            if trouve is not None:
                return trouve
    return None


def annee(app):
    """The year field of the window."""
    import pyatspi
    return pyatspi.findDescendant(app, lambda n: n.name == "Année" and
                                  n.getRole() == pyatspi.ROLE_SPIN_BUTTON)


def annonce(noeud):
    """What a reader says when the object takes the focus."""
    morceaux = [e for e in etiquettes(noeud) if e and e.strip() not in noeud.name]
    if noeud.name:
        morceaux.append(noeud.name)
    morceaux.append("(" + noeud.getRoleName() + ")")
    if noeud.description:
        morceaux.append("— " + noeud.description)
    return " ".join(morceaux)


def lire(app):
    lignes, lecture = [], []
    for i in range(app.childCount):
        arbre(app.getChildAtIndex(i), 0, lignes, lecture)
    print("== Arbre d'accessibilité (objets affichés, dans l'ordre)")
    print("\n".join(lignes))
    print("== Lecture dans l'ordre")
    print("\n".join(lecture))


def dialogue(app):
    """The entry dialog, when it is open."""
    for i in range(app.childCount):
        fenetre = app.getChildAtIndex(i)
        if fenetre is not None and fenetre.name == "Saisir une date":
            return fenetre
    return None


class Clavier:
    """Keys pressed with xdotool, the clipboard served by xclip."""

    def __init__(self, app):
        self.app = app
        self.xclip = None

    def touches(self, *touches):
        subprocess.run(["xdotool", "key", *touches], check=True)
        pomper(1)

    def taper(self, texte):
        # Key by key, the events of each key read before the next.
        for lettre in texte:
            subprocess.run(["xdotool", "type", lettre], check=True)
            pomper(0.3)
        pomper(1)

    def presse_papiers(self, texte):
        self.fermer()
        self.xclip = subprocess.Popen(["xclip", "-quiet", "-selection", "clipboard"],
                                      stdin=subprocess.PIPE, stdout=subprocess.DEVNULL,
                                      stderr=subprocess.DEVNULL)
        self.xclip.stdin.write(texte.encode())
        self.xclip.stdin.close()
        pomper(0.5)

    def fenetre(self):
        # No window manager under Xvfb: the window is given the keyboard by
        # hand, at start and after a dialog.
        subprocess.run(["xdotool", "search", "--sync", "--name", "^Chronastre", "windowfocus",
                        "--sync"], check=True, stdout=subprocess.DEVNULL)
        pomper(1)

    def tab_jusqua(self, nom):
        for _ in range(30):
            focus = focalise(self.app)
            if focus is not None and focus.name == nom:
                return
            self.touches("Tab")
        sys.exit("Tab n'atteint pas %r." % nom)

    def coller(self):
        """Ctrl+V, then what it did: the dialog's calendar and text, or nothing."""
        self.touches("ctrl+v")
        fenetre = dialogue(self.app)
        if fenetre is None:
            print("   pas de dialogue ; année : %g" % annee(self.app).queryValue().currentValue)
            return None
        import pyatspi
        champ = pyatspi.findDescendant(fenetre, lambda n: n.getRole() == pyatspi.ROLE_TEXT)
        texte = champ.queryText()
        calendrier = pyatspi.findDescendant(fenetre, lambda n: n.getRole() ==
                                            pyatspi.ROLE_COMBO_BOX)
        print("   dialogue ouvert : %s, date écrite %r" % (
            calendrier.name, texte.getText(0, texte.characterCount)))
        return fenetre

    def fermer(self):
        if self.xclip is not None:
            self.xclip.terminate()
            self.xclip.wait()
            self.xclip = None


def clavier(clavier_):
    import pyatspi

    def focus(evenement):
        if evenement.detail1 == 1:
            print("   focus : " + annonce(evenement.source))

    def description(evenement):
        # Qt 6.4 sends the object itself where the new description belongs
        # (later versions send the text): the object is asked for it then.
        texte = evenement.any_data
        if not isinstance(texte, str):
            texte = evenement.source.description
        print("   description changée : %s %r -> %r" % (
            evenement.source.getRoleName(), evenement.source.name, texte))

    pyatspi.Registry.registerEventListener(focus, "object:state-changed:focused")
    pyatspi.Registry.registerEventListener(
        description, "object:property-change:accessible-description")
    print("== Au clavier")
    clavier_.fenetre()
    print("focus au départ : " + annonce(focalise(clavier_.app)))

    print("-- « 18 brumaire an VIII » copié, Ctrl+V dans le champ de l'année")
    clavier_.presse_papiers("18 brumaire an VIII")
    if clavier_.coller() is not None:
        print("-- « 31 brumaire an VIII » tapé dans « Date écrite »")
        clavier_.touches("ctrl+a", "BackSpace")
        clavier_.taper("31 brumaire an VIII")
        lignes = []
        arbre(dialogue(clavier_.app), 0, lignes, [])
        print("\n".join(lignes))
        clavier_.touches("Escape")

    print("-- « 1815 » copié, Ctrl+A puis Ctrl+V dans le champ de l'année")
    clavier_.fenetre()
    clavier_.presse_papiers("1815")
    clavier_.touches("ctrl+a")
    if clavier_.coller() is not None:
        clavier_.touches("Escape")

    print("-- Tab jusqu'au calendrier grégorien, « 1815 » copié, Ctrl+V")
    clavier_.fenetre()
    # The result, labelled by its caption or (before) named with it.
    gregorien = pyatspi.findDescendant(
        clavier_.app, lambda n: n.getRole() == pyatspi.ROLE_LABEL and (
            any("grégorien" in e for e in etiquettes(n)) or
            n.name.startswith("Calendrier grégorien : ")))
    clavier_.tab_jusqua(gregorien.name)
    if clavier_.coller() is not None:
        clavier_.touches("Escape")
    clavier_.fermer()


def principal():
    parseur = argparse.ArgumentParser()
    parseur.add_argument("--executable", default="build/chronastre")
    parseur.add_argument("--capture")
    parseur.add_argument("--clavier", action="store_true")
    parseur.add_argument("--orca", action="store_true",
                         help="Orca runs beside, and what it says is printed at the end")
    parseur.add_argument("--journal-orca", help="where Orca's debug log is kept")
    parseur.add_argument("--heure", help="the clock the window reads (faketime), "
                         "e.g. '2024-03-11 12:00:00', so that two runs show the same")
    arguments = parseur.parse_args()

    configuration = tempfile.mkdtemp()
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
               XDG_CONFIG_HOME=configuration)
    commande = [arguments.executable]
    if arguments.heure:
        commande = ["faketime", arguments.heure, *commande]
    orca = None
    journal = arguments.journal_orca or os.path.join(configuration, "orca.log")
    if arguments.orca:
        orca = subprocess.Popen(["orca", "--replace", "-u", os.path.join(configuration, "orca"),
                                 "--debug-file", journal], env=env,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        time.sleep(5)
    fenetre = subprocess.Popen(commande, env=env)
    clavier_ = None
    try:
        app = application(os.path.basename(arguments.executable))
        pomper(1)
        lire(app)
        if arguments.capture:
            subprocess.run(["import", "-window", "root", arguments.capture], check=True)
        if arguments.clavier:
            clavier_ = Clavier(app)
            clavier(clavier_)
    finally:
        if clavier_ is not None:
            clavier_.fermer()
        fenetre.terminate()
        fenetre.wait()
        if orca is not None:
            orca.terminate()
            orca.wait()
            print("== Ce qu'Orca a dit")
            with open(journal, encoding="utf-8", errors="replace") as f:
                for ligne in f:
                    # "SPEECH OUTPUT: 'Quitter push button.'{'established': False}"
                    trouve = re.search(r"SPEECH OUTPUT: '(.*)' ?\{", ligne)
                    if trouve:
                        print(trouve.group(1))
        shutil.rmtree(configuration, ignore_errors=True)


if __name__ == "__main__":
    if os.environ.get("CHRONASTRE_LECTURE_ECRAN") != "1":
        installer()
        relancer_sous_xvfb()
    principal()
