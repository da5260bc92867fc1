-- Fills the filter database from the materials database, attached as `graukant`, through the
-- materials database's own stored queries, so that both answer the designation search alike.

INSERT INTO tabFilterStahlbez (
    Id_StahlbezVorkommen, Id_Stahl, Id_Stahlbez, Bezeichnung, SuchBezeichnung, Kennung, IndexSort,
    Id_Land, IntGruppe, Id_Stahlgruppe, SupW, SupK, SupEur)
SELECT Id_StahlbezVorkommen, Id_Stahl, Id_Stahlbez, Bezeichnung, SuchBezeichnung, Kennung, IndexSort,
       Id_Land, IntGruppe, Id_Stahlgruppe, SupW, SupK, SupEur
FROM graukant.Stahlbez_Gruppe_Land;

INSERT INTO tabFilterNorm (Id_StahlbezVorkommen, Id_Norm, Id_Normtyp)
SELECT DISTINCT Id_StahlbezVorkommen, Id_Norm, Id_Normtyp
FROM graukant.Stahlbez_Gruppe_Land_Norm;

INSERT INTO tabFilterFirma (Id_Stahlbez, Id_Firma)
SELECT DISTINCT ID_Stahlbez, ID_Firma
FROM graukant.zuoStahlbez_Firma
WHERE ID_Stahlbez IN (SELECT Id_Stahlbez FROM graukant.tabStahlbezVorkommen);

INSERT INTO tabFilterNormliste (
    Id_Norm, Id_Normtyp, Prefix, Dokumentnummer, Stand, SufSuffix_D, SufSuffix_F, SufSuffix_E,
    Landeskuerzel, Normtyp_D, Titel_D, Titel_F, Titel_E, Land_D, Land_F, Land_E, Uebereinstimmung,
    Nachfolgedokument, Vorgaengerdokument, Sortierung)
SELECT Id_Norm, Id_Normtyp, Prefix, Dokumentnummer, Stand, SufSuffix_D, SufSuffix_F, SufSuffix_E,
       Landeskuerzel, Normtyp_D, Titel_D, Titel_F, Titel_E, Land_D, Land_F, Land_E, Uebereinstimmung,
       Nachfolgedokument, Vorgaengerdokument, Sortierung
FROM graukant.Normliste;
