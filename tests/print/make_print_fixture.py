#!/usr/bin/env python3
"""Writes what applications hand the print queue: a PDF with an embedded TrueType font, a
link, an outline and Title/Author (argv[1]), a PostScript job (argv[2]), an A4 PDF of four
pages saying "Page 1" to "Page 4" (argv[3]), a 600x400 colour PNG (argv[4]) and a drawing of
a few KB as a PNG (argv[5]), and a PDF page of 600x400 points showing the PNG's pixels (argv[6]),
which pdftoppm turns into a JPEG (the standard library writes none)."""
import struct
import sys
import zlib


def pdf(objects, info=b""):
    out = bytearray(b"%PDF-1.4\n%\xe2\xe3\xcf\xd3\n")
    offsets = []
    for number, body in enumerate(objects, 1):
        offsets.append(len(out))
        out += b"%d 0 obj\n%s\nendobj\n" % (number, body)
    xref = len(out)
    out += b"xref\n0 %d\n0000000000 65535 f \n" % (len(objects) + 1)
    out += b"".join(b"%010d 00000 n \n" % o for o in offsets)
    out += b"trailer\n<< /Size %d /Root 1 0 R%s >>\nstartxref\n%d\n%%%%EOF\n" % (len(objects) + 1, info, xref)
    return out


font = open("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", "rb").read()
text = b"BT /F1 18 Tf 72 720 Td (Quarterly figures in DejaVu) Tj ET"
objects = [
    b"<< /Type /Catalog /Pages 2 0 R /Outlines 7 0 R >>",
    b"<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
    b"<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] /Contents 4 0 R"
    b" /Resources << /Font << /F1 5 0 R >> >> /Annots [9 0 R] >>",
    b"<< /Length %d >>\nstream\n%s\nendstream" % (len(text), text),
    b"<< /Type /Font /Subtype /TrueType /BaseFont /DejaVuSans /FirstChar 32 /LastChar 126"
    b" /Widths [" + b" 600" * 95 + b"] /Encoding /WinAnsiEncoding /FontDescriptor 6 0 R >>",
    b"<< /Type /FontDescriptor /FontName /DejaVuSans /Flags 32 /FontBBox [-1021 -463 1793 1232]"
    b" /ItalicAngle 0 /Ascent 928 /Descent -236 /CapHeight 729 /StemV 80 /FontFile2 10 0 R >>",
    b"<< /Type /Outlines /First 8 0 R /Last 8 0 R /Count 1 >>",
    b"<< /Title (Figures) /Parent 7 0 R /Dest [3 0 R /XYZ 0 842 0] >>",
    b"<< /Type /Annot /Subtype /Link /Rect [72 710 400 740] /Border [0 0 0]"
    b" /A << /S /URI /URI (https://example.org/figures) >> >>",
    b"<< /Length %d /Length1 %d /Filter /FlateDecode >>\nstream\n%s\nendstream"
    % (len(zlib.compress(font)), len(font), zlib.compress(font)),
    b"<< /Title (Quarterly Report) /Author (Ann Example) >>",
]
open(sys.argv[1], "wb").write(pdf(objects, b" /Info 11 0 R"))

open(sys.argv[2], "w").write("%!PS-Adobe-3.0\n%%Pages: 1\n%%EndComments\n%%Page: 1 1\n"
                             "/Helvetica findfont 20 scalefont setfont 72 700 moveto\n"
                             "(Notes from PostScript) show\nshowpage\n%%EOF\n")

pages = [b"<< /Type /Catalog /Pages 2 0 R >>",
         b"<< /Type /Pages /Kids [4 0 R 6 0 R 8 0 R 10 0 R] /Count 4 >>",
         b"<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>"]
for number in range(1, 5):
    text = b"BT /F1 24 Tf 72 720 Td (Page %d) Tj ET" % number
    pages += [b"<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] /Contents %d 0 R"
              b" /Resources << /Font << /F1 3 0 R >> >> >>" % (3 + 2 * number),
              b"<< /Length %d >>\nstream\n%s\nendstream" % (len(text), text)]
open(sys.argv[3], "wb").write(pdf(pages))


def chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


pixels = b"".join(b"\0" + bytes(v for x in range(600) for v in (x % 256, y % 256, (x + y) % 256))
                  for y in range(400))
open(sys.argv[4], "wb").write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", 600, 400, 8, 2, 0, 0, 0))
                              + chunk(b"IDAT", zlib.compress(pixels)) + chunk(b"IEND", b""))

drawing = b"".join(b"\0" + bytes(v for x in range(800) for v in ((0, 0, 160) if 100 < x < 700 and y % 60 < 4 else
                                                                 (255, 255, 255))) for y in range(600))
open(sys.argv[5], "wb").write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", 800, 600, 8, 2, 0, 0, 0))
                              + chunk(b"IDAT", zlib.compress(drawing, 9)) + chunk(b"IEND", b""))

image = zlib.compress(b"".join(pixels[y * 1801 + 1:(y + 1) * 1801] for y in range(400)))  # without PNG's row filters
show = b"q 600 0 0 400 0 0 cm /I Do Q"
open(sys.argv[6], "wb").write(pdf([
    b"<< /Type /Catalog /Pages 2 0 R >>", b"<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
    b"<< /Type /Page /Parent 2 0 R /MediaBox [0 0 600 400] /Contents 4 0 R /Resources << /XObject << /I 5 0 R >> >> >>",
    b"<< /Length %d >>\nstream\n%s\nendstream" % (len(show), show),
    b"<< /Type /XObject /Subtype /Image /Width 600 /Height 400 /ColorSpace /DeviceRGB /BitsPerComponent 8"
    b" /Filter /FlateDecode /Length %d >>\nstream\n%s\nendstream" % (len(image), image)]))
