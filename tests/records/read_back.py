"""The table of records in both encodings, read back as a spreadsheet
reads a CSV file marked as UTF-8.

    read_back.py [EMULATOR...] VOK_RECORDS UPLOAD_FOLDER"""
import csv
import io
import subprocess
import sys

output = subprocess.run(sys.argv[1:], stdout=subprocess.PIPE, check=False).stdout
rows = list(csv.DictReader(io.StringIO(output.decode("utf-8-sig"), newline="")))
names = {row["record"]: (row["name"], row["city"], row["products"]) for row in rows}
expected = {
    "vok-5-060126-101500.txt": ("Łukasz Ağaoğlu", "北京市", "Übersetzer Pro 東京"),
    "vok-6-060126-101600.txt": ("Zoë Müller", "Genève", "Café Manager – Édition €"),
}
for record, fields in expected.items():
    if names.get(record) != fields:
        sys.exit(f"{record}: {names.get(record)} read back, {fields} expected")
