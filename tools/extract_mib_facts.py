#!/usr/bin/env python3
"""Extract a table of facts about the standard MIB objects from a directory of
SMI module files, so that tests can check the view catalogue without the
module files.

Usage: tools/extract_mib_facts.py MIB_DIR > tests/catalogue/mib_facts.tsv

The modules are read with net-snmp's snmptranslate (tree form). One line per
leaf object, tab separated:
    name  oid  type  base  access  enumeration
type is the textual convention when the object uses one, otherwise the base
type; base is the SMI base type; access is one of not-accessible,
accessible-for-notify, read-only, read-write, read-create; enumeration lists
value=label pairs separated by "|" (empty when the object has none).
"""
import os
import re
import subprocess
import sys

BASE_TYPES = {
    "EnumVal": "INTEGER",
    "INTEGER": "INTEGER",
    "Integer32": "Integer32",
    "String": "OCTET STRING",
    "IpAddr": "IpAddress",
    "NetAddr": "NetworkAddress",
    "ObjID": "OBJECT IDENTIFIER",
    "TimeTicks": "TimeTicks",
    "Counter": "Counter32",
    "Gauge": "Gauge32",
    "Unsigned": "Unsigned32",
    "Counter64": "Counter64",
    "BitString": "BITS",
    "Opaque": "Opaque",
}

ACCESS = {
    "----": "not-accessible",
    "---N": "accessible-for-notify",
    "-R--": "read-only",
    "-RW-": "read-write",
    "CR--": "read-create",
}

NODE = re.compile(r"^(?P<lead>[ |]*)\+--(?: (?P<access>[-CRWN]{4}) (?P<kind>\S+)\s+)?(?P<name>[A-Za-z][\w-]*)\((?P<sub>\d+)\)")
ATTR = re.compile(r"^[ |]*(?P<key>Textual Convention|Values): (?P<value>.*)$")


def read_tree(mib_dir):
    env = dict(os.environ, MIBS="", MIBDIRS=mib_dir)
    out = subprocess.run(["snmptranslate", "-M", mib_dir, "-m", "ALL", "-Tp"],
                         env=env, check=True, capture_output=True, text=True).stdout
    return out.splitlines()


def facts(lines):
    stack = []  # (column, oid)
    rows = []
    current = None
    for line in lines:
        m = NODE.match(line)
        if m:
            col = len(m.group("lead"))
            while stack and stack[-1][0] >= col:
                stack.pop()
            oid = (stack[-1][1] + "." if stack else "") + m.group("sub")
            stack.append((col, oid))
            current = None
            if m.group("access"):
                current = {
                    "name": m.group("name"),
                    "oid": oid,
                    "base": BASE_TYPES.get(m.group("kind"), m.group("kind")),
                    "tc": "",
                    "access": ACCESS.get(m.group("access"), m.group("access")),
                    "enum": "",
                }
                rows.append(current)
            continue
        a = ATTR.match(line)
        if a and current is not None:
            if a.group("key") == "Textual Convention":
                current["tc"] = a.group("value").strip()
            else:
                pairs = re.findall(r"([\w-]+)\((-?\d+)\)", a.group("value"))
                current["enum"] = "|".join(f"{v}={k}" for k, v in pairs)
    return rows


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    rows = facts(read_tree(sys.argv[1]))
    print("# name\toid\ttype\tbase\taccess\tenumeration")
    for r in sorted(rows, key=lambda r: [int(x) for x in r["oid"].split(".")]):
        print("\t".join([r["name"], r["oid"], r["tc"] or r["base"], r["base"], r["access"], r["enum"]]))


if __name__ == "__main__":
    main()
