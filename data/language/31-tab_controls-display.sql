-- Captions of the panels that find a steel by its designation and show it. Grid headings are keyed
-- by column; grids without a heading row (the designation lists, the property tables) have no row
-- here, as their first row holds data, and columns that stay empty or hidden keep their blank.

INSERT INTO tab_controls (id_form, id_control, german, france, english, selfdefine) VALUES
    ('uctlSelection', 'fraFilter', ' Filter ', ' Filtres ', ' Filters ', NULL),
    ('uctlSelection', 'lblAuswahl(0)', 'Stahlgruppe', 'Groupe d''aciers', 'Steel group', NULL),
    ('uctlSelection', 'lblAuswahl(1)', 'Norm', 'Norme', 'Standard', NULL),
    ('uctlSelection', 'lblAuswahl(2)', 'Lieferfirma', 'Fournisseur', 'Supplier', NULL),
    ('uctlSelection', 'lblAuswahl(3)', 'Land', 'Pays', 'Country', NULL),
    ('uctlSelection', 'chkWerkstoffnr', 'Werkstoff-Nr.', 'N° matière', 'Material no.', NULL),
    ('uctlSelection', 'chkKurznamen', 'Kurznamen', 'Désignations symboliques', 'Steel names', NULL),
    ('uctlSelection', 'chkFirmenbezeichnung', 'Firmenbezeichnungen', 'Désignations commerciales', 'Trade names', NULL),
    ('uctlSelection', 'cmdFilterReset', 'Filter &zurücksetzen', '&Réinitialiser les filtres', '&Reset filters', NULL),
    ('uctlSelection', 'cmdAktualisieren', '&Aktualisieren', '&Actualiser', '&Update list', NULL),
    ('uctlSelection', 'fraBezeichnungen', ' Bezeichnungen ', ' Désignations ', ' Designations ', NULL);

INSERT INTO tab_controls (id_form, id_control, german, france, english, selfdefine) VALUES
    ('uctlDescription', 'fraBeschreibung', ' Beschreibung ', ' Description ', ' Description ', NULL),
    ('uctlDescription', 'lblBeschreibung(0)', 'Werkstoff Nr.', 'N° matière', 'Material no.', NULL),
    ('uctlDescription', 'lblBeschreibung(1)', 'Kurzname', 'Désignation symbolique', 'Steel name', NULL),
    ('uctlDescription', 'lblBeschreibung(2)', 'Firmenbez.', 'Désign. comm.', 'Trade name', NULL),
    ('uctlDescription', 'lblBeschreibung(3)', 'Stahlgruppe', 'Groupe d''aciers', 'Steel group', NULL),
    ('uctlDescription', 'lblBeschreibung(4)', 'Lieferfirma', 'Fournisseur', 'Supplier', NULL),
    ('uctlDescription', 'lblBeschreibung(5)', 'Normen', 'Normes', 'Standards', NULL),
    ('uctlDescription', 'lblBeschreibung(6)', 'Land', 'Pays', 'Country', NULL);

INSERT INTO tab_controls (id_form, id_control, german, france, english, selfdefine) VALUES
    ('uctlSupplier', 'lblLieferfirma(0)', 'Lieferform', 'Forme de livraison', 'Product shape', NULL),
    ('uctlSupplier', 'lblLieferfirma(1)', 'Lieferfirma', 'Fournisseur', 'Supplier', NULL),
    ('uctlSupplier', 'lblLieferfirma(2)', 'Anschrift', 'Adresse', 'Address', NULL),
    ('uctlSupplier', 'lblLieferfirma(3)', 'Lieferform', 'Forme de livraison', 'Product shape', NULL),
    ('uctlSupplier', 'lblLieferfirma(4)', 'Diese gelten nicht unbedingt für den angezeigten Werkstoff, sondern für die gesamte Stahlgruppe.', 'Elles ne s''appliquent pas forcément au matériau affiché, mais à l''ensemble du groupe d''aciers.', 'These do not necessarily apply to the material shown, but to the whole steel group.', NULL);

INSERT INTO tab_controls (id_form, id_control, german, france, english, selfdefine) VALUES
    ('uctlPropertiesView', 'lblStandard', 'Norm', 'Norme', 'Standard', NULL);

INSERT INTO tab_controls (id_form, id_control, german, france, english, selfdefine) VALUES
    ('uctlCompositionView', 'lblAnalyse', 'Analyse', 'Analyse', 'Composition', NULL),
    ('uctlCompositionView', 'grdAnalyse_Col(0)', 'Element', 'Élément', 'Element', NULL),
    ('uctlCompositionView', 'grdAnalyse_Col(1)', 'Min', 'Min', 'Min', NULL),
    ('uctlCompositionView', 'grdAnalyse_Col(2)', 'Max', 'Max', 'Max', NULL),
    ('uctlCompositionView', 'grdAnalyse_Col(4)', 'Sonstige', 'Autres', 'Other', NULL),
    ('uctlCompositionView', 'grdAnalyse_Col(5)', 'Fußnote', 'Note', 'Footnote', NULL);

INSERT INTO tab_controls (id_form, id_control, german, france, english, selfdefine) VALUES
    ('uctlStandardComparison', 'grdNormenvergleich_Col(5)', 'Land', 'Pays', 'Country', NULL),
    ('uctlStandardComparison', 'grdNormenvergleich_Col(6)', 'Bezeichnung', 'Désignation', 'Designation', NULL),
    ('uctlStandardComparison', 'grdNormenvergleich_Col(7)', 'Norm', 'Norme', 'Standard', NULL),
    ('uctlStandardComparison', 'grdNormenvergleich_Col(8)', 'Werkstoff-Nr.', 'N° matière', 'Material no.', NULL);
