-- Graukant.MDB: the materials database the program reads.
--
-- Steels and their designations (material numbers, symbols, trade names) with their occurrences
-- per country; countries, steel groups, suppliers with addresses and product shapes; footnotes and
-- info texts; chemical compositions with the composition-search table; standards and the standard
-- comparison; property values, their vocabulary, the XML property matrices and the layout of the
-- property-search mask; and the stored queries run on it (views at the end).
--
-- Conventions for everyone writing rows into this database:
-- * Ids are integers. Text columns compare case-insensitively (collation JETTEXT).
-- * Yes/no columns hold -1 (yes) or 0 (no), as Jet stores them; anything else is rejected.
-- * Absent values are NULL, never ''.
-- * Language-dependent texts exist three times: _D German, _F French, _E English.
-- * tabAnalyseSuchen is filled by the build from tabAnalyseWert (graukant-derive.sql): never insert
--   into it. Element symbols (tabElemente.ID_Element) are limited to those that have columns there.
-- * tabStahlbez.SuchBezeichnung may be left NULL: the build then fills it with the designation
--   without blanks, the form the designation search matches the user's pattern against.
-- * The filter database is derived from this one by the build; nothing is written there by hand.

-- ---------------------------------------------------------------------------------------------
-- Countries, steel groups, steels and designations

CREATE TABLE tabLand (
    ID_Land        INTEGER PRIMARY KEY,
    Landeskuerzel  TEXT COLLATE JETTEXT,
    Land_D         TEXT COLLATE JETTEXT,
    Land_F         TEXT COLLATE JETTEXT,
    Land_E         TEXT COLLATE JETTEXT,
    EuLand         INTEGER NOT NULL DEFAULT 0 CHECK (EuLand IN (-1, 0)),
    Filter         INTEGER NOT NULL DEFAULT -1 CHECK (Filter IN (-1, 0))
);

-- ID_Stahlgruppe above 9999 is a detailed group; IntGruppe is the number of its main group.
CREATE TABLE tabStahlgruppe (
    ID_Stahlgruppe INTEGER PRIMARY KEY,
    IntGruppe      INTEGER NOT NULL,
    ID_Gruppe      INTEGER,
    Sichtbar       INTEGER NOT NULL DEFAULT -1 CHECK (Sichtbar IN (-1, 0)),
    Gruppe_D       TEXT COLLATE JETTEXT,
    Gruppe_F       TEXT COLLATE JETTEXT,
    Gruppe_E       TEXT COLLATE JETTEXT,
    Detail_D       TEXT COLLATE JETTEXT,
    Detail_F       TEXT COLLATE JETTEXT,
    Detail_E       TEXT COLLATE JETTEXT
);

CREATE TABLE tabStahl (
    ID_Stahl       INTEGER PRIMARY KEY,
    ID_Land        INTEGER NOT NULL REFERENCES tabLand (ID_Land),
    ID_Stahlgruppe INTEGER NOT NULL REFERENCES tabStahlgruppe (ID_Stahlgruppe)
);

-- Status decorations of a designation: vor and nach are written directly around it.
CREATE TABLE tabBezeichnungStatus (
    Id_BezeichnungStatus INTEGER PRIMARY KEY,
    vor                  TEXT COLLATE JETTEXT,
    nach                 TEXT COLLATE JETTEXT,
    Status               TEXT COLLATE JETTEXT
);

-- Kennung: W material number, K symbol (short name), F trade name.
CREATE TABLE tabStahlbez (
    Id_Stahlbez          INTEGER PRIMARY KEY,
    ID_Stahl             INTEGER NOT NULL REFERENCES tabStahl (ID_Stahl),
    Bezeichnung          TEXT COLLATE JETTEXT NOT NULL,
    SuchBezeichnung      TEXT COLLATE JETTEXT,
    Kennung              TEXT COLLATE JETTEXT NOT NULL CHECK (Kennung IN ('W', 'K', 'F')),
    Prioritaet           INTEGER NOT NULL DEFAULT 0,
    ID_BezeichnungStatus INTEGER NOT NULL REFERENCES tabBezeichnungStatus (Id_BezeichnungStatus)
);

-- One occurrence of a designation in a country. IndexSort is the display order of the whole
-- designation list. SupW and SupK leave a material-number or symbol row out of lists that mix
-- kinds; SupEur marks a national designation that comes from a European standard.
CREATE TABLE tabStahlbezVorkommen (
    Id_StahlbezVorkommen INTEGER PRIMARY KEY,
    Id_Stahlbez          INTEGER NOT NULL REFERENCES tabStahlbez (Id_Stahlbez),
    Id_Land              INTEGER NOT NULL REFERENCES tabLand (ID_Land),
    IndexSort            INTEGER NOT NULL,
    SupW                 INTEGER NOT NULL DEFAULT 0 CHECK (SupW IN (-1, 0)),
    SupK                 INTEGER NOT NULL DEFAULT 0 CHECK (SupK IN (-1, 0)),
    SupEur               INTEGER NOT NULL DEFAULT 0 CHECK (SupEur IN (-1, 0))
);

-- ---------------------------------------------------------------------------------------------
-- Suppliers, their addresses and product shapes

-- Old_FirmaID is the supplier's code and the sort key of every supplier list.
CREATE TABLE tabFirma (
    ID_Firma    INTEGER PRIMARY KEY,
    ID_Land     INTEGER NOT NULL REFERENCES tabLand (ID_Land),
    Adresse     TEXT COLLATE JETTEXT,
    Old_FirmaID TEXT COLLATE JETTEXT NOT NULL
);

-- LfdNr 1 is the head office.
CREATE TABLE tabFirmadresse (
    ID_Firma    INTEGER NOT NULL REFERENCES tabFirma (ID_Firma),
    LfdNr       INTEGER NOT NULL,
    Name1       TEXT COLLATE JETTEXT,
    Name2       TEXT COLLATE JETTEXT,
    Strasse     TEXT COLLATE JETTEXT,
    PLZStrasse  TEXT COLLATE JETTEXT,
    OrtStrasse  TEXT COLLATE JETTEXT,
    Postfach    TEXT COLLATE JETTEXT,
    PLZPostfach TEXT COLLATE JETTEXT,
    OrtPostfach TEXT COLLATE JETTEXT,
    Tel         TEXT COLLATE JETTEXT,
    Fax         TEXT COLLATE JETTEXT,
    EMail       TEXT COLLATE JETTEXT,
    ID_Land     INTEGER NOT NULL REFERENCES tabLand (ID_Land),
    PRIMARY KEY (ID_Firma, LfdNr)
);

CREATE TABLE zuoStahlbez_Firma (
    ID_Stahlbez INTEGER NOT NULL REFERENCES tabStahlbez (Id_Stahlbez),
    ID_Firma    INTEGER NOT NULL REFERENCES tabFirma (ID_Firma),
    PRIMARY KEY (ID_Stahlbez, ID_Firma)
);

CREATE TABLE tabLieferform (
    ID_Lieferform INTEGER PRIMARY KEY,
    Lieferform_D  TEXT COLLATE JETTEXT,
    Lieferform_F  TEXT COLLATE JETTEXT,
    Lieferform_E  TEXT COLLATE JETTEXT
);

-- A supplier delivers steels of a group in a product shape.
CREATE TABLE zuoStahlgruppe_Firma_Lieferform (
    ID_Stahlgruppe INTEGER NOT NULL REFERENCES tabStahlgruppe (ID_Stahlgruppe),
    ID_Firma       INTEGER NOT NULL REFERENCES tabFirma (ID_Firma),
    ID_Lieferform  INTEGER NOT NULL REFERENCES tabLieferform (ID_Lieferform),
    PRIMARY KEY (ID_Stahlgruppe, ID_Firma, ID_Lieferform)
);

-- ---------------------------------------------------------------------------------------------
-- Footnotes of designations and info texts of steels

CREATE TABLE tabFussnote (
    ID_Fussnote INTEGER PRIMARY KEY,
    Text_D      TEXT COLLATE JETTEXT,
    Text_F      TEXT COLLATE JETTEXT,
    Text_E      TEXT COLLATE JETTEXT
);

CREATE TABLE zuoStahlbez_Fussnote (
    ID_Stahlbez INTEGER NOT NULL REFERENCES tabStahlbez (Id_Stahlbez),
    ID_Fussnote INTEGER NOT NULL REFERENCES tabFussnote (ID_Fussnote),
    PRIMARY KEY (ID_Stahlbez, ID_Fussnote)
);

CREATE TABLE tabInfotitel (
    ID_Infotitel INTEGER PRIMARY KEY,
    Titel_D      TEXT COLLATE JETTEXT,
    Titel_F      TEXT COLLATE JETTEXT,
    Titel_E      TEXT COLLATE JETTEXT
);

CREATE TABLE tabInfotext (
    ID_Stahl     INTEGER NOT NULL REFERENCES tabStahl (ID_Stahl),
    ID_Infotitel INTEGER NOT NULL REFERENCES tabInfotitel (ID_Infotitel),
    Info_D       TEXT COLLATE JETTEXT,
    Info_F       TEXT COLLATE JETTEXT,
    Info_E       TEXT COLLATE JETTEXT,
    PRIMARY KEY (ID_Stahl, ID_Infotitel)
);

-- ---------------------------------------------------------------------------------------------
-- Chemical compositions

-- Anzahl_NK: decimals shown (0: the element is not offered); Sortierung: display order.
CREATE TABLE tabElemente (
    ID_Element TEXT COLLATE JETTEXT PRIMARY KEY,
    Anzahl_NK  INTEGER,
    Sortierung INTEGER
);

-- Abmass: the dimension range the composition applies to (NULL when it applies to all).
CREATE TABLE tabAnalyse (
    Id_Analyse INTEGER PRIMARY KEY,
    Abmass     TEXT COLLATE JETTEXT
);

CREATE TABLE zuoStahlbez_Analyse (
    Id_Stahlbez INTEGER NOT NULL REFERENCES tabStahlbez (Id_Stahlbez),
    Id_Analyse  INTEGER NOT NULL REFERENCES tabAnalyse (Id_Analyse),
    PRIMARY KEY (Id_Stahlbez, Id_Analyse)
);

-- One element value of a composition, in percent by mass. NurSuchen: used by the search only,
-- not shown; KannWert: an optional value; Rest: the element makes up the balance.
CREATE TABLE tabAnalyseWert (
    Id_AnalyseWert INTEGER PRIMARY KEY,
    Id_Analyse     INTEGER NOT NULL REFERENCES tabAnalyse (Id_Analyse),
    ID_Element     TEXT COLLATE JETTEXT NOT NULL REFERENCES tabElemente (ID_Element),
    MinWert        REAL,
    MaxWert        REAL,
    Sonstiges      TEXT COLLATE JETTEXT,
    NurSuchen      INTEGER NOT NULL DEFAULT 0 CHECK (NurSuchen IN (-1, 0)),
    KannWert       INTEGER NOT NULL DEFAULT 0 CHECK (KannWert IN (-1, 0)),
    Rest           INTEGER NOT NULL DEFAULT 0 CHECK (Rest IN (-1, 0))
);

CREATE TABLE tabAnalyseFussnote (
    Id_Fussnote INTEGER PRIMARY KEY,
    Text_D      TEXT COLLATE JETTEXT,
    Text_F      TEXT COLLATE JETTEXT,
    Text_E      TEXT COLLATE JETTEXT
);

CREATE TABLE zuoAnalyseWert_AnalyseFussnote (
    Id_AnalyseWert INTEGER NOT NULL REFERENCES tabAnalyseWert (Id_AnalyseWert),
    Id_Fussnote    INTEGER NOT NULL REFERENCES tabAnalyseFussnote (Id_Fussnote),
    PRIMARY KEY (Id_AnalyseWert, Id_Fussnote)
);

-- The composition-search table: per composition and element the range of the element (both NULL
-- when the composition does not contain it). Derived by the build from tabAnalyseWert.
CREATE TABLE tabAnalyseSuchen (
    Id_Analyse INTEGER PRIMARY KEY REFERENCES tabAnalyse (Id_Analyse),
    C_min  REAL, C_max  REAL,
    Si_min REAL, Si_max REAL,
    Mn_min REAL, Mn_max REAL,
    P_min  REAL, P_max  REAL,
    S_min  REAL, S_max  REAL,
    N_min  REAL, N_max  REAL,
    Al_min REAL, Al_max REAL,
    As_min REAL, As_max REAL,
    B_min  REAL, B_max  REAL,
    Bi_min REAL, Bi_max REAL,
    Ca_min REAL, Ca_max REAL,
    Ce_min REAL, Ce_max REAL,
    Co_min REAL, Co_max REAL,
    Cr_min REAL, Cr_max REAL,
    Cu_min REAL, Cu_max REAL,
    Fe_min REAL, Fe_max REAL,
    H_min  REAL, H_max  REAL,
    Mg_min REAL, Mg_max REAL,
    Mo_min REAL, Mo_max REAL,
    Nb_min REAL, Nb_max REAL,
    Ni_min REAL, Ni_max REAL,
    O_min  REAL, O_max  REAL,
    Pb_min REAL, Pb_max REAL,
    Sb_min REAL, Sb_max REAL,
    Se_min REAL, Se_max REAL,
    Sn_min REAL, Sn_max REAL,
    Ta_min REAL, Ta_max REAL,
    Te_min REAL, Te_max REAL,
    Ti_min REAL, Ti_max REAL,
    V_min  REAL, V_max  REAL,
    W_min  REAL, W_max  REAL,
    Zn_min REAL, Zn_max REAL,
    Zr_min REAL, Zr_max REAL
);

-- ---------------------------------------------------------------------------------------------
-- Standards and the standard comparison

-- Name: the document's number or name; '-' means no document name to show.
CREATE TABLE tabNormBasis (
    Id_NormBasis INTEGER PRIMARY KEY,
    Name         TEXT COLLATE JETTEXT NOT NULL,
    Titel_D      TEXT COLLATE JETTEXT,
    Titel_F      TEXT COLLATE JETTEXT,
    Titel_E      TEXT COLLATE JETTEXT
);

CREATE TABLE tabNormStatus (
    Id_NormStatus INTEGER PRIMARY KEY,
    Sortierung    INTEGER,
    SufSuffix_D   TEXT COLLATE JETTEXT,
    SufSuffix_F   TEXT COLLATE JETTEXT,
    SufSuffix_E   TEXT COLLATE JETTEXT
);

-- A type of standard of one country; the name '-' means no type name.
CREATE TABLE tabNormtyp (
    ID_Normtyp INTEGER PRIMARY KEY,
    ID_Land    INTEGER NOT NULL REFERENCES tabLand (ID_Land),
    Normtyp_D  TEXT COLLATE JETTEXT,
    Normtyp_F  TEXT COLLATE JETTEXT,
    Normtyp_E  TEXT COLLATE JETTEXT
);

-- One published variant (edition) of a standard; the rest of the system names a standard by
-- Id_Norm, which several variants may share.
CREATE TABLE tabNormVariante (
    Id_NormVariante    INTEGER PRIMARY KEY,
    Id_Norm            INTEGER NOT NULL,
    Id_NormBasis       INTEGER NOT NULL REFERENCES tabNormBasis (Id_NormBasis),
    Id_NormStatus      INTEGER NOT NULL REFERENCES tabNormStatus (Id_NormStatus),
    Id_Normtyp         INTEGER NOT NULL REFERENCES tabNormtyp (ID_Normtyp),
    Prefix             TEXT COLLATE JETTEXT,
    Stand              TEXT COLLATE JETTEXT,
    Sortierung         INTEGER,
    Uebereinstimmung   TEXT COLLATE JETTEXT,
    Nachfolgedokument  TEXT COLLATE JETTEXT,
    Vorgaengerdokument TEXT COLLATE JETTEXT,
    NichtAnzeigen      INTEGER DEFAULT 0 CHECK (NichtAnzeigen IN (-1, 0))
);

CREATE TABLE zuoStahlbezVorkommen_NormVariante (
    Id_StahlbezVorkommen INTEGER NOT NULL REFERENCES tabStahlbezVorkommen (Id_StahlbezVorkommen),
    Id_NormVariante      INTEGER NOT NULL REFERENCES tabNormVariante (Id_NormVariante),
    PRIMARY KEY (Id_StahlbezVorkommen, Id_NormVariante)
);

-- Comparison groups: all steels that share one Id_WsNr are comparable.
CREATE TABLE tabNormvergleich (
    ID_Stahl     INTEGER NOT NULL REFERENCES tabStahl (ID_Stahl),
    Id_WsNr      TEXT COLLATE JETTEXT NOT NULL,
    WSNr_Anzeige TEXT COLLATE JETTEXT,
    PRIMARY KEY (ID_Stahl, Id_WsNr)
);

-- ---------------------------------------------------------------------------------------------
-- Properties

-- Kinds of property: 1 mechanical, 2 physical, 3 heat treatment, 4 notes, 5 welding.
CREATE TABLE tabEigenschaftskennung (
    ID_Eigenschaftskennung INTEGER PRIMARY KEY,
    Eigenschaftskennung_D  TEXT COLLATE JETTEXT,
    Eigenschaftskennung_F  TEXT COLLATE JETTEXT,
    Eigenschaftskennung_E  TEXT COLLATE JETTEXT,
    Sortierung_D           INTEGER,
    Sortierung_F           INTEGER,
    Sortierung_E           INTEGER
);

CREATE TABLE tabEigenschaft (
    ID_Eigenschaft         INTEGER PRIMARY KEY,
    ID_Eigenschaftskennung INTEGER NOT NULL REFERENCES tabEigenschaftskennung (ID_Eigenschaftskennung),
    SID_Eigenschaft        INTEGER,
    Suchbar                INTEGER NOT NULL DEFAULT 0 CHECK (Suchbar IN (-1, 0)),
    Eigenschaft_D          TEXT COLLATE JETTEXT,
    Eigenschaft_F          TEXT COLLATE JETTEXT,
    Eigenschaft_E          TEXT COLLATE JETTEXT,
    Einheit                TEXT COLLATE JETTEXT,
    Formelzeichen          TEXT COLLATE JETTEXT,
    Temp_Tendenz           INTEGER,
    DRM_Tendenz            INTEGER
);

-- Vocabulary of the conditions of a property value. SID_* is the search id.
CREATE TABLE tabZustand (
    ID_Zustand   INTEGER PRIMARY KEY,
    SID_Zustand  INTEGER,
    Zustand_D    TEXT COLLATE JETTEXT,
    Zustand_F    TEXT COLLATE JETTEXT,
    Zustand_E    TEXT COLLATE JETTEXT,
    Suchbar      INTEGER NOT NULL DEFAULT 0 CHECK (Suchbar IN (-1, 0)),
    Sortierung_D INTEGER,
    Sortierung_F INTEGER,
    Sortierung_E INTEGER
);

-- The text columns are spelled without the h of the table name.
CREATE TABLE tabAbkuehlung (
    ID_Abkuehlung  INTEGER PRIMARY KEY,
    SID_Abkuehlung INTEGER,
    Abkuelung_D    TEXT COLLATE JETTEXT,
    Abkuelung_F    TEXT COLLATE JETTEXT,
    Abkuelung_E    TEXT COLLATE JETTEXT,
    Suchbar        INTEGER NOT NULL DEFAULT 0 CHECK (Suchbar IN (-1, 0)),
    Sortierung_D   INTEGER,
    Sortierung_F   INTEGER,
    Sortierung_E   INTEGER
);

-- SID_Faktor is the search id delivered to the search mask, SID_Dauer that of one duration kind.
CREATE TABLE tabDauer (
    ID_Dauer     INTEGER PRIMARY KEY,
    SID_Dauer    INTEGER,
    SID_Faktor   INTEGER,
    Dauer_D      TEXT COLLATE JETTEXT,
    Dauer_F      TEXT COLLATE JETTEXT,
    Dauer_E      TEXT COLLATE JETTEXT,
    Suchbar      INTEGER NOT NULL DEFAULT 0 CHECK (Suchbar IN (-1, 0)),
    Sortierung_D INTEGER,
    Sortierung_F INTEGER,
    Sortierung_E INTEGER
);

CREATE TABLE tabForm (
    ID_Form      INTEGER PRIMARY KEY,
    SID_Form     INTEGER,
    Form_D       TEXT COLLATE JETTEXT,
    Form_F       TEXT COLLATE JETTEXT,
    Form_E       TEXT COLLATE JETTEXT,
    Suchbar      INTEGER NOT NULL DEFAULT 0 CHECK (Suchbar IN (-1, 0)),
    Sortierung_D INTEGER,
    Sortierung_F INTEGER,
    Sortierung_E INTEGER
);

CREATE TABLE tabProbenlage (
    ID_Probenlage  INTEGER PRIMARY KEY,
    SID_Probenlage INTEGER,
    Probenlage_D   TEXT COLLATE JETTEXT,
    Probenlage_F   TEXT COLLATE JETTEXT,
    Probenlage_E   TEXT COLLATE JETTEXT,
    Suchbar        INTEGER NOT NULL DEFAULT 0 CHECK (Suchbar IN (-1, 0)),
    Sortierung_D   INTEGER,
    Sortierung_F   INTEGER,
    Sortierung_E   INTEGER
);

CREATE TABLE tabKlassifizierung (
    ID_Klassifizierung  INTEGER PRIMARY KEY,
    SID_Klassifizierung INTEGER,
    Klassifizierung_D   TEXT COLLATE JETTEXT,
    Klassifizierung_F   TEXT COLLATE JETTEXT,
    Klassifizierung_E   TEXT COLLATE JETTEXT,
    Suchbar             INTEGER NOT NULL DEFAULT 0 CHECK (Suchbar IN (-1, 0)),
    Sortierung_D        INTEGER,
    Sortierung_F        INTEGER,
    Sortierung_E        INTEGER
);

-- One row per property value of a value matrix. A single value stands in Eigenschaft_min with
-- Eigenschaft_max NULL (the same for the other ranges). Every condition is held as the id of its
-- vocabulary row and as that row's search id; any condition but the property may be NULL.
CREATE TABLE tabEigenschaftswerte (
    ID_Eigenschaftswert       INTEGER PRIMARY KEY,
    ID_Eigenschaftswertmatrix INTEGER NOT NULL,
    ID_Eigenschaft            INTEGER NOT NULL REFERENCES tabEigenschaft (ID_Eigenschaft),
    SID_Eigenschaft           INTEGER,
    ID_Zustand                INTEGER REFERENCES tabZustand (ID_Zustand),
    SID_Zustand               INTEGER,
    ID_Form                   INTEGER REFERENCES tabForm (ID_Form),
    SID_Form                  INTEGER,
    ID_Probenlage             INTEGER REFERENCES tabProbenlage (ID_Probenlage),
    SID_Probenlage            INTEGER,
    ID_Klassifizierung        INTEGER REFERENCES tabKlassifizierung (ID_Klassifizierung),
    SID_Klassifizierung       INTEGER,
    ID_Dauer                  INTEGER REFERENCES tabDauer (ID_Dauer),
    SID_Dauer                 INTEGER,
    ID_Abkuehlung             INTEGER REFERENCES tabAbkuehlung (ID_Abkuehlung),
    SID_Abkuehlung            INTEGER,
    Eigenschaft_min           REAL,
    Eigenschaft_max           REAL,
    Abmasse_min               REAL,
    Abmasse_max               REAL,
    Temp_min                  REAL,
    Temp_max                  REAL,
    ZuTemp_Min                REAL,
    ZuTemp_Max                REAL,
    Dauer_min                 REAL,
    Dauer_max                 REAL,
    Such_Temp_min             REAL,
    Such_Temp_max             REAL
);

-- The property matrix of a value matrix and a kind as XML text, once per language.
CREATE TABLE tabEigenschaftsMatrix (
    Id_Eigenschaftsmatrix  INTEGER NOT NULL,
    Id_Eigenschaftskennung INTEGER NOT NULL REFERENCES tabEigenschaftskennung (ID_Eigenschaftskennung),
    Eigenschaft_D          TEXT COLLATE JETTEXT,
    Eigenschaft_F          TEXT COLLATE JETTEXT,
    Eigenschaft_E          TEXT COLLATE JETTEXT,
    PRIMARY KEY (Id_Eigenschaftsmatrix, Id_Eigenschaftskennung)
);

-- Which value matrix holds the property values of a steel under a standard variant for a country,
-- with the designation occurrence, designation and material number the property search shows.
CREATE TABLE zuoStahl_Eigenschaftsmatrix (
    ID_Stahl                  INTEGER NOT NULL REFERENCES tabStahl (ID_Stahl),
    Id_Land                   INTEGER NOT NULL REFERENCES tabLand (ID_Land),
    ID_NormVariante           INTEGER NOT NULL REFERENCES tabNormVariante (Id_NormVariante),
    ID_Eigenschaftswertmatrix INTEGER NOT NULL,
    Id_StahlbezVorkommen      INTEGER REFERENCES tabStahlbezVorkommen (Id_StahlbezVorkommen),
    Bezeichnung               TEXT COLLATE JETTEXT,
    Werkstoffnummer           TEXT COLLATE JETTEXT
);

CREATE TABLE tabBemerkung (
    ID_Bemerkung INTEGER PRIMARY KEY,
    Bemerkung_D  TEXT COLLATE JETTEXT,
    Bemerkung_F  TEXT COLLATE JETTEXT,
    Bemerkung_E  TEXT COLLATE JETTEXT
);

CREATE TABLE zuoEigenschaftswert_Bemerkung (
    ID_Eigenschaftswert INTEGER NOT NULL REFERENCES tabEigenschaftswerte (ID_Eigenschaftswert),
    ID_Bemerkung        INTEGER NOT NULL REFERENCES tabBemerkung (ID_Bemerkung),
    PRIMARY KEY (ID_Eigenschaftswert, ID_Bemerkung)
);

-- Layout of the property-search mask, one row per grid column. Feldname is the searched column of
-- tabEigenschaftswerte, Symbol the attribute of the XML matrix; Breite 0 hides the column;
-- Vergleich NULL compares with '='.
CREATE TABLE tabEigenschaftssuche (
    Spalte       INTEGER PRIMARY KEY,
    Feldname     TEXT COLLATE JETTEXT,
    Breite       INTEGER NOT NULL DEFAULT 0,
    Ausrichtung  INTEGER NOT NULL DEFAULT 0,
    Combo        INTEGER NOT NULL DEFAULT 0 CHECK (Combo IN (-1, 0)),
    Comboinhalt  TEXT COLLATE JETTEXT,
    ControlIndex INTEGER NOT NULL DEFAULT 0,
    Negierbar    INTEGER NOT NULL DEFAULT 0 CHECK (Negierbar IN (-1, 0)),
    Symbol       TEXT COLLATE JETTEXT,
    Vergleich    TEXT COLLATE JETTEXT
);

-- ---------------------------------------------------------------------------------------------
-- Indexes: every join key and every searched column.

CREATE INDEX idxLand_Landeskuerzel ON tabLand (Landeskuerzel);
CREATE INDEX idxStahlgruppe_IntGruppe ON tabStahlgruppe (IntGruppe);
CREATE INDEX idxStahl_Land ON tabStahl (ID_Land);
CREATE INDEX idxStahl_Stahlgruppe ON tabStahl (ID_Stahlgruppe);
CREATE INDEX idxStahlbez_Stahl ON tabStahlbez (ID_Stahl, Kennung, Prioritaet);
CREATE INDEX idxStahlbez_SuchBezeichnung ON tabStahlbez (SuchBezeichnung);
CREATE INDEX idxStahlbez_Bezeichnung ON tabStahlbez (Bezeichnung);
CREATE INDEX idxStahlbez_Status ON tabStahlbez (ID_BezeichnungStatus);
CREATE INDEX idxStahlbezVorkommen_Stahlbez ON tabStahlbezVorkommen (Id_Stahlbez);
CREATE INDEX idxStahlbezVorkommen_Land ON tabStahlbezVorkommen (Id_Land);
CREATE INDEX idxStahlbezVorkommen_IndexSort ON tabStahlbezVorkommen (IndexSort);
CREATE INDEX idxFirma_Land ON tabFirma (ID_Land);
CREATE INDEX idxFirma_Old_FirmaID ON tabFirma (Old_FirmaID);
CREATE INDEX idxFirmadresse_Land ON tabFirmadresse (ID_Land);
CREATE INDEX idxStahlbezFirma_Firma ON zuoStahlbez_Firma (ID_Firma);
CREATE INDEX idxStahlgruppeFirmaLieferform_Firma ON zuoStahlgruppe_Firma_Lieferform (ID_Firma);
CREATE INDEX idxStahlgruppeFirmaLieferform_Lieferform ON zuoStahlgruppe_Firma_Lieferform (ID_Lieferform);
CREATE INDEX idxStahlbezFussnote_Fussnote ON zuoStahlbez_Fussnote (ID_Fussnote);
CREATE INDEX idxInfotext_Infotitel ON tabInfotext (ID_Infotitel);
CREATE INDEX idxElemente_Sortierung ON tabElemente (Sortierung);
CREATE INDEX idxStahlbezAnalyse_Analyse ON zuoStahlbez_Analyse (Id_Analyse);
CREATE INDEX idxAnalyseWert_Analyse ON tabAnalyseWert (Id_Analyse);
CREATE INDEX idxAnalyseWert_Element ON tabAnalyseWert (ID_Element);
CREATE INDEX idxAnalyseWertFussnote_Fussnote ON zuoAnalyseWert_AnalyseFussnote (Id_Fussnote);
CREATE INDEX idxAnalyseSuchen_C ON tabAnalyseSuchen (C_min, C_max);
CREATE INDEX idxAnalyseSuchen_Si ON tabAnalyseSuchen (Si_min, Si_max);
CREATE INDEX idxAnalyseSuchen_Mn ON tabAnalyseSuchen (Mn_min, Mn_max);
CREATE INDEX idxAnalyseSuchen_P ON tabAnalyseSuchen (P_min, P_max);
CREATE INDEX idxAnalyseSuchen_S ON tabAnalyseSuchen (S_min, S_max);
CREATE INDEX idxAnalyseSuchen_N ON tabAnalyseSuchen (N_min, N_max);
CREATE INDEX idxAnalyseSuchen_Al ON tabAnalyseSuchen (Al_min, Al_max);
CREATE INDEX idxAnalyseSuchen_B ON tabAnalyseSuchen (B_min, B_max);
CREATE INDEX idxAnalyseSuchen_Co ON tabAnalyseSuchen (Co_min, Co_max);
CREATE INDEX idxAnalyseSuchen_Cr ON tabAnalyseSuchen (Cr_min, Cr_max);
CREATE INDEX idxAnalyseSuchen_Cu ON tabAnalyseSuchen (Cu_min, Cu_max);
CREATE INDEX idxAnalyseSuchen_Mo ON tabAnalyseSuchen (Mo_min, Mo_max);
CREATE INDEX idxAnalyseSuchen_Nb ON tabAnalyseSuchen (Nb_min, Nb_max);
CREATE INDEX idxAnalyseSuchen_Ni ON tabAnalyseSuchen (Ni_min, Ni_max);
CREATE INDEX idxAnalyseSuchen_Ti ON tabAnalyseSuchen (Ti_min, Ti_max);
CREATE INDEX idxAnalyseSuchen_V ON tabAnalyseSuchen (V_min, V_max);
CREATE INDEX idxAnalyseSuchen_W ON tabAnalyseSuchen (W_min, W_max);
CREATE INDEX idxNormVariante_Norm ON tabNormVariante (Id_Norm);
CREATE INDEX idxNormVariante_NormBasis ON tabNormVariante (Id_NormBasis);
CREATE INDEX idxNormVariante_NormStatus ON tabNormVariante (Id_NormStatus);
CREATE INDEX idxNormVariante_Normtyp ON tabNormVariante (Id_Normtyp);
CREATE INDEX idxNormtyp_Land ON tabNormtyp (ID_Land);
CREATE INDEX idxStahlbezVorkommenNormVariante_NormVariante ON zuoStahlbezVorkommen_NormVariante (Id_NormVariante);
CREATE INDEX idxNormvergleich_WsNr ON tabNormvergleich (Id_WsNr);
CREATE INDEX idxEigenschaft_Kennung ON tabEigenschaft (ID_Eigenschaftskennung);
CREATE INDEX idxEigenschaft_SID ON tabEigenschaft (SID_Eigenschaft);
CREATE INDEX idxEigenschaftswerte_Matrix ON tabEigenschaftswerte (ID_Eigenschaftswertmatrix);
CREATE INDEX idxEigenschaftswerte_Eigenschaft ON tabEigenschaftswerte (ID_Eigenschaft);
-- A property-search condition (a property and bounds on its value) is answered from this index
-- alone, its matrices already in order for DISTINCT: reading the rows behind a property's tens of
-- thousands of values costs several times as much.
CREATE INDEX idxEigenschaftswerte_SIDEigenschaft
    ON tabEigenschaftswerte (SID_Eigenschaft, ID_Eigenschaftswertmatrix, Eigenschaft_min, Eigenschaft_max);
CREATE INDEX idxEigenschaftswerte_Zustand ON tabEigenschaftswerte (ID_Zustand);
CREATE INDEX idxEigenschaftswerte_Form ON tabEigenschaftswerte (ID_Form);
CREATE INDEX idxEigenschaftswerte_Probenlage ON tabEigenschaftswerte (ID_Probenlage);
CREATE INDEX idxEigenschaftswerte_Klassifizierung ON tabEigenschaftswerte (ID_Klassifizierung);
CREATE INDEX idxEigenschaftswerte_Dauer ON tabEigenschaftswerte (ID_Dauer);
CREATE INDEX idxEigenschaftswerte_Abkuehlung ON tabEigenschaftswerte (ID_Abkuehlung);
CREATE INDEX idxEigenschaftsMatrix_Kennung ON tabEigenschaftsMatrix (Id_Eigenschaftskennung);
CREATE INDEX idxStahlEigenschaftsmatrix_StahlLand ON zuoStahl_Eigenschaftsmatrix (ID_Stahl, Id_Land);
CREATE INDEX idxStahlEigenschaftsmatrix_Land ON zuoStahl_Eigenschaftsmatrix (Id_Land);
CREATE INDEX idxStahlEigenschaftsmatrix_NormVariante ON zuoStahl_Eigenschaftsmatrix (ID_NormVariante);
CREATE INDEX idxStahlEigenschaftsmatrix_Matrix ON zuoStahl_Eigenschaftsmatrix (ID_Eigenschaftswertmatrix);
CREATE INDEX idxStahlEigenschaftsmatrix_Vorkommen ON zuoStahl_Eigenschaftsmatrix (Id_StahlbezVorkommen);
CREATE INDEX idxEigenschaftswertBemerkung_Bemerkung ON zuoEigenschaftswert_Bemerkung (ID_Bemerkung);

-- ---------------------------------------------------------------------------------------------
-- Stored queries

-- The standards list: one row per standard (Id_Norm), from its first variant in variant order.
CREATE VIEW Normliste AS
SELECT v.Id_Norm AS Id_Norm,
       v.Id_Normtyp AS Id_Normtyp,
       v.Prefix AS Prefix,
       b.Name AS Dokumentnummer,
       v.Stand AS Stand,
       s.SufSuffix_D AS SufSuffix_D,
       s.SufSuffix_F AS SufSuffix_F,
       s.SufSuffix_E AS SufSuffix_E,
       l.Landeskuerzel AS Landeskuerzel,
       t.Normtyp_D AS Normtyp_D,
       b.Titel_D AS Titel_D,
       b.Titel_F AS Titel_F,
       b.Titel_E AS Titel_E,
       l.Land_D AS Land_D,
       l.Land_F AS Land_F,
       l.Land_E AS Land_E,
       v.Uebereinstimmung AS Uebereinstimmung,
       v.Nachfolgedokument AS Nachfolgedokument,
       v.Vorgaengerdokument AS Vorgaengerdokument,
       v.Sortierung AS Sortierung
FROM tabNormVariante v
    INNER JOIN tabNormBasis b ON b.Id_NormBasis = v.Id_NormBasis
    INNER JOIN tabNormStatus s ON s.Id_NormStatus = v.Id_NormStatus
    INNER JOIN tabNormtyp t ON t.ID_Normtyp = v.Id_Normtyp
    INNER JOIN tabLand l ON l.ID_Land = t.ID_Land
WHERE v.Id_NormVariante = (SELECT v2.Id_NormVariante FROM tabNormVariante v2
                           WHERE v2.Id_Norm = v.Id_Norm
                           ORDER BY v2.Sortierung, v2.Id_NormVariante LIMIT 1);

-- The material list: one row per designation occurrence with its designation, steel, steel group
-- and country. The filter database holds the same four queries over its own copy of these rows.
CREATE VIEW Stahlbez_Gruppe_Land AS
SELECT b.ID_Stahl AS Id_Stahl,
       b.Id_Stahlbez AS Id_Stahlbez,
       o.Id_StahlbezVorkommen AS Id_StahlbezVorkommen,
       b.Bezeichnung AS Bezeichnung,
       b.SuchBezeichnung AS SuchBezeichnung,
       b.Kennung AS Kennung,
       o.IndexSort AS IndexSort,
       o.Id_Land AS Id_Land,
       g.IntGruppe AS IntGruppe,
       g.ID_Stahlgruppe AS Id_Stahlgruppe,
       o.SupW AS SupW,
       o.SupK AS SupK,
       o.SupEur AS SupEur
FROM tabStahlbezVorkommen o
    INNER JOIN tabStahlbez b ON b.Id_Stahlbez = o.Id_Stahlbez
    INNER JOIN tabStahl st ON st.ID_Stahl = b.ID_Stahl
    INNER JOIN tabStahlgruppe g ON g.ID_Stahlgruppe = st.ID_Stahlgruppe;

-- Plus one row per standard (and its type) that lists the occurrence.
CREATE VIEW Stahlbez_Gruppe_Land_Norm AS
SELECT DISTINCT m.*, v.Id_Norm AS Id_Norm, v.Id_Normtyp AS Id_Normtyp
FROM Stahlbez_Gruppe_Land m
    INNER JOIN zuoStahlbezVorkommen_NormVariante z ON z.Id_StahlbezVorkommen = m.Id_StahlbezVorkommen
    INNER JOIN tabNormVariante v ON v.Id_NormVariante = z.Id_NormVariante;

-- Plus one row per supplier of the designation.
CREATE VIEW Stahlbez_Gruppe_Land_Firma AS
SELECT m.*, f.ID_Firma AS Id_Firma
FROM Stahlbez_Gruppe_Land m
    INNER JOIN zuoStahlbez_Firma f ON f.ID_Stahlbez = m.Id_Stahlbez;

CREATE VIEW Stahlbez_Gruppe_Land_Norm_Firma AS
SELECT m.*, f.ID_Firma AS Id_Firma
FROM Stahlbez_Gruppe_Land_Norm m
    INNER JOIN zuoStahlbez_Firma f ON f.ID_Stahlbez = m.Id_Stahlbez;
