"""Footnotes of designations, the supplied symbols of the sample firms and the info texts of the
sample steels. Texts are (German, French, English)."""

DESIG_FOOTNOTES = [
    (1, ("Erfundener Beispiel-Handelsname eines Musterlieferanten; keine eingetragene Marke.",
         "Nom commercial fictif d'un fournisseur d'exemple ; pas une marque déposée.",
         "Invented sample trade name of a sample supplier; not a registered brand.")),
    (2, ("Im deutschen Sprachraum gebräuchliche Sammelbezeichnung für nichtrostende "
         "Chrom-Nickel-Stähle vom Typ 18/8.",
         "Appellation courante dans les pays germanophones pour les aciers inoxydables au "
         "chrome-nickel du type 18/8.",
         "Common name in German-speaking countries for chromium-nickel stainless steels of "
         "the 18/8 type.")),
    (3, ("Im deutschen Sprachraum gebräuchliche Sammelbezeichnung für nichtrostende "
         "Chrom-Nickel-Molybdän-Stähle.",
         "Appellation courante dans les pays germanophones pour les aciers inoxydables au "
         "chrome-nickel-molybdène.",
         "Common name in German-speaking countries for chromium-nickel-molybdenum stainless "
         "steels.")),
    (4, ("Bezeichnung nach einer zurückgezogenen DIN-Norm; heute gilt die europäische "
         "Bezeichnung.",
         "Désignation selon une norme DIN annulée ; la désignation européenne s'applique "
         "aujourd'hui.",
         "Designation from a withdrawn DIN standard; the European designation applies "
         "today.")),
    (5, ("Vergleichbare Sorte; die chemische Zusammensetzung und die Eigenschaften nach der "
         "nationalen Norm können abweichen.",
         "Nuance comparable ; la composition chimique et les caractéristiques selon la norme "
         "nationale peuvent différer.",
         "Comparable grade; the chemical composition and the properties according to the "
         "national standard may differ.")),
]

# European symbols (by material number) that each sample firm supplies.
SUPPLIED_SYMBOLS = {
    1: ["1.4301", "1.4404", "1.4571", "1.4016", "1.4462", "1.2379", "1.2344", "1.3343"],
    2: ["1.4301", "1.4305", "1.4021", "1.4057"],
    3: ["1.4301", "1.4307", "1.4404", "1.4016", "1.4841", "1.4845"],
    4: ["1.2379", "1.2080", "1.2344", "1.3343", "1.3243"],
    5: ["1.3505", "1.8159", "1.7102", "1.0038", "1.0577"],
    6: ["1.7225", "1.6582", "1.7131", "1.6587", "1.0503", "1.7220"],
}

# Info texts: material number -> {heading id: (D, F, E)}. 5 applications, 6 characteristics,
# 7 processing.
INFO = {
    "1.0038": {
        5: ("Stahlbau, Hochbau und Brückenbau, Maschinengestelle, einfache Konstruktionsteile.",
            "Construction métallique, bâtiment et ponts, bâtis de machines, pièces de "
            "construction simples.",
            "Steel construction, buildings and bridges, machine frames, simple structural "
            "parts."),
        6: ("Unlegierter Baustahl mit einer Mindeststreckgrenze von 235 MPa bei kleinen "
            "Dicken; Kerbschlagarbeit 27 J bei +20 °C.",
            "Acier de construction non allié de limite d'élasticité minimale 235 MPa aux "
            "faibles épaisseurs ; énergie de rupture 27 J à +20 °C.",
            "Non-alloy structural steel with a minimum yield strength of 235 MPa in small "
            "thicknesses; impact energy 27 J at +20 °C."),
        7: ("Gut schweißbar mit allen üblichen Verfahren; gut kalt- und warmumformbar.",
            "Bonne soudabilité par tous les procédés usuels ; bonne aptitude au formage à "
            "froid et à chaud.",
            "Readily weldable by all common processes; good cold and hot formability."),
    },
    "1.0577": {
        5: ("Höher beanspruchte geschweißte Stahlkonstruktionen, Kranbau, Fahrzeugbau, "
            "Stahlwasserbau, auch bei tiefen Temperaturen.",
            "Constructions soudées plus sollicitées, appareils de levage, construction de "
            "véhicules, ouvrages hydrauliques, également à basse température.",
            "More highly stressed welded structures, cranes, vehicles, hydraulic steel "
            "structures, also at low temperatures."),
        6: ("Baustahl mit einer Mindeststreckgrenze von 355 MPa bei kleinen Dicken; "
            "Kerbschlagarbeit 27 J bei −20 °C.",
            "Acier de construction de limite d'élasticité minimale 355 MPa aux faibles "
            "épaisseurs ; énergie de rupture 27 J à −20 °C.",
            "Structural steel with a minimum yield strength of 355 MPa in small thicknesses; "
            "impact energy 27 J at −20 °C."),
        7: ("Gut schweißbar; bei größeren Dicken kann ein Vorwärmen erforderlich sein.",
            "Bonne soudabilité ; un préchauffage peut être nécessaire aux fortes épaisseurs.",
            "Readily weldable; preheating may be needed for greater thicknesses."),
    },
    "1.0503": {
        5: ("Wellen, Achsen, Bolzen, Zahnräder und Schrauben mittlerer Beanspruchung.",
            "Arbres, axes, boulons, engrenages et vis soumis à des sollicitations moyennes.",
            "Shafts, axles, bolts, gears and screws under moderate loads."),
        6: ("Unlegierter Vergütungsstahl mit 0,45 % Kohlenstoff; wegen geringer "
            "Einhärtbarkeit für kleinere Querschnitte; flamm- und induktionshärtbar.",
            "Acier non allié pour trempe et revenu à 0,45 % de carbone ; trempabilité "
            "limitée, pour sections modestes ; apte à la trempe à la flamme et par "
            "induction.",
            "Non-alloy steel for quenching and tempering with 0.45 % carbon; limited "
            "hardenability, for smaller sections; suitable for flame and induction "
            "hardening."),
    },
    "1.7225": {
        5: ("Hochbeanspruchte Teile im Fahrzeug- und Maschinenbau: Kurbelwellen, Achsschenkel, "
            "Pleuel, Zahnräder, Schrauben hoher Festigkeit.",
            "Pièces fortement sollicitées de l'automobile et de la construction mécanique : "
            "vilebrequins, fusées, bielles, engrenages, vis à haute résistance.",
            "Highly stressed parts in vehicle and mechanical engineering: crankshafts, "
            "steering knuckles, connecting rods, gears, high-strength bolts."),
        6: ("Chrom-Molybdän-Vergütungsstahl mit guter Einhärtbarkeit und hoher Zähigkeit im "
            "vergüteten Zustand; auch für das Nitrieren geeignet.",
            "Acier au chrome-molybdène pour trempe et revenu, de bonne trempabilité et de "
            "ténacité élevée à l'état trempé et revenu ; convient aussi à la nitruration.",
            "Chromium-molybdenum steel for quenching and tempering with good hardenability "
            "and high toughness in the quenched and tempered condition; also suited to "
            "nitriding."),
        7: ("Schweißen nur mit Vorwärmen und anschließender Wärmebehandlung.",
            "Soudage uniquement avec préchauffage et traitement thermique ultérieur.",
            "Welding only with preheating and subsequent heat treatment."),
    },
    "1.6582": {
        5: ("Teile größter Querschnitte mit höchster Beanspruchung: Wellen, Getriebeteile, "
            "Turbinenteile, Kurbelwellen.",
            "Pièces de fortes sections très sollicitées : arbres, éléments de transmission, "
            "pièces de turbines, vilebrequins.",
            "Parts of large sections under the highest loads: shafts, gear parts, turbine "
            "parts, crankshafts."),
        6: ("Chrom-Nickel-Molybdän-Vergütungsstahl mit sehr guter Einhärtbarkeit, hoher "
            "Festigkeit und Zähigkeit auch in großen Abmessungen.",
            "Acier au chrome-nickel-molybdène pour trempe et revenu, de très bonne "
            "trempabilité, alliant résistance et ténacité élevées même en fortes dimensions.",
            "Chromium-nickel-molybdenum steel for quenching and tempering with very good "
            "hardenability, high strength and toughness even in large sizes."),
    },
    "1.7131": {
        5: ("Zahnräder, Wellen, Bolzen, Nockenwellen und Kolbenbolzen, die eine harte "
            "Oberfläche brauchen.",
            "Engrenages, arbres, axes, arbres à cames et axes de piston nécessitant une "
            "surface dure.",
            "Gears, shafts, pins, camshafts and piston pins that need a hard surface."),
        6: ("Mangan-Chrom-Einsatzstahl; nach dem Einsatzhärten harte Randschicht bei zähem "
            "Kern.",
            "Acier de cémentation au manganèse-chrome ; après cémentation et trempe, couche "
            "superficielle dure sur un cœur tenace.",
            "Manganese-chromium case-hardening steel; after case hardening a hard surface "
            "layer on a tough core."),
    },
    "1.6587": {
        5: ("Hochbeanspruchte Getriebeteile großer Abmessungen: Zahnräder, Ritzel, Wellen.",
            "Éléments de transmission très sollicités de grandes dimensions : roues dentées, "
            "pignons, arbres.",
            "Highly stressed transmission parts of large size: gears, pinions, shafts."),
        6: ("Chrom-Nickel-Molybdän-Einsatzstahl mit hoher Kernfestigkeit und -zähigkeit.",
            "Acier de cémentation au chrome-nickel-molybdène à résistance et ténacité à cœur "
            "élevées.",
            "Chromium-nickel-molybdenum case-hardening steel with high core strength and "
            "toughness."),
    },
    "1.8159": {
        5: ("Hochbeanspruchte Federn, Blattfedern, Tellerfedern, Drehstäbe; vergütete "
            "Maschinenteile.",
            "Ressorts fortement sollicités, ressorts à lames, rondelles ressorts, barres de "
            "torsion ; pièces mécaniques trempées et revenues.",
            "Highly stressed springs, leaf springs, disc springs, torsion bars; quenched and "
            "tempered machine parts."),
        6: ("Chrom-Vanadium-Stahl mit guter Einhärtbarkeit und hoher Dauerfestigkeit.",
            "Acier au chrome-vanadium de bonne trempabilité et de limite d'endurance élevée.",
            "Chromium-vanadium steel with good hardenability and high fatigue strength."),
    },
    "1.7102": {
        5: ("Schraubenfedern und Blattfedern, Federstahldraht für Ventil- und Fahrwerksfedern.",
            "Ressorts hélicoïdaux et à lames, fil pour ressorts de soupapes et de suspension.",
            "Coil and leaf springs, wire for valve and suspension springs."),
    },
    "1.3505": {
        5: ("Ringe und Wälzkörper von Wälzlagern, Kugeln, Rollen, Nadeln; verschleißfeste "
            "Teile, Messzeuge.",
            "Bagues et éléments roulants des roulements, billes, rouleaux, aiguilles ; pièces "
            "résistant à l'usure, instruments de mesure.",
            "Rings and rolling elements of rolling bearings, balls, rollers, needles; "
            "wear-resistant parts, gauges."),
        6: ("Durchhärtender Wälzlagerstahl mit etwa 1 % Kohlenstoff und 1,5 % Chrom; hohe "
            "Härte und Verschleißbeständigkeit.",
            "Acier pour roulements trempant à cœur, à environ 1 % de carbone et 1,5 % de "
            "chrome ; dureté et résistance à l'usure élevées.",
            "Through-hardening bearing steel with about 1 % carbon and 1.5 % chromium; high "
            "hardness and wear resistance."),
    },
    "1.2379": {
        5: ("Schneid- und Stanzwerkzeuge, Tiefzieh- und Fließpresswerkzeuge, Gewindewalzbacken, "
            "Industriemesser.",
            "Outils de coupe et de découpage, outils d'emboutissage et de filage à froid, "
            "peignes à rouler les filets, couteaux industriels.",
            "Cutting and blanking tools, deep-drawing and cold-extrusion tools, thread-rolling "
            "dies, industrial knives."),
        6: ("Ledeburitischer 12-%-Chromstahl mit hoher Verschleißbeständigkeit, guter "
            "Zähigkeit und hoher Maßbeständigkeit beim Härten.",
            "Acier lédéburitique à 12 % de chrome, à haute résistance à l'usure, bonne "
            "ténacité et grande stabilité dimensionnelle à la trempe.",
            "Ledeburitic 12 % chromium steel with high wear resistance, good toughness and "
            "high dimensional stability in hardening."),
    },
    "1.2344": {
        5: ("Druckgießformen für Leichtmetalle, Strangpresswerkzeuge, Gesenke, "
            "Warmscherenmesser, Kunststoffformen.",
            "Moules de fonderie sous pression pour alliages légers, outils de filage, "
            "matrices, lames de cisailles à chaud, moules pour matières plastiques.",
            "Die-casting dies for light alloys, extrusion tooling, forging dies, hot shear "
            "blades, plastic moulds."),
        6: ("Chrom-Molybdän-Vanadium-Warmarbeitsstahl mit hoher Warmfestigkeit, guter "
            "Zähigkeit und guter Beständigkeit gegen Warmrisse.",
            "Acier pour travail à chaud au chrome-molybdène-vanadium, de haute résistance à "
            "chaud, bonne ténacité et bonne tenue à la fissuration thermique.",
            "Chromium-molybdenum-vanadium hot-work steel with high hot strength, good "
            "toughness and good resistance to heat checking."),
    },
    "1.2842": {
        5: ("Schnitt- und Stanzwerkzeuge, Messzeuge, Lehren, Kunststoffformen, "
            "Holzbearbeitungswerkzeuge.",
            "Outils de découpage, instruments de mesure, calibres, moules pour matières "
            "plastiques, outils pour le travail du bois.",
            "Cutting and blanking tools, gauges, moulds for plastics, woodworking tools."),
        6: ("Ölhärtender Kaltarbeitsstahl mit guter Schneidhaltigkeit und geringem Verzug "
            "beim Härten.",
            "Acier pour travail à froid trempant à l'huile, de bonne tenue de coupe et à "
            "faible déformation à la trempe.",
            "Oil-hardening cold-work steel with good edge retention and low distortion in "
            "hardening."),
    },
    "1.3343": {
        5: ("Spiralbohrer, Fräser, Gewindebohrer, Räumnadeln, Reibahlen, Kaltfließpress- und "
            "Schneidwerkzeuge.",
            "Forets hélicoïdaux, fraises, tarauds, broches, alésoirs, outils de filage à "
            "froid et de coupe.",
            "Twist drills, milling cutters, taps, broaches, reamers, cold-extrusion and "
            "cutting tools."),
        6: ("Wolfram-Molybdän-Schnellarbeitsstahl mit guter Zähigkeit und hoher "
            "Verschleißbeständigkeit; der meistverwendete Schnellarbeitsstahl.",
            "Acier rapide au tungstène-molybdène, de bonne ténacité et de haute résistance à "
            "l'usure ; l'acier rapide le plus employé.",
            "Tungsten-molybdenum high-speed steel with good toughness and high wear "
            "resistance; the most widely used high-speed steel."),
    },
    "1.4301": {
        5: ("Haushaltsgeräte, Küchen- und Lebensmitteltechnik, Molkereien und Brauereien, "
            "Architektur, Behälter und Apparate für wenig aggressive Medien.",
            "Appareils ménagers, équipements de cuisine et agroalimentaires, laiteries et "
            "brasseries, architecture, réservoirs et appareils pour milieux peu agressifs.",
            "Household appliances, kitchen and food processing equipment, dairies and "
            "breweries, architecture, tanks and equipment for mildly aggressive media."),
        6: ("Austenitischer Chrom-Nickel-Stahl mit guter Beständigkeit in natürlichen "
            "Umweltmedien; im lösungsgeglühten Zustand unmagnetisch; sehr gut kaltumformbar "
            "und tiefziehfähig.",
            "Acier austénitique au chrome-nickel de bonne résistance en milieux naturels ; "
            "amagnétique à l'état hypertrempé ; très bonne aptitude au formage à froid et à "
            "l'emboutissage.",
            "Austenitic chromium-nickel steel with good resistance in natural environments; "
            "non-magnetic when solution annealed; very good cold formability and "
            "deep-drawability."),
        7: ("Gut schweißbar; für dickwandige geschweißte Teile sind die kohlenstoffarmen "
            "Sorten 1.4307 oder 1.4306 vorzuziehen.",
            "Bonne soudabilité ; pour les pièces soudées de forte épaisseur, préférer les "
            "nuances à bas carbone 1.4307 ou 1.4306.",
            "Readily weldable; for thick welded parts the low-carbon grades 1.4307 or 1.4306 "
            "are preferable."),
    },
    "1.4307": {
        5: ("Geschweißte Behälter, Rohrleitungen und Apparate der Lebensmittel- und "
            "Chemietechnik.",
            "Réservoirs, tuyauteries et appareils soudés des industries alimentaires et "
            "chimiques.",
            "Welded tanks, piping and equipment in the food and chemical industries."),
        6: ("Kohlenstoffarme Variante von 1.4301, beständig gegen interkristalline Korrosion "
            "auch nach dem Schweißen.",
            "Variante à bas carbone de 1.4301, résistante à la corrosion intergranulaire même "
            "après soudage.",
            "Low-carbon variant of 1.4301, resistant to intergranular corrosion also after "
            "welding."),
    },
    "1.4401": {
        5: ("Chemische und pharmazeutische Industrie, Textil- und Papierindustrie, "
            "Fassadenteile in Industrie- und Küstenatmosphäre.",
            "Industries chimique et pharmaceutique, industries textile et papetière, éléments "
            "de façade en atmosphère industrielle et marine.",
            "Chemical and pharmaceutical industry, textile and paper industry, facade parts in "
            "industrial and coastal atmospheres."),
        6: ("Molybdänlegierter austenitischer Stahl mit höherer Beständigkeit gegen Loch- und "
            "Spaltkorrosion als 1.4301.",
            "Acier austénitique au molybdène, plus résistant que 1.4301 à la corrosion par "
            "piqûres et caverneuse.",
            "Molybdenum-alloyed austenitic steel with higher resistance to pitting and crevice "
            "corrosion than 1.4301."),
    },
    "1.4404": {
        5: ("Geschweißte Apparate und Rohrleitungen der Chemie-, Pharma- und "
            "Lebensmittelindustrie, Schiffbau, Offshoreteile.",
            "Appareils et tuyauteries soudés des industries chimique, pharmaceutique et "
            "alimentaire, construction navale, pièces offshore.",
            "Welded equipment and piping in the chemical, pharmaceutical and food industries, "
            "shipbuilding, offshore parts."),
        6: ("Kohlenstoffarme Variante von 1.4401; beständig gegen interkristalline Korrosion "
            "nach dem Schweißen.",
            "Variante à bas carbone de 1.4401 ; résistante à la corrosion intergranulaire "
            "après soudage.",
            "Low-carbon variant of 1.4401; resistant to intergranular corrosion after "
            "welding."),
    },
    "1.4541": {
        5: ("Apparate und Behälter der chemischen Industrie, Abgasanlagen, Kompensatoren, "
            "Teile für erhöhte Temperaturen.",
            "Appareils et réservoirs de l'industrie chimique, lignes d'échappement, "
            "compensateurs, pièces pour températures élevées.",
            "Equipment and vessels of the chemical industry, exhaust systems, expansion "
            "joints, parts for elevated temperatures."),
        6: ("Mit Titan stabilisierter austenitischer Stahl; beständig gegen interkristalline "
            "Korrosion nach dem Schweißen.",
            "Acier austénitique stabilisé au titane ; résistant à la corrosion "
            "intergranulaire après soudage.",
            "Titanium-stabilised austenitic steel; resistant to intergranular corrosion after "
            "welding."),
    },
    "1.4571": {
        5: ("Chemische Apparate, Wärmetauscher, Teile der Zellstoff-, Textil- und "
            "Farbenindustrie.",
            "Appareils chimiques, échangeurs de chaleur, pièces des industries de la "
            "cellulose, du textile et des colorants.",
            "Chemical equipment, heat exchangers, parts for the pulp, textile and dye "
            "industries."),
        6: ("Mit Titan stabilisierter Chrom-Nickel-Molybdän-Stahl; beständig gegen "
            "interkristalline Korrosion nach dem Schweißen.",
            "Acier au chrome-nickel-molybdène stabilisé au titane ; résistant à la corrosion "
            "intergranulaire après soudage.",
            "Titanium-stabilised chromium-nickel-molybdenum steel; resistant to intergranular "
            "corrosion after welding."),
    },
    "1.4016": {
        5: ("Haushaltsgeräte, Spülen, Besteck, Innenausbau und dekorative Teile, "
            "Automobilzierteile.",
            "Appareils ménagers, éviers, couverts, aménagement intérieur et pièces "
            "décoratives, enjoliveurs automobiles.",
            "Household appliances, sinks, cutlery, interior fittings and decorative parts, "
            "automotive trim."),
        6: ("Ferritischer Chromstahl mit 17 % Chrom; magnetisch, nicht härtbar, gut "
            "kaltumformbar, wenig anfällig für chloridinduzierte Spannungsrisskorrosion.",
            "Acier ferritique à 17 % de chrome ; magnétique, non trempant, bonne aptitude au "
            "formage à froid, peu sensible à la corrosion sous contrainte en milieu chloruré.",
            "Ferritic chromium steel with 17 % chromium; magnetic, not hardenable, good cold "
            "formability, little prone to chloride stress corrosion cracking."),
    },
    "1.4021": {
        5: ("Pumpen- und Ventilteile, Wellen, Spindeln, Messer und Schneidwaren.",
            "Pièces de pompes et de robinetterie, arbres, broches, couteaux et coutellerie.",
            "Pump and valve parts, shafts, spindles, knives and cutlery."),
        6: ("Härtbarer martensitischer Chromstahl; im vergüteten Zustand hohe Festigkeit bei "
            "mäßiger Korrosionsbeständigkeit.",
            "Acier martensitique au chrome trempant ; résistance élevée à l'état trempé et "
            "revenu, résistance à la corrosion modérée.",
            "Hardenable martensitic chromium steel; high strength in the quenched and "
            "tempered condition with moderate corrosion resistance."),
    },
    "1.4034": {
        5: ("Messer, Scheren, chirurgische Instrumente, Wälzlager für korrosive Umgebung, "
            "Ventilteile.",
            "Couteaux, ciseaux, instruments chirurgicaux, roulements pour milieux corrosifs, "
            "pièces de robinetterie.",
            "Knives, scissors, surgical instruments, bearings for corrosive environments, "
            "valve parts."),
    },
    "1.4462": {
        5: ("Chemie- und Offshoreanlagen, Meerwasserentsalzung, Druckbehälter, Zellstoff- und "
            "Papierindustrie.",
            "Installations chimiques et offshore, dessalement d'eau de mer, appareils à "
            "pression, industrie de la cellulose et du papier.",
            "Chemical and offshore plants, seawater desalination, pressure vessels, pulp and "
            "paper industry."),
        6: ("Austenitisch-ferritischer Stahl mit etwa doppelter Dehngrenze der austenitischen "
            "Sorten und hoher Beständigkeit gegen Spannungsriss- und Lochkorrosion.",
            "Acier austéno-ferritique d'une limite d'élasticité environ double de celle des "
            "nuances austénitiques, très résistant à la corrosion sous contrainte et par "
            "piqûres.",
            "Austenitic-ferritic steel with about twice the proof strength of the austenitic "
            "grades and high resistance to stress corrosion cracking and pitting."),
    },
    "1.4841": {
        5: ("Ofenbau, Glühkästen, Brennerteile, Teile für Wärmebehandlungsanlagen.",
            "Construction de fours, caisses de recuit, pièces de brûleurs, pièces pour "
            "installations de traitement thermique.",
            "Furnace construction, annealing boxes, burner parts, parts for heat-treatment "
            "plants."),
        6: ("Austenitischer hitzebeständiger Stahl mit hoher Zunderbeständigkeit in Luft.",
            "Acier réfractaire austénitique à haute résistance à l'oxydation dans l'air.",
            "Austenitic heat-resisting steel with high resistance to scaling in air."),
    },
    "1.4762": {
        5: ("Ofenteile und Glühkästen in schwefelhaltigen Gasen.",
            "Pièces de fours et caisses de recuit en atmosphère sulfureuse.",
            "Furnace parts and annealing boxes in sulphur-bearing gases."),
        6: ("Ferritischer hitzebeständiger Chrom-Aluminium-Stahl; besonders beständig in "
            "schwefelhaltigen Gasen.",
            "Acier réfractaire ferritique au chrome-aluminium ; particulièrement résistant "
            "dans les gaz sulfureux.",
            "Ferritic heat-resisting chromium-aluminium steel; particularly resistant in "
            "sulphur-bearing gases."),
    },
    "1.4305": {
        5: ("Dreh- und Automatenteile, Schrauben, Muttern, Wellen, Armaturen.",
            "Pièces de décolletage, vis, écrous, arbres, robinetterie.",
            "Turned and automatic-lathe parts, screws, nuts, shafts, fittings."),
        6: ("Austenitischer Automatenstahl; durch Schwefelzusatz gut zerspanbar, dafür "
            "geringere Korrosionsbeständigkeit und eingeschränkte Schweißeignung.",
            "Acier austénitique de décolletage ; bonne usinabilité grâce au soufre, au prix "
            "d'une résistance à la corrosion plus faible et d'une soudabilité limitée.",
            "Austenitic free-cutting steel; good machinability from its sulphur addition, at "
            "the cost of lower corrosion resistance and limited weldability."),
    },
}
