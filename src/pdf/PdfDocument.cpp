#include "pdf/PdfDocument.h"

#include "pdf/XmpMetadata.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFWriter.hh>
#include <qpdf/QUtil.hh>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace zirn {

struct PdfDocument::Members
{
    QPDF pdf;
};

namespace {

std::string pdfDocPassword(const QString& password)
{
    std::string encoded;
    QUtil::utf8_to_pdf_doc(password.toStdString(), encoded);
    return encoded;
}

// A file beside target, created with the usual permissions (0666 less the umask) under a
// name nobody else uses. Returns its path and an open stream, or nothing.
std::optional<std::pair<QString, FILE*>> createTemporaryBeside(const QString& target)
{
    const QFileInfo info(target);
    const QString folder = info.absolutePath();
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString candidate = QStringLiteral("%1/.%2.%3.part")
                                      .arg(folder, info.fileName())
                                      .arg(QRandomGenerator::global()->generate64(), 16, 16, QChar(u'0'));
        const QByteArray encoded = QFile::encodeName(candidate);
        const int fd = ::open(encoded.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            return std::nullopt;
        }
        FILE* stream = ::fdopen(fd, "wb");
        if (!stream) {
            ::close(fd);
            ::unlink(encoded.constData());
            return std::nullopt;
        }
        return std::pair{candidate, stream};
    }
    return std::nullopt;
}

void configureProtection(QPDFWriter& writer, const PdfProtection& protection)
{
    const quint32 bits = protection.permissions;
    const qpdf_r3_print_e print = (bits & 2u) ? qpdf_r3p_full : (bits & 1u) ? qpdf_r3p_low : qpdf_r3p_none;
    const std::string user = pdfDocPassword(protection.userPassword);
    const std::string owner = pdfDocPassword(protection.ownerPassword);
    writer.setR4EncryptionParametersInsecure(user.c_str(), owner.c_str(),
                                             /*allow_accessibility=*/(bits & 32u) != 0,
                                             /*allow_extract=*/(bits & 16u) != 0,
                                             /*allow_assemble=*/(bits & 8u) != 0,
                                             /*allow_annotate_and_form=*/(bits & 64u) != 0,
                                             /*allow_form_filling=*/(bits & 128u) != 0,
                                             /*allow_modify_other=*/(bits & 4u) != 0, print,
                                             /*encrypt_metadata=*/false,
                                             /*use_aes=*/true);
}

} // namespace

PdfDocument::PdfDocument() : m(std::make_unique<Members>()) {}

PdfDocument::~PdfDocument() = default;

std::unique_ptr<PdfDocument> PdfDocument::open(const QString& path)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return nullptr;
    try {
        std::unique_ptr<PdfDocument> document(new PdfDocument);
        QPDF& pdf = document->m->pdf;
        pdf.setSuppressWarnings(true);
        pdf.processFile(QFile::encodeName(path).constData(), "");
        // A file that qpdf could only "recover" into something without a page tree is no PDF.
        if (!pdf.getRoot().isDictionary())
            return nullptr;
        pdf.getAllPages();
        return document;
    } catch (const std::exception&) {
        return nullptr;
    } catch (...) {
        return nullptr;
    }
}

std::optional<DocumentInfo> PdfDocument::documentInfo() const
{
    try {
        QPDFObjectHandle info = m->pdf.getTrailer().getKey("/Info");
        if (!info.isDictionary())
            return std::nullopt;
        DocumentInfo result;
        for (const std::string& name : info.getKeys()) {
            QPDFObjectHandle value = info.getKey(name);
            const QString entry = QString::fromStdString(name.substr(1));
            if (value.isString())
                result.insert(entry, QString::fromStdString(value.getUTF8Value()));
            else
                result.insert(entry, std::nullopt);
        }
        return result;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

void PdfDocument::setDocumentInfo(const DocumentFields& fields)
{
    try {
        // The dictionary is changed in place, so that every entry not named here stays the
        // very object that was read.
        QPDFObjectHandle trailer = m->pdf.getTrailer();
        QPDFObjectHandle info = trailer.getKey("/Info");
        if (!info.isDictionary()) {
            info = m->pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
            trailer.replaceKey("/Info", info);
        }
        const auto text = [](const QString& value) {
            return QPDFObjectHandle::newUnicodeString(value.toStdString());
        };
        info.replaceKey("/Title", text(fields.title));
        info.replaceKey("/Subject", text(fields.subject));
        info.replaceKey("/Keywords", text(fields.keywords));
        info.replaceKey("/Author", text(fields.author));
        info.replaceKey("/Creator", text(fields.creator));
    } catch (const std::exception&) {
        // The dictionary stays as it was; the write that follows reports real trouble.
    }
    try {
        QPDFObjectHandle metadata = m->pdf.getRoot().getKey("/Metadata");
        if (!metadata.isStream())
            return;
        const std::shared_ptr<Buffer> data = metadata.getStreamData(qpdf_dl_generalized);
        const QByteArray packet(reinterpret_cast<const char*>(data->getBuffer()),
                                static_cast<qsizetype>(data->getSize()));
        // Stored unfiltered, as XMP usually is, so that tools which scan files for packets
        // find it.
        if (const std::optional<QByteArray> updated = updateXmpPacket(packet, fields))
            metadata.replaceStreamData(updated->toStdString(), QPDFObjectHandle::newNull(),
                                       QPDFObjectHandle::newNull());
    } catch (const std::exception&) {
        // Metadata that cannot be decoded is kept as it is.
    }
}

bool PdfDocument::write(const QString& path, const std::optional<PdfProtection>& protection,
                        const Progress& progress)
{
    const auto temporary = createTemporaryBeside(path);
    if (!temporary)
        return false;
    const auto& [temporaryPath, stream] = *temporary;
    const QByteArray encodedTemporary = QFile::encodeName(temporaryPath);

    bool ok = false;
    try {
        QPDFWriter writer(m->pdf);
        writer.setOutputFile(encodedTemporary.constData(), stream, /*close_file=*/false);
        if (protection)
            configureProtection(writer, *protection);
        else
            writer.setPreserveEncryption(false);
        if (progress)
            writer.registerProgressReporter(std::make_shared<QPDFWriter::FunctionProgressReporter>(progress));
        writer.write();
        ok = true;
    } catch (const std::exception&) {
        ok = false;
    } catch (...) {
        ok = false;
    }
    // A full disk may show only when the buffered data is flushed or the file is closed.
    // Reaching the platter is left to syncToDisk, which the application calls before it
    // deletes the input document; a Create that ends the program is not slowed by it.
    ok = (std::fflush(stream) == 0) && ok;
    ok = (std::fclose(stream) == 0) && ok;
    if (ok)
        ok = ::rename(encodedTemporary.constData(), QFile::encodeName(path).constData()) == 0;
    if (!ok)
        ::unlink(encodedTemporary.constData());
    return ok;
}

bool PdfDocument::syncToDisk(const QString& path)
{
    const auto syncPath = [](const QString& p, int flags) {
        const int fd = ::open(QFile::encodeName(p).constData(), flags | O_CLOEXEC);
        if (fd < 0)
            return false;
        const bool synced = ::fsync(fd) == 0;
        ::close(fd);
        return synced;
    };
    return syncPath(path, O_RDONLY) && syncPath(QFileInfo(path).absolutePath(), O_RDONLY | O_DIRECTORY);
}

bool PdfDocument::canEncodePassword(const QString& password)
{
    std::string encoded;
    return QUtil::utf8_to_pdf_doc(password.toStdString(), encoded);
}

} // namespace zirn
