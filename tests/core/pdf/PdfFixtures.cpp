#include "PdfFixtures.h"

#include <QFile>

#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

namespace zirn::test {

void makePdf(const QString& path, const FixtureOptions& options)
{
    QPDF pdf;
    pdf.emptyPDF();
    QPDFObjectHandle font = pdf.makeIndirectObject(
        QPDFObjectHandle::parse("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>"));
    for (int i = 0; i < options.pages; ++i) {
        std::string text = "BT /F1 24 Tf 72 720 Td (Page " + std::to_string(i + 1) + ") Tj ET";
        if (i == 0)
            text.append(options.padding, ' ');
        QPDFObjectHandle contents = QPDFObjectHandle::newStream(&pdf, text);
        QPDFObjectHandle page = QPDFObjectHandle::parse("<< /Type /Page /MediaBox [0 0 612 792] >>");
        page.replaceKey("/Contents", contents);
        QPDFObjectHandle resources = QPDFObjectHandle::newDictionary();
        QPDFObjectHandle fonts = QPDFObjectHandle::newDictionary();
        fonts.replaceKey("/F1", font);
        resources.replaceKey("/Font", fonts);
        page.replaceKey("/Resources", resources);
        QPDFPageDocumentHelper(pdf).addPage(QPDFPageObjectHelper(pdf.makeIndirectObject(page)), false);
    }
    if (options.info) {
        QPDFObjectHandle info = QPDFObjectHandle::newDictionary();
        for (auto it = options.info->begin(); it != options.info->end(); ++it)
            info.replaceKey("/" + it.key().toStdString(),
                            QPDFObjectHandle::newUnicodeString(it.value().toStdString()));
        if (!options.rawInfo.empty())
            for (const auto& [name, value] : QPDFObjectHandle::parse(options.rawInfo).getDictAsMap())
                info.replaceKey(name, value);
        pdf.getTrailer().replaceKey("/Info", pdf.makeIndirectObject(info));
    }
    if (options.xmp) {
        QPDFObjectHandle metadata = QPDFObjectHandle::newStream(&pdf, options.xmp->toStdString());
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
    if (options.damaged) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        QByteArray bytes = file.readAll();
        file.close();
        bytes.truncate(bytes.lastIndexOf("startxref"));
        file.open(QIODevice::WriteOnly);
        file.write(bytes + "startxref\n12345\n%%EOF\n");
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
    QPDFObjectHandle info = pdf.getTrailer().getKey("/Info");
    if (!info.isDictionary())
        return std::nullopt;
    QPDFObjectHandle value = info.getKey(std::string("/") + entry);
    if (!value.isString())
        return std::nullopt;
    return QString::fromStdString(value.getUTF8Value());
}

} // namespace zirn::test
