#include "core/pdf/PdfDocument.h"

#include "core/pdf/Passwords.h"
#include "core/pdf/XmpMetadata.h"

#include <QFile>
#include <QFileInfo>

#include <qpdf/Pipeline.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFAcroFormDocumentHelper.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFOutlineDocumentHelper.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageLabelDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <algorithm>
#include <set>
#include <stdexcept>
#include <vector>

namespace zirn {

struct PdfDocument::Members
{
    QPDF pdf;
    bool damaged = false; // qpdf warned before its warnings were last taken
    // The further documents of a combined one: their pages' streams are read from them when
    // the combined one is written.
    std::vector<std::unique_ptr<PdfDocument>> parts;

    // Takes qpdf's warnings so far, the further documents' too; each one is a repair.
    bool takeWarnings()
    {
        damaged = !pdf.getWarnings().empty() || damaged;
        for (const auto& part : parts)
            damaged = part->m->takeWarnings() || damaged;
        return damaged;
    }
};

namespace {

// Thrown through the writer when the output file reports an error of its own.
struct WriteAborted
{};

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
    const std::string user = preparePassword(protection.userPassword, protection.method).bytes;
    const std::string owner = preparePassword(protection.ownerPassword, protection.method).bytes;
    if (protection.method == PdfProtection::Method::Aes256) {
        writer.setR6EncryptionParameters(user.c_str(), owner.c_str(), accessibility, extract, assemble,
                                         annotate, fillForms, modify, print, /*encrypt_metadata_aes=*/true);
        return;
    }
    writer.setR4EncryptionParametersInsecure(user.c_str(), owner.c_str(), accessibility, extract, assemble,
                                             annotate, fillForms, modify, print, /*encrypt_metadata=*/true,
                                             /*use_aes=*/true);
}

enum class PageTree { Sound, Unusable, TooDeep };

// The page tree walked without recursion, each node once, down to maxPageTreeDepth levels.
// qpdf's own walk recurses once per level, and a file of a few megabytes can nest its pages
// deep enough to exhaust any stack.
PageTree checkPageTree(QPDFObjectHandle root)
{
    // Some producers point the catalog at a page instead of at the root of the tree.
    QPDFObjectHandle top = root.getKey("/Pages");
    std::set<QPDFObjGen> above;
    while (top.isDictionary() && top.hasKey("/Parent") && above.insert(top.getObjGen()).second)
        top = top.getKey("/Parent");
    if (!top.isDictionary() || !top.getKey("/Kids").isArray())
        return PageTree::Unusable;
    // A node is marked while its subtree is walked, so that a loop is told from a subtree
    // that two nodes share. Direct nodes can neither loop nor be shared.
    struct Step
    {
        QPDFObjectHandle node;
        int depth;
        bool leaving;
    };
    std::vector<Step> steps{{top, 0, false}};
    std::set<QPDFObjGen> walked, onPath;
    while (!steps.empty()) {
        Step step = steps.back();
        steps.pop_back();
        const QPDFObjGen id = step.node.getObjGen();
        if (step.leaving) {
            onPath.erase(id);
            continue;
        }
        if (step.depth > PdfDocument::maxPageTreeDepth)
            return PageTree::TooDeep;
        if (step.node.isIndirect()) {
            if (onPath.count(id) != 0)
                return PageTree::Unusable;
            if (!walked.insert(id).second)
                continue;
            onPath.insert(id);
            steps.push_back({step.node, step.depth, true});
        }
        QPDFObjectHandle kids = step.node.getKey("/Kids");
        for (QPDFObjectHandle& kid :
             kids.isArray() ? kids.getArrayAsVector() : std::vector<QPDFObjectHandle>())
            if (kid.isDictionary())
                steps.push_back({kid, step.depth + 1, false});
    }
    return PageTree::Sound;
}

// Collects decoded data up to a limit and stops the decoder beyond it, so that a small stream
// that inflates to gigabytes costs no more than the limit.
class BoundedBuffer : public Pipeline
{
public:
    explicit BoundedBuffer(size_t limit) : Pipeline("bounded buffer", nullptr), m_limit(limit) {}

    void write(unsigned char const* data, size_t size) override
    {
        if (size > m_limit - static_cast<size_t>(m_data.size()))
            throw std::length_error("stream data beyond the limit");
        m_data.append(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    }
    void finish() override {}
    const QByteArray& data() const { return m_data; }

private:
    size_t m_limit;
    QByteArray m_data;
};

// The outline items below root (first and next, each once), walked without recursion.
std::vector<QPDFObjectHandle> outlineItems(QPDFObjectHandle root)
{
    if (!root.isDictionary())
        return {};
    std::vector<QPDFObjectHandle> items, pending{root.getKey("/First")};
    std::set<QPDFObjGen> seen;
    while (!pending.empty()) {
        QPDFObjectHandle item = pending.back();
        pending.pop_back();
        if (!item.isDictionary() || (item.isIndirect() && !seen.insert(item.getObjGen()).second))
            continue;
        items.push_back(item);
        pending.push_back(item.getKey("/Next"));
        pending.push_back(item.getKey("/First"));
    }
    return items;
}

// The items of one level: from first along next.
std::vector<QPDFObjectHandle> outlineLevel(QPDFObjectHandle parent)
{
    std::vector<QPDFObjectHandle> level;
    std::set<QPDFObjGen> seen;
    for (QPDFObjectHandle item = parent.getKey("/First");
         item.isDictionary() && (!item.isIndirect() || seen.insert(item.getObjGen()).second);
         item = item.getKey("/Next"))
        level.push_back(item);
    return level;
}

// A further document's links and bookmarks that lead to a named place would look the name up
// in the first document's names: they get the place itself. Its bookmarks lose their tie to
// its structure, which is not carried over. Done on the document read, before any copy.
void prepareForCopy(QPDF& source)
{
    QPDFOutlineDocumentHelper outlines(source);
    const auto resolve = [&outlines](QPDFObjectHandle holder, const char* key) {
        QPDFObjectHandle name = holder.getKey(key);
        if (!name.isName() && !name.isString())
            return;
        QPDFObjectHandle place = outlines.resolveNamedDest(name);
        if (place.isDictionary())
            place = place.getKey("/D");
        if (place.isArray())
            holder.replaceKey(key, place);
    };
    const auto resolveLink = [&resolve](QPDFObjectHandle item) {
        if (!item.isDictionary())
            return;
        resolve(item, "/Dest");
        if (QPDFObjectHandle action = item.getKey("/A");
            action.isDictionary() && action.getKey("/S").isNameAndEquals("/GoTo"))
            resolve(action, "/D");
    };
    for (QPDFObjectHandle page : source.getAllPages())
        if (QPDFObjectHandle annotations = page.getKey("/Annots"); annotations.isArray())
            for (QPDFObjectHandle& annotation : annotations.getArrayAsVector())
                resolveLink(annotation);
    for (QPDFObjectHandle& item : outlineItems(source.getRoot().getKey("/Outlines"))) {
        resolveLink(item);
        item.removeKey("/SE");
    }
}

// The further document's pages appended to pdf, each after the last, with their annotations and
// form fields. The annotations follow the pages: a link copied before the page it leads to would
// lead nowhere.
void appendPages(QPDF& pdf, QPDFAcroFormDocumentHelper& forms, QPDF& source)
{
    source.pushInheritedAttributesToPage();
    prepareForCopy(source);
    QPDFAcroFormDocumentHelper sourceForms(source);
    const bool hasForm = sourceForms.hasAcroForm();
    const std::vector<QPDFObjectHandle> pages = source.getAllPages();
    std::vector<QPDFObjectHandle> annotations;
    for (QPDFObjectHandle page : pages) {
        annotations.push_back(page.getKey("/Annots"));
        page.removeKey("/Annots");
    }
    std::vector<QPDFObjectHandle> copies;
    for (const QPDFObjectHandle& page : pages) {
        pdf.addPage(page, false);
        copies.push_back(pdf.copyForeignObject(page));
        // Its place in the source's structure tree, which is not carried over.
        copies.back().removeKey("/StructParents");
    }
    for (size_t i = 0; i < pages.size(); ++i) {
        QPDFObjectHandle page = pages[i], copy = copies[i], annotationsOfPage = annotations[i];
        if (!annotationsOfPage.isArray())
            continue;
        page.replaceKey("/Annots", annotationsOfPage);
        if (hasForm)
            forms.fixCopiedAnnotations(copy, page, sourceForms);
        else
            copy.replaceKey("/Annots",
                            pdf.copyForeignObject(annotationsOfPage.isIndirect()
                                                      ? annotationsOfPage
                                                      : source.makeIndirectObject(annotationsOfPage)));
        if (QPDFObjectHandle copied = copy.getKey("/Annots"); copied.isArray())
            for (QPDFObjectHandle& annotation : copied.getArrayAsVector())
                if (annotation.isDictionary())
                    annotation.removeKey("/StructParent");
    }
}

// The outline entry of one document: its name, its first page, and below it the top-level
// items of outlines (the document's own, in pdf already), closed.
QPDFObjectHandle documentEntry(QPDF& pdf, const QString& name, QPDFObjectHandle firstPage,
                               QPDFObjectHandle outlines)
{
    QPDFObjectHandle entry = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
    entry.replaceKey("/Title", QPDFObjectHandle::newUnicodeString(name.toStdString()));
    entry.replaceKey("/Dest", QPDFObjectHandle::newArray(
                                  {firstPage, QPDFObjectHandle::newName("/XYZ"), QPDFObjectHandle::newNull(),
                                   QPDFObjectHandle::newNull(), QPDFObjectHandle::newNull()}));
    std::vector<QPDFObjectHandle> items =
        outlines.isDictionary() ? outlineLevel(outlines) : std::vector<QPDFObjectHandle>();
    if (items.empty())
        return entry;
    // Closed: the count of what opening it shows, negative.
    long long shown = 0;
    for (QPDFObjectHandle item : items) {
        item.replaceKey("/Parent", entry);
        QPDFObjectHandle count = item.getKey("/Count");
        shown += 1 + (count.isInteger() && count.getIntValue() > 0 ? count.getIntValue() : 0);
    }
    items.back().removeKey("/Next");
    entry.replaceKey("/First", items.front());
    entry.replaceKey("/Last", items.back());
    entry.replaceKey("/Count", QPDFObjectHandle::newInteger(-shown));
    return entry;
}

} // namespace

PdfDocument::PdfDocument() : m(std::make_unique<Members>()) {}

PdfDocument::~PdfDocument() = default;

std::unique_ptr<PdfDocument> PdfDocument::open(const QString& path, OpenFailure* failure)
{
    if (failure)
        *failure = OpenFailure::Unreadable;
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
        const PageTree tree = checkPageTree(pdf.getRoot());
        if (tree != PageTree::Sound) {
            if (failure && tree == PageTree::TooDeep)
                *failure = OpenFailure::PagesTooDeep;
            return nullptr;
        }
        return document;
    } catch (const std::exception&) {
        return nullptr;
    } catch (...) {
        return nullptr;
    }
}

std::unique_ptr<PdfDocument> PdfDocument::combine(const QList<DocumentPart>& parts, qsizetype* failedPart,
                                                  OpenFailure* failure)
{
    std::vector<std::unique_ptr<PdfDocument>> opened;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        opened.push_back(open(parts[i].path, failure));
        if (!opened.back()) {
            if (failedPart)
                *failedPart = i;
            return nullptr;
        }
    }
    if (opened.empty())
        return nullptr;
    size_t i = 0; // the document being joined
    try {
        std::unique_ptr<PdfDocument> result = std::move(opened.front());
        QPDF& pdf = result->m->pdf;
        pdf.pushInheritedAttributesToPage();
        QPDFAcroFormDocumentHelper forms(pdf);
        std::vector<QPDFObjectHandle> labels, entries;
        bool anyLabels = false;
        long long pageCount = 0;
        for (; i < opened.size(); ++i) {
            QPDF& source = i == 0 ? pdf : opened[i]->m->pdf;
            QPDFPageLabelDocumentHelper pageLabels(source);
            anyLabels = pageLabels.hasPageLabels() || anyLabels;
            const long long pages = static_cast<long long>(source.getAllPages().size());
            if (pages == 0)
                continue;
            // Without labels of its own, its pages keep the numbers they show in the joined
            // document as long as no document has labels.
            if (pageLabels.hasPageLabels())
                pageLabels.getLabelsForPageRange(0, pages - 1, pageCount, labels);
            else
                labels.insert(labels.end(), {QPDFObjectHandle::newInteger(pageCount),
                                             QPDFObjectHandle::parse("<< /S /D /St " +
                                                                     std::to_string(pageCount + 1) + " >>")});
            QPDFObjectHandle outlines = source.getRoot().getKey("/Outlines");
            if (i > 0) {
                appendPages(pdf, forms, source);
                // Copied once its pages are, so that its bookmarks lead to them.
                outlines = outlines.isDictionary() && outlines.isIndirect() ? pdf.copyForeignObject(outlines)
                                                                            : QPDFObjectHandle::newNull();
            }
            entries.push_back(documentEntry(pdf, parts[static_cast<qsizetype>(i)].name,
                                            pdf.getAllPages().at(static_cast<size_t>(pageCount)), outlines));
            pageCount += pages;
        }
        QPDFObjectHandle outlines = pdf.makeIndirectObject(QPDFObjectHandle::parse("<< /Type /Outlines >>"));
        for (size_t e = 0; e < entries.size(); ++e) {
            entries[e].replaceKey("/Parent", outlines);
            if (e > 0) {
                entries[e].replaceKey("/Prev", entries[e - 1]);
                entries[e - 1].replaceKey("/Next", entries[e]);
            }
        }
        if (!entries.empty()) {
            outlines.replaceKey("/First", entries.front());
            outlines.replaceKey("/Last", entries.back());
            outlines.replaceKey("/Count",
                                QPDFObjectHandle::newInteger(static_cast<long long>(entries.size())));
        }
        pdf.getRoot().replaceKey("/Outlines", outlines);
        if (anyLabels)
            pdf.getRoot().replaceKey("/PageLabels", QPDFObjectHandle::newDictionary(
                                                        {{"/Nums", QPDFObjectHandle::newArray(labels)}}));
        for (size_t p = 1; p < opened.size(); ++p)
            result->m->parts.push_back(std::move(opened[p]));
        return result;
    } catch (const std::exception&) {
        if (failedPart)
            *failedPart = static_cast<qsizetype>(std::min(i, opened.size() - 1));
        if (failure)
            *failure = OpenFailure::Unreadable;
        return nullptr;
    }
}

int PdfDocument::pageCount() const
{
    try {
        return static_cast<int>(m->pdf.getAllPages().size());
    } catch (const std::exception&) {
        return 0;
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
        BoundedBuffer packet(maxMetadataSize);
        bool decoded = false;
        m->takeWarnings();
        const bool complete = metadata.pipeStreamData(&packet, &decoded, 0, qpdf_dl_generalized,
                                                      /*suppress_warnings=*/true);
        // The decoder's complaints about a packet cut off or kept as it is are no repair.
        m->pdf.getWarnings();
        if (!complete || !decoded)
            return;
        // Stored unfiltered, as XMP usually is, so that tools which scan files for packets
        // find it.
        if (const std::optional<QByteArray> updated = updateXmpPacket(packet.data(), fields))
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
        // qpdf writes the trailer's /Size only where the trailer it read has one, and a
        // repaired trailer may lack it; the value is the writer's own.
        QPDFObjectHandle trailer = m->pdf.getTrailer();
        if (!trailer.hasKey("/Size"))
            trailer.replaceKey("/Size", QPDFObjectHandle::newInteger(0));
        // qpdf writes the catalog's metadata uncompressed into a file without encryption,
        // however large it inflates; it is copied as it is, as every other stream.
        if (QPDFObjectHandle metadata = m->pdf.getRoot().getKey("/Metadata"); metadata.isStream())
            metadata.setFilterOnWrite(false);
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

bool PdfDocument::repaired()
{
    return m->takeWarnings();
}

} // namespace zirn
