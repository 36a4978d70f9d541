#include "PdfFixtures.h"

#include <QFile>
#include <QRegularExpression>

#include <qpdf/Pl_Buffer.hh>
#include <qpdf/Pl_Flate.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <cstdlib>

namespace zirn::test {

namespace {

QPDFObjectHandle object(QPDF& pdf, const std::string& syntax)
{
    return pdf.makeIndirectObject(QPDFObjectHandle::parse(syntax));
}

void addLinks(QPDF& pdf, const std::string& name)
{
    const std::vector<QPDFObjectHandle> pages = pdf.getAllPages();
    const QPDFObjectHandle last =
        QPDFObjectHandle::newArray({pages.back(), QPDFObjectHandle::newName("/Fit")});
    QPDFObjectHandle root = pdf.getRoot(), outlines = object(pdf, "<< /Type /Outlines >>");
    root.replaceKey("/Names", QPDFObjectHandle::parse("<< /Dests << /Names [(end)] >> >>"));
    root.getKey("/Names").getKey("/Dests").getKey("/Names").appendItem(last);
    root.replaceKey("/Outlines", outlines);
    root.replaceKey("/PageLabels", QPDFObjectHandle::parse("<< /Nums [0 << /S /D /P (" + name + "-) >>] >>"));
    QPDFObjectHandle field =
        object(pdf, "<< /FT /Tx /T (field) /V (" + name +
                        ") /Type /Annot /Subtype /Widget /F 4 /Rect [72 600 300 620] >>");
    root.replaceKey("/AcroForm",
                    QPDFObjectHandle::parse("<< /DA (/Helv 0 Tf 0 g) /DR << /Font << /Helv << /Type "
                                            "/Font /Subtype /Type1 /BaseFont /Helvetica >> >> >> >>"));
    root.getKey("/AcroForm").replaceKey("/Fields", QPDFObjectHandle::newArray({field}));
    QPDFObjectHandle previous;
    for (size_t i = 0; i < pages.size(); ++i) {
        const std::string number = std::to_string(i + 1);
        QPDFObjectHandle annotations = QPDFObjectHandle::newArray(
            {object(pdf, "<< /Type /Annot /Subtype /Link /Rect [72 700 300 720] /A << /S /URI /URI "
                         "(https://example.org/" +
                             name + "/" + number + ") >> >>"),
             object(pdf, "<< /Type /Annot /Subtype /Link /Rect [72 650 300 670] >>")});
        annotations.getArrayItem(1).replaceKey("/Dest", last);
        if (i == 0) {
            annotations.appendItem(object(
                pdf, "<< /Type /Annot /Subtype /Link /Rect [72 550 300 570] /A << /S /GoTo /D (end) >> >>"));
            field.replaceKey("/P", pages[i]);
            annotations.appendItem(field);
        }
        QPDFObjectHandle(pages[i]).replaceKey("/Annots", annotations);
        QPDFObjectHandle item = object(pdf, "<< /Title (" + name + " " + number + ") >>");
        item.replaceKey("/Parent", outlines);
        item.replaceKey("/Dest", QPDFObjectHandle::newArray({pages[i], QPDFObjectHandle::newName("/Fit")}));
        if (previous.isInitialized()) {
            item.replaceKey("/Prev", previous);
            previous.replaceKey("/Next", item);
        } else {
            outlines.replaceKey("/First", item);
        }
        outlines.replaceKey("/Last", item);
        previous = item;
    }
    outlines.replaceKey("/Count", QPDFObjectHandle::newInteger(static_cast<long long>(pages.size())));
}

} // namespace

void makePdf(const QString& path, const FixtureOptions& options)
{
    QPDF pdf;
    pdf.emptyPDF();
    for (int i = 0; i < options.pages; ++i) {
        const std::string number = std::to_string(i + 1);
        std::string text = "BT /F1 24 Tf 72 720 Td (" +
                           (options.links.isEmpty() ? "Page " : options.links.toStdString() + " page ") +
                           number + ") Tj ET";
        text.append(i == 0 ? options.padding : 0, ' ');
        QPDFObjectHandle page = QPDFObjectHandle::parse("<< /Type /Page /MediaBox [0 0 612 792] /Resources "
                                                        "<< /Font << /F1 << /Type /Font /Subtype /Type1 "
                                                        "/BaseFont /Helvetica >> >> >> >>");
        page.replaceKey("/Contents", QPDFObjectHandle::newStream(&pdf, text));
        QPDFPageDocumentHelper(pdf).addPage(QPDFPageObjectHelper(pdf.makeIndirectObject(page)), false);
    }
    if (options.info) {
        QPDFObjectHandle info = QPDFObjectHandle::parse(options.rawInfo.empty() ? "<< >>" : options.rawInfo);
        for (auto it = options.info->begin(); it != options.info->end(); ++it) // raw entries win
            if (!info.hasKey("/" + it.key().toStdString()))
                info.replaceKey("/" + it.key().toStdString(),
                                QPDFObjectHandle::newUnicodeString(it.value().toStdString()));
        pdf.getTrailer().replaceKey("/Info", pdf.makeIndirectObject(info));
    }
    if (!options.links.isEmpty())
        addLinks(pdf, options.links.toStdString());
    QPDFObjectHandle pages = pdf.getRoot().getKey("/Pages"), top = pages;
    for (int level = 0; level < std::abs(options.nesting); ++level) {
        QPDFObjectHandle node =
            pdf.makeIndirectObject(QPDFObjectHandle::parse("<< /Type /Pages /Count 0 >>"));
        node.replaceKey("/Kids", QPDFObjectHandle::newArray({top}));
        top = node;
    }
    if (options.nesting != 0) // the first page listed twice, as some producers do, or a loop
        pages.getKey("/Kids").appendItem(options.nesting > 0 ? pages.getKey("/Kids").getArrayItem(0) : top);
    pdf.getRoot().replaceKey("/Pages", top);
    if (options.xmp) {
        QPDFObjectHandle metadata = QPDFObjectHandle::newStream(&pdf, options.xmp->toStdString());
        if (options.deflateXmp) {
            Pl_Buffer deflated("xmp");
            Pl_Flate deflate("xmp", &deflated, Pl_Flate::a_deflate);
            deflate.write(reinterpret_cast<const unsigned char*>(options.xmp->constData()),
                          static_cast<size_t>(options.xmp->size()));
            deflate.finish();
            metadata.replaceStreamData(deflated.getBufferSharedPointer(),
                                       QPDFObjectHandle::newName("/FlateDecode"),
                                       QPDFObjectHandle::newNull());
            metadata.setFilterOnWrite(false);
        }
        metadata.getDict().replaceKey("/Type", QPDFObjectHandle::newName("/Metadata"));
        metadata.getDict().replaceKey("/Subtype", QPDFObjectHandle::newName("/XML"));
        pdf.getRoot().replaceKey("/Metadata", metadata);
    }
    const QByteArray fileName = QFile::encodeName(path); // qpdf keeps the pointer
    QPDFWriter writer(pdf, fileName.constData());
    writer.setStaticID(true);
    writer.setCompressStreams(options.padding == 0);
    if (options.encryptUserOwner) {
        const std::string user = options.encryptUserOwner->first.toStdString();
        const std::string owner = options.encryptUserOwner->second.toStdString();
        writer.setR4EncryptionParametersInsecure(user.c_str(), owner.c_str(), true, true, true, true, true,
                                                 true, qpdf_r3p_full, true, true);
    }
    writer.write();
    if (!options.damage.isEmpty()) {
        QFile file(path);
        file.open(QIODevice::ReadWrite);
        QByteArray data = file.readAll();
        for (const QRegularExpressionMatch& match :
             QRegularExpression(options.damage).globalMatch(QString::fromLatin1(data)))
            data.replace(match.capturedStart(), match.capturedLength(),
                         QByteArray(match.capturedLength(), ' '));
        file.seek(0);
        file.write(data);
    }
}

std::unique_ptr<QPDF> openWithQpdf(const QString& path, const char* password)
{
    try {
        auto pdf = std::make_unique<QPDF>();
        pdf->setSuppressWarnings(true);
        pdf->processFile(QFile::encodeName(path).constData(), password);
        return pdf;
    } catch (const std::exception&) {
        return nullptr;
    }
}

std::optional<QString> infoText(QPDF& pdf, const char* entry)
{
    QPDFObjectHandle value = pdf.getTrailer().getKey("/Info");
    value = value.isDictionary() ? value.getKey(std::string("/") + entry) : value;
    if (!value.isString())
        return std::nullopt;
    return QString::fromStdString(value.getUTF8Value());
}

} // namespace zirn::test
