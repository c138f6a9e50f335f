#!/usr/bin/env python3
"""Extract the allowed values of the standard MIB objects (value ranges of the
integer types, sizes of the octet strings, DEFVALs) from a directory of SMI
module files, read with libsmi's smidump, so that the catalogue generator can
carry them beside each row.

Usage: tools/catalogue/mib_limits.py MIB_DIR > tests/catalogue/mib_limits.tsv

One line per object that has a range, a size or a default, tab separated:
    name  kind  ranges  default
kind is "value" (integer types) or "size" (octet strings); ranges is written
"a..b|c" as in the module; default is the DEFVAL as smidump prints it (empty
when none). A range refined on the object wins over its type's; a type without
one takes its parent's.
"""
import os
import subprocess
import sys

OCTET_BASES = {"OctetString", "Bits", "Opaque"}


def dump(mib_dir, path):
    env = dict(os.environ, SMIPATH=mib_dir)
    out = subprocess.run(["smidump", "-f", "python", "-k", path], env=env, capture_output=True, text=True).stdout
    scope = {}
    exec(out, scope)  # smidump's python format is a literal assignment to MIB
    return scope.get("MIB", {})


def ranges_text(type_node):
    parts = []
    for r in type_node.get("ranges", []):
        lo, hi = r["min"], r["max"]
        parts.append(lo if lo == hi else f"{lo}..{hi}")
    return "|".join(parts)


def main():
    mib_dir = sys.argv[1]
    modules = {}
    for name in sorted(os.listdir(mib_dir)):
        path = os.path.join(mib_dir, name)
        if os.path.isfile(path) and not name.endswith(".md"):
            mib = dump(mib_dir, path)
            if mib:
                modules[mib["moduleName"]] = mib

    def typedef(module, name):
        return modules.get(module, {}).get("typedefs", {}).get(name)

    def resolve(type_node, module):
        """(basetype, ranges) of a syntax type, following references and parents."""
        seen = 0
        while type_node is not None and seen < 20:
            seen += 1
            if "basetype" not in type_node and "name" in type_node:
                module = type_node.get("module", module)
                type_node = typedef(module, type_node["name"])
                continue
            text = ranges_text(type_node)
            base = type_node.get("basetype", "")
            if text:
                return base, text
            parent = type_node.get("parent module")
            if parent:
                module = parent["name"]
                nxt = typedef(module, parent["type"])
                if nxt is None:
                    return base, ""
                type_node = nxt
                continue
            return base, ""
        return "", ""

    print("# name\tkind\tranges\tdefault")
    for module, mib in modules.items():
        for name, node in mib.get("nodes", {}).items():
            if node.get("nodetype") not in ("scalar", "column"):
                continue
            syntax = node.get("syntax", {}).get("type")
            base, text = resolve(syntax, module) if syntax else ("", "")
            default = node.get("default", "")
            if isinstance(default, (dict, list, tuple)):
                default = ""
            default = str(default).replace("\t", " ").replace("\n", " ")
            if not text and not default:
                continue
            kind = "size" if base in OCTET_BASES else "value"
            print(f"{name}\t{kind}\t{text}\t{default}")


if __name__ == "__main__":
    main()
