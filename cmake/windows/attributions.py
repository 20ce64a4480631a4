#!/usr/bin/env python3
"""The third-party code inside a Qt build, from Qt's own attribution records.

Every folder of Qt's source that holds code or data of others has a
qt_attribution.json naming it, its copyright and its licence files. A record
counts for a build when a file it covers was read there: compiled, included,
or turned into code or resources.

  attributions.py copier SOURCE DEST
      keeps every record of SOURCE, with the licence files it names, in DEST
      under the same relative paths (the source itself is not kept).
  attributions.py liste DEST COMPILES
      prints the ids of the records that the files listed in COMPILES (one
      path a line, from the source's root) fall under, one a line.
  attributions.py notices DEST COMPILES FOLDER
      writes FOLDER/<id>.txt for each of them: who, under which licence, and
      the licence texts in full.
"""
import fnmatch
import json
import os
import posixpath
import shutil
import sys

RECORD = "qt_attribution.json"
# Code that never reaches a build's libraries.
SKIPPED = ("tests/", "examples/", "doc/", "util/", "coin/", "debian/", "cmake/")


def records(root):
    """(folder from the root, record) for each record under root."""
    for folder, subfolders, files in os.walk(root):
        subfolders.sort()
        relative = os.path.relpath(folder, root).replace(os.sep, "/")
        relative = "" if relative == "." else relative + "/"
        if RECORD not in files or relative.startswith(SKIPPED):
            continue
        with open(os.path.join(folder, RECORD), encoding="utf-8") as f:
            # Qt's records hold line breaks inside their strings.
            content = json.loads(f.read(), strict=False)
        for record in content if isinstance(content, list) else [content]:
            yield relative, record


def licence_files(record):
    files = record.get("LicenseFiles") or [record.get("LicenseFile")]
    return [f for f in files if f]


def copy(source, dest):
    for folder, record in records(source):
        for name in [RECORD] + licence_files(record):
            path = os.path.normpath(folder + name)
            if os.path.exists(os.path.join(source, path)):
                os.makedirs(os.path.join(dest, os.path.dirname(path)), exist_ok=True)
                shutil.copyfile(os.path.join(source, path), os.path.join(dest, path))


def covers(folder, record, compiled):
    """Whether the record covers one of the compiled files."""
    files = record.get("Files")
    if files:
        patterns = [posixpath.normpath(folder + f) for f in (files.split() if isinstance(files, str) else files)]
        return any(fnmatch.fnmatchcase(c, p) for c in compiled for p in patterns)
    path = posixpath.normpath(folder + record.get("Path", "."))
    return any(c == path or c.startswith(path + "/") for c in compiled)


def used(dest, compiles):
    with open(compiles, encoding="utf-8") as f:
        compiled = [line.strip() for line in f if line.strip()]
    chosen = {}
    for folder, record in records(dest):
        if covers(folder, record, compiled):
            chosen.setdefault(record["Id"], (folder, record))
    return [chosen[i] for i in sorted(chosen)]


def text(value):
    """A record's field as text: some records give a list of lines."""
    return "\n".join(value) if isinstance(value, list) else str(value)


def notices(dest, compiles, out):
    os.makedirs(out, exist_ok=True)
    for folder, record in used(dest, compiles):
        texts = []
        for name in licence_files(record):
            path = os.path.join(dest, os.path.normpath(folder + name))
            if not os.path.exists(path):
                sys.exit(f"attributions: the licence of {record['Id']} ({folder}{name}) is missing")
            with open(path, encoding="utf-8", errors="replace") as f:
                texts.append(f.read().strip())
        header = [record.get("Name", record["Id"])]
        for label, key in (("Version", "Version"), ("Site", "Homepage"), ("Licence", "License"),
                           ("SPDX", "LicenseId")):
            if record.get(key):
                header.append(f"{label} : {text(record[key])}")
        header.append(text(record.get("Copyright", "")).strip())
        with open(os.path.join(out, record["Id"] + ".txt"), "w", encoding="utf-8", newline="\r\n") as f:
            f.write("\n".join(header) + "\n\n" + "\n\n".join(texts) + "\n")


def main(args):
    if args[:1] == ["copier"] and len(args) == 3:
        copy(args[1], args[2])
    elif args[:1] == ["liste"] and len(args) == 3:
        for _, record in used(args[1], args[2]):
            print(record["Id"])
    elif args[:1] == ["notices"] and len(args) == 4:
        notices(args[1], args[2], args[3])
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv[1:])
