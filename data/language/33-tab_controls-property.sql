-- Captions of the property search and of the window that combines the search results. The
-- criteria grid has two heading rows (the second row's columns count from 2000); equal neighbours
-- of the first row merge, so a range shows one heading over its minimum and maximum. Its columns
-- follow the search fields of the materials database. The hit lists have no heading row.

INSERT INTO tab_controls (id_form, id_control, german, france, english, selfdefine) VALUES
    ('uctlPropertySearch', 'fraMechSuchen', ' Suche ', ' Recherche ', ' Search ', NULL),
    ('uctlPropertySearch', 'lblMechSuchen', 'Land', 'Pays', 'Country', NULL),
    ('uctlPropertySearch', 'cmdMechSuchen', '&Suchen', 'Re&chercher', '&Search', NULL),
    ('uctlPropertySearch', 'cmdMechEintragLoeschen', '&Eintrag löschen', '&Supprimer l''entrée', '&Delete entry', NULL),
    ('uctlPropertySearch', 'cmdMechListeLoeschen', '&Liste löschen', '&Effacer la liste', '&Clear list', NULL),
    ('uctlPropertySearch', 'fraMechErgebnis', ' Ergebnis der Suche ', ' Résultat de la recherche ', ' Search result ', NULL),
    ('uctlPropertySearch', 'grdMechSuchen_Col(1)', 'Eigenschaft', 'Propriété', 'Property', NULL),
    ('uctlPropertySearch', 'grdMechSuchen_Col(2)', 'Wert', 'Valeur', 'Value', NULL),
    ('uctlPropertySearch', 'grdMechSuchen_Col(3)', 'Wert', 'Valeur', 'Value', NULL),
    ('uctlPropertySearch', 'grdMechSuchen_Col(4)', 'Einheit', 'Unité', 'Unit', NULL),
    ('uctlPropertySearch', 'grdMechSuchen_Col(5)', 'Dauer', 'Durée', 'Duration', NULL),
    ('uctlPropertySearch', 'grdMechSuchen_Col(6)', 'Dauer', 'Durée', 'Duration', NULL),
    ('uctlPropertySearch', 'grdMechSuchen_Col(7)', 'Dauer', 'Durée', 'Duration', NULL),
    ('uctlPropertySearch', 'grdMechSuchen_Col(8)', 'Klassifizierung', 'Classification', 'Classification', NULL),
    ('uctlPropertySearch', 'grdMechSuchen_Col(9)', 'Abmessung', 'Dimension', 'Dimension', NULL),
    ('uctlPropertySearch', 'grdMechSuchen_Col(10)', 'Abmessung', 'Dimension', 'Dimension', NULL),
    ('uctlPropertySearch', 'grdMechSuchen_Col(11)', 'Form', 'Forme', 'Form', NULL),
    ('uctlPropertySearch', 'grdMechSuchen_Col(12)', 'Probenlage', 'Position de l''éprouvette', 'Specimen position', NULL),
    ('uctlPropertySearch', 'grdMechSuchen_Col(13)', 'Prüftemperatur', 'Température d''essai', 'Test temperature', NULL),
    ('uctlPropertySearch', 'grdMechSuchen_Col(14)', 'Prüftemperatur', 'Température d''essai', 'Test temperature', NULL),
    ('uctlPropertySearch', 'grdMechSuchen_Col(15)', 'Abkühlung', 'Refroidissement', 'Cooling', NULL),
    ('uctlPropertySearch', 'grdMechSuchen_Col(16)', 'Zustandstemperatur', 'Température de l''état', 'Condition temperature', NULL),
    ('uctlPropertySearch', 'grdMechSuchen_Col(17)', 'Zustandstemperatur', 'Température de l''état', 'Condition temperature', NULL),
    ('uctlPropertySearch', 'grdMechSuchen_Col(18)', 'Zustand', 'État', 'Condition', NULL),
    ('uctlPropertySearch', 'grdMechSuchen_Col(2002)', 'Min', 'Min', 'Min', NULL),
    ('uctlPropertySearch', 'grdMechSuchen_Col(2003)', 'Max', 'Max', 'Max', NULL),
    ('uctlPropertySearch', 'grdMechSuchen_Col(2005)', 'Min', 'Min', 'Min', NULL),
    ('uctlPropertySearch', 'grdMechSuchen_Col(2006)', 'Max', 'Max', 'Max', NULL),
    ('uctlPropertySearch', 'grdMechSuchen_Col(2007)', 'Einheit', 'Unité', 'Unit', NULL),
    ('uctlPropertySearch', 'grdMechSuchen_Col(2009)', 'Min', 'Min', 'Min', NULL),
    ('uctlPropertySearch', 'grdMechSuchen_Col(2010)', 'Max', 'Max', 'Max', NULL),
    ('uctlPropertySearch', 'grdMechSuchen_Col(2013)', 'Min', 'Min', 'Min', NULL),
    ('uctlPropertySearch', 'grdMechSuchen_Col(2014)', 'Max', 'Max', 'Max', NULL),
    ('uctlPropertySearch', 'grdMechSuchen_Col(2016)', 'Min', 'Min', 'Min', NULL),
    ('uctlPropertySearch', 'grdMechSuchen_Col(2017)', 'Max', 'Max', 'Max', NULL);

INSERT INTO tab_controls (id_form, id_control, german, france, english, selfdefine) VALUES
    ('frmErgebniskombination', 'frmErgebniskombination', 'Suchergebnisse kombinieren', 'Combiner les résultats de recherche', 'Combine search results', NULL),
    ('frmErgebniskombination', 'fraCombination', 'Suchergebnisse', 'Résultats de recherche', 'Search results', NULL),
    ('frmErgebniskombination', 'Label1', 'Analyse', 'Analyse', 'Composition', NULL),
    ('frmErgebniskombination', 'chkResult(0)', 'Bezeichnung', 'Désignation', 'Designation', NULL),
    ('frmErgebniskombination', 'chkResult(1)', 'Standard Suche', 'Recherche standard', 'Standard search', NULL),
    ('frmErgebniskombination', 'chkResult(2)', 'Erweiterte Suche', 'Recherche avancée', 'Advanced search', NULL),
    ('frmErgebniskombination', 'chkResult(3)', 'Eigenschaften', 'Propriétés', 'Properties', NULL),
    ('frmErgebniskombination', 'cmdCombine', 'Kombinieren', 'Combiner', 'Combine', NULL),
    ('frmErgebniskombination', 'fraResult', 'Ergebnis der Kombination', 'Résultat de la combinaison', 'Result of the combination', NULL);
