-- Language.mdb: the texts of the user interface. Messages by number in tab_text, captions of windows
-- and their controls by window and control id in tab_controls, the editor's column widths in
-- tab_controls_width. Text comparison is Jet's (case-insensitive), so ids written in another case
-- still meet.

CREATE TABLE tab_text (
    id_text    INTEGER NOT NULL,
    german     TEXT COLLATE JETTEXT,
    france     TEXT COLLATE JETTEXT,
    english    TEXT COLLATE JETTEXT,
    selfdefine TEXT COLLATE JETTEXT
);
CREATE UNIQUE INDEX idx_text ON tab_text (id_text);

CREATE TABLE tab_controls (
    id_form    TEXT COLLATE JETTEXT NOT NULL,
    id_control TEXT COLLATE JETTEXT NOT NULL,
    german     TEXT COLLATE JETTEXT,
    france     TEXT COLLATE JETTEXT,
    english    TEXT COLLATE JETTEXT,
    selfdefine TEXT COLLATE JETTEXT
);
CREATE UNIQUE INDEX idx_form_control ON tab_controls (id_form, id_control);

-- No index: the editor joins on it once when it opens.
CREATE TABLE tab_controls_width (
    id_form    TEXT COLLATE JETTEXT NOT NULL,
    id_control TEXT COLLATE JETTEXT NOT NULL,
    width      INTEGER,
    "order"    INTEGER
);
