"""Lists what a screen reader announces for the window's input fields through AT-SPI and checks
that each has a name of its own: at least 13 text fields with distinct names, no name with the
blanks that the frame captions keep for their icons, no scroll bar without a name."""
import sys
import time

import pyatspi


def anwendung():
    for _ in range(100):
        schreibtisch = pyatspi.Registry.getDesktop(0)
        for i in range(schreibtisch.childCount):
            kind = schreibtisch.getChildAtIndex(i)
            if kind is not None and "tafomat" in (kind.name or "").lower():
                return kind
        time.sleep(0.1)
    sys.exit("Tafomat erscheint nicht im AT-SPI-Baum")


def felder(knoten, gefunden):
    rolle = knoten.getRoleName()
    if rolle in ("text", "scroll bar"):
        eltern = knoten.parent.parent.name if knoten.parent and knoten.parent.parent else ""
        gefunden.append((rolle, knoten.name or "", eltern or ""))
    for i in range(knoten.childCount):
        felder(knoten.getChildAtIndex(i), gefunden)
    return gefunden


def main():
    gefunden = felder(anwendung(), [])
    texte = [name for rolle, name, _ in gefunden if rolle == "text"]
    fehler = [(rolle, name, eltern) for rolle, name, eltern in gefunden
              if not name or name != name.strip()]
    if fehler or len(texte) < 13 or len(set(texte)) != len(texte):
        sys.exit(f"{len(texte)} Textfelder, {len(set(texte))} Namen, ohne Namen: {fehler}")
    print(f"{len(texte)} Textfelder mit eigenen Namen")


main()
