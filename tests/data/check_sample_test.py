#!/usr/bin/env python3
"""The consistency check of the sample content: it passes the sample as committed and refuses
each damage below, naming what is wrong."""

import contextlib
import io
import os
import re
import shutil
import sqlite3
import sys
import tempfile
import unittest

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
sys.path.insert(0, os.path.join(ROOT, "data", "sample", "tools"))
sys.dont_write_bytecode = True  # nothing written into the source tree

import check_sample  # noqa: E402

# The density of 1.4301 in its European table: a guide value, 7.9 kg/dm³ at 20 °C.
DENSITY = ("(SELECT w.ID_Eigenschaftswert FROM tabEigenschaftswerte w JOIN "
           "zuoStahl_Eigenschaftsmatrix z ON z.ID_Eigenschaftswertmatrix = "
           "w.ID_Eigenschaftswertmatrix WHERE z.Werkstoffnummer = '1.4301' AND w.ID_Eigenschaft = 11)")
DENSITY_MATRIX = ("(SELECT w.ID_Eigenschaftswertmatrix FROM tabEigenschaftswerte w WHERE "
                  "w.ID_Eigenschaftswert = %s) AND Id_Eigenschaftskennung = 2" % DENSITY)


def row_edit(assignment, where="ID_Eigenschaftswert = " + DENSITY):
    def edit(db):
        return db.execute("UPDATE tabEigenschaftswerte SET %s WHERE %s" % (assignment, where)).rowcount
    return edit


def matrix_edit(old, new):
    """Replaces a piece of the German matrix text that holds the density of 1.4301."""
    def edit(db):
        where = "Id_Eigenschaftsmatrix = " + DENSITY_MATRIX
        (text,) = db.execute("SELECT Eigenschaft_D FROM tabEigenschaftsMatrix WHERE " + where).fetchone()
        db.execute("UPDATE tabEigenschaftsMatrix SET Eigenschaft_D = ? WHERE " + where,
                   (text.replace(old, new),))
        return text.count(old)
    return edit


DENSITY_XML = 'NE="Dichte" Z="" ZTn="" ZTx="" F="alle Erzeugnisformen" An="" Ax="" n="7.9" x="7.9"'

# (what, the damage done (giving how many places it changed), a line the check must print)
DAMAGES = [
    ("a guide value as a bare minimum in its row", row_edit("Eigenschaft_max = NULL"),
     r"^guide value stored as a bare minimum: value \d+ \(1\.4301, Dichte\)$"),
    ("a guide value as a bare minimum in its matrix",
     matrix_edit(DENSITY_XML, DENSITY_XML.replace('x="7.9"', 'x=""')),
     r"^matrix \d+/2 value 1: guide value n without x$"),
    ("a single test temperature as a bare minimum in its row",
     row_edit("Temp_max = NULL"),
     r"^test temperature stored as a bare minimum: value \d+ \(1\.4301, Dichte\)$"),
    ("a single test temperature as a bare minimum in its matrix",
     matrix_edit(DENSITY_XML + ' U="kg/dm³" P="" Tn="20" Tx="20"',
                 DENSITY_XML + ' U="kg/dm³" P="" Tn="20" Tx=""'),
     r"^matrix \d+/2 value 1: Tn without Tx$"),
    ("a state temperature as a bare minimum in its row",
     row_edit("ZuTemp_Max = NULL", "ZuTemp_Min = 180"),
     r"^state temperature stored as a bare minimum: value \d+ \(1\.1730, Rockwellhärte C\)$"),
    ("a matrix value that differs from its row",
     matrix_edit(DENSITY_XML, DENSITY_XML.replace('x="7.9"', 'x="7.8"')),
     r"^matrix \d+/2 value 1: XML \(11\.0, 7\.9, 7\.8, .*\), table row \(11, 7\.9, 7\.9, .*\)$"),
]


def load(path):
    """Schema, sample rows and derived tables, as check_sample.sh loads them."""
    db = sqlite3.connect(path)
    schema = os.path.join(ROOT, "data", "schema")
    rows = os.path.join(ROOT, "data", "sample", "graukant")
    scripts = [os.path.join(schema, "graukant.sql")]
    scripts += sorted(os.path.join(rows, f) for f in os.listdir(rows) if f.endswith(".sql"))
    scripts.append(os.path.join(schema, "graukant-derive.sql"))
    for script in scripts:
        with open(script, encoding="utf-8") as f:
            db.executescript(f.read().replace("COLLATE JETTEXT", ""))
    db.commit()
    db.close()


def check(path):
    out = io.StringIO()
    with contextlib.redirect_stdout(out):
        status = check_sample.main(path)
    return status, out.getvalue().splitlines()


class CheckSampleTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.mkdtemp(prefix="check-sample-")
        cls.sample = os.path.join(cls.folder, "sample.db")
        load(cls.sample)

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.folder)

    def test_the_sample_passes(self):
        status, lines = check(self.sample)
        self.assertEqual(lines[:-1], [])
        self.assertRegex(lines[-1], r"^115 steels, .* property values; 0 problems$")
        self.assertEqual(status, 0)

    def test_each_damage_is_refused_by_name(self):
        for what, damage, expected in DAMAGES:
            with self.subTest(what):
                path = os.path.join(self.folder, "damaged.db")
                shutil.copyfile(self.sample, path)
                db = sqlite3.connect(path)
                changed = damage(db)
                db.commit()
                db.close()
                self.assertGreater(changed, 0, "the damage changed nothing")
                status, lines = check(path)
                self.assertEqual(status, 1)
                self.assertTrue(any(re.match(expected, line) for line in lines),
                                "no line matches %s in:\n%s" % (expected, "\n".join(lines)))


if __name__ == "__main__":
    unittest.main()
