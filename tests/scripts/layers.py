#!/usr/bin/env python3
"""Checks the include lines of every source against the layer table of
docs/architecture.md: a folder includes only its own headers and those of the
folders its row says it stands on ("all of the above": every row before it).

Usage: layers.py [REPOSITORY]   (default: the repository this script is in)
Exits 1 and lists file:line, the include and the two folders on a violation.
"""
import os
import re
import sys

ROW = re.compile(r"^\| `([^`]+/)` \| [^|]* \| ([^|]*) \|")
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')
SOURCE_SUFFIXES = (".h", ".hpp", ".cpp", ".cc", ".c")


def read_table(doc):
    """The folders in table order, each with the folders it may include."""
    folders, allowed = [], {}
    with open(doc, encoding="utf-8") as f:
        for line in f:
            m = ROW.match(line)
            if not m:
                continue
            folder, stands = m.group(1), m.group(2).strip()
            if stands == "all of the above":
                names = set(folders)
            else:
                names = set(re.findall(r"`([^`]+/)`", stands))
            folders.append(folder)
            allowed[folder] = names
    return folders, allowed


def open_rows(allowed):
    """Rows whose folders stand on more than the row does: a folder's include
    closure must stay within its own row."""
    found = []
    for folder, names in allowed.items():
        for under in sorted(names):
            beyond = allowed.get(under, set()) - names - {folder}
            if beyond:
                found.append(f"docs/architecture.md: {folder} stands on {under}, which stands on "
                             f"{', '.join(sorted(beyond))} that {folder} does not")
    return found


def owner(path, folders):
    """The deepest folder of the table that holds `path`, or None."""
    best = None
    for folder in folders:
        if path.startswith(folder) and (best is None or len(folder) > len(best)):
            best = folder
    return best


def violations(root, folders, allowed):
    found = []
    # Only folders that carry code of their own are checked (not db/, resources/...).
    checked = [f for f in folders if allowed[f] or f == folders[0]]
    for folder in checked:
        for dirpath, _, names in os.walk(os.path.join(root, folder)):
            for name in sorted(names):
                if not name.endswith(SOURCE_SUFFIXES):
                    continue
                path = os.path.join(dirpath, name)
                rel = os.path.relpath(path, root).replace(os.sep, "/")
                mine = owner(rel, folders)
                with open(path, encoding="utf-8", errors="replace") as f:
                    for number, line in enumerate(f, 1):
                        m = INCLUDE.match(line)
                        if not m:
                            continue
                        theirs = owner(m.group(1), folders)
                        if theirs and theirs != mine and theirs not in allowed[mine]:
                            found.append(f"{rel}:{number}: includes \"{m.group(1)}\": "
                                         f"{mine} does not stand on {theirs}")
    return found


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.dirname(os.path.dirname(
        os.path.abspath(__file__))))
    folders, allowed = read_table(os.path.join(root, "docs", "architecture.md"))
    if len(folders) < 2:
        print("docs/architecture.md: no layer table found", file=sys.stderr)
        return 1
    found = open_rows(allowed) + violations(root, folders, allowed)
    for v in found:
        print(v, file=sys.stderr)
    if found:
        print(f"{len(found)} include(s) against the layer table of docs/architecture.md", file=sys.stderr)
        return 1
    print(f"layers: {len(folders)} folders, every include stands on its table row")
    return 0


if __name__ == "__main__":
    sys.exit(main())
