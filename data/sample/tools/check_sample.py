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

VIEWS = ["Normliste", "Stahlbez_Gruppe_Land", "Stahlbez_Gruppe_Land_Norm",
         "Stahlbez_Gruppe_Land_Firma", "Stahlbez_Gruppe_Land_Norm_Firma"]


def main(path):
    db = sqlite3.connect(path)
    problems = []
    for (what,) in [(r,) for r in db.execute("PRAGMA foreign_key_check")]:
        problems.append("foreign key: %r" % (what,))
    for what, sql in ORPHANS:
        n = db.execute(sql).fetchone()[0]
        if n:
            problems.append("%s: %d" % (what, n))
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
