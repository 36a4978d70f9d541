#!/usr/bin/env python3
"""Writes what an application hands the print queue: a PDF with an embedded TrueType font,
a link, an outline and Title/Author (argv[1]), and a PostScript job (argv[2])."""
import sys
import zlib

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
out = bytearray(b"%PDF-1.4\n%\xe2\xe3\xcf\xd3\n")
offsets = []
for number, body in enumerate(objects, 1):
    offsets.append(len(out))
    out += b"%d 0 obj\n%s\nendobj\n" % (number, body)
xref = len(out)
out += b"xref\n0 %d\n0000000000 65535 f \n" % (len(objects) + 1)
out += b"".join(b"%010d 00000 n \n" % o for o in offsets)
out += b"trailer\n<< /Size %d /Root 1 0 R /Info 11 0 R >>\nstartxref\n%d\n%%%%EOF\n" % (len(objects) + 1, xref)
open(sys.argv[1], "wb").write(out)

open(sys.argv[2], "w").write("%!PS-Adobe-3.0\n%%Pages: 1\n%%EndComments\n%%Page: 1 1\n"
                             "/Helvetica findfont 20 scalefont setfont 72 700 moveto\n"
                             "(Notes from PostScript) show\nshowpage\n%%EOF\n")
