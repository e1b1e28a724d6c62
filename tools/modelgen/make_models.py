#!/usr/bin/env python3
"""Writes the twelve built-in models as plain project text (Windows-1252).

The texts under resources/models/ are the source the build compiles in; this
script is how they were authored. Run it again after changing a model here:
    python3 tools/modelgen/make_models.py resources/models
"""
import math
import os
import sys


def num(v):
    text = format(float(v), ".15e")
    mantissa, exponent = text.split("e")
    sign, digits = exponent[0], exponent[1:]
    return "%se%s%03d" % (mantissa, sign, int(digits))


def field(text):
    return text.replace(" ", "_") if text else "_"


def vec(v):
    return " ".join(num(c) for c in v) + " "


class Text:
    def __init__(self):
        self.lines = []
        self.parents = []

    def head(self, keyword, name, description="", active=1, visible=1):
        parent = self.parents[-1] if self.parents else ""
        return "%s %s %s %s %d %d " % (keyword, name.replace(" ", "_"), parent.replace(" ", "_"),
                                      field(description), active, visible)

    def root(self, name, description=""):
        self.lines.append("begin-sim-data %s  %s 1 1 0 " % (name.replace(" ", "_"), field(description)))
        self.parents.append(name)

    def begin_group(self, name, description="", expanded=True, visible=1):
        self.lines.append(self.head("begin-group", name, description, 1, visible) + "%d " % (32 if expanded else 0))
        self.parents.append(name)

    def begin_system(self, name, position=(0, 0, 0), rotation=(0, 0, 0), description="", visible=1):
        self.lines.append(self.head("begin-system", name, description, 1, visible) + "0 " + vec(position) + vec(rotation))
        self.parents.append(name)

    def end(self, keyword="end-group"):
        self.lines.append(keyword)
        self.parents.pop()

    def library(self, name, library_name, position=(0, 0, 0), description=""):
        self.lines.append(self.head("library", name, description) + "0 " + vec(position) + vec((0, 0, 0)) +
                          library_name + " ")

    def colour_head(self, keyword, name, fill, line, position=(0, 0, 0), rotation=(0, 0, 0), description="",
                    outline=1, filled=1, visible=1):
        return (self.head(keyword, name, description, 1, visible) + vec(position) + vec(rotation) + vec(fill) +
                vec(line) + "%d %d " % (outline, filled))

    def polygon(self, name, vertices, fill, line=(0, 0, 0), description="", position=(0, 0, 0), rotation=(0, 0, 0),
                keyword="polygon"):
        self.lines.append(self.colour_head(keyword, name, fill, line, position, rotation, description) +
                          "0 %d " % len(vertices) + "".join(vec(v) for v in vertices))

    def rectangle(self, name, x1, y1, x2, y2, fill, line=(0, 0, 0), position=(0, 0, 0), rotation=(0, 0, 0),
                  description=""):
        self.polygon(name, [(x1, y1, 0), (x2, y1, 0), (x2, y2, 0), (x1, y2, 0)], fill, line, description, position,
                     rotation, keyword="rectangle")

    def grid(self, name, x1, y1, x2, y2, fill, description=""):
        # Lines every metre, one pixel wide: finer lines, drawn over the
        # patches, would cover half of them in the start view.
        vertices = [(x1, y1, 0), (x2, y1, 0), (x2, y2, 0), (x1, y2, 0)]
        self.lines.append(self.colour_head("grid", name, fill, (0.2, 0.2, 0.2), description=description) +
                          "0 4 " + "".join(vec(v) for v in vertices) + vec((0.35, 0.35, 0.35)) +
                          vec((0.62, 0.62, 0.62)) + "5 %s %s %s 1 0 0 0 " % (num(0.2), num(1.0), num(1.0)))

    def point(self, name, position, size, style, fill, description=""):
        self.lines.append(self.colour_head("point", name, fill, (0, 0, 0), position, description=description) +
                          "%s %d " % (num(size), style))

    def choice(self, name, value, options, description=""):
        self.lines.append(self.head("choice", name, description) + "%d 0 %d " % (value, len(options) - 1) +
                          "".join(field(o) + " " for o in options))

    def doublelink(self, name, value, low, high, path, description=""):
        self.lines.append(self.head("doublelink", name, description) + vec((value, low, high)) + field(path) + " ")

    def enable(self, name, value, description=""):
        self.lines.append(self.head("enable", name, description) + "%d " % value)

    def finish(self, modules=None):
        self.lines.append("end-sim-data")
        text = "\n".join(self.lines)
        if modules:
            text += "\nbegin-sim-module" + "".join("\n" + m + " " for m in modules) + "\nend-sim-module\n"
        return text


WALL = (0.86, 0.84, 0.78)
FLOOR = (0.72, 0.74, 0.70)
WOOD = (0.62, 0.45, 0.28)
CEILING = (0.95, 0.95, 0.95)


def wall(t, name, a, b, height):
    """Vertical wall between the floor points a and b of a room walked
    anticlockwise; its face normal points into the room, towards the sensor,
    as the clipping of the detection expects of every target surface."""
    t.polygon(name, [(b[0], b[1], 0), (a[0], a[1], 0), (a[0], a[1], height), (b[0], b[1], height)], WALL)


def room(t, x1, y1, x2, y2, height):
    """Floor grid and walls as direct surfaces of a mounting-variant group,
    every wall at full height, as the detection must see them; the program
    cuts the walls between the eye and the floor away only when it draws."""
    t.grid("Boden", x1, y1, x2, y2, FLOOR, "Fu\xdfboden")
    walls = (("vorn", (x1, y1), (x2, y1)), ("rechts", (x2, y1), (x2, y2)), ("hinten", (x2, y2), (x1, y2)),
             ("links", (x1, y2), (x1, y1)))
    for side, a, b in walls:
        wall(t, "Wand " + side, a, b, height)


def furniture(t, x, y, w, d, h, name):
    """A cabinet as a decorative block of polygons in its own system, standing
    on x..x+w, y..y+d with its front towards +y."""
    t.begin_system(name, (x + w, y + d, 0), (0, 0, 180))
    t.polygon("Deckel", [(0, 0, h), (w, 0, h), (w, d, h), (0, d, h)], WOOD)
    t.polygon("Front", [(0, 0, 0), (w, 0, 0), (w, 0, h), (0, 0, h)], WOOD)
    t.polygon("Seite", [(w, 0, 0), (w, d, 0), (w, d, h), (w, 0, h)], WOOD)
    t.end("end-system")


def scene(model, rooms, height):
    """Library scene: one room per mounting variant, with its own surfaces.
    Every room keeps the sensor's fan on its floor and lies where the start
    view, which looks at (4.3, -0.8, 1.1) from at most 42 m, shows it whole."""
    t = Text()
    t.root("Raum " + model, "Szene " + model)
    # Wall mount: the sensor hangs on the wall x = 0 and looks along +x.
    length, y1, y2 = rooms["wall"]
    t.begin_group("Wandmontage", "Raum f\xfcr Wandmontage")
    room(t, 0, y1, length, y2, height)
    t.polygon("Tisch", [(length * 0.45, -1.2, 0.75), (length * 0.45 + 1.6, -1.2, 0.75),
                        (length * 0.45 + 1.6, -0.4, 0.75), (length * 0.45, -0.4, 0.75)], WOOD)
    t.begin_group("Ausstattung", expanded=False)
    t.rectangle("T\xfcr", 0, 0, 1.0, 2.1, (0.55, 0.35, 0.2), position=(length * 0.25, y1 + 0.01, 0),
                rotation=(90, 0, 0))
    furniture(t, 0.1, y1 + 0.1, 1.8, 0.6, 1.2, "Schrank")
    t.end()
    t.end()
    # Ceiling mount: the sensor looks down into a room around it.
    x1, y1, x2, y2 = rooms["ceiling"]
    t.begin_group("Deckenmontage", "Raum f\xfcr Deckenmontage", visible=0)
    room(t, x1, y1, x2, y2, height)
    t.begin_group("Ausstattung", expanded=False)
    t.polygon("Deckenplatte", [(-0.3, -0.3, 0), (0.3, -0.3, 0), (0.3, 0.3, 0), (-0.3, 0.3, 0)], CEILING,
              position=(0.1, 0, height))
    furniture(t, x1 + 0.1, y1 + 0.1, 1.8, 0.6, 1.2, "Schrank")
    t.end()
    t.end()
    # Corner mount: the sensor sits in the corner x = 0, y = 0 turned by 45 degrees.
    size = rooms["corner"]
    t.begin_group("Eckmontage", "Raum f\xfcr Eckmontage", visible=0)
    room(t, 0, 0, size, size, height)
    t.begin_group("Ausstattung", expanded=False)
    furniture(t, size * 0.5, 0.1, 1.8, 0.6, 1.2, "Schrank")
    t.end()
    t.end()
    return t.finish()


def facet(azimuth, depression, half_azimuth, half_depression, radius):
    """A lens facet as a small quad in degrees; its face normal points back
    at the element, so that its image winds as the target surfaces do."""
    a, e = math.radians(azimuth), math.radians(depression)
    d = (math.cos(e) * math.cos(a), math.cos(e) * math.sin(a), -math.sin(e))
    u = (-math.sin(a), math.cos(a), 0.0)
    v = (math.sin(e) * math.cos(a), math.sin(e) * math.sin(a), math.cos(e))
    hu = radius * math.tan(math.radians(half_azimuth))
    hv = radius * math.tan(math.radians(half_depression))
    c = tuple(radius * x for x in d)
    corners = [(-1, -1), (-1, 1), (1, 1), (1, -1)]
    return [tuple(c[i] + su * hu * u[i] + sv * hv * v[i] for i in range(3)) for su, sv in corners]


def unit(model, rows):
    """Library sensor unit: housing, element and three lens systems of facets."""
    t = Text()
    t.root("Einheit " + model, "Sensoreinheit " + model)
    t.begin_system("Montage", description="Montageversatz")
    t.begin_system("Kippung", description="Montagelage")
    t.point("Element", (0, 0, 0), 0.004, 2, (0.9, 0.1, 0.1), "Sensorelement")
    t.begin_group("Geh\xe4use", expanded=False)
    s = 0.028
    white = (0.93, 0.93, 0.9)
    t.polygon("R\xfccken", [(-s, -s, -s), (-s, s, -s), (-s, s, s), (-s, -s, s)], white)
    t.polygon("Oben", [(-s, -s, s), (-s, s, s), (0, s, s), (0, -s, s)], white)
    t.polygon("Unten", [(-s, -s, -s), (0, -s, -s), (0, s, -s), (-s, s, -s)], white)
    t.polygon("Links", [(-s, s, -s), (0, s, -s), (0, s, s), (-s, s, s)], white)
    t.polygon("Rechts", [(-s, -s, -s), (-s, -s, s), (0, -s, s), (0, -s, -s)], white)
    t.end()
    for lens, row in rows.items():
        t.begin_system(lens, description="Linsensystem")
        for index, azimuth in enumerate(row["azimuths"]):
            t.polygon("Facette %d" % (index + 1),
                      facet(azimuth, row["depression"], row["half_azimuth"], row["half_depression"], 0.02),
                      (0.55, 0.75, 0.95), (0.2, 0.3, 0.5))
        t.end("end-system")
    t.end("end-system")
    t.end("end-system")
    t.begin_system("Eckhalter", description="Halter f\xfcr Eckmontage", visible=0)
    t.polygon("Schenkel links", [(-0.04, 0, -0.05), (-0.04, 0.06, -0.05), (-0.04, 0.06, 0.05), (-0.04, 0, 0.05)],
              white, rotation=(0, 0, 45))
    t.polygon("Schenkel rechts", [(-0.04, 0, -0.05), (-0.04, -0.06, -0.05), (-0.04, -0.06, 0.05),
                                  (-0.04, 0, 0.05)], white, rotation=(0, 0, -45))
    t.end("end-system")
    return t.finish()


def spread(count, half_width):
    if count == 1:
        return [0.0]
    step = 2.0 * half_width / (count - 1)
    return [-half_width + i * step for i in range(count)]


def sensor(model, limits):
    """Sensor document: scene and unit libraries, settings, results, modules."""
    root = "Pilot " + model
    t = Text()
    t.root(root, "Velmar " + root)
    t.library("Szene", "Scene" + model)
    t.begin_system("Halterung", (0.1, 0, limits["height"][0]), description="Montagepunkt")
    t.begin_system("Neigung", description="Kippachse")
    t.library("Sensor", "Unit" + model)
    t.end("end-system")
    t.end("end-system")
    t.begin_group("Einstellungen", "Einstellungen des Sensors")
    t.choice("Montageart", 0, ["Wand", "Decke", "Ecke"], "Montageart des Sensors")
    height, turn, tilt = limits["height"], limits["turn"], limits["tilt"]
    t.doublelink("Montageh\xf6he", height[0], height[1], height[2], root + ".Halterung.@3", "Montageh\xf6he in m")
    t.doublelink("Drehwinkel", turn[0], turn[1], turn[2], root + ".Halterung.@6", "Drehwinkel in Grad")
    t.doublelink("Kippwinkel", tilt[0], tilt[1], tilt[2], root + ".Halterung.Neigung.@5", "Kippwinkel in Grad")
    scene_root = "%s.Szene (Raum %s)" % (root, model)
    t.doublelink("Deckenh\xf6he", limits["ceiling"], 2.0, 6.0, scene_root + ".Deckenmontage.Ausstattung.Deckenplatte.@3",
                 "Deckenh\xf6he in m")
    t.enable("Linse oben", 1, "Fernzone")
    t.enable("Linse mitte", 1, "Mittelzone")
    t.enable("Linse unten", 1, "Nahzone")
    t.enable("Strahlen", 0, "Strahlen zeichnen")
    t.end()
    t.begin_group("Ergebnis", "Erfassungscharakteristik")
    t.end()
    unit_root = "%s.Halterung.Neigung.Sensor (Einheit %s)" % (root, model)
    settings = root + ".Einstellungen."
    cad1 = [scene_root + ".Wandmontage", scene_root + ".Deckenmontage", scene_root + ".Eckmontage",
            settings + "Montageart", settings + "Deckenh\xf6he",
            scene_root + ".Deckenmontage.Ausstattung.Deckenplatte",
            unit_root + ".Montage", unit_root + ".Montage.Kippung", unit_root + ".Eckhalter",
            unit_root + ".Montage.Kippung.Element", unit_root + ".Montage.Kippung.Linse oben",
            unit_root + ".Montage.Kippung.Linse mitte", unit_root + ".Montage.Kippung.Linse unten",
            root + ".Ergebnis", settings + "Linse oben", settings + "Linse mitte", settings + "Linse unten",
            settings + "Strahlen"]
    modules = ["CAD1 " + " ".join(field(p) for p in cad1)]
    # Readers (1), steps up (2) and steps down (3), in the order the project stores them.
    adjusted = (("MH", "Montageh\xf6he", height[3]), ("DW", "Drehwinkel", turn[3]), ("KW", "Kippwinkel", tilt[3]))
    modules += ["%s1 %s" % (prefix, field(settings + name)) for prefix, name, _ in adjusted]
    for suffix, sign in (("2", 1), ("3", -1)):
        modules += ["%s%s %s %s" % (prefix, suffix, field(settings + name), num(sign * step))
                    for prefix, name, step in adjusted]
    return t.finish(modules)


# Each model: its rooms (wall mount: length and the y of its side walls;
# ceiling mount: x1, y1, x2, y2; corner mount: side), wall height, lens rows and limits
# (value, minimum, maximum, step). Depressions stay far enough below the
# horizon that every ray still descends at the smallest tilt.
MODELS = {
    "A1": {
        "rooms": {"wall": (17.0, -12.0, 12.0), "ceiling": (-5.0, -5.0, 5.0, 5.0), "corner": 14.0},
        "height": 3.0,
        "rows": {
            "Linse oben": {"depression": 9, "azimuths": spread(9, 44), "half_azimuth": 3.0, "half_depression": 1.5},
            "Linse mitte": {"depression": 22, "azimuths": spread(7, 42), "half_azimuth": 3.5, "half_depression": 2.5},
            "Linse unten": {"depression": 45, "azimuths": spread(5, 40), "half_azimuth": 5.0, "half_depression": 3.5},
        },
        "limits": {"height": (2.2, 1.5, 3.5, 0.1), "turn": (0, -45, 45, 5), "tilt": (0, -5, 20, 2.5),
                   "ceiling": 3.0},
    },
    "B1": {
        "rooms": {"wall": (17.0, -16.0, 11.5), "ceiling": (-5.0, -5.0, 5.0, 5.0), "corner": 14.0},
        "height": 3.5,
        "rows": {
            "Linse oben": {"depression": 10, "azimuths": spread(8, 42), "half_azimuth": 2.5, "half_depression": 1.5},
            "Linse mitte": {"depression": 19, "azimuths": spread(7, 40), "half_azimuth": 3.0, "half_depression": 2.0},
            "Linse unten": {"depression": 38, "azimuths": spread(5, 36), "half_azimuth": 4.0, "half_depression": 3.0},
        },
        "limits": {"height": (2.5, 1.5, 4.0, 0.1), "turn": (0, -45, 45, 5), "tilt": (0, -5, 20, 2.5),
                   "ceiling": 3.5},
    },
    "B2": {
        "rooms": {"wall": (15.0, -19.0, 12.0), "ceiling": (-5.0, -5.0, 5.0, 5.0), "corner": 14.0},
        "height": 3.5,
        "rows": {
            "Linse oben": {"depression": 11, "azimuths": spread(11, 58), "half_azimuth": 2.5, "half_depression": 1.5},
            "Linse mitte": {"depression": 21, "azimuths": spread(9, 56), "half_azimuth": 3.0, "half_depression": 2.0},
            "Linse unten": {"depression": 42, "azimuths": spread(6, 50), "half_azimuth": 4.5, "half_depression": 3.0},
        },
        "limits": {"height": (2.5, 1.5, 4.0, 0.1), "turn": (0, -30, 30, 5), "tilt": (0, -5, 20, 2.5),
                   "ceiling": 3.5},
    },
    "C1": {
        "rooms": {"wall": (23.0, -2.5, 6.0), "ceiling": (-5.0, -5.0, 5.0, 5.0), "corner": 14.0},
        "height": 3.5,
        "rows": {
            "Linse oben": {"depression": 6.5, "azimuths": spread(7, 12), "half_azimuth": 1.7, "half_depression": 1.1},
            "Linse mitte": {"depression": 10, "azimuths": spread(6, 11), "half_azimuth": 2.0, "half_depression": 1.4},
            "Linse unten": {"depression": 16, "azimuths": spread(5, 10), "half_azimuth": 2.2, "half_depression": 1.7},
        },
        "limits": {"height": (2.5, 1.5, 4.0, 0.1), "turn": (0, -20, 20, 2), "tilt": (0, -3, 15, 1),
                   "ceiling": 3.5},
    },
}


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "resources/models"
    os.makedirs(out, exist_ok=True)
    for model, design in MODELS.items():
        texts = {"Pilot%s.txt" % model: sensor(model, design["limits"]),
                 "Scene%s.txt" % model: scene(model, design["rooms"], design["height"]),
                 "Unit%s.txt" % model: unit(model, design["rows"])}
        for name, text in texts.items():
            with open(os.path.join(out, name), "wb") as f:
                f.write(text.encode("cp1252"))


if __name__ == "__main__":
    main()
