-- Captions of the main window and the dialogs around it. Ids are the windows' and controls' names;
-- members of a control array and menu items carry their index, tabs of a tab control their position
-- from 0, list-bar groups and items their own indexes (items are numbered through the whole bar,
-- so they equal the page numbers). Captions set by the program at run time (current page, current
-- steel, tooltip, version, the title a window takes on loading) have no row: a row would overwrite
-- them on the next language switch. The toolbar's buttons show pictures; their texts serve as
-- tooltips.

INSERT INTO tab_controls (id_form, id_control, german, france, english, selfdefine) VALUES
    ('frmMain', 'frmMain', 'Graukant 2007', 'Graukant 2007', 'Graukant 2007', NULL),
    ('frmMain', 'mnuZeile(0)', '&Datei', '&Fichier', '&File', NULL),
    ('frmMain', 'mnuDatei(0)', 'Analyse &laden...', '&Charger une analyse...', '&Load analysis...', NULL),
    ('frmMain', 'mnuDatei(1)', 'Analyse &speichern...', '&Enregistrer l''analyse...', '&Save analysis...', NULL),
    ('frmMain', 'mnuDatei(3)', 'Firmenadressen in Steuerdatei &speichern', 'Enregistrer les &adresses des fournisseurs dans un fichier de publipostage', 'Save supplier &addresses to a mail merge file', NULL),
    ('frmMain', 'mnuDatei(5)', 'Drucker einrichten...', 'Configuration de l''imprimante...', 'Printer setup...', NULL),
    ('frmMain', 'mnuDatei(6)', '&Drucken', '&Imprimer', '&Print', NULL),
    ('frmMain', 'mnuDatei(8)', 'Login', 'Connexion', 'Log in', NULL),
    ('frmMain', 'mnuDatei(9)', 'Logout', 'Déconnexion', 'Log out', NULL),
    ('frmMain', 'mnuDatei(11)', '&Beenden', '&Quitter', 'E&xit', NULL),
    ('frmMain', 'mnuZeile(1)', '&Ansicht', '&Affichage', '&View', NULL),
    ('frmMain', 'mnuAnsicht(0)', 'Suchen', 'Recherche', 'Search', NULL),
    ('frmMain', 'mnuSuchen(0)', 'Auswahl', 'Sélection', 'Selection', NULL),
    ('frmMain', 'mnuSuchen(1)', 'Analyse', 'Analyse', 'Composition', NULL),
    ('frmMain', 'mnuSuchen(2)', 'mechanische Eigenschaften', 'Propriétés mécaniques', 'Mechanical properties', NULL),
    ('frmMain', 'mnuAnsicht(1)', 'Übersicht', 'Vue d''ensemble', 'Overview', NULL),
    ('frmMain', 'mnuUebersicht(0)', 'chemische Analyse', 'Analyse chimique', 'Chemical composition', NULL),
    ('frmMain', 'mnuUebersicht(1)', 'Lieferfirmen', 'Fournisseurs', 'Suppliers', NULL),
    ('frmMain', 'mnuUebersicht(2)', 'mechanische Eigenschaften', 'Propriétés mécaniques', 'Mechanical properties', NULL),
    ('frmMain', 'mnuUebersicht(3)', 'Phyisikalische Eigenschaften', 'Propriétés physiques', 'Physical properties', NULL),
    ('frmMain', 'mnuUebersicht(4)', 'Wärmebehandlung', 'Traitement thermique', 'Heat treatment', NULL),
    ('frmMain', 'mnuUebersicht(5)', 'Info', 'Info', 'Info', NULL),
    ('frmMain', 'mnuUebersicht(6)', 'Normenvergleich', 'Comparaison des normes', 'Standard comparison', NULL),
    ('frmMain', 'mnuAnsicht(2)', 'Symbole', 'Icônes', 'Icons', NULL),
    ('frmMain', 'mnuSymbole(0)', 'große Symbole', 'Grandes icônes', 'Large icons', NULL),
    ('frmMain', 'mnuSymbole(1)', 'kleine Symbole', 'Petites icônes', 'Small icons', NULL),
    ('frmMain', 'mnuZeile(2)', '&Optionen', '&Options', '&Options', NULL),
    ('frmMain', 'mnuOptionen(0)', 'Sprache', 'Langue', 'Language', NULL),
    ('frmMain', 'mnuSprache(0)', 'Deutsch', 'Allemand', 'German', NULL),
    ('frmMain', 'mnuSprache(1)', 'Französisch', 'Français', 'French', NULL),
    ('frmMain', 'mnuSprache(2)', 'Englisch', 'Anglais', 'English', NULL),
    ('frmMain', 'mnuSprache(3)', 'Selbst definiert', 'Personnalisée', 'User-defined', NULL),
    ('frmMain', 'mnuEigeneSprache(0)', 'Bearbeiten...', 'Modifier...', 'Edit...', NULL),
    ('frmMain', 'mnuEigeneSprache(1)', 'Laden', 'Charger', 'Load', NULL),
    ('frmMain', 'mnuEigeneSprache(2)', 'Entladen', 'Décharger', 'Unload', NULL),
    ('frmMain', 'mnuOptionen(2)', 'Einstellungen...', 'Paramètres...', 'Settings...', NULL),
    ('frmMain', 'mnuZeile(3)', 'Favoriten', 'Favoris', 'Favourites', NULL),
    ('frmMain', 'mnuFavoriten(0)', 'Zu Favoriten hinzufügen', 'Ajouter aux favoris', 'Add to favourites', NULL),
    ('frmMain', 'mnuFavoriten(1)', 'Aus Favoriten entfernen', 'Retirer des favoris', 'Remove from favourites', NULL),
    ('frmMain', 'mnuZeile(4)', '&Hilfe', 'A&ide', '&Help', NULL),
    ('frmMain', 'mnuHilfe(0)', 'Info...', 'À propos...', 'About...', NULL),
    ('frmMain', 'mnuHilfe(3)', 'Hilfe zu Graukant', 'Aide de Graukant', 'Graukant help', NULL),
    ('frmMain', 'mnuHilfe(4)', 'Hilfe Inhalt', 'Sommaire de l''aide', 'Help contents', NULL),
    ('frmMain', 'mnuHilfe(6)', 'Lizenzvertrag', 'Contrat de licence', 'Licence agreement', NULL),
    ('frmMain', 'SSListBar1_Group1', 'Suchen', 'Recherche', 'Search', NULL),
    ('frmMain', 'SSListBar1_Group1_ListItem1', 'Auswahl', 'Sélection', 'Selection', NULL),
    ('frmMain', 'SSListBar1_Group1_ListItem2', 'Analyse', 'Analyse', 'Composition', NULL),
    ('frmMain', 'SSListBar1_Group1_ListItem3', 'mechanische Eigenschaften', 'Propriétés mécaniques', 'Mechanical properties', NULL),
    ('frmMain', 'SSListBar1_Group2', 'Übersicht', 'Vue d''ensemble', 'Overview', NULL),
    ('frmMain', 'SSListBar1_Group2_ListItem4', 'chemische Analyse', 'Analyse chimique', 'Chemical composition', NULL),
    ('frmMain', 'SSListBar1_Group2_ListItem5', 'Lieferfirmen', 'Fournisseurs', 'Suppliers', NULL),
    ('frmMain', 'SSListBar1_Group2_ListItem6', 'mechanische Eigenschaften', 'Propriétés mécaniques', 'Mechanical properties', NULL),
    ('frmMain', 'SSListBar1_Group2_ListItem7', 'Physikalische Eigenschaften', 'Propriétés physiques', 'Physical properties', NULL),
    ('frmMain', 'SSListBar1_Group2_ListItem8', 'Wärmebehandlung', 'Traitement thermique', 'Heat treatment', NULL),
    ('frmMain', 'SSListBar1_Group2_ListItem9', 'Info', 'Info', 'Info', NULL),
    ('frmMain', 'SSListBar1_Group2_ListItem10', 'Normenvergleich', 'Comparaison des normes', 'Standard comparison', NULL),
    ('frmMain', 'SSListBar1_Group3', 'Favoriten', 'Favoris', 'Favourites', NULL),
    ('frmMain', 'Toolbar1_ButtonNEW', 'Neue Suche', 'Nouvelle recherche', 'New search', NULL),
    ('frmMain', 'Toolbar1_ButtonFIND', 'Suchen', 'Rechercher', 'Search', NULL),
    ('frmMain', 'Toolbar1_ButtonSAVE', 'Speichern', 'Enregistrer', 'Save', NULL),
    ('frmMain', 'Toolbar1_ButtonOPEN', 'Öffnen', 'Ouvrir', 'Open', NULL),
    ('frmMain', 'Toolbar1_ButtonPRINT', 'Drucken', 'Imprimer', 'Print', NULL),
    ('frmMain', 'tabCompositionSearch(0)', 'Standard-Analysensuche', 'Recherche par analyse standard', 'Standard composition search', NULL),
    ('frmMain', 'tabCompositionSearch(1)', 'Erweiterte Analysensuche', 'Recherche par analyse avancée', 'Advanced composition search', NULL);

-- The error window's caption and buttons are the texts it has always set for itself in each
-- language.
INSERT INTO tab_controls (id_form, id_control, german, france, english, selfdefine) VALUES
    ('frmError', 'frmError', 'Graukant 2007 - Error', 'Graukant 2007 - Error', 'Graukant 2007 - Error', NULL),
    ('frmError', 'Label1(0)', 'Modul', 'Module', 'Module', NULL),
    ('frmError', 'Label1(1)', 'Procedur', 'Procédure', 'Procedure', NULL),
    ('frmError', 'Label1(2)', 'Number', 'Numéro', 'Number', NULL),
    ('frmError', 'Label1(3)', 'Description', 'Description', 'Description', NULL),
    ('frmError', 'cmdOk', '&Ok', '&Ok', '&Ok', NULL),
    ('frmError', 'cmdSpeichern', '&Speichern', '&Mémoriser', '&Save', NULL);

-- Options: the check boxes carry their own captions; the label beside the path field is the last
-- of the label array.
INSERT INTO tab_controls (id_form, id_control, german, france, english, selfdefine) VALUES
    ('dlgOptionen', 'dlgOptionen', 'Einstellungen', 'Paramètres', 'Settings', NULL),
    ('dlgOptionen', 'SSTab1(0)', 'Allgemein', 'Général', 'General', NULL),
    ('dlgOptionen', 'SSTab1(1)', 'Installation', 'Installation', 'Installation', NULL),
    ('dlgOptionen', 'fraStarten', ' Beim Starten ', ' Au démarrage ', ' At start-up ', NULL),
    ('dlgOptionen', 'chkLetztenStahlAktivieren', 'Zuletzt gewählten Stahl aktivieren', 'Activer le dernier acier sélectionné', 'Activate the steel last selected', NULL),
    ('dlgOptionen', 'chkMaskenAnpassen', 'Masken an Bildschirmgröße anpassen', 'Adapter les fenêtres à la taille de l''écran', 'Fit windows to the screen size', NULL),
    ('dlgOptionen', 'Frame2', ' Beim Programmende ', ' À la fermeture du programme ', ' On exit ', NULL),
    ('dlgOptionen', 'chkProgrammende', 'Beim Beenden nachfragen', 'Demander confirmation avant de quitter', 'Ask before exiting', NULL),
    ('dlgOptionen', 'fraAuswahl', ' Auswahl ', ' Sélection ', ' Selection ', NULL),
    ('dlgOptionen', 'chkDirektsuche', 'Stahlbezeichnung direkt bei Eingabe suchen', 'Rechercher la désignation de l''acier dès la saisie', 'Search for the steel designation while typing', NULL),
    ('dlgOptionen', 'chkSuppressNationalEnDesignations', 'Nationale EN-Bezeichnungen in der Auswahlliste unterdrücken', 'Masquer les désignations EN nationales dans la liste de sélection', 'Hide national EN designations in the selection list', NULL),
    ('dlgOptionen', 'fraAnalyseSuche', 'Analyse', 'Analyse', 'Composition', NULL),
    ('dlgOptionen', 'chkElementDirekt', 'Direkte Eingabe', 'Saisie directe', 'Direct entry', NULL),
    ('dlgOptionen', 'Frame1', ' Pfade ', ' Chemins ', ' Paths ', NULL),
    ('dlgOptionen', 'lblEinstellungen(6)', 'Datenbanken', 'Bases de données', 'Databases', NULL),
    ('dlgOptionen', 'cmdDBSuchen', 'Suchen', 'Parcourir', 'Browse', NULL),
    ('dlgOptionen', 'cmdOk', '&Ok', '&OK', '&OK', NULL),
    ('dlgOptionen', 'cmdAbbrechen', '&Abbrechen', 'A&nnuler', '&Cancel', NULL);

INSERT INTO tab_controls (id_form, id_control, german, france, english, selfdefine) VALUES
    ('dlgInfo', 'dlgInfo', 'Info', 'À propos', 'About', NULL),
    ('dlgInfo', 'cmdSysinfo', '&Systeminfo', 'Informations &système', '&System information', NULL),
    ('dlgInfo', 'cmdOk', '&Ok', '&OK', '&OK', NULL);

-- Supplier export: the labels of the file, the separator and the header check box, in this order.
INSERT INTO tab_controls (id_form, id_control, german, france, english, selfdefine) VALUES
    ('dlgSteuerdatei', 'dlgSteuerdatei', 'Firmenadresse in Steuerdatei speichern', 'Enregistrer les adresses des fournisseurs dans un fichier de publipostage', 'Save supplier addresses to a mail merge file', NULL),
    ('dlgSteuerdatei', 'lblSteuerdatei(0)', 'Datei', 'Fichier', 'File', NULL),
    ('dlgSteuerdatei', 'lblSteuerdatei(1)', 'Trennzeichen', 'Séparateur', 'Separator', NULL),
    ('dlgSteuerdatei', 'chkHeader', 'Erste Zeile enthält Spaltenbezeichnung', 'La première ligne contient les noms des colonnes', 'First line holds the column names', NULL),
    ('dlgSteuerdatei', 'cmdOk', '&Ok', '&OK', '&OK', NULL),
    ('dlgSteuerdatei', 'cmdAbbrechen', '&Abbrechen', 'A&nnuler', '&Cancel', NULL);

-- The new-edition notice: its message in the words it has always used in each language.
INSERT INTO tab_controls (id_form, id_control, german, france, english, selfdefine) VALUES
    ('frmNewVersion', 'lblMeldung', 'Sie arbeiten nicht mit der aktuellsten Version des Graukants. Informationen zur aktuellen Auflage erhalten Sie unter:', 'Vous ne travaillez pas avec l''édition du Graukant la plus récente. Informations de l''édition actuelle vous recevez à:', 'You are not working with the latest edition of Graukant. Information on the actual edition you receive at:', NULL),
    ('frmNewVersion', 'cmdOk', '&Ok', '&OK', '&OK', NULL);

-- Print settings: the frame and the two labels without a name of their own are named after their
-- captions.
INSERT INTO tab_controls (id_form, id_control, german, france, english, selfdefine) VALUES
    ('frmPrintSettings', 'frmPrintSettings', 'Druckeinstellungen', 'Paramètres d''impression', 'Print settings', NULL),
    ('frmPrintSettings', 'fraAusdruck', 'Ausdruck', 'Impression', 'Printout', NULL),
    ('frmPrintSettings', 'chkPrintoptions(0)', 'Alle Angaben', 'Toutes les données', 'All data', NULL),
    ('frmPrintSettings', 'chkPrintoptions(1)', 'Normen', 'Normes', 'Standards', NULL),
    ('frmPrintSettings', 'chkPrintoptions(2)', 'Stahlgruppe', 'Groupe d''aciers', 'Steel group', NULL),
    ('frmPrintSettings', 'chkPrintoptions(3)', 'Verwendungszweck', 'Domaine d''application', 'Range of application', NULL),
    ('frmPrintSettings', 'chkPrintoptions(4)', 'Chemische Analyse', 'Analyse chimique', 'Chemical composition', NULL),
    ('frmPrintSettings', 'chkPrintoptions(5)', 'Mechanische Eigenschaften', 'Propriétés mécaniques', 'Mechanical properties', NULL),
    ('frmPrintSettings', 'chkPrintoptions(6)', 'Wärmebehandlung', 'Traitement thermique', 'Heat treatment', NULL),
    ('frmPrintSettings', 'chkPrintoptions(7)', 'Physikalische Eigenschaften', 'Propriétés physiques', 'Physical properties', NULL),
    ('frmPrintSettings', 'chkPrintoptions(8)', 'Normenvergleich', 'Comparaison des normes', 'Standard comparison', NULL),
    ('frmPrintSettings', 'chkPrintoptions(9)', 'Lieferfirmen', 'Fournisseurs', 'Suppliers', NULL),
    ('frmPrintSettings', 'chkPrintoptions(10)', 'Anschrift', 'Adresse', 'Address', NULL),
    ('frmPrintSettings', 'chkPrintoptions(11)', 'Lieferform', 'Forme de livraison', 'Product shape', NULL),
    ('frmPrintSettings', 'chkPrintoptions(12)', 'Firmenbezeichnung', 'Désignation commerciale', 'Trade name', NULL),
    ('frmPrintSettings', 'chkPrintoptions(13)', 'Info', 'Info', 'Info', NULL),
    ('frmPrintSettings', 'chkPrintoptions(14)', 'Eigenschaften', 'Propriétés', 'Properties', NULL),
    ('frmPrintSettings', 'cmdPropertyPrintRange(0)', '...', '...', '...', NULL),
    ('frmPrintSettings', 'cmdPropertyPrintRange(1)', '...', '...', '...', NULL),
    ('frmPrintSettings', 'cmdPropertyPrintRange(2)', '...', '...', '...', NULL),
    ('frmPrintSettings', 'cmdPropertyPrintRange(3)', '...', '...', '...', NULL),
    ('frmPrintSettings', 'lblSchriftart', 'Schriftart', 'Police', 'Font', NULL),
    ('frmPrintSettings', 'lblSchriftgroesse', 'Schriftgröße', 'Taille de police', 'Font size', NULL),
    ('frmPrintSettings', 'cmdPrint(0)', '&Seitenansicht', '&Aperçu', 'Print pre&view', NULL),
    ('frmPrintSettings', 'cmdPrint(1)', '&Drucken', '&Imprimer', '&Print', NULL),
    ('frmPrintSettings', 'cmdCancel', 'Schließen', 'Fermer', 'Close', NULL);

-- Property print range: the window's caption and headline are messages chosen by the list shown.
INSERT INTO tab_controls (id_form, id_control, german, france, english, selfdefine) VALUES
    ('frmPropertyPrintRange', 'optRange(0)', 'Alle', 'Tous', 'All', NULL),
    ('frmPropertyPrintRange', 'optRange(1)', 'Nur markierte Eintrage', 'Entrées marquées seulement', 'Marked entries only', NULL),
    ('frmPropertyPrintRange', 'Label1', 'Einträge markieren', 'Marquer des entrées', 'Mark entries', NULL),
    ('frmPropertyPrintRange', 'Label2', 'Einträge zum Drucken', 'Entrées à imprimer', 'Entries to print', NULL),
    ('frmPropertyPrintRange', 'cmdMove(0)', '>> Hinzufügen', '>> Ajouter', '>> Add', NULL),
    ('frmPropertyPrintRange', 'cmdMove(1)', '<< Entfernen', '<< Retirer', '<< Remove', NULL),
    ('frmPropertyPrintRange', 'cmdOk', '&Ok', '&OK', '&OK', NULL);
