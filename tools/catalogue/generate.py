#!/usr/bin/env python3
"""Generate the view catalogue's C++ sources (catalogue/NvCatalogue*.cpp and the
table declarations) from tables.py, the MIB facts and the view reference list.

Usage: tools/catalogue/generate.py   (run from anywhere; writes into catalogue/)
"""
import collections
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
sys.path.insert(0, HERE)
from options import NAMED, TEXT  # noqa: E402
from tables import INDEX_COUNT, TABLES  # noqa: E402

AREAS = {
    "device": ("NvCatalogueDevice.cpp", "Layer 2 device views: ports, QoS, trunks, IGMP snooping, files, spanning tree"),
    "bridge": ("NvCatalogueBridge.cpp", "PIM, stack units, time, probe and the bridge and VLAN tables"),
    "access": ("NvCatalogueAccess.cpp", "Access profiles and rules of the forwarding list and the CPU interface filter"),
    "snmp": ("NvCatalogueSnmp.cpp", "SNMP engine, targets, notification, VACM, community, system log, 802.1X system"),
    "security": ("NvCatalogueSecurity.cpp", "802.1X ports, link aggregation, RADIUS, SSH, SSL, USM, TACACS+"),
    "layer3": ("NvCatalogueLayer3.cpp", "Layer 3, routing, PIM settings, IGMP, VRRP, single IP management, protocol VLAN"),
}

# Syntax code of a standard object by its type (textual convention first, then base).
TC_SYNTAX = {
    "DisplayString": 76, "SnmpAdminString": 76, "SnmpTagList": 76, "SnmpTagValue": 76,
    "PortList": 3, "MacAddress": 73,
}
BASE_SYNTAX = {
    "INTEGER": 2, "Integer32": 2, "OCTET STRING": 4, "BITS": 3, "IpAddress": 64, "Counter32": 65,
    "Gauge32": 66, "Unsigned32": 66, "TimeTicks": 67, "Counter64": 70, "OBJECT IDENTIFIER": 6,
}


SYNTAX_NAMES = {
    1: "SyntaxBoolean", 2: "SyntaxInteger", 3: "SyntaxBits", 4: "SyntaxOctets", 5: "SyntaxNull", 6: "SyntaxOid",
    64: "SyntaxIpAddress", 65: "SyntaxCounter", 66: "SyntaxGauge", 67: "SyntaxTimeTicks", 68: "SyntaxOpaque",
    69: "SyntaxNsapAddress", 70: "SyntaxCounter64", 71: "SyntaxUInteger", 72: "SyntaxReal", 73: "SyntaxMacAddress",
    74: "SyntaxDateAndTime", 75: "SyntaxCalendarTime", 76: "SyntaxDisplayString", 77: "SyntaxAddress16",
}
ACCESS_NAMES = [(1, "AccessIndex"), (2, "AccessReadable"), (4, "AccessWritable"), (16, "AccessHidden"),
                (32, "AccessExcluded"), (64, "AccessImplied")]
KIND_NAMES = {0: "NvSNMPVarList::ScalarGroup", 1: "NvSNMPVarList::SingleInstance", 2: "NvSNMPVarList::Table",
              3: "NvSNMPVarList::EditableTable"}


def access_name(access):
    """The access field as its named bits ("AccessReadable | AccessWritable")."""
    names = [name for bit, name in ACCESS_NAMES if access & bit]
    if sum(bit for bit, _ in ACCESS_NAMES if access & bit) != access:
        raise ValueError(f"unnamed access bits in {access}")
    return " | ".join(names) if names else "0"


def syntax_of(fact):
    return TC_SYNTAX.get(fact["type"], BASE_SYNTAX[fact["base"]])


def load_facts():
    facts = {}
    with open(os.path.join(ROOT, "tests/catalogue/mib_facts.tsv")) as f:
        for line in f:
            if line.startswith("#"):
                continue
            name, oid, typ, base, access, enum = line.rstrip("\n").split("\t")
            pairs = [(int(v), l) for v, l in (p.split("=", 1) for p in enum.split("|"))] if enum else []
            facts[name] = dict(name=name, oid=oid, type=typ, base=base, access=access, enum=pairs)
    return facts


def load_limits():
    """Allowed values of the standard objects: name -> (kind, ranges, default)."""
    limits = {}
    with open(os.path.join(ROOT, "tests/catalogue/mib_limits.tsv")) as f:
        for line in f:
            if line.startswith("#"):
                continue
            name, kind, ranges, default = line.rstrip("\n").split("\t")
            limits.setdefault(name, (kind, ranges, default))
    return limits


VALUE_SYNTAXES = {2, 65, 66, 67, 71}      # integer rows: the range bounds the value
SIZE_SYNTAXES = {3, 4, 68, 76}            # octet rows: the range bounds the length
LABEL_RANGE = re.compile(r"\[\s*(-?\d+)\s*(?:-|\.\.)\s*(-?\d+)(?:\s+[^\]]*)?\]")


def ranges_of(row, limits):
    """The row's allowed values: the MIB's range, or else the one its label states."""
    if row["standard"] in limits:
        kind, ranges, _ = limits[row["standard"]]
        if ranges and ((kind == "value" and row["syntax"] in VALUE_SYNTAXES)
                       or (kind == "size" and row["syntax"] in SIZE_SYNTAXES)):
            return ranges
    m = LABEL_RANGE.search(row["label"])
    if m and row["syntax"] in VALUE_SYNTAXES and int(m.group(1)) <= int(m.group(2)):
        return f"{m.group(1)}..{m.group(2)}"
    return None


def load_views():
    views = {}
    with open(os.path.join(ROOT, "tests/catalogue/views.tsv")) as f:
        for line in f:
            if line.startswith("#"):
                continue
            c = line.rstrip("\n").split("\t")
            views[int(c[0])] = dict(opener=c[1], kind=int(c[2]), index=int(c[3]), first=c[4],
                                    rows=int(c[5]), labels=c[6:])
    return views


def parse_opts(text):
    if text is None or text == "-":
        return None
    if text in NAMED or text in TEXT:
        return text
    pairs = []
    for p in text.split(","):
        v, l = p.split("=", 1)
        pairs.append((int(v), l))
    return tuple(pairs)


def build_row(spec, base, position, index_count, facts):
    tokens = spec.split()
    if tokens[0].startswith("@"):
        fact = facts[tokens[0][1:]]
        mods = dict(t.split("=", 1) for t in tokens[1:])
        oid = fact["oid"]
        syntax = int(mods["s"]) if "s" in mods else syntax_of(fact)
        if "a" in mods:
            access = int(mods["a"])
        elif position < index_count:
            access = 1
        elif fact["access"] in ("read-write", "read-create"):
            access = 6
        elif fact["access"] == "not-accessible":
            access = 1
        else:
            access = 2
        if "o" in mods:
            opts = parse_opts(mods["o"])
        elif fact["type"] == "RowStatus":
            opts = "RS"
        elif fact["enum"] and fact["base"] != "BITS":
            opts = tuple(fact["enum"])
        else:
            opts = None
        return dict(oid=oid, syntax=syntax, access=access, opts=opts, standard=fact["name"])
    oid, syntax, access = tokens[0], int(tokens[1]), int(tokens[2])
    opts = parse_opts(tokens[3]) if len(tokens) > 3 else None
    if oid == "_":
        oid = " "
    elif oid.startswith("."):
        oid = base + oid
    return dict(oid=oid, syntax=syntax, access=access, opts=opts, standard=None)


def canonical(opts):
    """Option key -> (kind, tuple of pairs)."""
    if opts in NAMED:
        return ("int", tuple(NAMED[opts][1]))
    if opts in TEXT:
        return ("text", tuple(TEXT[opts][1]))
    return ("int", opts)


def camel(label):
    parts = re.split(r"[^A-Za-z0-9]+", label)
    return "".join(p[:1].upper() + p[1:] for p in parts if p)


def c_string(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def main():
    facts = load_facts()
    limits = load_limits()
    views = load_views()
    named_by_pairs = {}
    for key, (name, pairs) in NAMED.items():
        named_by_pairs[("int", tuple(pairs))] = name
    for key, (name, pairs) in TEXT.items():
        named_by_pairs[("text", tuple(pairs))] = name

    option_names = collections.OrderedDict()  # canonical -> C++ name
    used_names = set()
    tables = []
    for number, cname, area, base, specs in TABLES:
        view = dict(views[number])
        view["index"] = INDEX_COUNT.get(number, view["index"])
        if len(specs) != view["rows"]:
            sys.exit(f"table {number}: {len(specs)} rows, expected {view['rows']}")
        rows = []
        for pos, spec in enumerate(specs):
            row = build_row(spec, base, pos, view["index"], facts)
            row["label"] = view["labels"][pos]
            row["ranges"] = ranges_of(row, limits)
            if row["opts"] is not None:
                canon = canonical(row["opts"])
                if canon not in option_names:
                    name = named_by_pairs.get(canon)
                    if name is None:
                        name = camel(row["label"]) or "List"
                    name = "opt" + name
                    unique, n = name, 2
                    while unique in used_names:
                        unique, n = f"{name}{n}", n + 1
                    used_names.add(unique)
                    option_names[canon] = unique
                row["optname"] = option_names[canon]
            else:
                row["optname"] = None
            rows.append(row)
        tables.append(dict(view, number=number, cname=cname, area=area, rows=rows))

    out = os.path.join(ROOT, "catalogue")
    banner = "// Generated by tools/catalogue/generate.py from tools/catalogue/tables.py; edit those, not this file.\n"

    # Option lists.
    with open(os.path.join(out, "NvCatalogueOptions.h"), "w") as f:
        f.write("#pragma once\n" + banner)
        f.write("// The option lists of the view catalogue: one object per distinct value/label set,\n"
                "// created at program start and shared by every row that uses the set.\n")
        f.write('#include "snmp/NvOptionList.h"\n\n')
        for canon, name in option_names.items():
            f.write(f"extern const NvOptionList {name};\n")
    with open(os.path.join(out, "NvCatalogueOptions.cpp"), "w") as f:
        f.write(banner + '#include "catalogue/NvCatalogueOptions.h"\n\nnamespace {\n\n')
        for (kind, pairs), name in option_names.items():
            ptype = "NvTextOptionPair" if kind == "text" else "NvOptionPair"
            f.write(f"const {ptype} {name}Pairs[] = {{\n")
            for v, l in pairs:
                val = c_string(v) if kind == "text" else str(v)
                f.write(f"    {{{val}, {c_string(l)}}},\n")
            f.write(f"    {{{'nullptr' if kind == 'text' else '0'}, nullptr}},\n}};\n\n")
        f.write("}  // namespace\n\n")
        for canon, name in option_names.items():
            f.write(f"const NvOptionList {name}({name}Pairs);\n")

    # Table declarations.
    with open(os.path.join(out, "NvCatalogueTables.h"), "w") as f:
        f.write("#pragma once\n" + banner)
        f.write("// The descriptor tables of the view catalogue, each closed by a record without oid.\n"
                "// The comment gives the opener(s) and the list kind and index count to open it with.\n")
        f.write('#include "snmp/NvSNMPVarDescriptor.h"\n\n')
        for t in tables:
            f.write(f"// {t['number']}: {t['opener']} (kind {t['kind']}, {t['index']} index)\n")
            f.write(f"extern const NvSNMPVarDescriptor {t['cname']}[];\n")

    # Tables by area.
    kinds = {0: "scalar group", 1: "single instance", 2: "table", 3: "editable table"}
    for area, (fname, desc) in AREAS.items():
        with open(os.path.join(out, fname), "w") as f:
            f.write(banner + f"// {desc}.\n")
            f.write('#include "catalogue/NvCatalogueOptions.h"\n#include "catalogue/NvCatalogueTables.h"\n')
            for t in tables:
                if t["area"] != area:
                    continue
                f.write(f"\n// {t['opener']}: {kinds[t['kind']]}, {t['index']} index.\n")
                f.write(f"const NvSNMPVarDescriptor {t['cname']}[] = {{\n")
                for r in t["rows"]:
                    opt = f"&{r['optname']}" if r["optname"] else "nullptr"
                    if r["ranges"]:
                        f.write(f"    {{.oid = {c_string(r['oid'])}, .label = {c_string(r['label'])}, "
                                f".syntax = {SYNTAX_NAMES[r['syntax']]}, .access = {access_name(r['access'])}, "
                                f".options = {opt}, .ranges = {c_string(r['ranges'])}}},\n")
                    else:
                        f.write(f"    {{{c_string(r['oid'])}, {c_string(r['label'])}, {SYNTAX_NAMES[r['syntax']]}, "
                                f"{access_name(r['access'])}, {opt}}},\n")
                f.write("    {},\n};\n")

    # Registry data.
    with open(os.path.join(out, "NvViewCatalogueData.cpp"), "w") as f:
        f.write(banner + "// The registry entries, in catalogue order.\n")
        f.write('#include "catalogue/NvCatalogueTables.h"\n#include "catalogue/NvViewCatalogue.h"\n'
                '#include "snmp/NvSNMPVarList.h"\n\n')
        f.write("const NvViewTable NvViewCatalogue::s_tables[NvViewCatalogue::TableCount] = {\n")
        for t in tables:
            f.write(f"    {{{t['number']}, {c_string(t['cname'])}, {c_string(t['opener'])}, {t['cname']}, "
                    f"{KIND_NAMES[t['kind']]}, {t['index']}, {len(t['rows'])}}},\n")
        f.write("};\n")

    # Summary.
    syn = collections.Counter(r["syntax"] for t in tables for r in t["rows"])
    acc = collections.Counter(r["access"] for t in tables for r in t["rows"])
    print("tables", len(tables), "rows", sum(len(t["rows"]) for t in tables))
    print("syntax", sorted(syn.items(), key=lambda kv: -kv[1]))
    print("access", sorted(acc.items(), key=lambda kv: -kv[1]))
    print("rows with ranges", sum(1 for t in tables for r in t["rows"] if r["ranges"]))
    print("option lists", len(option_names),
          "rows with options", sum(1 for t in tables for r in t["rows"] if r["optname"]))
    use = collections.Counter(r["optname"] for t in tables for r in t["rows"] if r["optname"])
    print("most used", use.most_common(20))


if __name__ == "__main__":
    main()
