#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Writes the seed corpora of the fuzz targets: corpus/image (for the decoder,
the round trip and the file loader), corpus/text (for the image box's
conversions) and corpus/config-text (for the JSON and CSV reader). The files are kept in the repository; run this again only to
change them."""
import json
import pathlib
import shutil

HERE = pathlib.Path(__file__).resolve().parent
FF = b"\xff"


def image(texts=(), defaults=b"\x3f\x3f", records=()):
    """A 2048-byte image: SMS texts (Windows-1250), the two default-state
    bytes and three-byte records, the rest as after a reset."""
    sms = b""
    for r in range(20):
        text = texts[r] if r < len(texts) else b""
        sms += text + FF * (32 - len(text))
    recs = b"".join(records[k] if k < len(records) else b"00\x20" for k in range(20))
    return sms + FF * 3 + defaults + FF * 10 + recs + FF * 1333


def config_texts(rows, defaults):
    """The JSON and CSV of a table: rows of (sms, output, action, time, confirm)."""
    rows = list(rows) + [("", "SYSTEM", "TEST", 0, "NE")] * (20 - len(rows))
    commands = ",\n".join(
        '    {"number": %d, "sms": %s, "output": "%s", "action": "%s", "time": %d, "confirm": "%s"}'
        % (n + 1, json.dumps(r[0], ensure_ascii=False), r[1], r[2], r[3], r[4]) for n, r in enumerate(rows))
    text = ('{\n  "format": "vrk04-config",\n  "version": 1,\n  "commands": [\n%s\n  ],\n  "defaults": [%s]\n}\n'
            % (commands, ", ".join(map(str, defaults))))
    lines = ["number,sms,output,action,time,confirm"]
    for n, r in enumerate(rows):
        sms = '"%s"' % r[0].replace('"', '""') if any(c in r[0] for c in ',"') else r[0]
        lines.append("%d,%s,%s,%s,%d,%s" % (n + 1, sms, r[1], r[2], r[3], r[4]))
    lines.append("defaults," + ",".join(map(str, defaults)))
    return text.encode(), ("\r\n".join(lines) + "\r\n").encode()


def write(folder, name, data):
    (HERE / "corpus" / folder / name).write_bytes(data)


def main():
    for folder in ("image", "text", "config-text"):
        shutil.rmtree(HERE / "corpus" / folder, ignore_errors=True)
        (HERE / "corpus" / folder).mkdir(parents=True)

    reset = image()
    texts = ["ZAP1", "VYP1", "příliš žluťoučký kůň úpěl", "A" * 32, "€ š ť ž ą ł", "TEST"]
    records = [b"11\xa0", b"10\x20", b"22\xa5", b"53\xfa", b"01\x20", b"00\x9f"]
    full = image([t.encode("cp1250") for t in texts], b"\x05\x01", records)

    write("image", "reset.bin", reset)
    write("image", "texts-records.bin", full)
    write("image", "decoded-length.bin", full[:715])
    write("image", "short.bin", reset[:714])
    write("image", "erased.bin", FF * 2048)
    write("image", "bad-code.bin", reset[:656] + b"A" + reset[657:])
    write("image", "longer.bin", full + FF * 952)
    # As the window writes it: the default-state bytes composed from 0x3F.
    write("image", "window-written.bin", image([t.encode("cp1250") for t in texts], b"\x35\x3e", records))
    write("image", "unknown-codes.bin", image(records=[b"84\x7f", b"95\x00", b"07\xff"]))

    write("text", "all-bytes.bin", bytes(range(256)))
    write("text", "line-breaks.bin", b"ab\r\ncd\n\x00\x7f\xa0")
    write("text", "texts-records.bin", full[:715])
    shown = "␀␍␊␡ příliš žluťoučký kůň € \u2029\u2028\r\n"
    write("text", "shown-utf16.bin", shown.encode("utf-16-le"))
    write("text", "unmapped-utf16.bin", "ZAP Ж 1".encode("utf-16-le"))

    rows = [("ZAP1", "RELE1", "SEPNUTI", 0, "ANO"), ("VYP1, \"hned\"", "RELE1", "ROZEPNUTI", 0, "NE"),
            ("příliš žluťoučký kůň úpěl", "RELE2", "IMPULS", 5, "ANO"), ("A" * 32, "RELE5", "ZMENA", 90, "ANO"),
            ("€ š ť ž ą ł", "SYSTEM", "RESET", 0, "NE"), ("TEST", "SYSTEM", "TEST", 95, "ANO")]
    as_json, as_csv = config_texts(rows, [1, 0, 1, 0, 0])
    write("config-text", "window.json", as_json)
    write("config-text", "window.csv", as_csv)
    write("config-text", "semicolons.csv", as_csv.replace(b",", b";").replace(b"VYP1; ", b"VYP1, "))
    write("config-text", "refused.csv", as_csv.replace(b"5,", b"-40,", 1))


if __name__ == "__main__":
    main()
