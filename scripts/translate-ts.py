#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
# Checks the windows' translation: every message of translations/kelvarin_en.ts is translated
# (none unfinished, none empty, the same %1 placeholders as its source), and every source text
# is Chinese, or a text of the program's own that is the same in both languages. With --fill
# FILE.py, translations from FILE.py's dictionary EN are written into the messages first.
import re
import sys
import xml.etree.ElementTree as ET

TS = "translations/kelvarin_en.ts"  # or the file named after the options
CJK = re.compile(r"[\u3000-\u303f\u4e00-\u9fff\uff00-\uffef]")
PLACEHOLDER = re.compile(r"%\d+")


def main():
    global TS
    args = sys.argv[1:]
    rest = [a for a in args if not a.startswith("--") and not a.endswith(".py")]
    if rest:
        TS = rest[0]
    tree = ET.parse(TS)
    if args[:1] == ["--fill"]:
        scope = {}
        exec(open(args[1], encoding="utf-8").read(), scope)
        for message in tree.getroot().iter("message"):
            source = message.find("source").text or ""
            if source in scope["EN"]:
                translation = message.find("translation")
                translation.text = scope["EN"][source]
                translation.attrib.pop("type", None)
        tree.write(TS, encoding="utf-8", xml_declaration=True)
    problems = []
    for context in tree.getroot().iter("context"):
        name = context.find("name").text
        for message in context.iter("message"):
            source = message.find("source").text or ""
            translation = message.find("translation")
            said = f"{name}: \"{source}\""
            if translation is None or translation.get("type") in ("unfinished", "vanished", "obsolete"):
                problems.append(f"{said} is not translated")
                continue
            text = translation.text or ""
            if not text.strip():
                problems.append(f"{said} has an empty translation")
            if CJK.search(text):
                problems.append(f"{said}: the English \"{text}\" holds Chinese")
            if sorted(PLACEHOLDER.findall(text)) != sorted(PLACEHOLDER.findall(source)):
                problems.append(f"{said}: the English \"{text}\" has other placeholders")
            if not CJK.search(source):
                problems.append(f"{said} is no Chinese text")
    for p in problems:
        print(p, file=sys.stderr)
    if problems:
        print(f"translations: {len(problems)} problems in {TS}", file=sys.stderr)
        return 1
    print(f"translations: every message of {TS} translated")
    return 0


if __name__ == "__main__":
    sys.exit(main())
