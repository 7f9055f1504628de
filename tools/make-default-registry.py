#!/usr/bin/env python3
"""Writes tools/default-associations.reg, the file associations that ./run.sh
imports into its Wine prefix: HKEY_CLASSES_ROOT as a Windows 2000/XP machine
with Office, a PDF reader, a media player, a C++ compiler and a few German
programs installed would have it.

It holds what the program has to cope with on a real machine: extension keys
with a class, a MIME type, a perceived type, "ShellNew" entries of every kind,
"OpenWithList" and "OpenWithProgids"; extensions without a class and classes
without a key of their own; one class written in two letter cases; classes
with descriptions and friendly type names (some resource references, some
German with umlauts), "EditFlags" as DWORD and as binary data of two and four
bytes, icons as "file,index", "%1" and quoted paths, verbs with command lines
and DDE, "CurVer", "AlwaysShowExt" and "NeverShowExt", a class in the
"CLSID\\{...}" form, and the usual keys that are no extensions at all.

The tables are default_classes.py and default_extensions.py; regfile.py keeps
the keys and writes them. The output is REGEDIT4 text in Windows-1252 with CR LF line ends, the format
Windows' and Wine's regedit import with /S. Run:
    python3 tools/make-default-registry.py
"""
import os
import sys

sys.dont_write_bytecode = True  # no __pycache__ in tools/
import default_classes  # noqa: E402,F401  (the tables fill the key store when imported)
import default_extensions  # noqa: E402,F401
import regfile  # noqa: E402

OUT = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "tools",
                   "default-associations.reg")


def main():
    regfile.write(OUT)
    keys = regfile.keys
    extensions = [p for p in keys if p.startswith(".") and "\\" not in p]
    classes = {v[1].lower() for p in extensions for n, v in keys[p] if n is None}
    print("%s: %d keys, %d extensions naming %d classes" % (os.path.relpath(OUT), len(keys), len(extensions),
                                                             len(classes)))


if __name__ == "__main__":
    main()
