// Writes a large PDF for the benchmark: N pages, each with its own photo-like image and a
// line of text, so that the file is big and its objects are all distinct. The images are
// JPEG, or with "raw" stored uncompressed as some printing paths leave them (and then the
// page contents too).
//
//   zirn-bench-make-large <output.pdf> [pages=2000] [image-edge=320] [jpeg|raw]

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QRandomGenerator>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <cstdio>
#include <string>

namespace {

QImage noise(int edge, quint32 seed)
{
    QRandomGenerator random(seed);
    QImage image(edge, edge, QImage::Format_RGB888);
    for (int y = 0; y < edge; ++y) {
        uchar* line = image.scanLine(y);
        for (int x = 0; x < edge * 3; ++x)
            line[x] = static_cast<uchar>(random.bounded(256));
    }
    return image;
}

std::string rawSamples(const QImage& image)
{
    std::string samples;
    for (int y = 0; y < image.height(); ++y)
        samples.append(reinterpret_cast<const char*>(image.constScanLine(y)),
                       static_cast<size_t>(image.width()) * 3);
    return samples;
}

std::string jpeg(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 85);
    return bytes.toStdString();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s output.pdf [pages] [image-edge]\n", argv[0]);
        return 2;
    }
    const int pages = argc > 2 ? std::stoi(argv[2]) : 2000;
    const int edge = argc > 3 ? std::stoi(argv[3]) : 320;
    const bool raw = argc > 4 && std::string(argv[4]) == "raw";

    QPDF pdf;
    pdf.emptyPDF();
    QPDFPageDocumentHelper pageHelper(pdf);
    QPDFObjectHandle font = pdf.makeIndirectObject(
        QPDFObjectHandle::parse("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>"));
    for (int i = 0; i < pages; ++i) {
        const QImage picture = noise(edge, static_cast<quint32>(i + 1));
        QPDFObjectHandle image = QPDFObjectHandle::newStream(&pdf, raw ? rawSamples(picture) : jpeg(picture));
        image.replaceDict(QPDFObjectHandle::parse(std::string("<< /Type /XObject /Subtype /Image /ColorSpace "
                                                              "/DeviceRGB /BitsPerComponent 8 ") +
                                                  (raw ? "" : "/Filter /DCTDecode ") + "/Width " +
                                                  std::to_string(edge) + " /Height " + std::to_string(edge) +
                                                  " >>"));
        const std::string content = "q 500 0 0 500 56 200 cm /Im1 Do Q BT /F1 18 Tf 56 740 Td (Page " +
                                    std::to_string(i + 1) + " of " + std::to_string(pages) + ") Tj ET";
        QPDFObjectHandle page = QPDFObjectHandle::parse("<< /Type /Page /MediaBox [0 0 612 792] >>");
        page.replaceKey("/Contents", QPDFObjectHandle::newStream(&pdf, content));
        QPDFObjectHandle resources = QPDFObjectHandle::parse("<< /Font << >> /XObject << >> >>");
        resources.getKey("/Font").replaceKey("/F1", font);
        resources.getKey("/XObject").replaceKey("/Im1", image);
        page.replaceKey("/Resources", resources);
        pageHelper.addPage(QPDFPageObjectHelper(pdf.makeIndirectObject(page)), false);
    }
    QPDFObjectHandle info = QPDFObjectHandle::parse("<< /Title (Benchmark input) /Producer (zirn-bench) >>");
    pdf.getTrailer().replaceKey("/Info", pdf.makeIndirectObject(info));
    QPDFWriter writer(pdf, argv[1]);
    writer.setCompressStreams(!raw);
    writer.write();
    return 0;
}
