#!/usr/bin/env python3
"""Checks the include structure of src/: no folder includes a higher one, no
two folders include each other, and no logic file names a widget header.
Prints each offence and exits 1 when there is any."""
import os
import re
import sys

ORDER = ['platform', 'core', 'db', 'catalogue', 'farm', 'site', 'reports', 'publish', 'ui']
RANK = {name: i for i, name in enumerate(ORDER)}
# catalogue and farm stand side by side, as do reports and publish.
PEERS = [{'catalogue', 'farm'}, {'reports', 'publish'}]
INCLUDE = re.compile(r'#include\s*"([a-z_]+)/')
WIDGET = re.compile(r'#include\s*[<"](?:QtWidgets/)?(QWidget|QDialog|QtWidgets|QMessageBox|QComboBox|'
                    r'QListWidget|QLineEdit|QPushButton|QLabel|QApplication|QFileDialog|QMenu|'
                    r'QMainWindow|QTextBrowser|QTreeWidget|QTableWidget|QCheckBox)\b')


def offences(src):
    found = []
    pairs = set()
    for root, _, files in os.walk(src):
        for name in files:
            if not name.endswith(('.cpp', '.h')):
                continue
            path = os.path.join(root, name)
            top = os.path.relpath(path, src).split(os.sep)[0]
            if top not in RANK:
                continue
            text = open(path, encoding='utf-8', errors='replace').read()
            for m in INCLUDE.finditer(text):
                target = m.group(1)
                if target not in RANK or target == top:
                    continue
                pairs.add((top, target))
                if RANK[target] > RANK[top] and {top, target} not in PEERS:
                    found.append(f'{path}: includes {target}/, a higher folder')
            if top != 'ui' and WIDGET.search(text):
                found.append(f'{path}: logic includes a widget header')
    for a, b in sorted(pairs):
        if a < b and (b, a) in pairs:
            found.append(f'{a}/ and {b}/ include each other')
    return found


if __name__ == '__main__':
    src = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), '..', '..', 'src')
    bad = offences(src)
    for line in bad:
        print(line)
    print(f'{len(bad)} layer offences')
    sys.exit(1 if bad else 0)
