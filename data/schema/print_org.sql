-- print_org.mdb: the template of the scratch database a data sheet is printed from.
--
-- The program copies it over print.mdb before each print; the print writer empties the data tables,
-- fills them with one steel (rows positional, in the column order below; ID_Stahl is the report id
-- 1, not a steel id), drops the caption rows of the other languages and writes the section switches
-- into tabAuswahl. The caption rows themselves are in print_captions.sql.

-- The steel: designation line, steel-group detail, country, range of application, symbols,
-- standards text, info text.
CREATE TABLE tabWerkstoff (
    ID_Stahl         INTEGER NOT NULL,
    Bezeichnung      TEXT COLLATE JETTEXT,
    Stahlgruppe      TEXT COLLATE JETTEXT,
    Land             TEXT COLLATE JETTEXT,
    Verwendungszweck TEXT COLLATE JETTEXT,
    Kurznamen        TEXT COLLATE JETTEXT,
    Normen           TEXT COLLATE JETTEXT,
    Info             TEXT COLLATE JETTEXT
);

-- The standards, in the order written.
CREATE TABLE tabNorm (
    ID_Stahl INTEGER NOT NULL,
    Norm     TEXT COLLATE JETTEXT,
    Titel    TEXT COLLATE JETTEXT
);

-- The suppliers with their trade names and product shapes (one per line); LfdNr from 0.
CREATE TABLE tabFirma (
    ID_Stahl          INTEGER NOT NULL,
    Name1             TEXT COLLATE JETTEXT,
    Name2             TEXT COLLATE JETTEXT,
    Adresse           TEXT COLLATE JETTEXT,
    Firmenbezeichnung TEXT COLLATE JETTEXT,
    Lieferform        TEXT COLLATE JETTEXT,
    LfdNr             INTEGER
);

-- The element values of the compositions: composition number from 1, element number from 0
-- counted across all compositions.
CREATE TABLE tabAnalyse (
    ID_Stahl   INTEGER NOT NULL,
    AnalyseNr  INTEGER NOT NULL,
    Element    TEXT COLLATE JETTEXT,
    Wert       TEXT COLLATE JETTEXT,
    Sonstiges  TEXT COLLATE JETTEXT,
    Fussnoten  TEXT COLLATE JETTEXT,
    ElementNr  INTEGER
);

-- The footnote text under one composition.
CREATE TABLE tabAnalyseFussnote (
    AnalyseNr INTEGER NOT NULL,
    Fussnote  TEXT COLLATE JETTEXT
);

-- One property table: number from 1, standard, property type, headline, material number, an empty
-- column, the property type's name, its footnotes, the number of its first tabEigenschaft row, and
-- the notice printed in place of a table that could not be read.
CREATE TABLE tabEigenschaftenuebersicht (
    ID_Stahl           INTEGER NOT NULL,
    TabellenNr         INTEGER NOT NULL,
    ID_Norm            INTEGER,
    Eigenschaftstyp    INTEGER,
    Ueberschrift       TEXT COLLATE JETTEXT,
    Werkstoffnummer    TEXT COLLATE JETTEXT,
    Leer               TEXT COLLATE JETTEXT,
    Eigenschaftstypname TEXT COLLATE JETTEXT,
    Fussnoten          TEXT COLLATE JETTEXT,
    ErsteZeile         INTEGER,
    Hinweis            TEXT COLLATE JETTEXT
);

-- One property value of a property table, its ranges already written as text.
CREATE TABLE tabEigenschaft (
    TabellenNr        INTEGER NOT NULL,
    Eigenschaftstyp   INTEGER,
    ID_Norm           INTEGER,
    Eigenschaft       TEXT COLLATE JETTEXT,
    Zustand           TEXT COLLATE JETTEXT,
    ZustandTemperatur TEXT COLLATE JETTEXT,
    Form              TEXT COLLATE JETTEXT,
    Abmessung         TEXT COLLATE JETTEXT,
    Wert              TEXT COLLATE JETTEXT,
    Probenlage        TEXT COLLATE JETTEXT,
    Temperatur        TEXT COLLATE JETTEXT,
    Dauer             TEXT COLLATE JETTEXT,
    Abkuehlung        TEXT COLLATE JETTEXT,
    Einheit           TEXT COLLATE JETTEXT,
    Klassifizierung   TEXT COLLATE JETTEXT,
    Fussnote          TEXT COLLATE JETTEXT,
    ZeilenNr          INTEGER,
    Id_Sprache        INTEGER
);

-- The standard comparison: country, designation, standard, material number of the group; LfdNr
-- from 0.
CREATE TABLE tabNormvergleich (
    ID_Stahl        INTEGER NOT NULL,
    Land            TEXT COLLATE JETTEXT,
    Bezeichnung     TEXT COLLATE JETTEXT,
    Norm            TEXT COLLATE JETTEXT,
    Werkstoffnummer TEXT COLLATE JETTEXT,
    LfdNr           INTEGER
);

-- The section switches of the data sheet, one row.
CREATE TABLE tabAuswahl (
    ID_Stahl                   INTEGER NOT NULL,
    Normen                     INTEGER NOT NULL DEFAULT 0 CHECK (Normen IN (-1, 0)),
    Stahlgruppe                INTEGER NOT NULL DEFAULT 0 CHECK (Stahlgruppe IN (-1, 0)),
    Verwendungszweck           INTEGER NOT NULL DEFAULT 0 CHECK (Verwendungszweck IN (-1, 0)),
    ANALYSE                    INTEGER NOT NULL DEFAULT 0 CHECK (ANALYSE IN (-1, 0)),
    Eigenschaften              INTEGER NOT NULL DEFAULT 0 CHECK (Eigenschaften IN (-1, 0)),
    Waermebehandlung           INTEGER NOT NULL DEFAULT 0 CHECK (Waermebehandlung IN (-1, 0)),
    PhysikalischeEigenschaften INTEGER NOT NULL DEFAULT 0 CHECK (PhysikalischeEigenschaften IN (-1, 0)),
    MechanischeEigenschaften   INTEGER NOT NULL DEFAULT 0 CHECK (MechanischeEigenschaften IN (-1, 0)),
    Normenvergleich            INTEGER NOT NULL DEFAULT 0 CHECK (Normenvergleich IN (-1, 0)),
    Lieferfirmen               INTEGER NOT NULL DEFAULT 0 CHECK (Lieferfirmen IN (-1, 0)),
    Anschrift                  INTEGER NOT NULL DEFAULT 0 CHECK (Anschrift IN (-1, 0)),
    Lieferform                 INTEGER NOT NULL DEFAULT 0 CHECK (Lieferform IN (-1, 0)),
    Firmenbezeichnung          INTEGER NOT NULL DEFAULT 0 CHECK (Firmenbezeichnung IN (-1, 0)),
    Info                       INTEGER NOT NULL DEFAULT 0 CHECK (Info IN (-1, 0))
);

-- Captions of the page head and foot, and of the sections and columns, as key and text per
-- language (Id_Sprache: 0 German, 1 French, 2 English, 3 the user's own language, which prints
-- the English captions).
CREATE TABLE tabSeitenkopf (
    Id_Sprache INTEGER NOT NULL,
    Feld       TEXT COLLATE JETTEXT NOT NULL,
    Text       TEXT COLLATE JETTEXT,
    PRIMARY KEY (Id_Sprache, Feld)
);

CREATE TABLE tabDetails (
    Id_Sprache INTEGER NOT NULL,
    Feld       TEXT COLLATE JETTEXT NOT NULL,
    Text       TEXT COLLATE JETTEXT,
    PRIMARY KEY (Id_Sprache, Feld)
);

-- The report reads every data table by report id and number.
CREATE INDEX idxAnalyse_AnalyseNr ON tabAnalyse (AnalyseNr, ElementNr);
CREATE INDEX idxAnalyseFussnote_AnalyseNr ON tabAnalyseFussnote (AnalyseNr);
CREATE INDEX idxEigenschaft_TabellenNr ON tabEigenschaft (TabellenNr, ZeilenNr);
