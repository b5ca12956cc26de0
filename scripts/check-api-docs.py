#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Checks the generated reference documentation of the workOut library.

Every public operation of the class workOut must document each parameter, its result (unless it
returns nothing), its errors, and show an example that calls it. The Qt help file must open as
one (an SQLite database of the Qt help format) and hold the class's page and a keyword for every
operation.

    scripts/check-api-docs.py XML_FOLDER QCH_FILE
"""
import sqlite3
import sys
import xml.etree.ElementTree as ET
from pathlib import Path


def text(element):
    return "".join(element.itertext()) if element is not None else ""


def check_operations(xml_folder):
    tree = ET.parse(Path(xml_folder) / "classkelvarin_1_1workOut.xml")
    problems, names = [], []
    for member in tree.iter("memberdef"):
        if member.get("kind") != "function" or member.get("prot") != "public":
            continue
        name = text(member.find("name"))
        if name in ("workOut", "~workOut", "operator="):
            continue
        names.append(name)
        details = member.find("detaileddescription")
        declared = [text(p.find("declname")) for p in member.findall("param")]
        documented = [text(n) for n in details.iter("parametername")]
        for parameter in declared:
            if parameter not in documented:
                problems.append(f"{name}: parameter {parameter} is not documented")
        kinds = [s.get("kind") for s in details.iter("simplesect")]
        if text(member.find("type")).strip() != "void" and "return" not in kinds:
            problems.append(f"{name}: the result is not documented")
        titles = [text(t) for t in details.iter("title")]
        if "Errors" not in titles:
            problems.append(f"{name}: the errors are not documented")
        if "Example" not in titles:
            problems.append(f"{name}: there is no example")
        elif not any(name + "(" in text(p) for p in details.iter("programlisting")):
            problems.append(f"{name}: the example does not call it")
    return names, problems


def check_help_file(qch, names):
    problems = []
    try:
        db = sqlite3.connect(f"file:{qch}?mode=ro", uri=True)
        namespaces = [row[0] for row in db.execute("SELECT Name FROM NamespaceTable")]
        files = {row[0] for row in db.execute("SELECT Name FROM FileNameTable")}
        keywords = {row[0].split("(")[0] for row in db.execute("SELECT Name FROM IndexTable")}
    except sqlite3.Error as error:
        return [f"{qch}: not a Qt help file ({error})"], 0
    if not any(n.startswith("org.kelvarin.workout.") for n in namespaces):
        problems.append(f"{qch}: namespace org.kelvarin.workout.* missing ({namespaces})")
    if "classkelvarin_1_1workOut.html" not in files:
        problems.append(f"{qch}: the page of workOut is missing")
    for name in names:
        if name not in keywords:
            problems.append(f"{qch}: no keyword for {name}")
    return problems, len(keywords)


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    names, problems = check_operations(sys.argv[1])
    if len(names) != 90:
        problems.append(f"workOut has {len(names)} public operations, not 90")
    help_problems, keywords = check_help_file(sys.argv[2], names)
    problems += help_problems
    for problem in problems:
        print(f"check-api-docs: {problem}", file=sys.stderr)
    if problems:
        sys.exit(1)
    print(f"{len(names)} operations documented with parameters, result, errors and an example; "
          f"{Path(sys.argv[2]).name}: {keywords} keywords")


if __name__ == "__main__":
    main()
