#include "core/pdf/PdfDocument.h"

#include "core/pdf/XmpMetadata.h"

#include <QFile>
#include <QFileInfo>

#include <qpdf/Buffer.hh>
#include <qpdf/Pipeline.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFWriter.hh>
#include <qpdf/QUtil.hh>

namespace zirn {

struct PdfDocument::Members
{
    QPDF pdf;
};

namespace {

// Thrown through the writer when the output file reports an error of its own.
struct WriteAborted
{};

std::string pdfDocPassword(const QString& password)
{
    std::string encoded;
    QUtil::utf8_to_pdf_doc(password.toStdString(), encoded);
    return encoded;
}

// The writer's output into an OutputFile, in blocks. The writer calls this also from
// destructors (the last block of an encrypted stream), where an exception would end the
// program, so an error is only recorded: later data is dropped, and the write is stopped
// from the progress report, a place where throwing is safe.
class OutputPipeline : public Pipeline
{
public:
    explicit OutputPipeline(OutputFile& output) : Pipeline("output file", nullptr), m_output(output) {}

    void write(unsigned char const* data, size_t size) override
    {
        if (m_failure)
            return;
        if (m_buffer.size() + size > blockSize)
            flush();
        if (size >= blockSize)
            put(data, size);
        else
            m_buffer.append(reinterpret_cast<const char*>(data), size);
    }
    void finish() override { flush(); }
    const std::optional<FileFailure>& failure() const { return m_failure; }

private:
    static constexpr size_t blockSize = 256 * 1024;

    void flush()
    {
        put(reinterpret_cast<const unsigned char*>(m_buffer.data()), m_buffer.size());
        m_buffer.clear();
    }
    void put(const unsigned char* data, size_t size)
    {
        if (!m_failure && size > 0)
            m_failure = m_output.write(reinterpret_cast<const char*>(data), size);
    }

    OutputFile& m_output;
    std::string m_buffer;
    std::optional<FileFailure> m_failure;
};

void configureProtection(QPDFWriter& writer, const PdfProtection& protection)
{
    const quint32 bits = protection.permissions;
    const qpdf_r3_print_e print = (bits & 2u) ? qpdf_r3p_full : (bits & 1u) ? qpdf_r3p_low : qpdf_r3p_none;
    const bool accessibility = (bits & 32u) != 0, extract = (bits & 16u) != 0, assemble = (bits & 8u) != 0,
               annotate = (bits & 64u) != 0, fillForms = (bits & 128u) != 0, modify = (bits & 4u) != 0;
    // Revision 6 takes the passwords as UTF-8, revision 4 in PDFDocEncoding.
    if (protection.method == PdfProtection::Method::Aes256) {
        const std::string user = protection.userPassword.toStdString();
        const std::string owner = protection.ownerPassword.toStdString();
        writer.setR6EncryptionParameters(user.c_str(), owner.c_str(), accessibility, extract, assemble,
                                         annotate, fillForms, modify, print, /*encrypt_metadata_aes=*/true);
        return;
    }
    const std::string user = pdfDocPassword(protection.userPassword);
    const std::string owner = pdfDocPassword(protection.ownerPassword);
    writer.setR4EncryptionParametersInsecure(user.c_str(), owner.c_str(), accessibility, extract, assemble,
                                             annotate, fillForms, modify, print, /*encrypt_metadata=*/true,
                                             /*use_aes=*/true);
}

} // namespace

PdfDocument::PdfDocument() : m(std::make_unique<Members>()) {}

PdfDocument::~PdfDocument() = default;

std::unique_ptr<PdfDocument> PdfDocument::open(const QString& path)
{
    if (!QFileInfo(path).isFile())
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

DocumentInfo PdfDocument::documentInfo() const
{
    DocumentInfo result;
    try {
        QPDFObjectHandle info = m->pdf.getTrailer().getKey("/Info");
        if (!info.isDictionary())
            return result;
        for (const std::string& name : info.getKeys()) {
            QPDFObjectHandle value = info.getKey(name);
            if (value.isString())
                result.insert(QString::fromStdString(name.substr(1)),
                              QString::fromStdString(value.getUTF8Value()));
        }
    } catch (const std::exception&) {
        return {};
    }
    return result;
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

std::optional<FileFailure> PdfDocument::write(OutputFile& output,
                                              const std::optional<PdfProtection>& protection,
                                              const Progress& progress)
{
    OutputPipeline pipeline(output);
    try {
        QPDFWriter writer(m->pdf);
        writer.setOutputPipeline(&pipeline);
        // The job is to stamp and protect the document, not to recompress it: compressing
        // uncompressed images costs several times the whole write.
        writer.setCompressStreams(false);
        writer.setDecodeLevel(qpdf_dl_none);
        if (protection)
            configureProtection(writer, *protection);
        else
            writer.setPreserveEncryption(false);
        writer.registerProgressReporter(
            std::make_shared<QPDFWriter::FunctionProgressReporter>([&pipeline, &progress](int percent) {
                if (pipeline.failure())
                    throw WriteAborted();
                progress(percent);
            }));
        writer.write();
        pipeline.finish();
        return pipeline.failure();
    } catch (const WriteAborted&) {
        return pipeline.failure();
    } catch (const std::exception& e) {
        return FileFailure{0, QString::fromStdString(e.what())};
    } catch (...) {
        return FileFailure{0, {}};
    }
}

PdfDocument::PasswordProblem PdfDocument::checkPasswords(const PdfProtection& protection)
{
    const bool aes256 = protection.method == PdfProtection::Method::Aes256;
    // The bytes that the method stores.
    std::string user, owner;
    if (aes256) {
        user = protection.userPassword.toStdString();
        owner = protection.ownerPassword.toStdString();
    } else if (!QUtil::utf8_to_pdf_doc(protection.userPassword.toStdString(), user) ||
               !QUtil::utf8_to_pdf_doc(protection.ownerPassword.toStdString(), owner)) {
        return PasswordProblem::NotEncodable;
    }
    if (!user.empty() && user == owner)
        return PasswordProblem::SameAsMaster;
    if (!aes256 && !user.empty() && user.compare(0, 32, owner, 0, 32) == 0)
        return PasswordProblem::SameStart;
    const size_t holds = aes256 ? 127 : 32;
    if (user.size() > holds || owner.size() > holds)
        return PasswordProblem::TooLong;
    return PasswordProblem::None;
}

} // namespace zirn
