-- Captions of the composition search: the panel, its criteria grid, the hit comparison and the
-- fuzzy search parameters. The label showing the analysis taken over is the program's and has no
-- row. The hit comparison has two heading rows: the second row's columns count from 2000.

INSERT INTO tab_controls (id_form, id_control, german, france, english, selfdefine) VALUES
    ('uctlCompositionSearch', 'lblAnalyseSuchen(1)', 'Analyse', 'Analyse', 'Composition', NULL),
    ('uctlCompositionSearch', 'cmdAnalyseUebernehmen', '&Übernehmen', '&Reprendre', '&Take over', NULL),
    ('uctlCompositionSearch', 'fraAnalyseSuchen', ' Suche ', ' Recherche ', ' Search ', NULL),
    ('uctlCompositionSearch', 'lblAnalyseSuchen(0)', 'Land', 'Pays', 'Country', NULL),
    ('uctlCompositionSearch', 'cmdAnalyseSuchen', '&Suchen', 'Re&chercher', '&Search', NULL),
    ('uctlCompositionSearch', 'cmdAnalyseFuzzySearch', '&Fuzzy-Search', 'Recherche a&pproximative', '&Fuzzy search', NULL),
    ('uctlCompositionSearch', 'cmdAnalyseEintragLoeschen', '&Eintrag löschen', '&Supprimer l''entrée', '&Delete entry', NULL),
    ('uctlCompositionSearch', 'cmdAnalyseListeLoeschen', 'Liste &löschen', '&Effacer la liste', '&Clear list', NULL),
    ('uctlCompositionSearch', 'fraAnalyseErgebnis', ' Ergebnis der Suche ', ' Résultat de la recherche ', ' Search result ', NULL),
    ('uctlCompositionSearch', 'grdTreffer_Col(1)', 'Element', 'Élément', 'Element', NULL),
    ('uctlCompositionSearch', 'grdTreffer_Col(2)', 'Suche', 'Recherche', 'Search', NULL),
    ('uctlCompositionSearch', 'grdTreffer_Col(3)', 'Suche', 'Recherche', 'Search', NULL),
    ('uctlCompositionSearch', 'grdTreffer_Col(4)', 'Suche', 'Recherche', 'Search', NULL),
    ('uctlCompositionSearch', 'grdTreffer_Col(5)', 'Treffer', 'Résultat', 'Hit', NULL),
    ('uctlCompositionSearch', 'grdTreffer_Col(6)', 'Treffer', 'Résultat', 'Hit', NULL),
    ('uctlCompositionSearch', 'grdTreffer_Col(7)', 'Abweichung in %', 'Écart en %', 'Deviation in %', NULL),
    ('uctlCompositionSearch', 'grdTreffer_Col(8)', 'Abweichung in %', 'Écart en %', 'Deviation in %', NULL),
    ('uctlCompositionSearch', 'grdTreffer_Col(9)', 'Sonstige', 'Autres', 'Other', NULL),
    ('uctlCompositionSearch', 'grdTreffer_Col(2002)', 'Min', 'Min', 'Min', NULL),
    ('uctlCompositionSearch', 'grdTreffer_Col(2003)', 'Max', 'Max', 'Max', NULL),
    ('uctlCompositionSearch', 'grdTreffer_Col(2004)', 'Wert', 'Valeur', 'Value', NULL),
    ('uctlCompositionSearch', 'grdTreffer_Col(2005)', 'Min', 'Min', 'Min', NULL),
    ('uctlCompositionSearch', 'grdTreffer_Col(2006)', 'Max', 'Max', 'Max', NULL),
    ('uctlCompositionSearch', 'grdTreffer_Col(2007)', 'Min', 'Min', 'Min', NULL),
    ('uctlCompositionSearch', 'grdTreffer_Col(2008)', 'Max', 'Max', 'Max', NULL);

-- The main window holds the panel twice; the advanced one shows the same captions under its own name.
INSERT INTO tab_controls (id_form, id_control, german, france, english, selfdefine)
    SELECT 'uctlAdvancedCompositionSearch', id_control, german, france, english, selfdefine
    FROM tab_controls WHERE id_form = 'uctlCompositionSearch';

-- The criteria grid; the advanced grid heads its lower tolerance with a message of its own.
INSERT INTO tab_controls (id_form, id_control, german, france, english, selfdefine) VALUES
    ('uctlCompositionGrid', 'grdSearch_Col(1)', 'Element', 'Élément', 'Element', NULL),
    ('uctlCompositionGrid', 'grdSearch_Col(2)', 'Min', 'Min', 'Min', NULL),
    ('uctlCompositionGrid', 'grdSearch_Col(3)', 'Max', 'Max', 'Max', NULL),
    ('uctlCompositionGrid', 'grdSearch_Col(4)', 'Wert', 'Valeur', 'Value', NULL),
    ('uctlCompositionGrid', 'grdSearch_Col(5)', 'Toleranz', 'Tolérance', 'Tolerance', NULL),
    ('uctlCompositionGrid', 'grdSearch_Col(6)', 'Toleranz max.', 'Tolérance max.', 'Tolerance max.', NULL),
    ('uctlCompositionGrid', 'grdSearch_Col(7)', 'Methode', 'Méthode', 'Method', NULL);

INSERT INTO tab_controls (id_form, id_control, german, france, english, selfdefine) VALUES
    ('DlgFuzzyPara', 'DlgFuzzyPara', 'Fuzzy-Parameter', 'Paramètres de la recherche approximative', 'Fuzzy search parameters', NULL),
    ('DlgFuzzyPara', 'lblHits', 'Gewünschte Anzahl an Analysen:', 'Nombre d''analyses souhaité :', 'Desired number of compositions:', NULL),
    ('DlgFuzzyPara', 'lblMaxTol', 'Maximal zugelassene Toleranz:', 'Tolérance maximale admise :', 'Maximum permitted tolerance:', NULL),
    ('DlgFuzzyPara', 'cmdOk', 'OK', 'OK', 'OK', NULL),
    ('DlgFuzzyPara', 'cmdCancel', 'Abbrechen', 'Annuler', 'Cancel', NULL);
