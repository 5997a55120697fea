#!/usr/bin/env python3
"""Writes the seven flange drawings to ui/drawings/tab1.svg ... tab7.svg.

Usage: tools/drawings/generate.py [output-dir]"""

import importlib
import pathlib
import sys

HERE = pathlib.Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))
sys.dont_write_bytecode = True   # keep the source tree free of caches


def main():
    out = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else HERE.parent.parent / "ui" / "drawings"
    out.mkdir(parents=True, exist_ok=True)
    for tab in range(1, 8):
        try:
            module = importlib.import_module(f"tab{tab}")
        except ModuleNotFoundError:
            continue
        (out / f"tab{tab}.svg").write_text(module.draw().svg(), encoding="utf-8")
        print(f"tab{tab}.svg")


if __name__ == "__main__":
    main()
