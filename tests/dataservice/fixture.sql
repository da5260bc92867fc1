-- A small materials database for the data-service tests: a few steels with every kind of data the
-- queries read, each row there for a case the tests check. Run after the schema and before the
-- derived content (SuchBezeichnung, tabAnalyseSuchen) is made.

INSERT INTO tabLand (ID_Land, Landeskuerzel, Land_D, Land_F, Land_E, EuLand, Filter) VALUES
    (5, 'D', 'Deutschland', 'Allemagne', 'Germany', -1, -1),
    (16, 'A', 'Österreich', 'Autriche', 'Austria', -1, -1),
    (18, 'F', 'Frankreich', 'France', 'France', -1, -1),
    (30, 'USA', 'Vereinigte Staaten', 'Etats-Unis', 'United States', 0, -1),
    (32, 'GB', 'Großbritannien', 'Royaume-Uni', 'United Kingdom', -1, -1),
    (34, 'EU', 'Europa', 'Europe', 'Europe', -1, -1),
    (52, 'CDN', 'Kanada', 'Canada', 'Canada', 0, 0),
    (53, 'MEX', 'Mexiko', 'Mexique', 'Mexico', 0, -1);

INSERT INTO tabStahlgruppe (ID_Stahlgruppe, IntGruppe, ID_Gruppe, Sichtbar, Gruppe_D, Gruppe_F, Gruppe_E,
                            Detail_D, Detail_F, Detail_E) VALUES
    (1, 1, 1, -1, 'Baustähle', 'Aciers de construction', 'Structural steels', 'unlegiert', 'non allié', 'unalloyed'),
    (2, 2, 2, -1, 'Nichtrostende Stähle', 'Aciers inoxydables', 'Stainless steels', NULL, NULL, NULL),
    (3, 3, 3, 0, 'Versuchsstähle', 'Aciers d''essai', 'Trial steels', NULL, NULL, NULL),
    (10001, 1, 1, -1, 'Feinkornbaustähle', 'Aciers à grain fin', 'Fine-grain steels', 'schweißgeeignet',
     'soudable', 'weldable');

INSERT INTO tabStahl (ID_Stahl, ID_Land, ID_Stahlgruppe) VALUES
    (1, 5, 2), (2, 34, 10001), (3, 5, 1), (4, 30, 3), (5, 53, 1);

INSERT INTO tabBezeichnungStatus (Id_BezeichnungStatus, vor, nach, Status) VALUES
    (1, NULL, NULL, NULL),
    (2, '(', ')', 'zurückgezogen');

INSERT INTO tabStahlbez (Id_Stahlbez, ID_Stahl, Bezeichnung, Kennung, Prioritaet, ID_BezeichnungStatus) VALUES
    (11, 1, '1.4301', 'W', 1, 1),
    (12, 1, 'X5CrNi18-10', 'K', 2, 1),
    (13, 1, 'X5CrNi 18 10', 'K', 3, 2),
    (14, 1, 'Nirosta 4301', 'F', 4, 1),
    (15, 1, 'S30400', 'W', 5, 1),
    (21, 2, '1.0577', 'W', 1, 1),
    (22, 2, 'S355J2', 'K', 2, 1),
    (23, 2, 'Fine 355', 'F', 3, 1),
    (31, 3, '1.0503', 'W', 1, 1),
    (32, 3, 'C45', 'K', 2, 1),
    (33, 3, 'C45E', 'K', 3, 1),
    (41, 4, '1.9999', 'W', 1, 1),
    (42, 4, 'Test4', 'K', 2, 1),
    (51, 5, 'Tradeonly', 'F', 1, 1);

INSERT INTO tabStahlbezVorkommen (Id_StahlbezVorkommen, Id_Stahlbez, Id_Land, IndexSort, SupW, SupK, SupEur) VALUES
    (101, 11, 5, 10, 0, 0, 0),
    (102, 11, 34, 11, -1, 0, 0),
    (103, 12, 34, 20, 0, 0, 0),
    (104, 12, 32, 21, 0, 0, 0),
    (105, 13, 5, 22, 0, -1, -1),
    (106, 14, 5, 30, 0, 0, 0),
    (107, 15, 30, 12, 0, 0, 0),
    (108, 21, 5, 40, 0, 0, 0),
    (109, 22, 34, 41, 0, 0, 0),
    (110, 22, 18, 42, 0, 0, -1),
    (111, 23, 5, 43, 0, 0, 0),
    (112, 31, 5, 50, 0, 0, 0),
    (113, 32, 5, 51, 0, 0, 0),
    (114, 33, 34, 52, 0, 0, 0),
    (115, 41, 30, 60, 0, 0, 0),
    (116, 42, 52, 61, 0, 0, 0),
    (117, 51, 53, 70, 0, 0, 0);

-- Suppliers: 1 with two addresses, 2 whose address lies in another country than the supplier,
-- 3 without a head office and without an address text.
INSERT INTO tabFirma (ID_Firma, ID_Land, Adresse, Old_FirmaID) VALUES
    (1, 5, 'Stahlwerk Nord, Hafenstr. 1, Hamburg', 'B200'),
    (2, 30, '  Steel Inc., Main St., Pittsburgh  ', 'A100'),
    (3, 5, NULL, 'C300');

INSERT INTO tabFirmadresse (ID_Firma, LfdNr, Name1, Name2, Strasse, PLZStrasse, OrtStrasse, Postfach, PLZPostfach,
                            OrtPostfach, Tel, Fax, EMail, ID_Land) VALUES
    (1, 1, 'Stahlwerk Nord', 'Vertrieb', 'Hafenstr. 1', '20457', 'Hamburg', NULL, NULL, NULL, '040 1', NULL,
     'info@nord.example', 5),
    (1, 2, 'Stahlwerk Nord', 'Werk Süd', 'Werkstr. 2', '80331', 'München', NULL, NULL, NULL, NULL, NULL, NULL, 5),
    (2, 1, 'Steel Inc.', NULL, 'Main St.', '15201', 'Pittsburgh', NULL, NULL, NULL, NULL, NULL, NULL, 32),
    (3, 2, 'Spezialstahl', NULL, 'Ring 3', '10115', 'Berlin', NULL, NULL, NULL, NULL, NULL, NULL, 5);

INSERT INTO zuoStahlbez_Firma (ID_Stahlbez, ID_Firma) VALUES
    (14, 1), (14, 2), (12, 1), (13, 3), (23, 2), (51, 3);

INSERT INTO tabLieferform (ID_Lieferform, Lieferform_D, Lieferform_F, Lieferform_E) VALUES
    (1, 'Blech', 'Tôle', 'Sheet'),
    (2, 'Draht', 'Fil', 'Wire'),
    (3, 'Rohr', 'Tube', 'Pipe');

INSERT INTO zuoStahlgruppe_Firma_Lieferform (ID_Stahlgruppe, ID_Firma, ID_Lieferform) VALUES
    (2, 1, 1), (2, 2, 1), (2, 1, 2), (2, 3, 3), (10001, 2, 1);

INSERT INTO tabFussnote (ID_Fussnote, Text_D, Text_F, Text_E) VALUES
    (1, 'Fußnote eins', 'Note un', 'Footnote one'),
    (2, 'Fußnote zwei', 'Note deux', 'Footnote two');

INSERT INTO zuoStahlbez_Fussnote (ID_Stahlbez, ID_Fussnote) VALUES (11, 1), (11, 2);

INSERT INTO tabInfotitel (ID_Infotitel, Titel_D, Titel_F, Titel_E) VALUES
    (1, 'Eigenschaften', 'Propriétés', 'Properties'),
    (5, 'Einsatzbereich', 'Emploi', 'Range of application');

INSERT INTO tabInfotext (ID_Stahl, ID_Infotitel, Info_D, Info_F, Info_E) VALUES
    (1, 1, 'korrosionsbeständig', 'inoxydable', 'corrosion resistant'),
    (1, 5, 'Küchengeräte', 'ustensiles de cuisine', 'kitchen equipment');

-- Compositions. Fe is offered nowhere (no decimals); the footnotes have gaps so that their marks
-- are table-wide numbers.
INSERT INTO tabElemente (ID_Element, Anzahl_NK, Sortierung) VALUES
    ('C', 2, 1), ('Si', 2, 2), ('Mn', 2, 3), ('Cr', 1, 10), ('Ni', 1, 11), ('Mo', 2, 12), ('Fe', 0, 99);

INSERT INTO tabAnalyse (Id_Analyse, Abmass) VALUES
    (1, NULL), (2, '<= 16 mm'), (3, NULL), (4, '> 16 mm'), (5, NULL);

INSERT INTO zuoStahlbez_Analyse (Id_Stahlbez, Id_Analyse) VALUES
    (11, 1), (12, 1), (21, 2), (22, 4), (31, 3), (41, 5), (42, 5);

INSERT INTO tabAnalyseWert (Id_AnalyseWert, Id_Analyse, ID_Element, MinWert, MaxWert, Sonstiges, NurSuchen, KannWert,
                            Rest) VALUES
    (1, 1, 'C', NULL, 0.07, NULL, 0, 0, 0),
    (2, 1, 'Cr', 17.5, 19.5, NULL, 0, 0, 0),
    (3, 1, 'Ni', 8, 10.5, NULL, 0, 0, 0),
    (4, 2, 'C', NULL, 0.2, NULL, 0, 0, 0),
    (5, 2, 'Mn', NULL, 1.6, NULL, 0, 0, 0),
    (6, 3, 'C', 0.42, 0.5, NULL, 0, 0, 0),
    (7, 3, 'Mn', 0.5, 0.8, NULL, 0, 0, 0),
    (8, 3, 'Cr', NULL, 0.4, NULL, 0, 0, 0),
    (9, 4, 'C', NULL, 0.22, NULL, 0, 0, 0),
    (10, 4, 'Mn', NULL, 1.6, NULL, 0, 0, 0),
    (11, 4, 'Mo', 0.4, 0.55, 'Rest Fe', 0, -1, 0),
    (12, 5, 'C', 0.1, 0.2, NULL, 0, 0, 0),
    (13, 5, 'Fe', NULL, NULL, NULL, 0, 0, -1);

INSERT INTO tabAnalyseFussnote (Id_Fussnote, Text_D, Text_F, Text_E) VALUES
    (1, 'A1', 'A1', 'A1'), (2, 'A2', 'A2', 'A2'), (3, 'A3', 'A3', 'A3'), (4, 'A4', 'A4', 'A4'),
    (5, 'für Bleche', 'pour tôles', 'for sheet'), (6, 'A6', 'A6', 'A6'), (7, 'A7', 'A7', 'A7'),
    (8, 'A8', 'A8', 'A8'), (9, 'A9', 'A9', 'A9'), (10, 'nach Vereinbarung', 'sur accord', 'by agreement');

INSERT INTO zuoAnalyseWert_AnalyseFussnote (Id_AnalyseWert, Id_Fussnote) VALUES (2, 5), (3, 10);

-- Standards: 100 and 300 European, 200 German and withdrawn, 400 a pseudo standard without
-- document or type name, 500 American without a type name.
INSERT INTO tabNormBasis (Id_NormBasis, Name, Titel_D, Titel_F, Titel_E) VALUES
    (1, 'EN 10088-2', 'Nichtrostende Stähle', 'Aciers inoxydables', 'Stainless steels'),
    (2, 'DIN 17440', 'Nichtrostende Stähle alt', 'Aciers inoxydables ancien', 'Stainless steels old'),
    (3, 'EN 10025-2', 'Baustähle', 'Aciers de construction', 'Structural steels'),
    (4, '-', 'ohne Norm', 'sans norme', 'no standard'),
    (5, 'ASTM A240', 'Bleche', 'Tôles', 'Plates');

INSERT INTO tabNormStatus (Id_NormStatus, Sortierung, SufSuffix_D, SufSuffix_F, SufSuffix_E) VALUES
    (1, 1, 'gültig', 'valide', 'valid'),
    (2, 2, 'zurückgezogen', 'retirée', 'withdrawn');

INSERT INTO tabNormtyp (ID_Normtyp, ID_Land, Normtyp_D, Normtyp_F, Normtyp_E) VALUES
    (1, 5, 'DIN', 'DIN', 'DIN'),
    (3, 34, 'EN', 'EN', 'EN'),
    (4, 30, '-', '-', '-');

INSERT INTO tabNormVariante (Id_NormVariante, Id_Norm, Id_NormBasis, Id_NormStatus, Id_Normtyp, Prefix, Stand,
                             Sortierung, Uebereinstimmung, Nachfolgedokument, Vorgaengerdokument, NichtAnzeigen) VALUES
    (1000, 100, 1, 1, 3, 'DIN', '2005', 1, 'ISO 16143-1', NULL, 'DIN 17440', 0),
    (2000, 200, 2, 2, 1, NULL, '1996', 2, NULL, 'DIN EN 10088-2', NULL, -1),
    (3000, 300, 3, 1, 3, 'DIN', NULL, 3, NULL, NULL, NULL, 0),
    (4000, 400, 4, 1, 4, NULL, NULL, 4, NULL, NULL, NULL, 0),
    (5000, 500, 5, 1, 4, NULL, '2020', 5, NULL, NULL, NULL, NULL);

INSERT INTO zuoStahlbezVorkommen_NormVariante (Id_StahlbezVorkommen, Id_NormVariante) VALUES
    (102, 1000), (103, 1000), (101, 2000), (105, 2000), (109, 3000), (114, 3000), (107, 5000), (115, 4000);

-- Comparison groups: steel 1 shares K1 with steel 3 and a key holding an apostrophe with steel 4;
-- steel 2 is alone in its group, steel 5 in none.
INSERT INTO tabNormvergleich (ID_Stahl, Id_WsNr, WSNr_Anzeige) VALUES
    (1, 'K1', '1.4301'), (1, 'O''K', '1.4301'), (3, 'K1', '1.0503'), (4, 'O''K', '1.9999'), (2, 'K9', '1.0577');

-- Properties.
INSERT INTO tabEigenschaftskennung (ID_Eigenschaftskennung, Eigenschaftskennung_D, Eigenschaftskennung_F,
                                    Eigenschaftskennung_E, Sortierung_D, Sortierung_F, Sortierung_E) VALUES
    (1, 'Mechanisch', 'Mécanique', 'Mechanical', 3, 3, 1),
    (2, 'Physikalisch', 'Physique', 'Physical', 1, 1, 2),
    (3, 'Wärmebehandlung', 'Traitement thermique', 'Heat treatment', 2, 2, 3),
    (4, 'Hinweise', 'Remarques', 'Notes', 4, 4, 4),
    (5, 'Schweißen', 'Soudage', 'Welding', 5, 5, 5);

INSERT INTO tabEigenschaft (ID_Eigenschaft, ID_Eigenschaftskennung, SID_Eigenschaft, Suchbar, Eigenschaft_D,
                            Eigenschaft_F, Eigenschaft_E, Einheit, Formelzeichen, Temp_Tendenz, DRM_Tendenz) VALUES
    (1, 1, 101, -1, 'Zugfestigkeit', 'Résistance', 'Tensile strength', 'MPa', 'Rm', 3, NULL),
    (2, 1, 40000, -1, 'Streckgrenze', 'Limite élastique', 'Yield strength', 'MPa', 'ReH', NULL, 2),
    (3, 2, 103, 0, 'Dichte', 'Densité', 'Density', NULL, 'rho', NULL, NULL),
    (4, 4, 104, -1, 'Hinweis', 'Remarque', 'Note', NULL, NULL, NULL, NULL),
    (5, 5, NULL, -1, 'Schweißeignung', 'Soudabilité', 'Weldability', NULL, NULL, NULL, NULL),
    (6, 3, 106, -1, 'Härtetemperatur', 'Température de trempe', 'Hardening temperature', '°C', 'T', NULL, NULL);

INSERT INTO tabZustand (ID_Zustand, SID_Zustand, Zustand_D, Zustand_F, Zustand_E, Suchbar, Sortierung_D,
                        Sortierung_F, Sortierung_E) VALUES
    (1, 11, 'geglüht', 'recuit', 'annealed', -1, 2, 2, 1),
    (2, 12, 'vergütet', 'trempé et revenu', 'quenched and tempered', -1, 1, 1, 2),
    (3, 13, 'kaltverfestigt', 'écroui', 'cold worked', 0, 3, 3, 3);

INSERT INTO tabAbkuehlung (ID_Abkuehlung, SID_Abkuehlung, Abkuelung_D, Abkuelung_F, Abkuelung_E, Suchbar,
                           Sortierung_D, Sortierung_F, Sortierung_E) VALUES
    (1, 21, 'Luft', 'air', 'air', -1, 2, 2, 1),
    (2, 22, 'Wasser', 'eau', 'water', -1, 1, 1, 2);

INSERT INTO tabDauer (ID_Dauer, SID_Dauer, SID_Faktor, Dauer_D, Dauer_F, Dauer_E, Suchbar, Sortierung_D, Sortierung_F,
                      Sortierung_E) VALUES
    (1, 31, 3100, 'Stunden', 'heures', 'hours', -1, 1, 1, 1),
    (2, 32, 3200, 'Minuten', 'minutes', 'minutes', -1, 2, 2, 2);

INSERT INTO tabForm (ID_Form, SID_Form, Form_D, Form_F, Form_E, Suchbar, Sortierung_D, Sortierung_F,
                     Sortierung_E) VALUES
    (1, 41, 'Blech', 'tôle', 'sheet', -1, 1, 1, 1),
    (2, 42, 'Stab', 'barre', 'bar', -1, 2, 2, 2);

INSERT INTO tabProbenlage (ID_Probenlage, SID_Probenlage, Probenlage_D, Probenlage_F, Probenlage_E, Suchbar,
                           Sortierung_D, Sortierung_F, Sortierung_E) VALUES
    (1, 51, 'längs', 'long', 'longitudinal', -1, 2, 2, 1),
    (2, 52, 'quer', 'travers', 'transverse', -1, 1, 1, 2);

INSERT INTO tabKlassifizierung (ID_Klassifizierung, SID_Klassifizierung, Klassifizierung_D, Klassifizierung_F,
                                Klassifizierung_E, Suchbar, Sortierung_D, Sortierung_F, Sortierung_E) VALUES
    (1, 61, 'Klasse A', 'classe A', 'class A', -1, 1, 1, 1),
    (2, 70000, 'Klasse B', 'classe B', 'class B', 0, 2, 2, 2);

-- Steel 1 has property tables in Germany under two standards and in Europe; steel 2 in Europe.
INSERT INTO zuoStahl_Eigenschaftsmatrix (ID_Stahl, Id_Land, ID_NormVariante, ID_Eigenschaftswertmatrix,
                                         Id_StahlbezVorkommen, Bezeichnung, Werkstoffnummer) VALUES
    (1, 5, 2000, 900, 101, '1.4301', '1.4301'),
    (1, 5, 1000, 901, 101, '1.4301', '1.4301'),
    (1, 34, 1000, 902, 103, 'X5CrNi18-10', '1.4301'),
    (2, 34, 3000, 903, 109, 'S355J2', '1.0577');

-- Values of matrix 900, in the order the value queries give them: 3 (no form: first), then 2 and 1
-- (form 1, by property name), then 4 (form 2). Value 3 has no conditions at all.
INSERT INTO tabEigenschaftswerte (ID_Eigenschaftswert, ID_Eigenschaftswertmatrix, ID_Eigenschaft, SID_Eigenschaft,
                                  ID_Zustand, SID_Zustand, ID_Form, SID_Form, ID_Probenlage, SID_Probenlage,
                                  ID_Klassifizierung, SID_Klassifizierung, ID_Dauer, SID_Dauer, ID_Abkuehlung,
                                  SID_Abkuehlung, Eigenschaft_min, Eigenschaft_max, Abmasse_min, Abmasse_max, Temp_min,
                                  Temp_max, ZuTemp_Min, ZuTemp_Max, Dauer_min, Dauer_max, Such_Temp_min,
                                  Such_Temp_max) VALUES
    (1, 900, 1, 101, 1, 11, 1, 41, 1, 51, 1, 61, 1, 31, 1, 21, 500, 700, NULL, 8, 20, NULL, NULL, NULL, NULL,
     NULL, 20, NULL),
    (2, 900, 2, 40000, 1, 11, 1, 41, 1, 51, NULL, NULL, NULL, NULL, NULL, NULL, 190, NULL, NULL, 8, 20, NULL,
     NULL, NULL, NULL, NULL, 20, NULL),
    (3, 900, 3, 103, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 7.9, NULL, NULL,
     NULL, 20, NULL, NULL, NULL, NULL, NULL, 20, NULL),
    (4, 900, 1, 101, 2, 12, 2, 42, 2, 52, NULL, NULL, NULL, NULL, 2, 22, 600, 800, 8, 16, 20, NULL, NULL, NULL,
     NULL, NULL, 20, NULL),
    (5, 903, 1, 101, 1, 11, 1, 41, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 470, 630, NULL, 16, 20, NULL,
     NULL, NULL, NULL, NULL, 20, NULL);

INSERT INTO tabEigenschaftsMatrix (Id_Eigenschaftsmatrix, Id_Eigenschaftskennung, Eigenschaft_D, Eigenschaft_F,
                                   Eigenschaft_E) VALUES
    (900, 1, '<matrix lang="D"/>', '<matrix lang="F"/>', '<matrix lang="E"/>'),
    (900, 2, NULL, NULL, NULL);

INSERT INTO tabBemerkung (ID_Bemerkung, Bemerkung_D, Bemerkung_F, Bemerkung_E) VALUES
    (1, 'Bemerkung eins', 'Remarque un', 'Remark one'),
    (2, 'Bemerkung zwei', 'Remarque deux', 'Remark two');

INSERT INTO zuoEigenschaftswert_Bemerkung (ID_Eigenschaftswert, ID_Bemerkung) VALUES (1, 1), (1, 2), (2, 1);

INSERT INTO tabEigenschaftssuche (Spalte, Feldname, Breite, Ausrichtung, Combo, Comboinhalt, ControlIndex, Negierbar,
                                  Symbol, Vergleich) VALUES
    (3, 'Temp_min', 800, 0, 0, NULL, 2, 0, 'T', NULL),
    (1, 'ID_Eigenschaft', 2000, 0, -1, 'Eigenschaft', 0, 0, 'E', NULL),
    (2, 'Eigenschaft_min', 800, 1, 0, NULL, 1, -1, 'W', '>=');
