#!/usr/bin/env python3
"""Consistency checks of a materials database loaded with the sample rows (see
check_sample.sh). Prints each problem and exits with 1 if there is any."""

import sqlite3
import sys
import xml.etree.ElementTree as ET

# References the schema does not declare as foreign keys: (what, query counting orphans).
ORPHANS = [
    ("property values without a matrix link",
     "SELECT count(*) FROM tabEigenschaftswerte w WHERE NOT EXISTS (SELECT 1 FROM "
     "zuoStahl_Eigenschaftsmatrix z WHERE z.ID_Eigenschaftswertmatrix = "
     "w.ID_Eigenschaftswertmatrix)"),
    ("XML matrices without a matrix link",
     "SELECT count(*) FROM tabEigenschaftsMatrix m WHERE NOT EXISTS (SELECT 1 FROM "
     "zuoStahl_Eigenschaftsmatrix z WHERE z.ID_Eigenschaftswertmatrix = "
     "m.Id_Eigenschaftsmatrix)"),
    ("matrix links without values",
     "SELECT count(*) FROM zuoStahl_Eigenschaftsmatrix z WHERE NOT EXISTS (SELECT 1 FROM "
     "tabEigenschaftswerte w WHERE w.ID_Eigenschaftswertmatrix = z.ID_Eigenschaftswertmatrix)"),
    ("matrix links whose occurrence is of another steel or country",
     "SELECT count(*) FROM zuoStahl_Eigenschaftsmatrix z JOIN tabStahlbezVorkommen o ON "
     "o.Id_StahlbezVorkommen = z.Id_StahlbezVorkommen JOIN tabStahlbez b ON b.Id_Stahlbez = "
     "o.Id_Stahlbez WHERE b.ID_Stahl <> z.ID_Stahl OR o.Id_Land <> z.Id_Land"),
    ("matrix links whose search ids disagree with the vocabulary",
     "SELECT count(*) FROM tabEigenschaftswerte w LEFT JOIN tabZustand z ON z.ID_Zustand = "
     "w.ID_Zustand LEFT JOIN tabForm f ON f.ID_Form = w.ID_Form LEFT JOIN tabEigenschaft e ON "
     "e.ID_Eigenschaft = w.ID_Eigenschaft WHERE w.SID_Zustand IS NOT z.SID_Zustand OR "
     "w.SID_Form IS NOT f.SID_Form OR w.SID_Eigenschaft IS NOT e.SID_Eigenschaft"),
    ("compositions without a designation",
     "SELECT count(*) FROM tabAnalyse a WHERE NOT EXISTS (SELECT 1 FROM zuoStahlbez_Analyse z "
     "WHERE z.Id_Analyse = a.Id_Analyse)"),
    ("designations without an occurrence",
     "SELECT count(*) FROM tabStahlbez b WHERE NOT EXISTS (SELECT 1 FROM tabStahlbezVorkommen o "
     "WHERE o.Id_Stahlbez = b.Id_Stahlbez)"),
    ("steels without a composition",
     "SELECT count(*) FROM tabStahl s WHERE NOT EXISTS (SELECT 1 FROM tabStahlbez b JOIN "
     "zuoStahlbez_Analyse z ON z.Id_Stahlbez = b.Id_Stahlbez WHERE b.ID_Stahl = s.ID_Stahl)"),
    ("steels without a comparison key",
     "SELECT count(*) FROM tabStahl s WHERE NOT EXISTS (SELECT 1 FROM tabNormvergleich n WHERE "
     "n.ID_Stahl = s.ID_Stahl)"),
    ("repeated display positions",
     "SELECT count(*) - count(DISTINCT IndexSort) FROM tabStahlbezVorkommen"),
    ("compositions whose minimum exceeds the maximum",
     "SELECT count(*) FROM tabAnalyseWert WHERE MinWert > MaxWert"),
    ("property values whose minimum exceeds the maximum",
     "SELECT count(*) FROM tabEigenschaftswerte WHERE Eigenschaft_min > Eigenschaft_max OR "
     "Abmasse_min > Abmasse_max"),
]

# A guide value ("Anhaltswert") is a figure to go by, so a single one has equal bounds; a minimum
# alone would read as ">=7.9 kg/dm³". A test or state temperature is the temperature itself, or
# the span a mean value covers, never a lower bound alone.
GUIDE = "Anhaltswert"
HALF_BOUNDS = [
    ("guide value stored as a bare minimum",
     "w.Eigenschaft_min IS NOT NULL AND w.Eigenschaft_max IS NULL AND w.ID_Klassifizierung IN "
     "(SELECT ID_Klassifizierung FROM tabKlassifizierung WHERE Klassifizierung_D = '%s')"
     % GUIDE),
    ("test temperature stored as a bare minimum", "w.Temp_min IS NOT NULL AND w.Temp_max IS NULL"),
    ("state temperature stored as a bare minimum",
     "w.ZuTemp_Min IS NOT NULL AND w.ZuTemp_Max IS NULL"),
]

# The attributes of a matrix value that hold numbers, with the columns of its value row.
NUMBERS = [("E", "ID_Eigenschaft"), ("n", "Eigenschaft_min"), ("x", "Eigenschaft_max"),
           ("An", "Abmasse_min"), ("Ax", "Abmasse_max"), ("Tn", "Temp_min"), ("Tx", "Temp_max"),
           ("ZTn", "ZuTemp_Min"), ("ZTx", "ZuTemp_Max")]
XML_HALF_BOUNDS = [("n", "x"), ("Tn", "Tx"), ("ZTn", "ZTx")]

VIEWS = ["Normliste", "Stahlbez_Gruppe_Land", "Stahlbez_Gruppe_Land_Norm",
         "Stahlbez_Gruppe_Land_Firma", "Stahlbez_Gruppe_Land_Norm_Firma"]


def number(text):
    return None if text is None or not text.strip() else float(text)


def half_bounds(db):
    """Each value row whose bounds break the rules of HALF_BOUNDS, named by steel and property."""
    problems = []
    for what, condition in HALF_BOUNDS:
        for value, steel, name in db.execute(
                "SELECT w.ID_Eigenschaftswert, z.Werkstoffnummer, e.Eigenschaft_D FROM "
                "tabEigenschaftswerte w JOIN zuoStahl_Eigenschaftsmatrix z ON "
                "z.ID_Eigenschaftswertmatrix = w.ID_Eigenschaftswertmatrix JOIN tabEigenschaft e "
                "ON e.ID_Eigenschaft = w.ID_Eigenschaft WHERE " + condition +
                " ORDER BY w.ID_Eigenschaftswert"):
            problems.append("%s: value %d (%s, %s)" % (what, value, steel, name))
    return problems


def matrix_values(db, matrix, kind, root, guide_names):
    """The values of one matrix text against its value rows: the same numbers in the same order,
    and no half bound where the rows may not have one."""
    problems = []
    where = "matrix %d/%d" % (matrix, kind)
    rows = db.execute("SELECT %s FROM tabEigenschaftswerte w JOIN tabEigenschaft e ON "
                      "e.ID_Eigenschaft = w.ID_Eigenschaft WHERE w.ID_Eigenschaftswertmatrix = ? "
                      "AND e.ID_Eigenschaftskennung = ? ORDER BY w.ID_Eigenschaftswert"
                      % ", ".join("w." + c for _, c in NUMBERS), (matrix, kind)).fetchall()
    for i, (v, row) in enumerate(zip(root.findall("Wert"), rows), 1):
        numbers = tuple(number(v.get(a)) for a, _ in NUMBERS)
        if numbers != tuple(None if c is None else float(c) for c in row):
            problems.append("%s value %d: XML %s, table row %s" % (where, i, numbers, row))
        for low, high in XML_HALF_BOUNDS:
            if number(v.get(low)) is None or number(v.get(high)) is not None:
                continue
            if low != "n":
                problems.append("%s value %d: %s without %s" % (where, i, low, high))
            elif v.get("K") in guide_names:
                problems.append("%s value %d: guide value %s without %s" % (where, i, low, high))
    return problems


def main(path):
    db = sqlite3.connect(path)
    problems = []
    for (what,) in [(r,) for r in db.execute("PRAGMA foreign_key_check")]:
        problems.append("foreign key: %r" % (what,))
    for what, sql in ORPHANS:
        n = db.execute(sql).fetchone()[0]
        if n:
            problems.append("%s: %d" % (what, n))
    problems += half_bounds(db)
    guide_names = set(db.execute("SELECT Klassifizierung_D, Klassifizierung_F, Klassifizierung_E "
                                 "FROM tabKlassifizierung WHERE Klassifizierung_D = ?",
                                 (GUIDE,)).fetchone() or ())
    if not guide_names:
        problems.append("no classification %s" % GUIDE)
    for view in VIEWS:
        if not db.execute("SELECT count(*) FROM %s" % view).fetchone()[0]:
            problems.append("stored query %s returns no rows" % view)
    tables = [r[0] for r in db.execute("SELECT name FROM sqlite_master WHERE type = 'table'")]
    for table in tables:
        if not db.execute("SELECT count(*) FROM %s" % table).fetchone()[0]:
            problems.append("table %s is empty" % table)
        for col in [r[1] for r in db.execute("PRAGMA table_info(%s)" % table)]:
            if col[-2:] in ("_D", "_F", "_E"):
                n = db.execute("SELECT count(*) FROM %s WHERE %s IS NULL OR trim(%s) = ''"
                               % (table, col, col)).fetchone()[0]
                if n:
                    problems.append("%s.%s unfilled in %d rows" % (table, col, n))
            n = db.execute("SELECT count(*) FROM %s WHERE typeof(%s) = 'text' AND %s = ''"
                           % (table, col, col)).fetchone()[0]
            if n:
                problems.append("%s.%s holds '' in %d rows" % (table, col, n))
    for matrix, kind, *texts in db.execute("SELECT Id_Eigenschaftsmatrix, "
                                           "Id_Eigenschaftskennung, Eigenschaft_D, "
                                           "Eigenschaft_F, Eigenschaft_E FROM "
                                           "tabEigenschaftsMatrix"):
        counts = set()
        for text in texts:
            try:
                root = ET.fromstring(text)
            except ET.ParseError as e:
                problems.append("matrix %d/%d is not well-formed: %s" % (matrix, kind, e))
                continue
            values = root.findall("Wert")
            counts.add(len(values))
            problems += matrix_values(db, matrix, kind, root, guide_names)
            symbols = {n.get("FZ") for n in root.findall("Fussnoten/Fussnote")}
            for v in values:
                for s in (v.get("FZ") or "").split("\n"):
                    if s and s not in symbols:
                        problems.append("matrix %d/%d uses footnote %s it lacks"
                                        % (matrix, kind, s))
        rows = db.execute("SELECT count(*) FROM tabEigenschaftswerte w JOIN tabEigenschaft e "
                          "ON e.ID_Eigenschaft = w.ID_Eigenschaft WHERE "
                          "w.ID_Eigenschaftswertmatrix = ? AND e.ID_Eigenschaftskennung = ?",
                          (matrix, kind)).fetchone()[0]
        if counts != {rows}:
            problems.append("matrix %d/%d: XML values %s, table rows %d"
                            % (matrix, kind, sorted(counts), rows))
    for p in problems:
        print(p)
    counts = tuple(db.execute("SELECT count(*) FROM %s" % t).fetchone()[0]
                   for t in ("tabStahl", "tabStahlbez", "tabStahlbezVorkommen", "tabAnalyse",
                             "tabEigenschaftswerte"))
    print("%d steels, %d designations, %d occurrences, %d compositions, %d property values; "
          "%d problems" % (counts + (len(problems),)))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
