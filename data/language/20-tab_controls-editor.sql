-- Captions of the editor of user-defined texts (frmLanguageSetting, frmBigEdit) and their widths in
-- the editor's list. Ids are the windows' and controls' names.

INSERT INTO tab_controls (id_form, id_control, german, france, english, selfdefine) VALUES
    ('frmLanguageSetting', 'frmLanguageSetting', 'Selbstdefinierte Sprache', 'Langue personnalisée', 'User-defined language', NULL),
    ('frmLanguageSetting', 'flx_Col(0)', 'Standardtext', 'Texte standard', 'Standard text', NULL),
    ('frmLanguageSetting', 'flx_Col(1)', 'Selbstdefinierter Text', 'Texte personnalisé', 'User-defined text', NULL),
    ('frmLanguageSetting', 'cmdUebernehmen', '&Übernehmen', '&Appliquer', '&Apply', NULL),
    ('frmLanguageSetting', 'cmdAbbrechen', '&Abbrechen', 'A&nnuler', '&Cancel', NULL),
    ('frmBigEdit', 'frmBigEdit', 'Sprache editieren', 'Modifier le texte', 'Edit text', NULL),
    ('frmBigEdit', 'lblStandard', 'Standard Sprache', 'Texte standard', 'Standard text', NULL),
    ('frmBigEdit', 'lblSelfDefine', 'selbstdefinierte Sprache', 'Texte personnalisé', 'User-defined text', NULL),
    ('frmBigEdit', 'cmdOk', '&Ok', '&OK', '&OK', NULL),
    ('frmBigEdit', 'cmdAbbrechen', '&Abbrechen', 'A&nnuler', '&Cancel', NULL);

INSERT INTO tab_controls_width (id_form, id_control, width, "order") VALUES
    ('frmLanguageSetting', 'frmLanguageSetting', 11220, 9000),
    ('frmLanguageSetting', 'flx_Col(0)', 5430, 9001),
    ('frmLanguageSetting', 'flx_Col(1)', 5430, 9002),
    ('frmLanguageSetting', 'cmdUebernehmen', 1215, 9003),
    ('frmLanguageSetting', 'cmdAbbrechen', 1215, 9004),
    ('frmBigEdit', 'frmBigEdit', 6120, 9010),
    ('frmBigEdit', 'lblStandard', 2880, 9011),
    ('frmBigEdit', 'lblSelfDefine', 2880, 9012),
    ('frmBigEdit', 'cmdOk', 1215, 9013),
    ('frmBigEdit', 'cmdAbbrechen', 1215, 9014);
