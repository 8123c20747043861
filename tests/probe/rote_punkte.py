"""Counts the clearly red pixels in a rectangle of an XWD window dump (32 bits a pixel, as the
X server of the probe writes them). Usage: rote_punkte.py FILE X Y WIDTH HEIGHT"""
import struct
import sys


def main():
    daten = open(sys.argv[1], "rb").read()
    x0, y0, breite, höhe = (int(a) for a in sys.argv[2:6])
    kopf = struct.unpack(">25I", daten[:100])
    kopfgröße, bildbreite, bildhöhe = kopf[0], kopf[4], kopf[5]
    byteordnung, bits, zeilenbytes, farben = kopf[7], kopf[11], kopf[12], kopf[19]
    if bits != 32:
        sys.exit("nur 32 Bit je Bildpunkt")
    anfang = kopfgröße + 12 * farben
    rot = 0
    for y in range(y0, min(y0 + höhe, bildhöhe)):
        for x in range(x0, min(x0 + breite, bildbreite)):
            stelle = anfang + y * zeilenbytes + 4 * x
            wert = struct.unpack("<I" if byteordnung == 0 else ">I", daten[stelle:stelle + 4])[0]
            r, g, b = (wert >> 16) & 255, (wert >> 8) & 255, wert & 255
            if r > 150 and g < 130 and b < 130:
                rot += 1
    print(rot)


main()
