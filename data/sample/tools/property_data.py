"""Property vocabulary, the layout of the property-search mask and the property tables of the
sample steels. Texts are (German, French, English)."""

# Kinds of property: id, names, sort position.
KINDS = [
    (1, ("Mechanische Eigenschaften", "Caractéristiques mécaniques", "Mechanical properties"), 1),
    (2, ("Physikalische Eigenschaften", "Propriétés physiques", "Physical properties"), 2),
    (3, ("Wärmebehandlung", "Traitement thermique", "Heat treatment"), 3),
    (4, ("Bemerkungen", "Remarques", "Notes"), 5),
    (5, ("Schweißen", "Soudage", "Welding"), 4),
]

# Properties: key -> (id, kind, searchable, names, unit, formula symbol, temperature tendency,
# dimension tendency). The tendencies say how the value moves as the test temperature or the
# dimension rises: 1 up, -1 down, None not stated.
PROPS = {
    "Rm": (1, 1, True, ("Zugfestigkeit", "Résistance à la traction", "Tensile strength"),
           "MPa", "Rm", -1, -1),
    "ReH": (2, 1, True, ("Obere Streckgrenze", "Limite supérieure d'écoulement",
                         "Upper yield strength"), "MPa", "ReH", -1, -1),
    "Re": (3, 1, True, ("Streckgrenze", "Limite d'élasticité", "Yield strength"),
           "MPa", "Re", -1, -1),
    "Rp02": (4, 1, True, ("0,2 %-Dehngrenze", "Limite conventionnelle d'élasticité à 0,2 %",
                          "0.2 % proof strength"), "MPa", "Rp0,2", -1, None),
    "Rp10": (5, 1, True, ("1 %-Dehngrenze", "Limite conventionnelle d'élasticité à 1 %",
                          "1 % proof strength"), "MPa", "Rp1,0", -1, None),
    "A": (6, 1, True, ("Bruchdehnung", "Allongement après rupture", "Elongation after fracture"),
          "%", "A", None, None),
    "Z": (7, 1, True, ("Brucheinschnürung", "Coefficient de striction", "Reduction of area"),
          "%", "Z", None, 1),
    "KV": (8, 1, True, ("Kerbschlagarbeit (Charpy-V)", "Énergie de rupture (Charpy V)",
                        "Impact energy (Charpy V-notch)"), "J", "KV", 1, None),
    "HB": (9, 1, True, ("Brinellhärte", "Dureté Brinell", "Brinell hardness"), "HBW", "HBW",
           None, None),
    "HRC": (10, 1, True, ("Rockwellhärte C", "Dureté Rockwell C", "Rockwell hardness C"), "HRC",
            "HRC", None, None),
    "rho": (11, 2, True, ("Dichte", "Masse volumique", "Density"), "kg/dm³", "ρ", None, None),
    "E": (12, 2, True, ("Elastizitätsmodul", "Module d'élasticité", "Modulus of elasticity"),
          "GPa", "E", -1, None),
    "alpha": (13, 2, True, ("Mittlerer Wärmeausdehnungskoeffizient",
                            "Coefficient moyen de dilatation thermique",
                            "Mean coefficient of thermal expansion"), "10⁻⁶/K", "α", 1, None),
    "lambda": (14, 2, True, ("Wärmeleitfähigkeit", "Conductivité thermique",
                             "Thermal conductivity"), "W/(m·K)", "λ", None, None),
    "c": (15, 2, True, ("Spezifische Wärmekapazität", "Capacité thermique massique",
                        "Specific heat capacity"), "J/(kg·K)", "c", None, None),
    "rhoel": (16, 2, True, ("Spezifischer elektrischer Widerstand", "Résistivité électrique",
                            "Electrical resistivity"), "Ω·mm²/m", "ρel", None, None),
    "T_sol": (17, 3, True, ("Lösungsglühen", "Hypertrempe", "Solution annealing"), "°C", None,
              None, None),
    "T_ann": (18, 3, True, ("Glühen", "Recuit", "Annealing"), "°C", None, None, None),
    "T_soft": (19, 3, True, ("Weichglühen", "Recuit d'adoucissement", "Soft annealing"), "°C",
               None, None, None),
    "T_norm": (20, 3, True, ("Normalglühen", "Normalisation", "Normalizing"), "°C", None, None,
               None),
    "T_hard": (21, 3, True, ("Härten", "Trempe", "Hardening"), "°C", None, None, None),
    "T_temp": (22, 3, True, ("Anlassen", "Revenu", "Tempering"), "°C", None, None, None),
    "T_carb": (23, 3, True, ("Aufkohlen", "Cémentation", "Carburizing"), "°C", None, None, None),
    "T_core": (24, 3, True, ("Kernhärten", "Trempe à cœur", "Core hardening"), "°C", None,
               None, None),
    "T_case": (25, 3, True, ("Randhärten", "Trempe de la couche cémentée",
                        "Hardening of the case"),
               "°C", None, None, None),
    "weld": (26, 5, False, ("Schweißeignung", "Soudabilité", "Weldability"), None, None, None,
             None),
}

# Vocabulary of the conditions: key -> (id, names). Search ids are the id plus an offset, so
# that a mix-up of id and search id shows.
ZUSTAND = {
    "ARN": (1, ("Walzzustand oder normalgeglüht (+AR/+N)", "brut de laminage ou normalisé "
                "(+AR/+N)", "as rolled or normalized (+AR/+N)")),
    "N": (2, ("normalgeglüht (+N)", "normalisé (+N)", "normalized (+N)")),
    "QT": (3, ("vergütet (+QT)", "trempé et revenu (+QT)", "quenched and tempered (+QT)")),
    "A": (4, ("weichgeglüht (+A)", "recuit d'adoucissement (+A)", "soft annealed (+A)")),
    "AT": (5, ("lösungsgeglüht (+AT)", "hypertrempé (+AT)", "solution annealed (+AT)")),
    "AN": (6, ("geglüht (+A)", "recuit (+A)", "annealed (+A)")),
    "HT": (7, ("gehärtet und angelassen", "trempé et revenu", "hardened and tempered")),
}
ABKUEHLUNG = {
    "air": (1, ("Luft", "air", "air")),
    "oil": (2, ("Öl", "huile", "oil")),
    "water": (3, ("Wasser", "eau", "water")),
    "furnace": (4, ("Ofen", "four", "furnace")),
    "water_oil": (5, ("Wasser oder Öl", "eau ou huile", "water or oil")),
    "water_air": (6, ("Wasser oder Luft", "eau ou air", "water or air")),
    "oil_air": (7, ("Öl oder Luft", "huile ou air", "oil or air")),
    "slow": (8, ("langsam abkühlen", "refroidissement lent", "slow cooling")),
}
# Duration kinds: key -> (id, SID_Dauer, SID_Faktor (seconds per unit), names).
DAUER = {
    "s": (1, 1, 1, ("Sekunden", "secondes", "seconds")),
    "min": (2, 2, 60, ("Minuten", "minutes", "minutes")),
    "h": (3, 3, 3600, ("Stunden", "heures", "hours")),
}
FORM = {
    "flatlong": (1, ("Flach- und Langerzeugnisse", "produits plats et longs",
                     "flat and long products")),
    "bar": (2, ("Stäbe", "barres", "bars")),
    "C": (3, ("kaltgewalztes Band (C)", "bande laminée à froid (C)", "cold rolled strip (C)")),
    "H": (4, ("warmgewalztes Band (H)", "bande laminée à chaud (H)", "hot rolled strip (H)")),
    "P": (5, ("warmgewalztes Blech (P)", "tôle laminée à chaud (P)", "hot rolled plate (P)")),
    "plate": (6, ("Blech und Band", "tôles et bandes", "plate, sheet and strip")),
    "all": (7, ("alle Erzeugnisformen", "toutes formes de produits", "all product forms")),
}
PROBENLAGE = {
    "long": (1, ("längs", "long", "longitudinal")),
    "trans": (2, ("quer", "travers", "transverse")),
}
KLASSIFIZIERUNG = {
    "spec": (1, ("Normwert", "valeur spécifiée", "specified value")),
    "guide": (2, ("Anhaltswert", "valeur indicative", "guide value")),
}
SID_OFFSET = {"Eigenschaft": 1000, "Zustand": 100, "Abkuehlung": 200, "Form": 300,
              "Probenlage": 400, "Klassifizierung": 500}

# Remarks of property values: key -> (D, F, E).
BEMERKUNG = {
    "A_L0": ("Anfangsmesslänge L0 = 5,65 · √S0.", "Longueur initiale entre repères "
             "L0 = 5,65 · √S0.", "Original gauge length L0 = 5.65 · √S0."),
    "A80": ("Für Dicken unter 3 mm gilt die Bruchdehnung A80 (L0 = 80 mm).",
            "Pour les épaisseurs inférieures à 3 mm, l'allongement A80 (L0 = 80 mm) "
            "s'applique.", "For thicknesses below 3 mm the elongation A80 (L0 = 80 mm) "
            "applies."),
    "KV3": ("Mittelwert aus drei Proben.", "Moyenne de trois éprouvettes.",
            "Mean value of three test pieces."),
    "d_t": ("Maßgebend ist der Durchmesser, bei Flacherzeugnissen die Dicke.",
            "La dimension déterminante est le diamètre ou, pour les produits plats, "
            "l'épaisseur.", "The relevant dimension is the diameter or, for flat products, "
            "the thickness."),
    "Re_def": ("Re: obere Streckgrenze ReH oder, wenn keine ausgeprägte Streckgrenze auftritt, "
               "0,2 %-Dehngrenze Rp0,2.", "Re : limite supérieure d'écoulement ReH ou, en "
               "l'absence de palier, limite conventionnelle Rp0,2.",
               "Re: upper yield strength ReH or, if no yield phenomenon occurs, 0.2 % proof "
               "strength Rp0,2."),
    "guide": ("Anhaltswerte; sie sind nicht Gegenstand der Lieferbedingungen.",
              "Valeurs indicatives ; elles ne font pas partie des conditions de livraison.",
              "Guide values; they are not part of the delivery conditions."),
    "HT_ISO": ("Härte nach Härten von der angegebenen Temperatur und Anlassen bei der "
               "Zustandstemperatur (Prüfung an Proben).",
               "Dureté après trempe à la température indiquée et revenu à la température "
               "d'état (essai sur éprouvettes).",
               "Hardness after hardening from the stated temperature and tempering at the "
               "condition temperature (test on samples)."),
    "A_2in": ("Bruchdehnung an 50 mm (2 in) Messlänge.", "Allongement sur 50 mm (2 in) "
              "entre repères.", "Elongation in 50 mm (2 in) gauge length."),
    "core": ("Kernhärten nach dem Aufkohlen; anschließend Randhärten möglich.",
             "Trempe à cœur après cémentation ; trempe de la couche cémentée possible ensuite.",
             "Core hardening after carburizing; case hardening may follow."),
    "soft_max": ("Höchsthärte im weichgeglühten Zustand.", "Dureté maximale à l'état recuit "
                 "d'adoucissement.", "Maximum hardness in the soft annealed condition."),
}

# The property-search mask: one row per grid column (Spalte). Columns 4 (unit) and 19 to 26
# are the grid's own. Width is a percentage of the grid; 0 hides the column.
# (column, field, width, alignment, combo, combo content, control index, negatable, symbol,
#  comparison)
SEARCH_MASK = [
    (1, "tabEigenschaftswerte.SId_Eigenschaft", 16, 1, True, "Eigenschaft", 0, False, "@SE", "="),
    (2, "tabEigenschaftswerte.Eigenschaft_min", 6, 7, False, None, 0, False, "@n", ">="),
    (3, "tabEigenschaftswerte.Eigenschaft_max", 6, 7, False, None, 1, False, "@x", "<="),
    (5, "tabEigenschaftswerte.Dauer_min", 0, 7, False, None, 8, False, "@Dn", ">="),
    (6, "tabEigenschaftswerte.Dauer_max", 0, 7, False, None, 9, False, "@Dx", "<="),
    (7, "tabEigenschaftswerte.SID_Dauer", 0, 1, True, "Dauer", 1, False, "@SD", "="),
    (8, "tabEigenschaftswerte.SID_Klassifizierung", 6, 1, True, "Klassifizierung", 2, True,
     "@SK", "="),
    (9, "tabEigenschaftswerte.Abmasse_min", 5, 7, False, None, 6, False, "@An", ">="),
    (10, "tabEigenschaftswerte.Abmasse_max", 5, 7, False, None, 7, False, "@Ax", "<="),
    (11, "tabEigenschaftswerte.SID_Form", 9, 1, True, "Form", 3, True, "@SF", "="),
    (12, "tabEigenschaftswerte.SID_Probenlage", 6, 1, True, "Probenlage", 4, True, "@SP", "="),
    (13, "tabEigenschaftswerte.Such_Temp_min", 5, 7, False, None, 2, False, "@STn", "<="),
    (14, "tabEigenschaftswerte.Such_Temp_max", 5, 7, False, None, 3, False, "@STx", ">="),
    (15, "tabEigenschaftswerte.SID_Abkuehlung", 6, 1, True, "Abkuehlung", 5, True, "@SA", "="),
    (16, "tabEigenschaftswerte.ZuTemp_Min", 5, 7, False, None, 4, False, "@ZTn", "<="),
    (17, "tabEigenschaftswerte.ZuTemp_Max", 5, 7, False, None, 5, False, "@ZTx", ">="),
    (18, "tabEigenschaftswerte.SID_Zustand", 9, 1, True, "Zustand", 6, True, "@SZ", "="),
]


def V(p, n=None, x=None, an=None, ax=None, z=None, f=None, pl=None, k="spec", t=None, tn=None,
      tx=None, a=None, zt=None, fn=()):
    """One property value: property key, value range, dimension range, state, form, specimen
    position, classification, test temperature, cooling, state temperature, remarks.

    A value given by n alone is a minimum, by x alone a maximum. A guide value is a figure to go
    by, not a bound: a single one is given as n = x. A test temperature (t) and a state
    temperature (zt) are single temperatures, stored as equal bounds; tn and tx give a range of
    test temperatures, such as the span of a mean coefficient of expansion."""
    assert not (k == "guide" and n is not None and x is None), ("guide value as a minimum", p, n)
    assert t is None or (tn is None and tx is None), ("temperature given twice", p)
    assert (tn is None) == (tx is None), ("test temperature as a bound", p, tn, tx)
    if t is not None:
        tn = tx = t
    ztn = ztx = zt
    return dict(p=p, n=n, x=x, an=an, ax=ax, z=z, f=f, pl=pl, k=k, tn=tn, tx=tx, a=a, ztn=ztn,
                ztx=ztx, fn=list(fn))


def guide(p, v, **kw):
    """A single guide value for all product forms, with the remark that it is one."""
    return V(p, v, v, f="all", k="guide", fn=["guide"], **kw)


# --- EN 10025-2:2019 non-alloy structural steels ---------------------------------------------
THICK_REH = [(None, 16), (16, 40), (40, 63), (63, 80), (80, 100), (100, 150), (150, 200),
             (200, 250)]
THICK_RM = [(None, 3), (3, 100), (100, 150), (150, 250)]
THICK_A = [(3, 40), (40, 63), (63, 100), (100, 150), (150, 250)]
REH = {"S235": [235, 225, 215, 215, 215, 195, 185, 175],
       "S275": [275, 265, 255, 245, 235, 225, 215, 205],
       "S355": [355, 345, 335, 325, 315, 295, 285, 275]}
RM = {"S235": [(360, 510), (360, 510), (350, 500), (340, 490)],
      "S275": [(430, 580), (410, 560), (400, 540), (380, 540)],
      "S355": [(510, 680), (470, 630), (450, 600), (450, 600)]}
ELONG = {"S235": [26, 25, 24, 22, 21], "S275": [23, 22, 21, 19, 18],
         "S355": [22, 21, 20, 18, 17]}
IMPACT = {"JR": (20, 27), "J0": (0, 27), "J2": (-20, 27), "K2": (-20, 40)}


def structural(level, quality):
    vals = []
    for (an, ax), v in zip(THICK_REH, REH[level]):
        vals.append(V("ReH", v, an=an, ax=ax, z="ARN", f="flatlong", t=20))
    for (an, ax), (lo, hi) in zip(THICK_RM, RM[level]):
        vals.append(V("Rm", lo, hi, an=an, ax=ax, z="ARN", f="flatlong", t=20))
    for (an, ax), v in zip(THICK_A, ELONG[level]):
        vals.append(V("A", v, an=an, ax=ax, z="ARN", f="flatlong", pl="long", t=20,
                      fn=["A_L0"]))
    t, j = IMPACT[quality]
    vals.append(V("KV", j, z="ARN", f="flatlong", pl="long", t=t, fn=["KV3"]))
    return vals


# --- EN 10083-2/-3 steels for quenching and tempering ------------------------------------------
DIA_QT = [(None, 16), (16, 40), (40, 100), (100, 160), (160, 250)]


def qt(rows, soft_hb=None, hard=None, temper=None, cooling=None, normal=None):
    """rows: per diameter range (Re, Rm min, Rm max, A, Z or None, KV or None)."""
    vals = []
    for (an, ax), row in zip(DIA_QT, rows):
        if row is None:
            continue
        re, rmn, rmx, a, z, kv = row
        vals.append(V("Re", re, an=an, ax=ax, z="QT", f="bar", t=20, fn=["d_t", "Re_def"]))
        vals.append(V("Rm", rmn, rmx, an=an, ax=ax, z="QT", f="bar", t=20, fn=["d_t"]))
        vals.append(V("A", a, an=an, ax=ax, z="QT", f="bar", pl="long", t=20,
                      fn=["d_t", "A_L0"]))
        if z is not None:
            vals.append(V("Z", z, an=an, ax=ax, z="QT", f="bar", pl="long", t=20,
                          fn=["d_t"]))
        if kv is not None:
            vals.append(V("KV", kv, an=an, ax=ax, z="QT", f="bar", pl="long", t=20,
                          fn=["d_t", "KV3"]))
    if soft_hb is not None:
        vals.append(V("HB", None, soft_hb, z="A", f="bar", t=20, fn=["soft_max"]))
    heat = []
    if hard:
        heat.append(V("T_hard", hard[0], hard[1], z="QT", f="all", k="guide", a=cooling,
                      fn=["guide"]))
    if temper:
        heat.append(V("T_temp", temper[0], temper[1], z="QT", f="all", k="guide",
                      fn=["guide"]))
    if normal:
        heat.append(V("T_norm", normal[0], normal[1], z="N", f="all", k="guide", a="air",
                      fn=["guide"]))
    return vals, heat


# --- EN 10084 case-hardening steels ----------------------------------------------------------
def case(soft_hb, core):
    mech = [V("HB", None, soft_hb, z="A", f="bar", t=20, fn=["soft_max"])]
    heat = [V("T_carb", 880, 980, f="all", k="guide", fn=["guide"]),
            V("T_core", core[0], core[1], f="all", k="guide", a="oil", fn=["guide", "core"]),
            V("T_case", 780, 820, f="all", k="guide", a="oil", fn=["guide"]),
            V("T_temp", 150, 200, f="all", k="guide", fn=["guide"])]
    return mech, heat


# --- EN ISO 4957 tool steels -----------------------------------------------------------------
def tool(soft_hb, hard_t, cooling, temper_t, hrc):
    mech = [V("HB", None, soft_hb, z="A", f="all", t=20, fn=["soft_max"]),
            V("HRC", hrc, z="HT", f="all", t=20, zt=temper_t, fn=["HT_ISO"])]
    heat = [guide("T_hard", hard_t, z="HT", a=cooling), guide("T_temp", temper_t, z="HT")]
    return mech, heat


# --- EN 10088-2 stainless flat products ------------------------------------------------------
def stainless(state, c, h, p):
    """c, h, p: (max thickness, Rp0.2, Rp1.0 or None, Rm min, Rm max or None, A) for cold
    rolled strip, hot rolled strip and hot rolled plate."""
    vals = []
    for form, row in (("C", c), ("H", h), ("P", p)):
        if row is None:
            continue
        t, rp02, rp10, rmn, rmx, a = row
        vals.append(V("Rp02", rp02, ax=t, z=state, f=form, pl="trans", t=20))
        if rp10 is not None:
            vals.append(V("Rp10", rp10, ax=t, z=state, f=form, pl="trans", t=20))
        vals.append(V("Rm", rmn, rmx, ax=t, z=state, f=form, pl="trans", t=20))
        vals.append(V("A", a, ax=t, z=state, f=form, pl="trans", t=20, fn=["A_L0", "A80"]))
    return vals


def physical(rho, e, alpha, lam, c, rhoel):
    """e: moduli at 20, 100, 200 ... °C; alpha: mean coefficients from 20 °C to 100, 200 ..."""
    vals = [guide("rho", rho, t=20)]
    for t, v in zip((20, 100, 200, 300, 400, 500), e):
        vals.append(guide("E", v, t=t))
    for t, v in zip((100, 200, 300, 400, 500), alpha):
        vals.append(guide("alpha", v, tn=20, tx=t))
    vals.append(guide("lambda", lam, t=20))
    vals.append(guide("c", c, t=20))
    vals.append(guide("rhoel", rhoel, t=20))
    return vals


AUS_E = (200, 194, 186, 179, 172, 165)
PHYS = {
    "1.4301": physical(7.9, AUS_E, (16.0, 16.5, 17.0, 17.5, 18.0), 15, 500, 0.73),
    "1.4307": physical(7.9, AUS_E, (16.0, 16.5, 17.0, 17.5, 18.0), 15, 500, 0.73),
    "1.4541": physical(7.9, AUS_E, (16.0, 16.5, 17.0, 17.5, 18.0), 15, 500, 0.73),
    "1.4401": physical(8.0, AUS_E, (16.0, 16.5, 17.0, 17.5, 18.0), 15, 500, 0.75),
    "1.4404": physical(8.0, AUS_E, (16.0, 16.5, 17.0, 17.5, 18.0), 15, 500, 0.75),
    "1.4571": physical(8.0, AUS_E, (16.5, 17.5, 18.0, 18.5, 19.0), 15, 500, 0.75),
    "1.4016": physical(7.7, (220, 218, 212, 205, 197), (10.0, 10.0, 10.5, 10.5), 25, 460, 0.60),
    "1.4021": physical(7.7, (215, 212, 205, 200, 190), (10.5, 11.0, 11.5, 12.0), 30, 460, 0.60),
    "1.4462": physical(7.8, (200, 194, 186, 180), (13.0, 13.5, 14.0), 15, 500, 0.80),
}


def sol(lo, hi, cooling="water_air"):
    return [V("T_sol", lo, hi, z="AT", f="all", k="guide", a=cooling, fn=["guide"])]


# ---------------------------------------------------------------------------------------------
# Property tables: (material number, country, standard variant, designation shown by the
# property search, {kind: values}).
TABLES = []


def table(no, country, variant, desig, **kinds):
    TABLES.append((no, country, variant, desig, kinds))


for no, sym, level, quality in [
        ("1.0038", "S235JR", "S235", "JR"), ("1.0114", "S235J0", "S235", "J0"),
        ("1.0117", "S235J2", "S235", "J2"), ("1.0044", "S275JR", "S275", "JR"),
        ("1.0143", "S275J0", "S275", "J0"), ("1.0145", "S275J2", "S275", "J2"),
        ("1.0045", "S355JR", "S355", "JR"), ("1.0553", "S355J0", "S355", "J0"),
        ("1.0577", "S355J2", "S355", "J2"), ("1.0596", "S355K2", "S355", "K2")]:
    table(no, "EU", "EN10025-2:2019", sym, mech=structural(level, quality))

_m, _h = qt([(490, 700, 850, 14, 35, None), (430, 650, 800, 16, 40, None),
             (370, 630, 780, 17, 45, None), None, None],
            hard=(820, 860), temper=(550, 660), cooling="water_oil", normal=(840, 880))
_m += [V("ReH", 340, an=None, ax=16, z="N", f="bar", t=20, fn=["d_t"]),
       V("Rm", 620, an=None, ax=16, z="N", f="bar", t=20, fn=["d_t"]),
       V("A", 14, an=None, ax=16, z="N", f="bar", pl="long", t=20, fn=["d_t", "A_L0"]),
       V("ReH", 305, an=16, ax=100, z="N", f="bar", t=20, fn=["d_t"]),
       V("Rm", 580, an=16, ax=100, z="N", f="bar", t=20, fn=["d_t"]),
       V("A", 16, an=16, ax=100, z="N", f="bar", pl="long", t=20, fn=["d_t", "A_L0"]),
       V("ReH", 275, an=100, ax=250, z="N", f="bar", t=20, fn=["d_t"]),
       V("Rm", 560, an=100, ax=250, z="N", f="bar", t=20, fn=["d_t"]),
       V("A", 16, an=100, ax=250, z="N", f="bar", pl="long", t=20, fn=["d_t", "A_L0"])]
table("1.0503", "EU", "EN10083-2", "C45", mech=_m, heat=_h)

_m, _h = qt([(430, 630, 780, 17, None, None), (380, 600, 750, 19, None, None),
             (320, 550, 700, 20, None, None), None, None],
            hard=(840, 880), temper=(550, 660), cooling="water_oil", normal=(860, 900))
table("1.0501", "EU", "EN10083-2", "C35", mech=_m, heat=_h)

_m, _h = qt([(580, 850, 1000, 11, None, None), (520, 800, 950, 13, None, None),
             (450, 750, 900, 14, None, None), None, None],
            hard=(800, 840), temper=(550, 660), cooling="water_oil", normal=(820, 860))
table("1.0601", "EU", "EN10083-2", "C60", mech=_m, heat=_h)

_m, _h = qt([(900, 1100, 1300, 10, 40, None), (750, 1000, 1200, 11, 45, 35),
             (650, 900, 1100, 12, 50, 35), (550, 800, 950, 13, 50, 35),
             (500, 750, 900, 14, 55, 35)],
            soft_hb=241, hard=(820, 860), temper=(540, 680), cooling="oil")
table("1.7225", "EU", "EN10083-3", "42CrMo4", mech=_m, heat=_h)

_m, _h = qt([(1000, 1200, 1400, 9, 40, None), (900, 1100, 1300, 10, 45, 45),
             (800, 1000, 1200, 11, 50, 45), (700, 900, 1100, 12, 55, 45),
             (600, 800, 950, 13, 55, 45)],
            soft_hb=248, hard=(830, 860), temper=(540, 660), cooling="oil")
table("1.6582", "EU", "EN10083-3", "34CrNiMo6", mech=_m, heat=_h)

_m, _h = qt([(700, 900, 1100, 12, None, None), (600, 800, 950, 14, None, None),
             (450, 700, 850, 15, None, None), None, None],
            soft_hb=212, hard=(840, 880), temper=(540, 680), cooling="water_oil")
table("1.7218", "EU", "EN10083-3", "25CrMo4", mech=_m, heat=_h)

_m, _h = qt([(800, 1000, 1200, 11, None, None), (650, 900, 1100, 12, None, None),
             (550, 800, 950, 14, None, None), (500, 750, 900, 15, None, None),
             (450, 700, 850, 15, None, None)],
            soft_hb=223, hard=(830, 870), temper=(540, 680), cooling="oil")
table("1.7220", "EU", "EN10083-3", "34CrMo4", mech=_m, heat=_h)

_m, _h = qt([(900, 1100, 1300, 9, None, None), (780, 1000, 1200, 10, None, None),
             (700, 900, 1100, 12, None, None), None, None],
            soft_hb=248, hard=(820, 860), temper=(540, 680), cooling="oil")
table("1.7228", "EU", "EN10083-3", "50CrMo4", mech=_m, heat=_h)

_m, _h = qt([(800, 1000, 1200, 11, None, None), (660, 900, 1100, 12, None, None),
             (560, 800, 950, 14, None, None), None, None],
            soft_hb=241, hard=(820, 860), temper=(540, 680), cooling="oil")
table("1.7035", "EU", "EN10083-3", "41Cr4", mech=_m, heat=_h)

_m, _h = qt([(900, 1100, 1300, 9, None, None), (800, 1000, 1200, 10, None, None),
             (700, 900, 1100, 12, None, None), None, None],
            soft_hb=248, hard=(820, 860), temper=(540, 680), cooling="oil")
table("1.8159", "EU", "EN10083-3", "51CrV4", mech=_m, heat=_h)

for no, sym, hb, core in [("1.7131", "16MnCr5", 207, (860, 900)),
                          ("1.7147", "20MnCr5", 217, (860, 900)),
                          ("1.6587", "18CrNiMo7-6", 229, (830, 870))]:
    _m, _h = case(hb, core)
    table(no, "EU", "EN10084", sym, mech=_m, heat=_h)

for no, sym, args in [
        ("1.1730", "C45U", (207, 810, "water", 180, 54)),
        ("1.2080", "X210Cr12", (248, 970, "oil", 180, 62)),
        ("1.2379", "X153CrMoV12", (255, 1020, None, 180, 61)),
        ("1.2842", "90MnCrV8", (229, 790, "oil", 180, 60)),
        ("1.2344", "X40CrMoV5-1", (229, 1020, "oil", 550, 50)),
        ("1.2343", "X37CrMoV5-1", (229, 1020, "oil", 550, 48)),
        ("1.2714", "55NiCrMoV7", (248, 850, "oil", 500, 42)),
        ("1.3343", "HS6-5-2C", (269, 1210, None, 560, 64)),
        ("1.3243", "HS6-5-2-5", (269, 1210, None, 560, 64))]:
    _m, _h = tool(*args)
    table(no, "EU", "EN4957", sym, mech=_m, heat=_h)

table("1.4301", "EU", "EN10088-2", "X5CrNi18-10",
      mech=stainless("AT", (8, 230, 260, 540, 750, 45), (13.5, 210, 250, 520, 720, 45),
                     (75, 210, 250, 520, 720, 45)),
      phys=PHYS["1.4301"], heat=sol(1000, 1100))
table("1.4307", "EU", "EN10088-2", "X2CrNi18-9",
      mech=stainless("AT", (8, 220, 250, 520, 700, 45), (13.5, 200, 240, 520, 700, 45),
                     (75, 200, 240, 500, 700, 45)),
      phys=PHYS["1.4307"], heat=sol(1000, 1100))
table("1.4306", "EU", "EN10088-2", "X2CrNi19-11",
      mech=stainless("AT", (8, 220, 250, 520, 700, 45), (13.5, 200, 240, 520, 700, 45),
                     (75, 200, 240, 500, 700, 45)),
      heat=sol(1000, 1100))
table("1.4401", "EU", "EN10088-2", "X5CrNiMo17-12-2",
      mech=stainless("AT", (8, 240, 270, 530, 680, 40), (13.5, 220, 260, 530, 680, 40),
                     (75, 220, 260, 520, 670, 45)),
      phys=PHYS["1.4401"], heat=sol(1020, 1120))
table("1.4404", "EU", "EN10088-2", "X2CrNiMo17-12-2",
      mech=stainless("AT", (8, 240, 270, 530, 680, 40), (13.5, 220, 260, 530, 680, 40),
                     (75, 220, 260, 520, 670, 45)),
      phys=PHYS["1.4404"], heat=sol(1020, 1120))
table("1.4541", "EU", "EN10088-2", "X6CrNiTi18-10",
      mech=stainless("AT", (8, 220, 250, 520, 720, 40), (13.5, 200, 240, 520, 720, 40),
                     (75, 200, 240, 500, 700, 40)),
      phys=PHYS["1.4541"], heat=sol(1020, 1120))
table("1.4571", "EU", "EN10088-2", "X6CrNiMoTi17-12-2",
      mech=stainless("AT", (8, 240, 270, 540, 690, 40), (13.5, 220, 260, 540, 690, 40),
                     (75, 220, 260, 520, 670, 40)),
      phys=PHYS["1.4571"], heat=sol(1020, 1120))
table("1.4016", "EU", "EN10088-2", "X6Cr17",
      mech=stainless("AN", (8, 260, None, 450, 600, 20), (13.5, 240, None, 450, 600, 18),
                     (25, 240, None, 430, 630, 20)),
      phys=PHYS["1.4016"], heat=[V("T_ann", 770, 850, z="AN", f="all", k="guide",
                                   a="water_air", fn=["guide"])])
table("1.4021", "EU", "EN10088-2", "X20Cr13", phys=PHYS["1.4021"])
table("1.4462", "EU", "EN10088-2", "X2CrNiMoN22-5-3",
      mech=stainless("AT", (6.4, 500, None, 700, 950, 20), (10, 460, None, 700, 950, 25),
                     (75, 460, None, 640, 840, 25)),
      phys=PHYS["1.4462"], heat=sol(1020, 1100))


def astm(rm, rp, a, hb):
    return [V("Rm", rm, z="AT", f="plate", t=20), V("Rp02", rp, z="AT", f="plate", t=20),
            V("A", a, z="AT", f="plate", t=20, fn=["A_2in"]),
            V("HB", None, hb, z="AT", f="plate", t=20)]


table("1.4301", "USA", "ASTM-A240", "304", mech=astm(515, 205, 40, 201))
table("1.4307", "USA", "ASTM-A240", "304L", mech=astm(485, 170, 40, 201))
table("1.4401", "USA", "ASTM-A240", "316", mech=astm(515, 205, 40, 217))
table("1.4404", "USA", "ASTM-A240", "316L", mech=astm(485, 170, 40, 217))
table("1.4541", "USA", "ASTM-A240", "321", mech=astm(515, 205, 40, 217))
table("1.4462", "USA", "ASTM-A240", "2205", mech=astm(655, 450, 25, 293))


def jis(rp, rm, a, hb, state="AT"):
    return [V("Rp02", rp, z=state, f="plate", t=20), V("Rm", rm, z=state, f="plate", t=20),
            V("A", a, z=state, f="plate", t=20), V("HB", None, hb, z=state, f="plate", t=20)]


table("1.4301", "J", "JIS-G4304", "SUS304", mech=jis(205, 520, 40, 187))
table("1.4307", "J", "JIS-G4304", "SUS304L", mech=jis(175, 480, 40, 187))
table("1.4401", "J", "JIS-G4304", "SUS316", mech=jis(205, 520, 40, 187))
table("1.4404", "J", "JIS-G4304", "SUS316L", mech=jis(175, 480, 40, 187))
table("1.4016", "J", "JIS-G4304", "SUS430", mech=jis(205, 420, 22, 183, state="AN"))
