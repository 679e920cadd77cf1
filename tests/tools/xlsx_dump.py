#!/usr/bin/python3
"""Reads an .xlsx workbook back and prints what the tests check as JSON.

  xlsx_dump.py FILE               with openpyxl: sheets, cells, frozen pane, autofilter, styles
  xlsx_dump.py --libreoffice FILE through LibreOffice (converted headless to flat ODS): sheets
                                  and cells

Each cell is "type:value" ("n:9", "s:Ana", "d:2025-12-09T00:00:00", "b:True"), or null when it
is empty, the same for both readers.
"""
import json
import os
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
import zipfile


def openpyxl_dump(path):
    import openpyxl
    from openpyxl.utils.escape import unescape

    def cell_text(cell):
        value = cell.value
        if value is None:
            return None
        if cell.data_type == "d" or cell.is_date:
            return "d:" + value.isoformat()
        if cell.data_type == "n":
            return "n:" + (repr(value) if isinstance(value, float) else str(value))
        if cell.data_type == "s":  # openpyxl leaves Excel's "_xHHHH_" escapes as they stand
            return "s:" + unescape(value)
        return cell.data_type + ":" + str(value)

    book = openpyxl.load_workbook(path)
    sheet = book.worksheets[0]
    first = [row[0] for row in sheet.iter_rows()] if sheet.max_column else []
    return {
        "sheets": book.sheetnames,
        "freeze": sheet.freeze_panes,
        "autofilter": sheet.auto_filter.ref,
        "rows": [[cell_text(c) for c in row] for row in sheet.iter_rows()],
        "bold": [bool(c.font and c.font.b) for c in first],
        "fill": [c.fill.fgColor.rgb if c.fill and c.fill.fill_type else None for c in first],
        "formats": [[c.number_format for c in row] for row in sheet.iter_rows()],
        "widths": [sheet.column_dimensions[k].width
                   for k in sorted(sheet.column_dimensions, key=lambda k: (len(k), k))],
    }


OFFICE = "urn:oasis:names:tc:opendocument:xmlns:office:1.0"
TABLE = "urn:oasis:names:tc:opendocument:xmlns:table:1.0"
TEXT = "urn:oasis:names:tc:opendocument:xmlns:text:1.0"


def libreoffice_cell(cell):
    kind = cell.get("{%s}value-type" % OFFICE)
    if kind is None:
        return None
    formula = cell.get("{%s}formula" % TABLE)
    if formula in ("of:=TRUE()", "of:=FALSE()"):  # how it takes a workbook's booleans
        return "b:" + formula[4:-2].capitalize()
    if kind == "float":
        value = cell.get("{%s}value" % OFFICE)
        return "n:" + (value[:-2] if value.endswith(".0") else value)
    if kind == "date":
        value = cell.get("{%s}date-value" % OFFICE)
        return "d:" + (value if "T" in value else value + "T00:00:00")
    if kind == "boolean":
        return "b:" + cell.get("{%s}boolean-value" % OFFICE).capitalize()
    return "s:" + "\n".join("".join(p.itertext()) for p in cell.iter("{%s}p" % TEXT))


def libreoffice_dump(path):
    with tempfile.TemporaryDirectory() as out:
        env = dict(os.environ, HOME=out)  # a profile of its own, not shared with other runs
        subprocess.run(["soffice", "--headless", "--convert-to", "fods", "--outdir", out, path],
                       check=True, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        name = os.path.splitext(os.path.basename(path))[0] + ".fods"
        tree = ET.parse(os.path.join(out, name))
    tables = list(tree.iter("{%s}table" % TABLE))
    rows = []
    for row in tables[0].iter("{%s}table-row" % TABLE):
        cells = []
        for cell in row:
            if cell.tag not in ("{%s}table-cell" % TABLE, "{%s}covered-table-cell" % TABLE):
                continue
            repeat = int(cell.get("{%s}number-columns-repeated" % TABLE, "1"))
            value = libreoffice_cell(cell)
            cells.extend([value] * (repeat if value is not None or repeat < 1000 else 1))
        rows.append(cells)
    while rows and all(c is None for c in rows[-1]):
        rows.pop()
    width = max((max((i + 1 for i, c in enumerate(r) if c is not None), default=0) for r in rows),
                default=0)
    rows = [(r + [None] * width)[:width] for r in rows]
    return {"sheets": [t.get("{%s}name" % TABLE) for t in tables], "rows": rows}


def main(args):
    path = args[-1]
    with zipfile.ZipFile(path) as archive:
        bad = archive.testzip()
        if bad is not None:
            raise SystemExit("corrupt part " + bad)
    dump = libreoffice_dump(path) if "--libreoffice" in args else openpyxl_dump(path)
    print(json.dumps(dump))


if __name__ == "__main__":
    main(sys.argv[1:])
