"""The registry keys of a REGEDIT4 file being built, and their writing.

Keys are paths below HKEY_CLASSES_ROOT; each holds its values as
(name, (kind, data)), the name None standing for the default value. cls() and
ext() add a file class key and an extension key with the entries the shell
knows; write() stores everything as REGEDIT4 text in Windows-1252 with CR LF
line ends, parents before children as regedit exports them.
"""
HKCR = "HKEY_CLASSES_ROOT"
keys = {}  # path below HKCR -> list of (name or None for the default value, (kind, data))


def key(path):
    return keys.setdefault(path, [])


def put(path, name, value):
    values = key(path)
    values[:] = [(n, v) for n, v in values if n != name]
    values.append((name, value))


def text(s):
    """A string value; one that names an environment variable is REG_EXPAND_SZ,
    as the system writes such command lines and icon locations."""
    if "%SystemRoot%" in s or "%ProgramFiles%" in s or "%windir%" in s:
        return ("expand", s)
    return ("sz", s)


def dword(n):
    return ("dword", n)


def binary(*octets):
    return ("hex", bytes(octets))


def none():
    return ("none", b"")


def cls(name, description=None, icon=None, flags=None, verbs=(), default_verb=None,
        friendly=None, curver=None, show=None, infotip=None, values=None):
    """A file class key. verbs: (verb, command[, dde]) where dde is
    (message, application, topic[, ifexec])."""
    key(name)
    if description is not None:
        put(name, None, ("sz", description))
    if friendly is not None:
        put(name, "FriendlyTypeName", text(friendly))
    if flags is not None:
        put(name, "EditFlags", dword(flags) if isinstance(flags, int) else flags)
    if infotip is not None:
        put(name, "InfoTip", text(infotip))
    if show is not None:
        put(name, show, ("sz", ""))
    for n, v in (values or {}).items():
        put(name, n, v)
    if curver is not None:
        put(name + r"\CurVer", None, ("sz", curver))
    if icon is not None:
        put(name + r"\DefaultIcon", None, text(icon))
    if verbs or default_verb is not None:
        key(name + r"\shell")
        if default_verb is not None:
            put(name + r"\shell", None, ("sz", default_verb))
    for verb in verbs:
        verb_name, command = verb[0], verb[1]
        if command is not None:
            put(name + "\\shell\\" + verb_name + r"\command", None, text(command))
        else:
            key(name + "\\shell\\" + verb_name)
        if len(verb) > 2:
            dde = verb[2]
            base = name + "\\shell\\" + verb_name + r"\ddeexec"
            put(base, None, ("sz", dde[0]))
            put(base + r"\Application", None, ("sz", dde[1]))
            put(base + r"\Topic", None, ("sz", dde[2]))
            if len(dde) > 3:
                put(base + r"\ifexec", None, ("sz", dde[3]))


def ext(name, cls_=None, content=None, perceived=None, shellnew=None, openwith=(), progids=(),
        values=None, subkeys=None):
    """An extension key. shellnew: ("NullFile",), ("FileName", file), ("Command", line),
    ("Data", text or bytes); a ShellNew below a class subkey when given as (class, entry)."""
    key(name)
    if cls_ is not None:
        put(name, None, ("sz", cls_))
    if content is not None:
        put(name, "Content Type", ("sz", content))
    if perceived is not None:
        put(name, "PerceivedType", ("sz", perceived))
    for n, v in (values or {}).items():
        put(name, n, v)
    if shellnew is not None:
        base = name + r"\ShellNew"
        if isinstance(shellnew[0], tuple):
            base = name + "\\" + shellnew[1] + r"\ShellNew"
            shellnew = shellnew[0]
        kind = shellnew[0]
        if kind == "NullFile":
            put(base, "NullFile", ("sz", ""))
        elif kind == "Data" and isinstance(shellnew[1], bytes):
            put(base, "Data", ("hex", shellnew[1]))
        else:
            put(base, kind, text(shellnew[1]))
    for program in openwith:
        key(name + r"\OpenWithList" + "\\" + program)
    for progid in progids:
        put(name + r"\OpenWithProgids", progid, none())
    for path, value in (subkeys or {}).items():
        put(name + "\\" + path, None, ("sz", value))


def hex_lines(prefix, octets):
    """The regedit form of binary data, wrapped at about 80 columns with '\\'."""
    parts = ["%02x" % b for b in octets]
    lines, line = [], prefix
    for i, part in enumerate(parts):
        piece = part + ("," if i < len(parts) - 1 else "")
        if len(line) + len(piece) > 77 and i > 0:
            lines.append(line + "\\")
            line = "  "
        line += piece
    lines.append(line)
    return "\r\n".join(lines)


def quote(s):
    return '"' + s.replace("\\", "\\\\").replace('"', '\\"') + '"'


def value_line(name, value):
    lhs = "@=" if name is None else quote(name) + "="
    kind, data = value
    if kind == "sz":
        return lhs + quote(data)
    if kind == "dword":
        return lhs + "dword:%08x" % data
    if kind == "hex":
        return hex_lines(lhs + "hex:", data)
    if kind == "expand":
        return hex_lines(lhs + "hex(2):", data.encode("cp1252") + b"\0")
    if kind == "none":
        return lhs + "hex(0):"
    raise ValueError(kind)



def write(out_path):
    # Parents before children, in the order regedit exports them.
    for path in list(keys):
        parts = path.split("\\")
        for i in range(1, len(parts)):
            key("\\".join(parts[:i]))
    out = ["REGEDIT4", ""]
    for path in sorted(keys, key=lambda p: [part.lower() for part in p.split("\\")]):
        out.append("[" + HKCR + "\\" + path + "]")
        values = keys[path]
        values.sort(key=lambda nv: (nv[0] is not None, (nv[0] or "").lower()))
        for name, value in values:
            out.append(value_line(name, value))
        out.append("")
    data = ("\r\n".join(out) + "\r\n").encode("cp1252")
    with open(out_path, "wb") as f:
        f.write(data)
