-- Filter.mdb: the database the designation search and the standards list run on.
--
-- Its tables are copies, made by the build (filter-derive.sql), of rows of the materials database:
-- one row per designation occurrence with everything the designation search filters on, the
-- standards and suppliers of the occurrences, and the standards list. The stored queries below
-- have the same names and columns as those of the materials database.

-- One row per designation occurrence.
CREATE TABLE tabFilterStahlbez (
    Id_StahlbezVorkommen INTEGER PRIMARY KEY,
    Id_Stahl             INTEGER NOT NULL,
    Id_Stahlbez          INTEGER NOT NULL,
    Bezeichnung          TEXT COLLATE JETTEXT NOT NULL,
    SuchBezeichnung      TEXT COLLATE JETTEXT NOT NULL,
    Kennung              TEXT COLLATE JETTEXT NOT NULL CHECK (Kennung IN ('W', 'K', 'F')),
    IndexSort            INTEGER NOT NULL,
    Id_Land              INTEGER NOT NULL,
    IntGruppe            INTEGER NOT NULL,
    Id_Stahlgruppe       INTEGER NOT NULL,
    SupW                 INTEGER NOT NULL CHECK (SupW IN (-1, 0)),
    SupK                 INTEGER NOT NULL CHECK (SupK IN (-1, 0)),
    SupEur               INTEGER NOT NULL CHECK (SupEur IN (-1, 0))
);

-- The standards (and their types) that list an occurrence.
CREATE TABLE tabFilterNorm (
    Id_StahlbezVorkommen INTEGER NOT NULL,
    Id_Norm              INTEGER NOT NULL,
    Id_Normtyp           INTEGER NOT NULL,
    PRIMARY KEY (Id_StahlbezVorkommen, Id_Norm, Id_Normtyp)
);

-- The suppliers of a designation.
CREATE TABLE tabFilterFirma (
    Id_Stahlbez INTEGER NOT NULL,
    Id_Firma    INTEGER NOT NULL,
    PRIMARY KEY (Id_Stahlbez, Id_Firma)
);

-- The rows of the standards list.
CREATE TABLE tabFilterNormliste (
    Id_Norm            INTEGER PRIMARY KEY,
    Id_Normtyp         INTEGER NOT NULL,
    Prefix             TEXT COLLATE JETTEXT,
    Dokumentnummer     TEXT COLLATE JETTEXT,
    Stand              TEXT COLLATE JETTEXT,
    SufSuffix_D        TEXT COLLATE JETTEXT,
    SufSuffix_F        TEXT COLLATE JETTEXT,
    SufSuffix_E        TEXT COLLATE JETTEXT,
    Landeskuerzel      TEXT COLLATE JETTEXT,
    Normtyp_D          TEXT COLLATE JETTEXT,
    Titel_D            TEXT COLLATE JETTEXT,
    Titel_F            TEXT COLLATE JETTEXT,
    Titel_E            TEXT COLLATE JETTEXT,
    Land_D             TEXT COLLATE JETTEXT,
    Land_F             TEXT COLLATE JETTEXT,
    Land_E             TEXT COLLATE JETTEXT,
    Uebereinstimmung   TEXT COLLATE JETTEXT,
    Nachfolgedokument  TEXT COLLATE JETTEXT,
    Vorgaengerdokument TEXT COLLATE JETTEXT,
    Sortierung         INTEGER
);

-- A prefix pattern on SuchBezeichnung is a range of this index. It holds every column of the
-- material list, so that the list is read from the index alone, without a read of the table per hit.
CREATE INDEX idxFilterStahlbez_SuchBezeichnung ON tabFilterStahlbez (SuchBezeichnung, SupK, SupW, SupEur,
    Kennung, Id_Land, IntGruppe, Id_Stahlgruppe, IndexSort, Id_Stahl, Id_Stahlbez, Bezeichnung);
-- The list's order with the kind and suppression flags every list filters on: the keys of a whole
-- list, which give its count and its rows by position, are read from this index alone.
CREATE INDEX idxFilterStahlbez_IndexSort ON tabFilterStahlbez (IndexSort, Kennung, SupK, SupW, SupEur);
CREATE INDEX idxFilterStahlbez_Stahlbez ON tabFilterStahlbez (Id_Stahlbez);
CREATE INDEX idxFilterStahlbez_Land ON tabFilterStahlbez (Id_Land);
CREATE INDEX idxFilterStahlbez_IntGruppe ON tabFilterStahlbez (IntGruppe);
CREATE INDEX idxFilterStahlbez_Stahlgruppe ON tabFilterStahlbez (Id_Stahlgruppe);
CREATE INDEX idxFilterNorm_Norm ON tabFilterNorm (Id_Norm, Id_Normtyp);
CREATE INDEX idxFilterFirma_Firma ON tabFilterFirma (Id_Firma);
CREATE INDEX idxFilterNormliste_Sortierung ON tabFilterNormliste (Sortierung);

-- The four stored queries of the material list.
CREATE VIEW Stahlbez_Gruppe_Land AS
SELECT Id_Stahl, Id_Stahlbez, Id_StahlbezVorkommen, Bezeichnung, SuchBezeichnung, Kennung, IndexSort,
       Id_Land, IntGruppe, Id_Stahlgruppe, SupW, SupK, SupEur
FROM tabFilterStahlbez;

CREATE VIEW Stahlbez_Gruppe_Land_Norm AS
SELECT m.Id_Stahl, m.Id_Stahlbez, m.Id_StahlbezVorkommen, m.Bezeichnung, m.SuchBezeichnung, m.Kennung,
       m.IndexSort, m.Id_Land, m.IntGruppe, m.Id_Stahlgruppe, m.SupW, m.SupK, m.SupEur,
       n.Id_Norm, n.Id_Normtyp
FROM tabFilterStahlbez m
    INNER JOIN tabFilterNorm n ON n.Id_StahlbezVorkommen = m.Id_StahlbezVorkommen;

CREATE VIEW Stahlbez_Gruppe_Land_Firma AS
SELECT m.Id_Stahl, m.Id_Stahlbez, m.Id_StahlbezVorkommen, m.Bezeichnung, m.SuchBezeichnung, m.Kennung,
       m.IndexSort, m.Id_Land, m.IntGruppe, m.Id_Stahlgruppe, m.SupW, m.SupK, m.SupEur,
       f.Id_Firma
FROM tabFilterStahlbez m
    INNER JOIN tabFilterFirma f ON f.Id_Stahlbez = m.Id_Stahlbez;

CREATE VIEW Stahlbez_Gruppe_Land_Norm_Firma AS
SELECT m.Id_Stahl, m.Id_Stahlbez, m.Id_StahlbezVorkommen, m.Bezeichnung, m.SuchBezeichnung, m.Kennung,
       m.IndexSort, m.Id_Land, m.IntGruppe, m.Id_Stahlgruppe, m.SupW, m.SupK, m.SupEur,
       n.Id_Norm, n.Id_Normtyp, f.Id_Firma
FROM tabFilterStahlbez m
    INNER JOIN tabFilterNorm n ON n.Id_StahlbezVorkommen = m.Id_StahlbezVorkommen
    INNER JOIN tabFilterFirma f ON f.Id_Stahlbez = m.Id_Stahlbez;

-- The standards list.
CREATE VIEW Normliste AS
SELECT Id_Norm, Id_Normtyp, Prefix, Dokumentnummer, Stand, SufSuffix_D, SufSuffix_F, SufSuffix_E,
       Landeskuerzel, Normtyp_D, Titel_D, Titel_F, Titel_E, Land_D, Land_F, Land_E, Uebereinstimmung,
       Nachfolgedokument, Vorgaengerdokument, Sortierung
FROM tabFilterNormliste;
