#!/usr/bin/env python3
"""Writes the demo rules files examples/rules.txt, rules.fre and rules.ger.

Every name, abbreviation, number and comment here is invented for the demo.
The files are written as Windows-1252 bytes with CR LF line breaks, the way
the game keeps its rules files, so the French and German accents are single
bytes (é = 0xE9, ß = 0xDF), never UTF-8.

Run from anywhere: python3 scripts/make_demo_rules.py
The output is deterministic; commit the generated files with the script.
"""

import pathlib
import random
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
OUT = ROOT / "examples"

# --------------------------------------------------------------------------
# Cosmic constants: 21 values with a comment per language.
# --------------------------------------------------------------------------
COSMIC_VALUES = [3, 12, 2, 10, 10, 1, 2, 4, 14, 8, 16, 10, 5, 3, 3, 10, 0, 50, 50, 10, 1]

COSMIC_COMMENTS = {
    "en": [
        "Movement multiplier on roads",
        "One in x chance that a coastal raft is lost at sea",
        "Food eaten by each citizen per turn",
        "Rows in the granary box",
        "Rows in the workshop box",
        "Food eaten by builders under early rule",
        "Food eaten by builders under later rule",
        "City size at which discontent starts on the easiest level",
        "Unrest factor for the number of cities (higher is milder)",
        "City size above which a water channel is needed",
        "City size above which drain tunnels are needed",
        "Research pace (higher is slower)",
        "Base turns for workers to reshape land (times two)",
        "Free unit support under the first rule form",
        "Free unit support under the second rule form",
        "Free unit support under the third rule form",
        "Palace distance that the commune counts as",
        "Share of science lost under zealot rule (%)",
        "Penalty in % for switching the kind of production",
        "Longest airdrop range",
        "Voyage pace of star ships (higher is slower)",
    ],
    "fr": [
        "Multiplicateur de déplacement sur les routes",
        "Une chance sur x qu'un radeau côtier se perde en mer",
        "Nourriture mangée par chaque citoyen à chaque tour",
        "Rangées du grenier",
        "Rangées de l'atelier",
        "Nourriture des bâtisseurs sous le premier régime",
        "Nourriture des bâtisseurs sous les régimes tardifs",
        "Taille de ville où naît le mécontentement (niveau le plus facile)",
        "Facteur d'émeute selon le nombre de villes (plus élevé = plus doux)",
        "Taille au-delà de laquelle un canal d'eau est nécessaire",
        "Taille au-delà de laquelle des égouts sont nécessaires",
        "Rythme de la recherche (plus élevé = plus lent)",
        "Tours de base pour remodeler le terrain (fois deux)",
        "Entretien gratuit des unités sous la première forme de règne",
        "Entretien gratuit des unités sous la deuxième forme de règne",
        "Entretien gratuit des unités sous la troisième forme de règne",
        "Distance du palais qu'équivaut la commune",
        "Part de la science perdue sous le règne des zélotes (%)",
        "Pénalité en % pour un changement de production",
        "Portée maximale du largage aérien",
        "Rythme des vaisseaux stellaires (plus élevé = plus lent)",
    ],
    "de": [
        "Bewegungsfaktor auf Straßen",
        "Eins zu x, dass ein Küstenfloß auf See verloren geht",
        "Nahrung, die jeder Bürger pro Runde verzehrt",
        "Reihen im Kornspeicher",
        "Reihen in der Werkstatt",
        "Nahrung der Bauleute unter früher Herrschaft",
        "Nahrung der Bauleute unter späterer Herrschaft",
        "Stadtgröße, ab der Unmut beginnt (leichteste Stufe)",
        "Unruhefaktor je nach Zahl der Städte (höher = milder)",
        "Größe, über der ein Wasserkanal nötig ist",
        "Größe, über der Abwassertunnel nötig sind",
        "Forschungstempo (höher = langsamer)",
        "Grundzeit zum Umformen des Geländes (mal zwei)",
        "Freier Unterhalt der Einheiten unter der ersten Herrschaftsform",
        "Freier Unterhalt der Einheiten unter der zweiten Herrschaftsform",
        "Freier Unterhalt der Einheiten unter der dritten Herrschaftsform",
        "Palastentfernung, der die Kommune gleichkommt",
        "Anteil der Wissenschaft, den die Eiferer verlieren (%)",
        "Strafe in % für den Wechsel der Produktionsart",
        "Größte Reichweite eines Luftabwurfs",
        "Reisetempo der Sternenschiffe (höher = langsamer)",
    ],
}

# --------------------------------------------------------------------------
# Advances: (name, abbreviation), four epochs. Prerequisites are drawn from
# earlier advances only, so the prerequisites form a proper tree.
# --------------------------------------------------------------------------
ADVANCES_BY_EPOCH = [
    [  # 0
        ("Kiln Firing", "Kln"), ("Tidecraft", "Tdc"), ("Reed Weaving", "Rdw"),
        ("Ember Keeping", "Emk"), ("Hoof Taming", "Hft"), ("Moss Farming", "Msf"),
        ("Star Reckoning", "Srk"), ("Salt Curing", "Slc"), ("Ochre Marks", "Ocm"),
        ("Loom Binding", "Lmb"), ("Shell Tokens", "Sht"), ("Cliff Dwelling", "Cfd"),
        ("Copperleaf", "Cpf"), ("Ring Counting", "Rgc"), ("Drum Signals", "Drm"),
        ("Spirit Walking", "Spw"), ("Hearth Law", "Htl"), ("Wind Reading", "Wnr"),
        ("Ash Glazing", "Asg"), ("Bog Smelting", "Bgs"), ("Oath Circles", "Oth"),
        ("Raft Lashing", "Rfl"), ("Herb Lore", "Hrb"), ("Beacon Towers", "Bcn"),
    ],
    [  # 1
        ("Glass Grinding", "Ggr"), ("Lens Craft", "Lnc"), ("Clockwork", "Ckw"),
        ("Guild Charters", "Gch"), ("Canal Locks", "Cnl"), ("Tide Mills", "Tdm"),
        ("Ink Pressing", "Ikp"), ("Vaulted Halls", "Vlh"), ("Windlass Gears", "Wlg"),
        ("Spice Routes", "Spr"), ("Chart Inking", "Cik"), ("Pike Drill", "Pkd"),
        ("Harbor Chains", "Hbc"), ("Court Etiquette", "Cet"), ("Bell Casting", "Blc"),
        ("Saltpeter Beds", "Spb"), ("Debt Ledgers", "Dbl"), ("Pilgrim Roads", "Plr"),
        ("Star Atlases", "Sta"), ("Mirror Signals", "Mrs"), ("Kelp Distilling", "Kds"),
        ("Pulley Cranes", "Plc"), ("Quill Schools", "Qls"), ("Amber Coinage", "Amc"),
    ],
    [  # 2
        ("Steamworks", "Stw"), ("Coal Sorting", "Cls"), ("Rail Gauges", "Rlg"),
        ("Wire Drawing", "Wdw"), ("Spark Jars", "Spj"), ("Dye Vats", "Dyv"),
        ("Plated Hulls", "Plh"), ("Wire Whispers", "Wwh"), ("Boiler Valves", "Bvl"),
        ("Gas Lamps", "Gsl"), ("Union Halls", "Unh"), ("Belt Lines", "Btl"),
        ("Balloon Lofts", "Bll"), ("Rifled Barrels", "Rfb"), ("Drain Tunnels", "Drt"),
        ("Vaccine Farms", "Vcf"), ("Mass Ballots", "Mbl"), ("Tin Canning", "Tcn"),
        ("Cable Spans", "Cbs"), ("Film Reels", "Flr"), ("Turbine Halls", "Tbh"),
        ("Press Bureaus", "Prb"),
    ],
    [  # 3
        ("Lightweave", "Lwv"), ("Orbit Charts", "Orc"), ("Quiet Engines", "Qen"),
        ("Thinking Looms", "Thl"), ("Gene Gardens", "Ggd"), ("Deep Drilling", "Ddr"),
        ("Sky Harbors", "Skh"), ("Mirror Sails", "Msl"), ("Storm Taming", "Stt"),
        ("Silent Hulls", "Slh"), ("Ring Habitats", "Rhb"), ("Sun Traps", "Sut"),
        ("Tide Reactors", "Tdr"), ("Signal Webs", "Sgw"), ("Neural Lattice", "Nlt"),
        ("Void Sailing", "Vds"), ("Star Forges", "Sfg"), ("Cloud Seeding", "Cds"),
        ("Shard Optics", "Sho"), ("Glass Minds", "Gmd"), ("Pulse Shields", "Pls"),
        ("Far Ferrying", "Ffy"),
    ],
]


def build_advances(rng):
    """Returns a list of dicts in file order with prerequisites filled in."""
    advances = []
    for epoch, entries in enumerate(ADVANCES_BY_EPOCH):
        for name, abbrev in entries:
            n = len(advances)
            if n < 3:
                # The roots of the tree. One uses "no" instead of "nil"; both
                # mean "no advance" and the editor keeps whichever it read.
                p1, p2 = "nil", ("no" if n == 2 else "nil")
            else:
                # Mostly recent advances, sometimes an old one.
                window = advances[max(0, n - 18):]
                # The first advances after the roots build on the roots, so
                # that every root leads somewhere.
                first = advances[n - 3] if n < 6 else rng.choice(window)
                p1 = first["abbrev"]
                if n < 6 or rng.random() < 0.25:
                    p2 = "nil"
                else:
                    others = [a for a in advances if a["abbrev"] != p1]
                    p2 = rng.choice(others[max(0, len(others) - 30):])["abbrev"]
            advances.append({
                "name": name,
                "abbrev": abbrev,
                "ai": rng.randint(1, 8),
                "mod": rng.choice([-2, -1, -1, 0, 0, 1, 1, 2]),
                "p1": p1,
                "p2": p2,
                "epoch": epoch,
                "category": rng.randint(0, 4),
            })
    return advances


def advance_line(a):
    # "Tidecraft,       4, -1, Kln, nil, 0, 1  ; Tdc" with aligned columns.
    return "{:<18}{}, {:>2}, {:<4} {:<4} {}, {}  ; {}".format(
        a["name"] + ",", a["ai"], a["mod"], a["p1"] + ",", a["p2"] + ",",
        a["epoch"], a["category"], a["abbrev"])


# --------------------------------------------------------------------------
# Units: (name, domain, prerequisite, obsolete-by, attack, defense, moves,
#         hit points, fire power, cost, hold, role). Domain 0 land, 1 air,
# 2 sea. Role 0 attack, 1 defend, 2 sea control, 3 air control,
# 4 sea transport, 5 settle, 6 envoy, 7 trade.
# --------------------------------------------------------------------------
UNITS = [
    ("Field Tiller",    0, "nil", "Plc", 0, 1, 1, 2, 1, 3, 0, 5),
    ("Road Builder",    0, "Plc", "nil", 0, 2, 1, 2, 1, 4, 0, 5),
    ("Mossrider",       0, "nil", "Hft", 1, 1, 1, 1, 1, 1, 0, 0),
    ("Reed Slinger",    0, "Rdw", "Pkd", 1, 2, 1, 1, 1, 2, 0, 1),
    ("Ember Guard",     0, "Emk", "Rfb", 2, 2, 1, 1, 1, 2, 0, 1),
    ("Stone Warden",    0, "Cfd", "Vlh", 1, 3, 1, 1, 1, 3, 0, 1),
    ("Hoof Runner",     0, "Hft", "Ckw", 2, 1, 2, 1, 1, 2, 0, 0),
    ("Glass Lancer",    0, "Ggr", "Btl", 4, 2, 2, 1, 1, 4, 0, 0),
    ("Ash Bowman",      0, "Asg", "Pkd", 3, 1, 1, 1, 1, 3, 0, 0),
    ("Cliff Climber",   0, "Cfd", "Rlg", 2, 2, 1, 1, 1, 3, 0, 1),
    ("Bog Stalker",     0, "Bgs", "Wdw", 3, 2, 1, 1, 1, 3, 0, 0),
    ("Oath Keeper",     0, "Oth", "Unh", 2, 4, 1, 2, 1, 4, 0, 1),
    ("Pike Wall",       0, "Pkd", "Rfb", 1, 4, 1, 1, 1, 3, 0, 1),
    ("Bell Ringer",     0, "Blc", "Wwh", 0, 1, 2, 1, 1, 3, 0, 6),
    ("Salt Raider",     0, "Slc", "Gch", 3, 1, 2, 1, 1, 3, 0, 0),
    ("Lamp Bearer",     0, "Ocm", "nil", 0, 1, 1, 1, 1, 2, 0, 6),
    ("Copper Shield",   0, "Cpf", "Bvl", 1, 3, 1, 1, 1, 2, 0, 1),
    ("Drum Herald",     0, "Drm", "Mrs", 0, 1, 2, 1, 1, 3, 0, 6),
    ("Herb Healer",     0, "Hrb", "Amc", 0, 1, 1, 1, 1, 3, 0, 7),
    ("Amber Hauler",    0, "Amc", "nil", 0, 1, 1, 1, 1, 5, 0, 7),
    ("Tide Walker",     0, "Tdm", "Stw", 3, 3, 1, 2, 1, 5, 0, 0),
    ("Rail Gunner",     0, "Rlg", "Pls", 6, 3, 1, 2, 1, 6, 0, 0),
    ("Wire Sapper",     0, "Wdw", "Sgw", 4, 4, 1, 2, 1, 5, 0, 1),
    ("Steam Crawler",   0, "Stw", "Qen", 8, 4, 2, 3, 1, 8, 0, 0),
    ("Plated Strider",  0, "Plh", "Sfg", 6, 6, 2, 3, 1, 8, 0, 1),
    ("Spark Thrower",   0, "Spj", "Sho", 7, 2, 1, 2, 2, 6, 0, 0),
    ("Union Brigade",   0, "Unh", "Nlt", 4, 6, 1, 2, 1, 5, 0, 1),
    ("Dust Ranger",     0, "Cbs", "nil", 4, 3, 3, 2, 1, 6, 0, 0),
    ("Signal Scout",    0, "Wwh", "nil", 0, 1, 3, 1, 1, 3, 0, 6),
    ("Gene Soldier",    0, "Ggd", "nil", 8, 8, 1, 3, 1, 9, 0, 1),
    ("Lattice Trooper", 0, "Nlt", "nil", 10, 6, 2, 3, 2, 10, 0, 0),
    ("Storm Guard",     0, "Stt", "nil", 6, 10, 1, 3, 1, 9, 0, 1),
    ("Quiet Walker",    0, "Qen", "nil", 5, 5, 3, 2, 1, 7, 0, 6),
    ("Shard Thrower",   0, "Sho", "nil", 12, 2, 1, 2, 2, 9, 0, 0),
    ("Pulse Strider",   0, "Pls", "nil", 10, 10, 3, 3, 2, 12, 0, 0),
    ("Balloon Spotter", 1, "Bll", "Skh", 0, 1, 4, 1, 1, 4, 0, 3),
    ("Kite Glider",     1, "Wnr", "Bll", 1, 1, 3, 1, 1, 3, 0, 3),
    ("Sky Skimmer",     1, "Skh", "nil", 6, 4, 10, 2, 2, 8, 0, 3),
    ("Storm Hawk",      1, "Stt", "nil", 12, 1, 8, 2, 2, 12, 0, 0),
    ("Void Dart",       1, "Vds", "nil", 20, 0, 16, 1, 3, 16, 0, 0),
    ("Cloud Lancer",    1, "Cds", "nil", 8, 6, 12, 2, 2, 10, 0, 3),
    ("Glass Wing",      1, "Gmd", "nil", 14, 8, 14, 2, 2, 14, 0, 3),
    ("Tide Skiff",      2, "Tdc", "Rfl", 1, 0, 3, 1, 1, 4, 2, 4),
    ("Reed Raft",       2, "Rfl", "Cnl", 0, 1, 2, 1, 1, 3, 2, 4),
    ("Shell Galley",    2, "Sht", "Plh", 2, 1, 3, 1, 1, 4, 1, 2),
    ("Amber Trader",    2, "Spr", "nil", 0, 1, 4, 1, 1, 4, 3, 7),
    ("Kelp Barge",      2, "Kds", "Btl", 0, 2, 3, 1, 1, 5, 4, 4),
    ("Chain Cutter",    2, "Hbc", "Slh", 4, 2, 4, 2, 1, 5, 0, 2),
    ("Boiler Ram",      2, "Bvl", "Msl", 6, 4, 5, 3, 1, 7, 0, 2),
    ("Steam Cutter",    2, "Stw", "Tdr", 4, 4, 6, 2, 1, 6, 0, 2),
    ("Silent Diver",    2, "Slh", "nil", 10, 2, 5, 3, 2, 8, 6, 2),
    ("Mirror Sloop",    2, "Msl", "nil", 8, 8, 6, 3, 2, 10, 0, 2),
    ("Deep Hauler",     2, "Ddr", "nil", 0, 4, 5, 3, 1, 7, 8, 4),
    ("Star Ferry",      2, "Ffy", "nil", 0, 6, 8, 3, 1, 9, 8, 4),
]


def check_units(advances):
    """Every advance a unit names must exist in the advances section."""
    known = {a["abbrev"] for a in advances}
    for name, _dom, pre, obs, *_rest in UNITS:
        for ref in (pre, obs):
            assert ref in known or ref in ("nil", "no"), (name, ref)
    return UNITS


def unit_line(row, rng, index):
    name, dom, pre, obs, att, dfn, mv, hp, fp, cost, hold, role = row
    rounds = 1 if dom == 1 and mv < 10 else (2 if dom == 1 else 0)
    # Fifteen flag characters; a handful of units get a few set.
    flags = ["0"] * 15
    if dom == 2 and role == 4:
        flags[rng.randint(0, 14)] = "1"
    if index % 7 == 3:
        flags[rng.randint(0, 14)] = "1"
    if role == 6:
        flags[2] = "1"
    if dom == 1:
        flags[10] = "1"
    if index == 4:
        obs = "no"  # a unit that is never obsolete, written the other way
    # "Mossrider,     Tdc, 0,  1.,0,  1a,1d,  1h,1f,1,0,  0, nil, 000000000000000"
    return "{:<17}{:<5}{}, {:>2}.,{},  {:>2}a,{:>2}d,  {}h,{}f,{:>2},{},  {}, {}, {}".format(
        name + ",", obs + ",", dom, mv, rounds, att, dfn, hp, fp, cost, hold,
        role, pre, "".join(flags))


# --------------------------------------------------------------------------
# Free text and the other sections, per language.
# --------------------------------------------------------------------------
TEXT = {
    "en": {
        "head": [
            "; Ovantra demo rules - English edition",
            "; Every name, number and comment in this file is invented for the",
            "; editor's demonstration; it is not the content of any real game.",
            ";",
            "; Lines outside the @COSMIC, @CIVILIZE and @UNITS sections are kept",
            "; exactly as they are when the editor saves.",
            "",
        ],
        "cosmic": "; Global constants: value, then a comment after the semicolon",
        "civ": [
            "; Advances: name, AI value, modifier, prerequisite 1, prerequisite 2,",
            ";           epoch (0-3), category (0-4) ; abbreviation",
        ],
        "units": [
            "; Units: name, obsolete by, domain, moves, rounds, attack, defense,",
            ";        hit points, fire power, cost, hold, role, prerequisite, flags",
        ],
        "landmarks": "; Landmarks a city may raise: name, cost, advance needed",
        "terrain": "; Terrain: name, move cost, defense, food, shields, trade ; code",
        "govs": "; Forms of rule: name, title of the leader, title of the consort",
        "tail": [
            "; End of the demo rules.",
            "; Tip: keep a copy of this file before you experiment with it.",
        ],
        "marks": [("Drowned Bell Tower", 20, "Blc"), ("Glass Orchard", 30, "Ggr"),
                  ("Lantern Causeway", 25, "Plr"), ("Hall of Tides", 40, "Tdm"),
                  ("Sky Anchor", 60, "Skh")],
        "terrain_rows": [("Saltmarsh", 2, 1, 1, 0, 0, "smh"), ("Reedbank", 1, 0, 2, 0, 1, "rdb"),
                         ("Ashfield", 1, 0, 1, 2, 0, "asf"), ("Glass Dunes", 2, 1, 0, 1, 1, "gld"),
                         ("Mossy Heath", 1, 0, 1, 1, 0, "msh"), ("Cliffland", 3, 2, 0, 2, 0, "clf")],
        "gov_rows": [("Moot", "Moot Speaker", "Moot Speaker"),
                     ("Ember Court", "Ember Lord", "Ember Lady"),
                     ("Guild Compact", "Guildmaster", "Guildmistress"),
                     ("Tide Council", "First Warden", "First Warden")],
    },
    "fr": {
        "head": [
            "; Règles de démonstration d'Ovantra - édition française",
            "; Tous les noms, nombres et commentaires de ce fichier sont inventés",
            "; pour la démonstration de l'éditeur : « données fictives ».",
            ";",
            "; Les lignes hors des sections @COSMIC, @CIVILIZE et @UNITS sont",
            "; conservées telles quelles à l'enregistrement. Été, forêt, clé, œuvre.",
            "",
        ],
        "cosmic": "; Constantes globales : valeur, puis un commentaire après le point-virgule",
        "civ": [
            "; Découvertes : nom, valeur IA, modificateur, prérequis 1, prérequis 2,",
            ";               époque (0-3), catégorie (0-4) ; abréviation",
        ],
        "units": [
            "; Unités : nom, obsolète par, domaine, mouvements, tours, attaque, défense,",
            ";          points de vie, puissance de feu, coût, cale, rôle, prérequis, drapeaux",
        ],
        "landmarks": "; Merveilles qu'une ville peut élever : nom, coût, découverte requise",
        "terrain": "; Terrain : nom, coût de déplacement, défense, nourriture, boucliers, commerce ; code",
        "govs": "; Régimes : nom, titre du chef, titre du conjoint",
        "tail": [
            "; Fin des règles de démonstration.",
            "; Conseil : gardez une copie de ce fichier avant de l'éditer. À bientôt !",
        ],
        "marks": [("Clocher Noye", 20, "Blc"), ("Verger de Verre", 30, "Ggr"),
                  ("Chaussee des Lanternes", 25, "Plr"), ("Salle des Marees", 40, "Tdm"),
                  ("Ancre Celeste", 60, "Skh")],
        "terrain_rows": [("Marais Salant", 2, 1, 1, 0, 0, "smh"), ("Roseliere", 1, 0, 2, 0, 1, "rdb"),
                         ("Champ de Cendre", 1, 0, 1, 2, 0, "asf"), ("Dunes de Verre", 2, 1, 0, 1, 1, "gld"),
                         ("Lande Moussue", 1, 0, 1, 1, 0, "msh"), ("Falaises", 3, 2, 0, 2, 0, "clf")],
        "gov_rows": [("Assemblee", "Orateur", "Oratrice"),
                     ("Cour des Braises", "Seigneur", "Dame"),
                     ("Pacte des Guildes", "Maitre", "Maitresse"),
                     ("Conseil des Marees", "Gardien", "Gardienne")],
    },
    "de": {
        "head": [
            "; Ovantra-Demoregeln - deutsche Ausgabe",
            "; Alle Namen, Zahlen und Kommentare dieser Datei sind für die",
            "; Vorführung des Editors frei erfunden („ausgedachte Daten“).",
            ";",
            "; Zeilen außerhalb der Abschnitte @COSMIC, @CIVILIZE und @UNITS",
            "; bleiben beim Speichern unverändert. Größe, Straße, Übung, Höhe.",
            "",
        ],
        "cosmic": "; Globale Konstanten: Wert, dann ein Kommentar nach dem Semikolon",
        "civ": [
            "; Fortschritte: Name, KI-Wert, Modifikator, Voraussetzung 1, Voraussetzung 2,",
            ";               Epoche (0-3), Kategorie (0-4) ; Kürzel",
        ],
        "units": [
            "; Einheiten: Name, veraltet durch, Bereich, Züge, Runden, Angriff, Verteidigung,",
            ";            Trefferpunkte, Feuerkraft, Kosten, Laderaum, Rolle, Voraussetzung, Schalter",
        ],
        "landmarks": "; Wahrzeichen, die eine Stadt errichten kann: Name, Kosten, nötiger Fortschritt",
        "terrain": "; Gelände: Name, Bewegungskosten, Verteidigung, Nahrung, Schilde, Handel ; Kürzel",
        "govs": "; Herrschaftsformen: Name, Titel des Oberhaupts, Titel des Gemahls",
        "tail": [
            "; Ende der Demoregeln.",
            "; Tipp: Bewahren Sie eine Kopie dieser Datei auf, bevor Sie sie ändern. Schöne Grüße!",
        ],
        "marks": [("Versunkener Glockenturm", 20, "Blc"), ("Glasgarten", 30, "Ggr"),
                  ("Laternendamm", 25, "Plr"), ("Halle der Gezeiten", 40, "Tdm"),
                  ("Himmelsanker", 60, "Skh")],
        "terrain_rows": [("Salzmarsch", 2, 1, 1, 0, 0, "smh"), ("Schilfufer", 1, 0, 2, 0, 1, "rdb"),
                         ("Aschefeld", 1, 0, 1, 2, 0, "asf"), ("Glasduenen", 2, 1, 0, 1, 1, "gld"),
                         ("Moosheide", 1, 0, 1, 1, 0, "msh"), ("Klippenland", 3, 2, 0, 2, 0, "clf")],
        "gov_rows": [("Thingrat", "Sprecher", "Sprecherin"),
                     ("Glutenhof", "Glutherr", "Glutherrin"),
                     ("Gildenbund", "Gildenmeister", "Gildenmeisterin"),
                     ("Gezeitenrat", "Erster Waechter", "Erste Waechterin")],
    },
}

FILES = {"en": "rules.txt", "fr": "rules.fre", "de": "rules.ger"}


def build_file(lang, advances, units):
    t = TEXT[lang]
    unit_rng = random.Random(54)
    lines = list(t["head"])

    lines += [t["cosmic"], "@COSMIC"]
    for value, comment in zip(COSMIC_VALUES, COSMIC_COMMENTS[lang]):
        lines.append("{:<6}; {}".format(value, comment))
    lines += [";", ""]

    lines += t["civ"] + ["@CIVILIZE"]
    lines += [advance_line(a) for a in advances]
    lines += [";", ""]

    lines += [t["landmarks"], "@LANDMARKS"]
    for name, cost, needs in t["marks"]:
        lines.append("{:<26}{:>3}, {}".format(name + ",", cost, needs))
    lines += [";", ""]

    lines += t["units"] + ["@UNITS"]
    lines += [unit_line(row, unit_rng, i) for i, row in enumerate(units)]
    lines += [";", ""]

    lines += [t["terrain"], "@TERRAIN"]
    for name, move, defense, food, shields, trade, code in t["terrain_rows"]:
        lines.append("{:<18}{}, {}, {}, {}, {} ; {}".format(
            name + ",", move, defense, food, shields, trade, code))
    lines += [";", ""]

    lines += [t["govs"], "@GOVERNMENTS"]
    for name, leader, consort in t["gov_rows"]:
        lines.append("{:<22}{:<20}{}".format(name + ",", leader + ",", consort))
    lines += [";", ""]

    lines += t["tail"]
    return lines


def check(lines, advances, units):
    """Keeps the demo well-formed: the editor should load it without findings."""
    abbrevs = [a["abbrev"] for a in advances]
    assert len(set(abbrevs)) == len(abbrevs), "advance abbreviations must be distinct"
    assert all(len(x) == 3 for x in abbrevs)
    names = [a["name"] for a in advances] + [u[0] for u in units]
    assert len(set(names)) == len(names), "names must be distinct"
    assert 85 <= len(advances) <= 94, len(advances)
    assert len(units) == 54, len(units)
    seen = set()
    for a in advances:
        for p in (a["p1"], a["p2"]):
            assert p in ("nil", "no") or p in seen, (a["name"], p)
        seen.add(a["abbrev"])
    assert not lines[0].startswith("@")
    # Inside the three edited sections every line is a data line (more than
    # 5 characters, not starting with "@") up to the closing ";".
    for header, count in (("@COSMIC", 21), ("@CIVILIZE", len(advances)), ("@UNITS", 54)):
        start = lines.index(header) + 1
        end = lines.index(";", start)
        assert end - start == count, (header, end - start)
        for line in lines[start:end]:
            assert len(line) > 5 and not line.startswith("@"), line
    for line in lines:
        assert "\r" not in line and "\n" not in line and "\0" not in line


def main():
    rng = random.Random(1701)
    advances = build_advances(rng)
    units = check_units(advances)
    OUT.mkdir(exist_ok=True)
    for lang, file_name in FILES.items():
        lines = build_file(lang, advances, units)
        check(lines, advances, units)
        data = ("\r\n".join(lines) + "\r\n").encode("cp1252")
        (OUT / file_name).write_bytes(data)
        print("wrote {} ({} lines, {} bytes)".format(OUT / file_name, len(lines), len(data)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
