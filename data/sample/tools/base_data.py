"""Reference rows of the sample materials database: countries, steel groups, standards,
elements, composition footnotes, suppliers, product shapes, info headings and the property
vocabulary. Texts are given as (German, French, English)."""

# ---------------------------------------------------------------------------------------------
# Countries: id, symbol, (D, F, E), European country, offered in the country filter.
# 34 is the European standards body; Germany (32) and Austria (18) also list its designations.
# 30 is the USA; Canada (52) and Mexico (53) share its standards in the composition lists.
COUNTRIES = [
    (34, "EU", ("Europa (EN)", "Europe (EN)", "Europe (EN)"), True, True),
    (32, "D", ("Deutschland", "Allemagne", "Germany"), True, True),
    (18, "A", ("Österreich", "Autriche", "Austria"), True, True),
    (12, "F", ("Frankreich", "France", "France"), True, True),
    (14, "GB", ("Großbritannien", "Royaume-Uni", "United Kingdom"), True, True),
    (20, "I", ("Italien", "Italie", "Italy"), True, True),
    (26, "S", ("Schweden", "Suède", "Sweden"), True, True),
    (30, "USA", ("USA", "États-Unis", "USA"), False, True),
    (52, "CDN", ("Kanada", "Canada", "Canada"), False, False),
    (53, "MEX", ("Mexiko", "Mexique", "Mexico"), False, False),
    (22, "J", ("Japan", "Japon", "Japan"), False, True),
    (8, "CN", ("China", "Chine", "China"), False, True),
    (28, "RUS", ("Russland", "Russie", "Russia"), False, True),
]
COUNTRY_ID = {c[1]: c[0] for c in COUNTRIES}

# ---------------------------------------------------------------------------------------------
# Steel groups. Main groups (IntGruppe) are listed once as international groups (11000 range);
# the detailed groups (10000 range) carry the steels.
MAIN_GROUPS = [
    (11001, 1, ("Baustähle", "Aciers de construction", "Structural steels")),
    (11002, 2, ("Maschinenbaustähle", "Aciers de construction mécanique", "Engineering steels")),
    (11003, 3, ("Werkzeugstähle", "Aciers à outils", "Tool steels")),
    (11004, 4, ("Nichtrostende Stähle", "Aciers inoxydables", "Stainless steels")),
    (11005, 5, ("Hitzebeständige Stähle", "Aciers réfractaires", "Heat-resisting steels")),
]

# key: (id, IntGruppe, names (D, F, E), details (D, F, E))
GROUPS = {
    "struct": (10010, 1,
               ("Unlegierte Baustähle", "Aciers de construction non alliés",
                "Non-alloy structural steels"),
               ("Warmgewalzte unlegierte Baustähle für geschweißte, geschraubte und genietete "
                "Konstruktionen, geliefert im Walzzustand oder normalgeglüht.",
                "Aciers de construction non alliés laminés à chaud pour constructions soudées, "
                "boulonnées et rivetées, livrés bruts de laminage ou normalisés.",
                "Hot-rolled non-alloy structural steels for welded, bolted and riveted "
                "structures, supplied as rolled or normalized.")),
    "qt": (10020, 2,
           ("Vergütungsstähle", "Aciers pour trempe et revenu", "Steels for quenching and tempering"),
           ("Unlegierte und legierte Maschinenbaustähle, die durch Härten und Anlassen auf hohe "
            "Festigkeit bei guter Zähigkeit gebracht werden.",
            "Aciers de construction mécanique non alliés et alliés qui obtiennent par trempe et "
            "revenu une résistance élevée avec une bonne ténacité.",
            "Non-alloy and alloy engineering steels brought to high strength with good toughness "
            "by hardening and tempering.")),
    "case": (10030, 2,
             ("Einsatzstähle", "Aciers pour cémentation", "Case-hardening steels"),
             ("Stähle mit niedrigem Kohlenstoffgehalt, deren Randschicht aufgekohlt und gehärtet "
              "wird: harte, verschleißfeste Oberfläche bei zähem Kern.",
              "Aciers à faible teneur en carbone dont la couche superficielle est cémentée puis "
              "trempée : surface dure et résistante à l'usure, cœur tenace.",
              "Low-carbon steels whose surface layer is carburized and hardened: a hard, "
              "wear-resistant case on a tough core.")),
    "spring": (10040, 2,
               ("Federstähle", "Aciers pour ressorts", "Spring steels"),
               ("Warmgewalzte Stähle für vergütete Federn wie Blatt-, Schrauben- und "
                "Tellerfedern sowie Stabilisatoren.",
                "Aciers laminés à chaud pour ressorts trempés et revenus : ressorts à lames, "
                "ressorts hélicoïdaux, rondelles ressorts et barres stabilisatrices.",
                "Hot-rolled steels for quenched and tempered springs such as leaf springs, coil "
                "springs, disc springs and stabiliser bars.")),
    "bearing": (10050, 2,
                ("Wälzlagerstähle", "Aciers pour roulements", "Rolling bearing steels"),
                ("Durchhärtende Stähle mit hohem Kohlenstoff- und Chromgehalt für Ringe und "
                 "Wälzkörper von Wälzlagern.",
                 "Aciers à haute teneur en carbone et en chrome, trempants à cœur, pour bagues "
                 "et éléments roulants des roulements.",
                 "Through-hardening high-carbon chromium steels for the rings and rolling "
                 "elements of rolling bearings.")),
    "cold": (10060, 3,
             ("Kaltarbeitsstähle", "Aciers à outils pour travail à froid", "Cold-work tool steels"),
             ("Werkzeugstähle für Anwendungen mit Oberflächentemperaturen unter etwa 200 °C, "
              "z. B. Schneid-, Stanz- und Umformwerkzeuge.",
              "Aciers à outils pour des températures de surface inférieures à environ 200 °C, "
              "par exemple outils de coupe, de découpage et de formage.",
              "Tool steels for surface temperatures below about 200 °C, e.g. cutting, blanking "
              "and forming tools.")),
    "hot": (10070, 3,
            ("Warmarbeitsstähle", "Aciers à outils pour travail à chaud", "Hot-work tool steels"),
            ("Werkzeugstähle für Anwendungen mit Oberflächentemperaturen über etwa 200 °C, "
             "z. B. Druckgieß-, Schmiede- und Strangpresswerkzeuge.",
             "Aciers à outils pour des températures de surface supérieures à environ 200 °C, "
             "par exemple moules de fonderie sous pression, outils de forge et de filage.",
             "Tool steels for surface temperatures above about 200 °C, e.g. die-casting, "
             "forging and extrusion tools.")),
    "hss": (10080, 3,
            ("Schnellarbeitsstähle", "Aciers rapides", "High-speed steels"),
            ("Hochlegierte Werkzeugstähle mit W, Mo, V und gegebenenfalls Co, die ihre Härte "
             "bis etwa 600 °C behalten; für Spiralbohrer, Fräser und Räumnadeln.",
             "Aciers à outils fortement alliés au W, Mo, V et éventuellement Co, qui conservent "
             "leur dureté jusqu'à environ 600 °C ; pour forets, fraises et broches.",
             "Highly alloyed tool steels with W, Mo, V and possibly Co that keep their hardness "
             "up to about 600 °C; for twist drills, milling cutters and broaches.")),
    "aus": (10090, 4,
            ("Austenitische nichtrostende Stähle", "Aciers inoxydables austénitiques",
             "Austenitic stainless steels"),
            ("Chrom-Nickel- und Chrom-Nickel-Molybdän-Stähle mit austenitischem Gefüge; nicht "
             "härtbar, im lösungsgeglühten Zustand unmagnetisch, gut umformbar und schweißbar.",
             "Aciers au chrome-nickel et au chrome-nickel-molybdène à structure austénitique ; "
             "non trempants, amagnétiques à l'état hypertrempé, faciles à former et à souder.",
             "Chromium-nickel and chromium-nickel-molybdenum steels with an austenitic "
             "structure; not hardenable, non-magnetic when solution annealed, readily formed "
             "and welded.")),
    "fer": (10100, 4,
            ("Ferritische nichtrostende Stähle", "Aciers inoxydables ferritiques",
             "Ferritic stainless steels"),
            ("Chromstähle mit ferritischem Gefüge und niedrigem Kohlenstoffgehalt; magnetisch, "
             "nicht härtbar, wenig anfällig für Spannungsrisskorrosion.",
             "Aciers au chrome à structure ferritique et faible teneur en carbone ; "
             "magnétiques, non trempants, peu sensibles à la corrosion sous contrainte.",
             "Chromium steels with a ferritic structure and low carbon content; magnetic, not "
             "hardenable, little prone to stress corrosion cracking.")),
    "mart": (10110, 4,
             ("Martensitische nichtrostende Stähle", "Aciers inoxydables martensitiques",
              "Martensitic stainless steels"),
             ("Härtbare Chromstähle mit höherem Kohlenstoffgehalt sowie ausscheidungshärtende "
              "Stähle; hohe Festigkeit und Härte, mäßige Korrosionsbeständigkeit.",
              "Aciers au chrome trempants à teneur en carbone plus élevée et aciers à "
              "durcissement par précipitation ; résistance et dureté élevées, résistance à la "
              "corrosion modérée.",
              "Hardenable chromium steels with higher carbon content and precipitation "
              "hardening steels; high strength and hardness, moderate corrosion resistance.")),
    "duplex": (10120, 4,
               ("Austenitisch-ferritische nichtrostende Stähle (Duplex)",
                "Aciers inoxydables austéno-ferritiques (duplex)",
                "Austenitic-ferritic (duplex) stainless steels"),
               ("Stähle mit etwa gleichen Anteilen Austenit und Ferrit: hohe Festigkeit und hohe "
                "Beständigkeit gegen Spannungsriss- und Lochkorrosion.",
                "Aciers à proportions à peu près égales d'austénite et de ferrite : résistance "
                "mécanique élevée et bonne tenue à la corrosion sous contrainte et par piqûres.",
                "Steels with roughly equal shares of austenite and ferrite: high strength and "
                "high resistance to stress corrosion cracking and pitting.")),
    "heat": (10130, 5,
             ("Hitzebeständige Stähle", "Aciers réfractaires", "Heat-resisting steels"),
             ("Ferritische und austenitische Stähle mit guter Zunderbeständigkeit in heißen "
              "Gasen und Verbrennungsprodukten oberhalb 550 °C.",
              "Aciers ferritiques et austénitiques présentant une bonne résistance à "
              "l'oxydation dans les gaz chauds et les produits de combustion au-dessus de "
              "550 °C.",
              "Ferritic and austenitic steels with good resistance to scaling in hot gases and "
              "combustion products above 550 °C.")),
}

# ---------------------------------------------------------------------------------------------
# Standards. Types of standard per country: key -> (id, country, body). The type's name is
# written before the designation in some lists and the body's name before the document number
# in all of them ("Norm" + "EN 10088-2"), so the type is named generically; the pseudo
# standard of the steels that no standard covers has the type "Pseudo".
NORMTYP = {
    "EN": (1, "EU", "EN"),
    "DIN": (2, "D", "DIN"),
    "BS": (4, "GB", "BS"),
    "ASTM": (7, "USA", "ASTM"),
    "JIS": (8, "J", "JIS"),
    "GB": (9, "CN", "GB/T"),
    "GOST": (10, "RUS", "GOST"),
    "PSEUDO_D": (11, "D", None),
}
NORMTYP_NAMES = ("Norm", "Norme", "Standard")
PSEUDO_NAMES = ("Pseudo", "Pseudo", "Pseudo")

# Status of a standard: id, sort order, (D, F, E).
NORMSTATUS = [
    (1, 1, ("gültig", "en vigueur", "current")),
    (2, 2, ("zurückgezogen", "annulée", "withdrawn")),
]

# Status of a designation: id, text before, text after, status text.
BEZSTATUS = [
    (1, None, None, None),
    (2, "(", ")", "Bezeichnung einer zurückgezogenen Norm / désignation d'une norme annulée / "
                  "designation of a withdrawn standard"),
]

# Standard documents: key -> (document name, (D, F, E) title).
NORMBASIS = {
    "EN10025-2": ("10025-2", (
        "Warmgewalzte Erzeugnisse aus Baustählen – Teil 2: Technische Lieferbedingungen für "
        "unlegierte Baustähle",
        "Produits laminés à chaud en aciers de construction – Partie 2 : Conditions techniques "
        "de livraison pour les aciers de construction non alliés",
        "Hot rolled products of structural steels – Part 2: Technical delivery conditions for "
        "non-alloy structural steels")),
    "EN10083-2": ("10083-2", (
        "Vergütungsstähle – Teil 2: Technische Lieferbedingungen für unlegierte Stähle",
        "Aciers pour trempe et revenu – Partie 2 : Conditions techniques de livraison des "
        "aciers non alliés",
        "Steels for quenching and tempering – Part 2: Technical delivery conditions for non "
        "alloy steels")),
    "EN10083-3": ("10083-3", (
        "Vergütungsstähle – Teil 3: Technische Lieferbedingungen für legierte Stähle",
        "Aciers pour trempe et revenu – Partie 3 : Conditions techniques de livraison des "
        "aciers alliés",
        "Steels for quenching and tempering – Part 3: Technical delivery conditions for alloy "
        "steels")),
    "EN10084": ("10084", (
        "Einsatzstähle – Technische Lieferbedingungen",
        "Aciers pour cémentation – Conditions techniques de livraison",
        "Case hardening steels – Technical delivery conditions")),
    "EN10089": ("10089", (
        "Warmgewalzte Stähle für vergütbare Federn – Technische Lieferbedingungen",
        "Aciers laminés à chaud pour ressorts trempés et revenus – Conditions techniques de "
        "livraison",
        "Hot rolled steels for quenched and tempered springs – Technical delivery conditions")),
    "EN683-17": ("683-17", (
        "Für eine Wärmebehandlung bestimmte Stähle, legierte Stähle und Automatenstähle – "
        "Teil 17: Wälzlagerstähle",
        "Aciers pour traitement thermique, aciers alliés et aciers pour décolletage – "
        "Partie 17 : Aciers pour roulements",
        "Heat-treated steels, alloy steels and free-cutting steels – Part 17: Ball and roller "
        "bearing steels")),
    "EN4957": ("4957", ("Werkzeugstähle", "Aciers à outils", "Tool steels")),
    "EN10088-1": ("10088-1", (
        "Nichtrostende Stähle – Teil 1: Verzeichnis der nichtrostenden Stähle",
        "Aciers inoxydables – Partie 1 : Liste des aciers inoxydables",
        "Stainless steels – Part 1: List of stainless steels")),
    "EN10088-2": ("10088-2", (
        "Nichtrostende Stähle – Teil 2: Technische Lieferbedingungen für Blech und Band aus "
        "korrosionsbeständigen Stählen für allgemeine Verwendung",
        "Aciers inoxydables – Partie 2 : Conditions techniques de livraison des tôles et bandes "
        "en acier de résistance à la corrosion pour usage général",
        "Stainless steels – Part 2: Technical delivery conditions for sheet/plate and strip of "
        "corrosion resisting steels for general purposes")),
    "EN10088-3": ("10088-3", (
        "Nichtrostende Stähle – Teil 3: Technische Lieferbedingungen für Halbzeug, Stäbe, "
        "Walzdraht, gezogenen Draht, Profile und Blankstahlerzeugnisse aus "
        "korrosionsbeständigen Stählen für allgemeine Verwendung",
        "Aciers inoxydables – Partie 3 : Conditions techniques de livraison pour les "
        "demi-produits, barres, fils machine, fils tréfilés, profils et produits transformés à "
        "froid en acier résistant à la corrosion pour usage général",
        "Stainless steels – Part 3: Technical delivery conditions for semi-finished products, "
        "bars, rods, wire, sections and bright products of corrosion resisting steels for "
        "general purposes")),
    "EN10095": ("10095", (
        "Hitzebeständige Stähle und Nickellegierungen",
        "Aciers et alliages de nickel réfractaires",
        "Heat resisting steels and nickel alloys")),
    "DIN17100": ("17100", ("Allgemeine Baustähle; Gütenorm",
                           "Aciers de construction d'usage général ; norme de qualité",
                           "Steels for general structural purposes; quality standard")),
    "DIN17200": ("17200", ("Vergütungsstähle; Technische Lieferbedingungen",
                           "Aciers pour trempe et revenu ; conditions techniques de livraison",
                           "Steels for quenching and tempering; technical delivery conditions")),
    "DIN17210": ("17210", ("Einsatzstähle; Technische Lieferbedingungen",
                           "Aciers pour cémentation ; conditions techniques de livraison",
                           "Case hardening steels; technical delivery conditions")),
    "DIN17221": ("17221", (
        "Warmgewalzte Stähle für vergütbare Federn; Technische Lieferbedingungen",
        "Aciers laminés à chaud pour ressorts trempés et revenus ; conditions techniques de "
        "livraison",
        "Hot rolled steels for quenched and tempered springs; technical delivery conditions")),
    "DIN17350": ("17350", ("Werkzeugstähle; Technische Lieferbedingungen",
                           "Aciers à outils ; conditions techniques de livraison",
                           "Tool steels; technical delivery conditions")),
    "PSEUDO_D": ("-", ("Nicht genormte Stähle", "Aciers non normalisés",
                       "Non standardized steels")),
    "BS970-1": ("970-1", (
        "Schmiedestähle für den Maschinenbau – Teil 1: Allgemeine Prüfverfahren und "
        "Anforderungen an unlegierte, Kohlenstoff-Mangan-, legierte und nichtrostende Stähle",
        "Aciers corroyés pour la construction mécanique – Partie 1 : Méthodes générales "
        "d'essai et exigences particulières pour les aciers au carbone, au carbone-manganèse, "
        "alliés et inoxydables",
        "Specification for wrought steels for mechanical and allied engineering purposes – "
        "Part 1: General inspection and testing procedures and specific requirements for "
        "carbon, carbon manganese, alloy and stainless steels")),
    "BS4659": ("4659", ("Werkzeug- und Gesenkstähle", "Aciers à outils et à matrices",
                        "Specification for tool and die steels")),
    "ASTM-A240": ("A240/A240M", (
        "Bleche und Bänder aus Chrom- und Chrom-Nickel-Stahl, nichtrostend, für Druckbehälter "
        "und allgemeine Verwendung",
        "Tôles et bandes en acier inoxydable au chrome et au chrome-nickel pour appareils à "
        "pression et usages généraux",
        "Standard Specification for Chromium and Chromium-Nickel Stainless Steel Plate, Sheet, "
        "and Strip for Pressure Vessels and for General Applications")),
    "ASTM-A29": ("A29/A29M", (
        "Allgemeine Anforderungen an warmgeformten Stabstahl aus unlegiertem und legiertem "
        "Stahl",
        "Exigences générales pour les barres en acier au carbone et en acier allié, formées à "
        "chaud",
        "Standard Specification for General Requirements for Steel Bars, Carbon and Alloy, "
        "Hot-Wrought")),
    "ASTM-A295": ("A295/A295M", (
        "Hochgekohlter Wälzlagerstahl",
        "Acier à haute teneur en carbone pour roulements",
        "Standard Specification for High-Carbon Anti-Friction Bearing Steel")),
    "ASTM-A681": ("A681", ("Legierte Werkzeugstähle", "Aciers à outils alliés",
                           "Standard Specification for Tool Steels Alloy")),
    "ASTM-A600": ("A600", ("Schnellarbeitsstähle", "Aciers rapides",
                           "Standard Specification for Tool Steel High Speed")),
    "JIS-G4304": ("G 4304", (
        "Warmgewalzte Bleche und Bänder aus nichtrostendem Stahl",
        "Tôles et bandes en acier inoxydable laminées à chaud",
        "Hot-rolled stainless steel plate, sheet and strip")),
    "JIS-G4051": ("G 4051", (
        "Unlegierte Stähle für den Maschinenbau",
        "Aciers au carbone pour la construction mécanique",
        "Carbon steels for machine structural use")),
    "JIS-G4053": ("G 4053", (
        "Niedriglegierte Stähle für den Maschinenbau",
        "Aciers faiblement alliés pour la construction mécanique",
        "Low-alloyed steels for machine structural use")),
    "JIS-G4805": ("G 4805", (
        "Hochgekohlte Chrom-Wälzlagerstähle",
        "Aciers au chrome à haute teneur en carbone pour roulements",
        "High carbon chromium bearing steels")),
    "JIS-G4404": ("G 4404", ("Legierte Werkzeugstähle", "Aciers à outils alliés",
                             "Alloy tool steels")),
    "JIS-G4403": ("G 4403", ("Schnellarbeitsstähle", "Aciers rapides", "High speed tool steels")),
    "JIS-G4801": ("G 4801", ("Federstähle", "Aciers pour ressorts", "Spring steels")),
    "GB-20878": ("20878", (
        "Nichtrostende und hitzebeständige Stähle – Bezeichnung und chemische Zusammensetzung",
        "Aciers inoxydables et réfractaires – Désignation et composition chimique",
        "Stainless and heat-resisting steels – Designation and chemical composition")),
    "GB-699": ("699", ("Unlegierte Qualitätsbaustähle",
                       "Aciers de construction non alliés de qualité",
                       "Quality carbon structural steels")),
    "GB-3077": ("3077", ("Legierte Baustähle", "Aciers de construction alliés",
                         "Alloy structure steels")),
    "GB-18254": ("18254", ("Hochgekohlter Chrom-Wälzlagerstahl",
                           "Acier au chrome à haute teneur en carbone pour roulements",
                           "High-carbon chromium bearing steel")),
    "GB-700": ("700", ("Unlegierte Baustähle", "Aciers de construction au carbone",
                       "Carbon structural steels")),
    "GB-1299": ("1299", ("Werkzeug- und Formenstähle", "Aciers à outils et à moules",
                         "Tool and mould steels")),
    "GOST-5632": ("5632", (
        "Nichtrostende Stähle und korrosionsbeständige, hitzebeständige und warmfeste "
        "Legierungen – Sorten",
        "Aciers inoxydables et alliages résistant à la corrosion, réfractaires et résistant au "
        "fluage – Nuances",
        "Stainless steels and corrosion-resisting, heat-resisting and creep-resisting alloys – "
        "Grades")),
    "GOST-1050": ("1050", (
        "Erzeugnisse aus unlegierten Qualitäts- und Edelbaustählen – Allgemeine technische "
        "Bedingungen",
        "Produits en aciers de construction non alliés de qualité et spéciaux – Conditions "
        "techniques générales",
        "Products of non-alloy structural quality and special steels – General "
        "specifications")),
    "GOST-4543": ("4543", (
        "Erzeugnisse aus legiertem Baustahl – Technische Bedingungen",
        "Produits en acier de construction allié – Conditions techniques",
        "Products of alloy structural steel – Specifications")),
}

# The edition of a standard whose edition is not stated here: the lists write the edition in
# brackets after the document name and would run the status into the name without it.
UNDATED = "–"

# Published variants: key -> (standard id, document, type, prefix, edition, status,
# conformity, successor, predecessor, hidden). Variants sharing a standard id are editions of
# one standard; the first in this list is the one the standards list shows.
NORMVARIANTE = {
    "EN10025-2:2019": (1, "EN10025-2", "EN", None, "2019", 1, None, None, "EN 10025-2:2004"),
    "EN10025-2:2004": (1, "EN10025-2", "EN", None, "2004", 2, None, "EN 10025-2:2019",
                       "EN 10025:1990 + A1:1993"),
    "EN10083-2": (2, "EN10083-2", "EN", None, "2006", 1, None, None, "EN 10083-2:1991 + A1:1996"),
    "EN10083-3": (3, "EN10083-3", "EN", None, "2006", 1, None, None,
                  "EN 10083-1:1991 + A1:1996, EN 10083-3:1995"),
    "EN10084": (4, "EN10084", "EN", None, "2008", 1, None, None, "EN 10084:1998"),
    "EN10089": (5, "EN10089", "EN", None, "2002", 1, None, None, None),
    "EN683-17": (6, "EN683-17", "EN", "ISO", "2014", 1, "ISO 683-17:2014", None,
                 "EN ISO 683-17:1999"),
    "EN4957": (7, "EN4957", "EN", "ISO", "2018", 1, "ISO 4957:2018", None, "EN ISO 4957:1999"),
    "EN10088-1": (8, "EN10088-1", "EN", None, "2014", 1, None, None, "EN 10088-1:2005"),
    "EN10088-2": (9, "EN10088-2", "EN", None, "2014", 1, None, None, "EN 10088-2:2005"),
    "EN10088-3": (10, "EN10088-3", "EN", None, "2014", 1, None, None, "EN 10088-3:2005"),
    "EN10095": (11, "EN10095", "EN", None, "1999", 1, None, None, None),
    # British adoptions of the European standards: same document, same edition year.
    "BSEN10025-2": (81, "EN10025-2", "BS", "EN", "2019", 1, None, None, None),
    "BSEN10083-2": (82, "EN10083-2", "BS", "EN", "2006", 1, None, None, None),
    "BSEN10083-3": (83, "EN10083-3", "BS", "EN", "2006", 1, None, None, None),
    "BSEN10084": (84, "EN10084", "BS", "EN", "2008", 1, None, None, None),
    "BSEN10089": (85, "EN10089", "BS", "EN", "2002", 1, None, None, None),
    "BSEN683-17": (86, "EN683-17", "BS", "EN ISO", "2014", 1, None, None, None),
    "BSEN4957": (87, "EN4957", "BS", "EN ISO", "2018", 1, None, None, None),
    "BSEN10088-2": (89, "EN10088-2", "BS", "EN", "2014", 1, None, None, None),
    "BSEN10088-3": (90, "EN10088-3", "BS", "EN", "2014", 1, None, None, None),
    "BSEN10095": (91, "EN10095", "BS", "EN", "1999", 1, None, None, None),
    "DIN17100": (20, "DIN17100", "DIN", None, "1980", 2, None, "DIN EN 10025", None),
    "DIN17200": (21, "DIN17200", "DIN", None, "1987", 2, None, "DIN EN 10083", None),
    "DIN17210": (22, "DIN17210", "DIN", None, "1986", 2, None, "DIN EN 10084", None),
    "DIN17221": (23, "DIN17221", "DIN", None, "1988", 2, None, "DIN EN 10089", None),
    "DIN17350": (24, "DIN17350", "DIN", None, "1980", 2, None, "DIN EN ISO 4957", None),
    "PSEUDO_D": (25, "PSEUDO_D", "PSEUDO_D", None, None, 1, None, None, None),
    "BS970-1": (30, "BS970-1", "BS", None, "1996", 2, None,
                "BS EN 10083-2, BS EN 10083-3, BS EN 10084, BS EN 10088-3", None),
    "BS4659": (31, "BS4659", "BS", None, "1989", 2, None, "BS EN ISO 4957", None),
    "ASTM-A240": (40, "ASTM-A240", "ASTM", None, UNDATED, 1, None, None, None),
    "ASTM-A29": (41, "ASTM-A29", "ASTM", None, UNDATED, 1, None, None, None),
    "ASTM-A295": (42, "ASTM-A295", "ASTM", None, UNDATED, 1, None, None, None),
    "ASTM-A681": (43, "ASTM-A681", "ASTM", None, UNDATED, 1, None, None, None),
    "ASTM-A600": (44, "ASTM-A600", "ASTM", None, UNDATED, 1, None, None, None),
    "JIS-G4304": (50, "JIS-G4304", "JIS", None, UNDATED, 1, None, None, None),
    "JIS-G4051": (51, "JIS-G4051", "JIS", None, UNDATED, 1, None, None, None),
    "JIS-G4053": (52, "JIS-G4053", "JIS", None, UNDATED, 1, None, None, None),
    "JIS-G4805": (53, "JIS-G4805", "JIS", None, UNDATED, 1, None, None, None),
    "JIS-G4404": (54, "JIS-G4404", "JIS", None, UNDATED, 1, None, None, None),
    "JIS-G4403": (55, "JIS-G4403", "JIS", None, UNDATED, 1, None, None, None),
    "JIS-G4801": (56, "JIS-G4801", "JIS", None, UNDATED, 1, None, None, None),
    "GB-20878": (60, "GB-20878", "GB", None, "2007", 1, None, None, None),
    "GB-699": (61, "GB-699", "GB", None, "2015", 1, None, None, None),
    "GB-3077": (62, "GB-3077", "GB", None, "2015", 1, None, None, None),
    "GB-18254": (63, "GB-18254", "GB", None, "2016", 1, None, None, None),
    "GB-700": (64, "GB-700", "GB", None, "2006", 1, None, None, None),
    "GB-1299": (65, "GB-1299", "GB", None, "2014", 1, None, None, None),
    "GOST-5632": (70, "GOST-5632", "GOST", None, "2014", 1, None, None, "GOST 5632-72"),
    "GOST-1050": (71, "GOST-1050", "GOST", None, "2013", 1, None, None, None),
    "GOST-4543": (72, "GOST-4543", "GOST", None, "2016", 1, None, None, None),
}

# ---------------------------------------------------------------------------------------------
# Elements: symbol, decimals shown (0: not offered in the composition search), display order.
ELEMENTS = [
    ("C", 3, 1), ("Si", 2, 2), ("Mn", 2, 3), ("P", 3, 4), ("S", 3, 5), ("N", 3, 6),
    ("Al", 2, 7), ("B", 4, 8), ("Cr", 2, 9), ("Mo", 2, 10), ("Ni", 2, 11), ("Co", 2, 12),
    ("Cu", 2, 13), ("Nb", 2, 14), ("Ti", 2, 15), ("V", 2, 16), ("W", 2, 17), ("Ce", 2, 18),
    ("Fe", 0, 99),
]

# Footnotes of composition values: key -> (D, F, E). Ids are assigned with gaps (steps of 5)
# so that a composition's footnote numbers differ from their positions.
COMP_FOOTNOTES = {
    "ladle": ("Schmelzenanalyse.", "Analyse de coulée.", "Cast analysis."),
    "s_mach": (
        "Für zu bearbeitende Erzeugnisse wird ein geregelter Schwefelgehalt von 0,015 % bis "
        "0,030 % empfohlen und ist zulässig.",
        "Pour les produits destinés à être usinés, une teneur contrôlée en soufre de 0,015 % à "
        "0,030 % est recommandée et admise.",
        "For products to be machined, a controlled sulphur content of 0.015 % to 0.030 % is "
        "recommended and permitted."),
    "crmoni": ("Cr + Mo + Ni ≤ 0,63 %.", "Cr + Mo + Ni ≤ 0,63 %.", "Cr + Mo + Ni ≤ 0.63 %."),
    "ti5c": ("Ti: mindestens 5 × C, höchstens 0,70 %.", "Ti : au moins 5 × C, au plus 0,70 %.",
             "Ti: at least 5 × C, at most 0.70 %."),
    "ti5c08": ("Ti: mindestens 5 × C, höchstens 0,80 %.", "Ti : au moins 5 × C, au plus 0,80 %.",
               "Ti: at least 5 × C, at most 0.80 %."),
    "ti5c_only": ("Ti: mindestens 5 × C.", "Ti : au moins 5 × C.", "Ti: at least 5 × C."),
    "ti5cn": ("Ti: mindestens 5 × (C + N), höchstens 0,70 %.",
              "Ti : au moins 5 × (C + N), au plus 0,70 %.",
              "Ti: at least 5 × (C + N), at most 0.70 %."),
    "ti6cn": ("Ti: mindestens 6 × (C + N), höchstens 0,65 %.",
              "Ti : au moins 6 × (C + N), au plus 0,65 %.",
              "Ti: at least 6 × (C + N), at most 0.65 %."),
    "ti4cn": ("Ti: mindestens 4 × (C + N) + 0,15 %, höchstens 0,80 %.",
              "Ti : au moins 4 × (C + N) + 0,15 %, au plus 0,80 %.",
              "Ti: at least 4 × (C + N) + 0.15 %, at most 0.80 %."),
    "nb10c": ("Nb: mindestens 10 × C, höchstens 1,00 %.", "Nb : au moins 10 × C, au plus 1,00 %.",
              "Nb: at least 10 × C, at most 1.00 %."),
    "nb3c": ("Nb: mindestens 3 × C + 0,30 %, höchstens 1,00 %.",
             "Nb : au moins 3 × C + 0,30 %, au plus 1,00 %.",
             "Nb: at least 3 × C + 0.30 %, at most 1.00 %."),
    "nb5c": ("Nb: mindestens 5 × C, höchstens 0,45 %.", "Nb : au moins 5 × C, au plus 0,45 %.",
             "Nb: at least 5 × C, at most 0.45 %."),
    "c_thick": (
        "Der Kohlenstoffhöchstwert hängt von der Nenndicke des Erzeugnisses ab; siehe die "
        "Zusammensetzungen je Dickenbereich.",
        "La teneur maximale en carbone dépend de l'épaisseur nominale du produit ; voir les "
        "compositions par plage d'épaisseur.",
        "The maximum carbon content depends on the nominal thickness of the product; see the "
        "compositions per thickness range."),
    "c_100": ("Bei Profilen mit einer Nenndicke über 100 mm nach Vereinbarung.",
              "Pour les profilés d'épaisseur nominale supérieure à 100 mm, par accord.",
              "For sections with a nominal thickness above 100 mm, by agreement."),
    "ps_long": ("Bei Langerzeugnissen darf der Gehalt um 0,005 % höher liegen.",
                "Pour les produits longs, la teneur peut être supérieure de 0,005 %.",
                "For long products the content may be 0.005 % higher."),
    "cu_hot": (
        "Ein Kupfergehalt über 0,40 % kann zu Heißbrüchigkeit beim Warmumformen führen.",
        "Une teneur en cuivre supérieure à 0,40 % peut provoquer une fragilité à chaud lors "
        "du formage à chaud.",
        "A copper content above 0.40 % may cause hot shortness during hot forming."),
    "n_fix": (
        "Der Höchstwert für Stickstoff gilt nicht, wenn die Stahlzusammensetzung einen "
        "Gesamtaluminiumgehalt von mindestens 0,020 % oder genügend andere "
        "stickstoffabbindende Elemente aufweist.",
        "La teneur maximale en azote ne s'applique pas si la composition chimique présente une "
        "teneur minimale en aluminium total de 0,020 % ou suffisamment d'autres éléments "
        "fixant l'azote.",
        "The maximum nitrogen value does not apply if the chemical composition shows a minimum "
        "total aluminium content of 0.020 % or sufficient other nitrogen-binding elements."),
}

# ---------------------------------------------------------------------------------------------
# Suppliers: invented sample firms only.
SUPPLIERS = [
    # id, country, code, addresses [(LfdNr, name1, name2, street, zip, town, pobox, pozip,
    #  potown, tel, fax, email, country)]
    (1, "D", "MUS-D-01", [
        (1, "Musterstahl Beispiel GmbH (sample firm)", "Edelstahl und Werkzeugstahl",
         "Beispielstraße 1", "12345", "Musterstadt", "Postfach 10 00 01", "12340",
         "Musterstadt", "+49 123 456789-0", "+49 123 456789-99", "info@musterstahl.example",
         "D"),
        (2, "Musterstahl Beispiel GmbH (sample firm)", "Lager Süd", "Lagerweg 7", "54321",
         "Beispielhausen", None, None, None, "+49 543 21098-0", None,
         "lager@musterstahl.example", "D"),
    ]),
    (2, "A", "EXE-A-02", [
        (1, "Edelstahlhandel Exempel GmbH (sample firm)", None, "Musterweg 5", "9999",
         "Beispieldorf", None, None, None, "+43 9999 12345", None,
         "office@edelstahl-exempel.example", "A"),
    ]),
    (3, "F", "AEX-F-03", [
        (1, "Aciers Exemple SA (sample firm)", "Aciers inoxydables", "1 rue de l'Exemple",
         "00100", "Villexemple", "BP 12", "00101", "Villexemple Cedex", "+33 1 00 00 00 00",
         "+33 1 00 00 00 01", "contact@aciers-exemple.example", "F"),
    ]),
    (4, "GB", "SAM-GB-04", [
        (1, "Sample Steels Ltd (sample firm)", "Tool and die steels", "1 Example Road",
         "AB1 2CD", "Sampletown", None, None, None, "+44 1234 567890", None,
         "sales@samplesteels.example", "GB"),
    ]),
    (5, "S", "EXS-S-05", [
        (1, "Exempelstål AB (sample firm)", None, "Exempelgatan 1", "000 01", "Exempelstad",
         "Box 100", "000 02", "Exempelstad", "+46 0 12 34 56", None,
         "info@exempelstal.example", "S"),
    ]),
    (6, "D", "BEI-D-06", [
        (1, "Beispiel Umformtechnik KG (sample firm)", "Vergütungs- und Einsatzstähle",
         "Am Musterhafen 3", "23456", "Beispielstadt", None, None, None, "+49 234 5678-0",
         "+49 234 5678-10", "vertrieb@beispiel-umformtechnik.example", "D"),
        # A sales office abroad: the address's country differs from the firm's.
        (2, "Beispiel Umformtechnik KG (sample firm)", "Bureau de vente France",
         "5 avenue du Modèle", "00200", "Modèleville", None, None, None,
         "+33 2 00 00 00 00", None, "france@beispiel-umformtechnik.example", "F"),
    ]),
]

PRODUCT_SHAPES = [
    (1, ("Bleche", "Tôles", "Plates and sheets")),
    (2, ("Bänder", "Bandes", "Strip")),
    (3, ("Rundstäbe", "Barres rondes", "Round bars")),
    (4, ("Flachstäbe", "Plats", "Flat bars")),
    (5, ("Draht", "Fils", "Wire")),
    (6, ("Rohre", "Tubes", "Tubes")),
    (7, ("Schmiedestücke", "Pièces forgées", "Forgings")),
    (8, ("Blankstahl", "Produits transformés à froid", "Bright bars")),
]

# Which supplier delivers which group in which shapes.
DELIVERIES = [
    ("aus", 1, [1, 2, 3, 6]), ("fer", 1, [1, 2]), ("duplex", 1, [1, 3]),
    ("cold", 1, [3, 4]), ("hot", 1, [3, 4, 7]), ("hss", 1, [3]),
    ("aus", 2, [1, 3, 8]), ("mart", 2, [3, 8]),
    ("aus", 3, [1, 2, 6]), ("fer", 3, [2]), ("heat", 3, [1, 3]),
    ("cold", 4, [3, 4]), ("hot", 4, [3, 4]), ("hss", 4, [3, 5]),
    ("bearing", 5, [3, 6]), ("spring", 5, [3, 5]), ("struct", 5, [1]), ("duplex", 5, [1, 3]),
    ("qt", 6, [3, 7, 8]), ("case", 6, [3, 7]),
]

# ---------------------------------------------------------------------------------------------
# Info headings. 1 to 4 head the generated parts of the descriptive text; 5 is the range of
# application; 6 and above are printed on the data sheet.
INFO_TITLES = [
    (1, ("Werkstoffnummern", "Numéros de matière", "Material numbers")),
    (2, ("Stahlgruppe", "Groupe d'aciers", "Steel group")),
    (3, ("Kurznamen", "Désignations symboliques", "Steel names")),
    (4, ("Normen", "Normes", "Standards")),
    (5, ("Verwendung", "Domaines d'application", "Applications")),
    (6, ("Eigenschaften", "Caractéristiques", "Characteristics")),
    (7, ("Verarbeitung", "Mise en œuvre", "Processing")),
]

# European standard variant -> its British adoption. The European designations also occur in
# the United Kingdom under it, marked as national designations that come from a European
# standard.
BS_ADOPTION = {
    "EN10025-2:2019": "BSEN10025-2", "EN10083-2": "BSEN10083-2", "EN10083-3": "BSEN10083-3",
    "EN10084": "BSEN10084", "EN10089": "BSEN10089", "EN683-17": "BSEN683-17",
    "EN4957": "BSEN4957", "EN10088-2": "BSEN10088-2", "EN10088-3": "BSEN10088-3",
    "EN10095": "BSEN10095",
}
