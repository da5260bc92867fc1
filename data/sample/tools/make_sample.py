#!/usr/bin/env python3
"""Writes the sample content of the materials database as SQL INSERT files into
data/sample/graukant/. Run it after changing any of the *_data.py files and commit the
result together with them:

    python3 data/sample/tools/make_sample.py

The output is deterministic: ids follow the order of the data files.
"""

import os
import sys
import unicodedata
from xml.sax.saxutils import quoteattr

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import base_data as B  # noqa: E402
import property_data as P  # noqa: E402
import steel_data as S  # noqa: E402
import text_data as T  # noqa: E402

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "graukant")
LANGS = ("D", "F", "E")


# --- SQL text ----------------------------------------------------------------------------------

def lit(v):
    if v is None:
        return "NULL"
    if v is True:
        return "-1"
    if v is False:
        return "0"
    if isinstance(v, (int, float)):
        return repr(v) if isinstance(v, float) else str(v)
    if isinstance(v, Num):
        return v.text
    return "'" + str(v).replace("'", "''") + "'"


class Num:
    """A number kept as written, so that 0.030 stays 0.030 in the SQL text."""

    def __init__(self, text):
        float(text)
        self.text = text

    def __float__(self):
        return float(self.text)

    def decimals(self):
        """The decimal places the value needs (trailing zeros need none)."""
        return len(self.text.partition(".")[2].rstrip("0"))


class Sql:
    def __init__(self, name, heading):
        self.name = name
        self.lines = ["-- " + line for line in heading.split("\n")]
        self.lines.append("")

    def comment(self, text):
        self.lines.append("")
        self.lines.append("-- " + text)

    def insert(self, table, cols, rows):
        if not rows:
            return
        self.lines.append("INSERT INTO %s (%s) VALUES" % (table, ", ".join(cols)))
        body = ["    (" + ", ".join(lit(v) for v in row) + ")" for row in rows]
        self.lines.append(",\n".join(body) + ";")

    def write(self):
        with open(os.path.join(OUT, self.name), "w", encoding="utf-8", newline="\n") as f:
            f.write("\n".join(self.lines) + "\n")


def sort_key(text):
    """Case- and accent-insensitive order with numbers compared by value."""
    base = unicodedata.normalize("NFKD", text)
    base = "".join(ch for ch in base if not unicodedata.combining(ch)).casefold()
    key, digits = [], ""
    for ch in base + "\0":
        if ch.isdigit():
            digits += ch
            continue
        if digits:
            key.append((0, int(digits), ""))
            digits = ""
        if ch != "\0":
            key.append((1, 0, ch))
    return key


def language_order(names):
    """Sort positions per language for a list of (D, F, E) names."""
    orders = []
    for i in range(3):
        ranked = sorted(range(len(names)), key=lambda j: sort_key(names[j][i]))
        pos = [0] * len(names)
        for rank, j in enumerate(ranked, 1):
            pos[j] = rank
        orders.append(pos)
    return orders


# --- Compositions ------------------------------------------------------------------------------

def sup_w_of(nat, country, kind):
    """Whether a national number is hidden beside a national symbol of the same steel in the
    same country."""
    return kind == "W" and any(n[0] == country and n[1] == "K" for n in nat)


def parse_comp(spec):
    """'C:-0.07 Cr:17.5-19.5^fn' -> [(element, min, max, other, [footnotes])]."""
    out = []
    for item in spec.split():
        el, rest = item.split(":", 1)
        fns = []
        if "^" in rest:
            rest, fn = rest.split("^", 1)
            fns = fn.split(",")
        other = None
        lo = hi = None
        if rest.startswith("?"):
            other = rest[1:].replace("_", " ")
        elif rest.startswith("-"):
            hi = Num(rest[1:])
        elif rest.endswith("-"):
            lo = Num(rest[:-1])
        else:
            a, b = rest.split("-")
            lo, hi = Num(a), Num(b)
            assert float(lo) <= float(hi), item
        out.append((el, lo, hi, other, fns))
    return out


# --- Build -------------------------------------------------------------------------------------

def main():
    os.makedirs(OUT, exist_ok=True)
    elements = {e[0]: e[1] for e in B.ELEMENTS}
    variant_ids = {}
    for i, key in enumerate(B.NORMVARIANTE, 1):
        variant_ids[key] = i
    basis_ids = {key: i for i, key in enumerate(B.NORMBASIS, 1)}
    comp_fn_ids = {key: 5 * i for i, key in enumerate(B.COMP_FOOTNOTES, 1)}

    # ---- 10 countries
    f = Sql("10-countries.sql", "Countries of the sample materials database.")
    f.insert("tabLand", ["ID_Land", "Landeskuerzel", "Land_D", "Land_F", "Land_E", "EuLand",
                         "Filter"],
             [(cid, sym, n[0], n[1], n[2], eu, flt) for cid, sym, n, eu, flt in B.COUNTRIES])
    f.write()

    # ---- 20 steel groups
    f = Sql("20-steelgroups.sql", "Steel groups: main groups and the detailed groups of the "
            "sample steels.")
    rows = []
    for gid, intg, names in B.MAIN_GROUPS:
        rows.append((gid, intg, intg, True, names[0], names[1], names[2], names[0], names[1],
                     names[2]))
    for key, (gid, intg, names, details) in B.GROUPS.items():
        rows.append((gid, intg, gid - 10000, True, names[0], names[1], names[2], details[0],
                     details[1], details[2]))
    f.insert("tabStahlgruppe", ["ID_Stahlgruppe", "IntGruppe", "ID_Gruppe", "Sichtbar",
                                "Gruppe_D", "Gruppe_F", "Gruppe_E", "Detail_D", "Detail_F",
                                "Detail_E"], rows)
    f.write()

    # ---- 30 standards
    f = Sql("30-standards.sql", "Standards: types per country, statuses, documents and their "
            "published variants;\nstatuses of designations.")
    f.insert("tabNormtyp", ["ID_Normtyp", "ID_Land", "Normtyp_D", "Normtyp_F", "Normtyp_E"],
             [(tid, B.COUNTRY_ID[c]) + (B.NORMTYP_NAMES if body else B.PSEUDO_NAMES)
              for tid, c, body in B.NORMTYP.values()])
    f.insert("tabNormStatus", ["Id_NormStatus", "Sortierung", "SufSuffix_D", "SufSuffix_F",
                               "SufSuffix_E"],
             [(sid, so, t[0], t[1], t[2]) for sid, so, t in B.NORMSTATUS])
    f.insert("tabNormBasis", ["Id_NormBasis", "Name", "Titel_D", "Titel_F", "Titel_E"],
             [(basis_ids[k], name, t[0], t[1], t[2]) for k, (name, t) in B.NORMBASIS.items()])
    rows = []
    for key, (norm, basis, typ, prefix, stand, status, conf, succ, pred) in \
            B.NORMVARIANTE.items():
        vid = variant_ids[key]
        body = B.NORMTYP[typ][2]
        if body:
            prefix = body + (" " + prefix if prefix else "")
        rows.append((vid, norm, basis_ids[basis], status, B.NORMTYP[typ][0], prefix, stand,
                     vid * 10, conf, succ, pred, False))
    f.insert("tabNormVariante", ["Id_NormVariante", "Id_Norm", "Id_NormBasis", "Id_NormStatus",
                                 "Id_Normtyp", "Prefix", "Stand", "Sortierung",
                                 "Uebereinstimmung", "Nachfolgedokument", "Vorgaengerdokument",
                                 "NichtAnzeigen"], rows)
    f.insert("tabBezeichnungStatus", ["Id_BezeichnungStatus", "vor", "nach", "Status"],
             B.BEZSTATUS)
    f.write()

    # ---- steels, designations, occurrences, compositions
    steel_rows, compare_rows = [], []
    desig_rows, occ_rows, occ_std_rows = [], [], []
    desig_fn_rows, firm_desig_rows = [], []
    analyse_rows, desig_analyse_rows, wert_rows, wert_fn_rows = [], [], [], []
    steel_id_of = {}
    occ_of = {}  # (material number, country, designation) -> occurrence id
    desig_of = {}  # (material number, designation) -> designation id
    n_desig = n_occ = n_analyse = n_wert = 0
    fn_trade, fn_v2a, fn_v4a, fn_din, fn_compare = 1, 2, 3, 4, 5
    seen_desig = set()

    def add_comp(spec, abmass, desig_ids):
        nonlocal n_analyse, n_wert
        n_analyse += 1
        analyse_rows.append((n_analyse, abmass))
        for d in desig_ids:
            desig_analyse_rows.append((d, n_analyse))
        used = set()
        for el, lo, hi, other, fns in parse_comp(spec):
            assert el in elements, el
            # The composition lists show an element with its decimal places: none may be cut.
            assert all(v is None or v.decimals() <= elements[el] for v in (lo, hi)), (spec, el)
            assert el not in used, (spec, el)
            used.add(el)
            n_wert += 1
            wert_rows.append((n_wert, n_analyse, el, lo, hi, other, False, False, False))
            for fn in fns:
                wert_fn_rows.append((n_wert, comp_fn_ids[fn]))
        n_wert += 1
        wert_rows.append((n_wert, n_analyse, "Fe", None, None, None, False, False, True))

    def add_desig(steel_no, sid, text, kind, prio, status):
        nonlocal n_desig
        seen_desig.add((steel_no, kind, text))
        n_desig += 1
        desig_rows.append((n_desig, sid, text, kind, prio, status))
        desig_of[(steel_no, text)] = n_desig
        return n_desig

    def add_occ(steel_no, did, text, country, variant, sup_w=False, sup_eur=False):
        nonlocal n_occ
        n_occ += 1
        occ_rows.append([n_occ, did, B.COUNTRY_ID[country], 0, sup_w, False, sup_eur, text,
                         country])
        occ_of[(steel_no, country, text)] = n_occ
        if variant:
            occ_std_rows.append((n_occ, variant_ids[variant]))
        return n_occ

    for i, st in enumerate(S.STEELS, 1):
        steel_id_of[st["no"]] = i
        steel_rows.append((i, B.COUNTRY_ID["EU"], B.GROUPS[st["grp"]][0]))
        compare_rows.append((i, st["no"], st["no"]))
        w = add_desig(st["no"], i, st["no"], "W", 1, 1)
        k = add_desig(st["no"], i, st["sym"], "K", 2, 1)
        add_occ(st["no"], w, st["no"], "EU", st["std"])
        add_occ(st["no"], k, st["sym"], "EU", st["std"])
        adoption = B.BS_ADOPTION[st["std"]]
        add_occ(st["no"], w, st["no"], "GB", adoption, sup_eur=True)
        add_occ(st["no"], k, st["sym"], "GB", adoption, sup_eur=True)
        if "abm" in st:
            for abmass, spec in st["abm"]:
                add_comp(spec, abmass, [w, k])
        else:
            add_comp(st["comp"], None, [w, k])
        prio = 3
        natcomp_desigs = {}
        merged = {}
        for country, kind, text, variant, status, comp in st.get("nat", []):
            # A designation known only from a withdrawn standard is shown as withdrawn.
            assert not variant or B.NORMVARIANTE[variant][5] != 2 or status == 2, (text, variant)
            # One designation may occur in several countries; designations with their own
            # composition stay apart, so that each country shows its own standard's values.
            mkey = (kind, text, status) if comp is None else None
            # A national number beside a national symbol of the same steel is left out of
            # lists that mix kinds, in every country where it occurs.
            sup_w = sup_w_of(st["nat"], country, kind)
            if mkey in merged:
                add_occ(st["no"], merged[mkey], text, country, variant, sup_w)
                continue
            d = add_desig(st["no"], i, text, kind, prio, status)
            prio += 1
            if mkey:
                merged[mkey] = d
            add_occ(st["no"], d, text, country, variant, sup_w)
            if comp:
                natcomp_desigs.setdefault(comp, []).append(d)
            if country == "D" and status == 2:
                desig_fn_rows.append((d, fn_din))
            elif not comp:
                desig_fn_rows.append((d, fn_compare))
        for comp, ds in natcomp_desigs.items():
            add_comp(S.NATCOMP[comp], None, ds)
        for country, text, firms in st.get("trade", []):
            d = desig_of.get((st["no"], text))
            if d is None:
                d = add_desig(st["no"], i, text, "F", prio, 1)
                prio += 1
                if text == "V2A":
                    desig_fn_rows.append((d, fn_v2a))
                elif text == "V4A":
                    desig_fn_rows.append((d, fn_v4a))
                else:
                    desig_fn_rows.append((d, fn_trade))
            add_occ(st["no"], d, text, country, "PSEUDO_D" if country == "D" else None)
            for firm in firms:
                firm_desig_rows.append((d, firm))

    # Suppliers of the European symbols of some steels.
    for firm, numbers in T.SUPPLIED_SYMBOLS.items():
        for no in numbers:
            sym = next(s["sym"] for s in S.STEELS if s["no"] == no)
            firm_desig_rows.append((desig_of[(no, sym)], firm))

    # Display order of the whole designation list: by designation, then country symbol.
    order = sorted(range(len(occ_rows)),
                   key=lambda j: (sort_key(occ_rows[j][7]), occ_rows[j][8], occ_rows[j][0]))
    for rank, j in enumerate(order, 1):
        occ_rows[j][3] = rank * 10

    f = Sql("40-steels.sql", "The sample steels (each with its country and detailed steel "
            "group) and their comparison groups.")
    f.insert("tabStahl", ["ID_Stahl", "ID_Land", "ID_Stahlgruppe"], steel_rows)
    f.insert("tabNormvergleich", ["ID_Stahl", "Id_WsNr", "WSNr_Anzeige"], compare_rows)
    f.write()

    f = Sql("50-designations.sql", "Designations of the sample steels (W material number, K "
            "symbol, F trade name), their\noccurrences per country, the standard variants that "
            "list each occurrence and the\nfootnotes of designations. SuchBezeichnung is left "
            "to the build.")
    f.insert("tabStahlbez", ["Id_Stahlbez", "ID_Stahl", "Bezeichnung", "Kennung", "Prioritaet",
                             "ID_BezeichnungStatus"], desig_rows)
    f.insert("tabStahlbezVorkommen", ["Id_StahlbezVorkommen", "Id_Stahlbez", "Id_Land",
                                      "IndexSort", "SupW", "SupK", "SupEur"],
             [tuple(r[:7]) for r in occ_rows])
    f.insert("zuoStahlbezVorkommen_NormVariante", ["Id_StahlbezVorkommen", "Id_NormVariante"],
             occ_std_rows)
    f.insert("tabFussnote", ["ID_Fussnote", "Text_D", "Text_F", "Text_E"],
             [(i, t[0], t[1], t[2]) for i, t in T.DESIG_FOOTNOTES])
    f.insert("zuoStahlbez_Fussnote", ["ID_Stahlbez", "ID_Fussnote"], desig_fn_rows)
    f.write()

    f = Sql("60-compositions.sql", "Chemical compositions (percent by mass) per the standards "
            "named with each designation,\nwith the footnotes of single values. "
            "tabAnalyseSuchen is derived by the build.")
    f.insert("tabElemente", ["ID_Element", "Anzahl_NK", "Sortierung"], B.ELEMENTS)
    f.insert("tabAnalyseFussnote", ["Id_Fussnote", "Text_D", "Text_F", "Text_E"],
             [(comp_fn_ids[k], t[0], t[1], t[2]) for k, t in B.COMP_FOOTNOTES.items()])
    f.insert("tabAnalyse", ["Id_Analyse", "Abmass"], analyse_rows)
    f.insert("zuoStahlbez_Analyse", ["Id_Stahlbez", "Id_Analyse"], desig_analyse_rows)
    f.insert("tabAnalyseWert", ["Id_AnalyseWert", "Id_Analyse", "ID_Element", "MinWert",
                                "MaxWert", "Sonstiges", "NurSuchen", "KannWert", "Rest"],
             wert_rows)
    f.insert("zuoAnalyseWert_AnalyseFussnote", ["Id_AnalyseWert", "Id_Fussnote"], wert_fn_rows)
    f.write()

    write_properties(steel_id_of, occ_of, variant_ids)
    # A firm that supplies a steel of a group delivers that group in some shape.
    group_of_steel = {sid: grp for sid, _, grp in steel_rows}
    group_of_desig = {r[0]: group_of_steel[r[1]] for r in desig_rows}
    delivered = {(B.GROUPS[grp][0], firm) for grp, firm, _ in B.DELIVERIES}
    for d, firm in firm_desig_rows:
        assert (group_of_desig[d], firm) in delivered, (d, firm)
    write_suppliers(firm_desig_rows)
    write_texts(steel_id_of)


# --- Properties --------------------------------------------------------------------------------

def vocab_rows(table_vocab, offset):
    names = [v[1] for v in table_vocab.values()]
    orders = language_order(names)
    rows = []
    for j, (vid, n) in enumerate(table_vocab.values()):
        rows.append((vid, vid + offset, n[0], n[1], n[2], True, orders[0][j], orders[1][j],
                     orders[2][j]))
    return rows


def fmt(v):
    if v is None:
        return ""
    if isinstance(v, float):
        text = repr(v)
        return text[:-2] if text.endswith(".0") else text
    return str(v)


def write_properties(steel_id_of, occ_of, variant_ids):
    f = Sql("70-properties.sql", "Property data: kinds, properties and the vocabulary of their "
            "conditions, the layout of the\nproperty-search mask, the property values of the "
            "sample steels with their remarks, and\ntheir XML property matrices.")
    kind_names = [k[1] for k in P.KINDS]
    f.insert("tabEigenschaftskennung", ["ID_Eigenschaftskennung", "Eigenschaftskennung_D",
                                        "Eigenschaftskennung_F", "Eigenschaftskennung_E",
                                        "Sortierung_D", "Sortierung_F", "Sortierung_E"],
             [(kid, n[0], n[1], n[2], so, so, so) for kid, n, so in P.KINDS])
    assert kind_names
    off = P.SID_OFFSET
    f.insert("tabEigenschaft", ["ID_Eigenschaft", "ID_Eigenschaftskennung", "SID_Eigenschaft",
                                "Suchbar", "Eigenschaft_D", "Eigenschaft_F", "Eigenschaft_E",
                                "Einheit", "Formelzeichen", "Temp_Tendenz", "DRM_Tendenz"],
             [(pid, kind, pid + off["Eigenschaft"], srch, n[0], n[1], n[2], unit, sym, tt, dt)
              for pid, kind, srch, n, unit, sym, tt, dt in P.PROPS.values()])
    vcols = ["Suchbar", "Sortierung_D", "Sortierung_F", "Sortierung_E"]
    f.insert("tabZustand", ["ID_Zustand", "SID_Zustand", "Zustand_D", "Zustand_F",
                            "Zustand_E"] + vcols, vocab_rows(P.ZUSTAND, off["Zustand"]))
    f.insert("tabAbkuehlung", ["ID_Abkuehlung", "SID_Abkuehlung", "Abkuelung_D", "Abkuelung_F",
                               "Abkuelung_E"] + vcols,
             vocab_rows(P.ABKUEHLUNG, off["Abkuehlung"]))
    dnames = [v[3] for v in P.DAUER.values()]
    dord = language_order(dnames)
    f.insert("tabDauer", ["ID_Dauer", "SID_Dauer", "SID_Faktor", "Dauer_D", "Dauer_F",
                          "Dauer_E"] + vcols,
             [(did, sd, sf, n[0], n[1], n[2], True, dord[0][j], dord[1][j], dord[2][j])
              for j, (did, sd, sf, n) in enumerate(P.DAUER.values())])
    f.insert("tabForm", ["ID_Form", "SID_Form", "Form_D", "Form_F", "Form_E"] + vcols,
             vocab_rows(P.FORM, off["Form"]))
    f.insert("tabProbenlage", ["ID_Probenlage", "SID_Probenlage", "Probenlage_D",
                               "Probenlage_F", "Probenlage_E"] + vcols,
             vocab_rows(P.PROBENLAGE, off["Probenlage"]))
    f.insert("tabKlassifizierung", ["ID_Klassifizierung", "SID_Klassifizierung",
                                    "Klassifizierung_D", "Klassifizierung_F",
                                    "Klassifizierung_E"] + vcols,
             vocab_rows(P.KLASSIFIZIERUNG, off["Klassifizierung"]))
    f.insert("tabEigenschaftssuche", ["Spalte", "Feldname", "Breite", "Ausrichtung", "Combo",
                                      "Comboinhalt", "ControlIndex", "Negierbar", "Symbol",
                                      "Vergleich"], P.SEARCH_MASK)

    rem_ids = {k: i for i, k in enumerate(P.BEMERKUNG, 1)}
    f.insert("tabBemerkung", ["ID_Bemerkung", "Bemerkung_D", "Bemerkung_F", "Bemerkung_E"],
             [(rem_ids[k], t[0], t[1], t[2]) for k, t in P.BEMERKUNG.items()])

    link_rows, value_rows, value_rem_rows, matrix_rows = [], [], [], []
    n_value = 0
    kind_of = {"mech": 1, "phys": 2, "heat": 3}
    for m, (no, country, variant, desig, kinds) in enumerate(P.TABLES, 1):
        occ = occ_of[(no, country, desig)]
        link_rows.append((steel_id_of[no], B.COUNTRY_ID[country], variant_ids[variant], m, occ,
                          desig, no))
        for kname, values in kinds.items():
            kind = kind_of[kname]
            texts = {lang: [] for lang in LANGS}
            symbols = {}
            for v in values:
                prop = P.PROPS[v["p"]]
                assert prop[1] == kind, (no, v["p"], kname)
                n_value += 1
                ids = {}
                for name, vocab, key in (("Zustand", P.ZUSTAND, v["z"]),
                                         ("Form", P.FORM, v["f"]),
                                         ("Probenlage", P.PROBENLAGE, v["pl"]),
                                         ("Klassifizierung", P.KLASSIFIZIERUNG, v["k"]),
                                         ("Abkuehlung", P.ABKUEHLUNG, v["a"])):
                    ids[name] = None if key is None else vocab[key][0]
                sid = {name: (None if i is None else i + off[name]) for name, i in ids.items()}
                such_max = v["tx"] if v["tx"] is not None else v["tn"]
                value_rows.append((n_value, m, prop[0], prop[0] + off["Eigenschaft"],
                                   ids["Zustand"], sid["Zustand"], ids["Form"], sid["Form"],
                                   ids["Probenlage"], sid["Probenlage"],
                                   ids["Klassifizierung"], sid["Klassifizierung"], None, None,
                                   ids["Abkuehlung"], sid["Abkuehlung"], v["n"], v["x"],
                                   v["an"], v["ax"], v["tn"], v["tx"], v["ztn"], v["ztx"], None,
                                   None, v["tn"], such_max))
                fzs = []
                for rem in v["fn"]:
                    value_rem_rows.append((n_value, rem_ids[rem]))
                    if rem not in symbols:
                        symbols[rem] = str(len(symbols) + 1)
                    fzs.append(symbols[rem])
                for li, lang in enumerate(LANGS):
                    def txt(vocab, key):
                        return "" if key is None else vocab[key][1][li]
                    attrs = [
                        ("E", str(prop[0])), ("NE", prop[3][li]), ("Z", txt(P.ZUSTAND, v["z"])),
                        ("ZTn", fmt(v["ztn"])), ("ZTx", fmt(v["ztx"])),
                        ("F", txt(P.FORM, v["f"])), ("An", fmt(v["an"])), ("Ax", fmt(v["ax"])),
                        ("n", fmt(v["n"])), ("x", fmt(v["x"])), ("U", prop[4] or ""),
                        ("P", txt(P.PROBENLAGE, v["pl"])), ("Tn", fmt(v["tn"])),
                        ("Tx", fmt(v["tx"])), ("Dn", ""), ("Dx", ""), ("D", ""),
                        ("A", txt(P.ABKUEHLUNG, v["a"])),
                        ("K", txt(P.KLASSIFIZIERUNG, v["k"])), ("FZ", "\n".join(fzs)),
                        ("SE", str(prop[0] + off["Eigenschaft"])),
                        ("SZ", fmt(sid["Zustand"])), ("SF", fmt(sid["Form"])),
                        ("SP", fmt(sid["Probenlage"])), ("SK", fmt(sid["Klassifizierung"])),
                        ("SA", fmt(sid["Abkuehlung"])), ("SD", ""),
                        ("STn", fmt(v["tn"])), ("STx", fmt(such_max)),
                    ]
                    texts[lang].append(
                        "<Wert " + " ".join("%s=%s" % (a, quoteattr(val, {"\n": "&#10;"}))
                                            for a, val in attrs) + "/>")
            for li, lang in enumerate(LANGS):
                notes = "".join("<Fussnote FZ=%s B=%s/>" % (quoteattr(sym),
                                                            quoteattr(P.BEMERKUNG[rem][li]))
                                for rem, sym in symbols.items())
                body = "".join(texts[lang])
                if notes:
                    body += "<Fussnoten>" + notes + "</Fussnoten>"
                texts[lang] = "<Eigenschaften>" + body + "</Eigenschaften>"
            matrix_rows.append((m, kind, texts["D"], texts["F"], texts["E"]))

    f.insert("zuoStahl_Eigenschaftsmatrix", ["ID_Stahl", "Id_Land", "ID_NormVariante",
                                             "ID_Eigenschaftswertmatrix",
                                             "Id_StahlbezVorkommen", "Bezeichnung",
                                             "Werkstoffnummer"], link_rows)
    f.insert("tabEigenschaftswerte", [
        "ID_Eigenschaftswert", "ID_Eigenschaftswertmatrix", "ID_Eigenschaft", "SID_Eigenschaft",
        "ID_Zustand", "SID_Zustand", "ID_Form", "SID_Form", "ID_Probenlage", "SID_Probenlage",
        "ID_Klassifizierung", "SID_Klassifizierung", "ID_Dauer", "SID_Dauer", "ID_Abkuehlung",
        "SID_Abkuehlung", "Eigenschaft_min", "Eigenschaft_max", "Abmasse_min", "Abmasse_max",
        "Temp_min", "Temp_max", "ZuTemp_Min", "ZuTemp_Max", "Dauer_min", "Dauer_max",
        "Such_Temp_min", "Such_Temp_max"], value_rows)
    f.insert("zuoEigenschaftswert_Bemerkung", ["ID_Eigenschaftswert", "ID_Bemerkung"],
             value_rem_rows)
    f.insert("tabEigenschaftsMatrix", ["Id_Eigenschaftsmatrix", "Id_Eigenschaftskennung",
                                       "Eigenschaft_D", "Eigenschaft_F", "Eigenschaft_E"],
             matrix_rows)
    f.write()


# --- Suppliers ---------------------------------------------------------------------------------

def write_suppliers(firm_desig_rows):
    f = Sql("80-suppliers.sql", "Suppliers (invented sample firms), their addresses, the "
            "designations they supply and\nthe product shapes they deliver per steel group.")
    firm_rows, addr_rows = [], []
    land = {c[1]: c[2][0] for c in B.COUNTRIES}
    for fid, country, code, addrs in B.SUPPLIERS:
        head = addrs[0]
        adresse = ", ".join(x for x in (head[1], head[2], head[3],
                                        head[4] + " " + head[5], land[head[12]]) if x)
        firm_rows.append((fid, B.COUNTRY_ID[country], adresse, code))
        for a in addrs:
            addr_rows.append((fid,) + a[:12] + (B.COUNTRY_ID[a[12]],))
    f.insert("tabFirma", ["ID_Firma", "ID_Land", "Adresse", "Old_FirmaID"], firm_rows)
    f.insert("tabFirmadresse", ["ID_Firma", "LfdNr", "Name1", "Name2", "Strasse", "PLZStrasse",
                                "OrtStrasse", "Postfach", "PLZPostfach", "OrtPostfach", "Tel",
                                "Fax", "EMail", "ID_Land"], addr_rows)
    f.insert("zuoStahlbez_Firma", ["ID_Stahlbez", "ID_Firma"], sorted(set(firm_desig_rows)))
    f.insert("tabLieferform", ["ID_Lieferform", "Lieferform_D", "Lieferform_F", "Lieferform_E"],
             [(sid, n[0], n[1], n[2]) for sid, n in B.PRODUCT_SHAPES])
    rows = []
    for grp, firm, shapes in B.DELIVERIES:
        for shape in shapes:
            rows.append((B.GROUPS[grp][0], firm, shape))
    f.insert("zuoStahlgruppe_Firma_Lieferform", ["ID_Stahlgruppe", "ID_Firma",
                                                 "ID_Lieferform"], rows)
    f.write()


# --- Texts -------------------------------------------------------------------------------------

def write_texts(steel_id_of):
    f = Sql("90-texts.sql", "Headings of the info texts and the info texts of the sample "
            "steels.")
    f.insert("tabInfotitel", ["ID_Infotitel", "Titel_D", "Titel_F", "Titel_E"],
             [(tid, n[0], n[1], n[2]) for tid, n in B.INFO_TITLES])
    rows = []
    for no, by_title in T.INFO.items():
        for tid, t in sorted(by_title.items()):
            rows.append((steel_id_of[no], tid, t[0], t[1], t[2]))
    f.insert("tabInfotext", ["ID_Stahl", "ID_Infotitel", "Info_D", "Info_F", "Info_E"], rows)
    f.write()


if __name__ == "__main__":
    main()
