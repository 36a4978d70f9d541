// zirn-texttopdf: the print queue's filter for plain text, installed in CUPS's filter folder.
// CUPS runs it as its own unprivileged user with "job-id user title copies options [file]"
// and reads the PDF from its standard output. The text keeps its characters (a PDF viewer
// finds and copies them); the page is what CUPS's own text filter draws: a monospaced font at
// 10 characters per inch and 6 lines per inch unless the job's cpi and lpi say otherwise, 80
// characters to a line where the paper allows, longer lines wrapped, a form feed starting a
// new page.
//
// A job's text is anybody's: nothing it brings is unbounded. The text is read as a stream,
// twice (once to tell UTF-8 from Latin-1, once to draw), and drawn row by row, so memory does
// not grow with its size and time grows in step with it. The filter runs under limits of its
// own on address space, file size and processor time, its output is bounded as a file under
// that limit would be, and the job's user and title vanish from its arguments once read.

#include "core/files/Files.h"
#include "print/FilterLimits.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// 20 MB of text (about 5,500 pages) make 15 MB of PDF in about ten seconds of processor time
// with about 22 MiB resident, well inside the filters' limits. Qt takes some 120 MiB of address
// space to start, more with many fonts, whose files it maps whole. A form feed makes a page of
// about 600 bytes of PDF and 36 bytes of memory until the end: the bound on the output bounds
// those too.
constexpr qint64 kChunk = 64 * 1024;

// The value of name in CUPS's "name=value ..." option string, or empty.
QString option(const QString& options, const QString& name)
{
    for (const QString& token : options.split(u' ', Qt::SkipEmptyParts))
        if (token.startsWith(name + u'='))
            return token.mid(name.size() + 1);
    return {};
}

// The queue's paper sizes by the names CUPS gives them; A4 otherwise.
QPageSize paper(const QString& options)
{
    QString name = option(options, QStringLiteral("PageSize"));
    if (name.isEmpty())
        name = option(options, QStringLiteral("media")).section(u',', 0, 0);
    for (const auto id : {QPageSize::A4, QPageSize::Letter, QPageSize::Legal, QPageSize::A3, QPageSize::A5})
        if (name.compare(QPageSize::key(id), Qt::CaseInsensitive) == 0 ||
            name.compare(QPageSize(id).name(), Qt::CaseInsensitive) == 0)
            return QPageSize(id);
    return QPageSize(QPageSize::A4);
}

// The job's text, readable from the start again: the file CUPS names or standard input where
// it is a file, else a copy of what comes in CUPS's temporary folder, removed at once (the
// file-size limit bounds it).
int openText(const char* file)
{
    const int in = file ? ::open(file, O_RDONLY | O_CLOEXEC) : STDIN_FILENO;
    struct stat info
    {};
    if (in < 0 || (::fstat(in, &info) == 0 && S_ISREG(info.st_mode) && ::lseek(in, 0, SEEK_SET) == 0))
        return in;
    const char* folder = std::getenv("TMPDIR");
    std::string name = std::string(folder && *folder ? folder : "/tmp") + "/zirn-texttopdf-XXXXXX";
    const int copy = ::mkostemp(name.data(), O_CLOEXEC);
    if (copy < 0)
        return -1;
    ::unlink(name.c_str());
    char buffer[kChunk];
    for (ssize_t got; (got = ::read(in, buffer, sizeof buffer)) != 0;) {
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0 || !zirn::files::writeAll(copy, buffer, static_cast<size_t>(got))) {
            const int error = errno;
            ::close(copy);
            errno = error;
            return -1;
        }
    }
    return copy;
}

// The bytes at the end of data that begin a UTF-8 sequence the next chunk completes.
qsizetype incompleteTail(QByteArrayView data)
{
    for (qsizetype back = 1; back <= std::min<qsizetype>(3, data.size()); ++back) {
        const auto byte = static_cast<uchar>(data[data.size() - back]);
        if ((byte & 0xC0) == 0x80)
            continue;
        const qsizetype length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        return length > back ? back : 0;
    }
    return 0;
}

// Reads fd from its start in chunks that never split a UTF-8 sequence, handing each to take
// until take answers false. False when a read fails.
template <typename Take>
bool readChunks(int fd, Take take)
{
    if (::lseek(fd, 0, SEEK_SET) != 0)
        return false;
    QByteArray chunk;
    for (;;) {
        const qsizetype kept = chunk.size();
        chunk.resize(kept + kChunk);
        const ssize_t got = ::read(fd, chunk.data() + kept, kChunk);
        if (got < 0 && errno == EINTR) {
            chunk.resize(kept);
            continue;
        }
        if (got < 0)
            return false;
        chunk.resize(kept + got);
        if (got == 0) {
            take(QByteArrayView(chunk));
            return true;
        }
        const qsizetype tail = incompleteTail(chunk);
        if (!take(QByteArrayView(chunk).first(chunk.size() - tail)))
            return true;
        chunk.remove(0, chunk.size() - tail);
    }
}

// Lays the text out row by row as it comes. Tabs are blanks to the next multiple of 8, a
// line longer than a row wraps, a form feed starts a new page (an empty line beside it draws
// nothing), "\r\n" ends a line as "\n" does.
class TextPages
{
public:
    TextPages(QPdfWriter& writer, QPainter& painter, qsizetype columns, int rows, double leading,
              double ascent)
        : m_writer(writer), m_painter(painter), m_columns(columns), m_rows(rows), m_leading(leading),
          m_ascent(ascent)
    {}

    void take(QStringView text)
    {
        for (const QChar c : text) {
            if (std::exchange(m_carriageReturn, false) && c != u'\n')
                character(u'\r');
            if (c == u'\r')
                m_carriageReturn = true;
            else
                character(c);
        }
    }

    void finish()
    {
        if (std::exchange(m_carriageReturn, false))
            character(u'\r');
        if (m_lineBegun)
            endLine();
    }

private:
    void character(QChar c)
    {
        if (c == u'\n')
            return endLine();
        m_lineBegun = true;
        if (c == u'\f') {
            endPart();
            m_formFed = true;
            m_writer.newPage();
            m_row = 0;
        } else if (c == u'\t') {
            for (qsizetype blanks = 8 - m_column % 8; blanks > 0; --blanks)
                add(u' ');
        } else {
            add(c);
        }
    }

    void add(QChar c)
    {
        m_text.append(c);
        ++m_column;
        // A row holds a character and its low surrogate together.
        if (m_text.size() >= m_columns && !c.isHighSurrogate()) {
            draw();
            m_drawnInPart = true;
        }
    }

    // The end of the text between two form feeds on a line.
    void endPart()
    {
        if (!m_text.isEmpty())
            draw();
        m_drawnInPart = false;
        m_column = 0;
    }

    void endLine()
    {
        // An empty line is a row of its own, unless a form feed stands on it.
        if (!m_text.isEmpty() || (!m_drawnInPart && !m_formFed))
            draw();
        m_drawnInPart = m_formFed = m_lineBegun = false;
        m_column = 0;
    }

    void draw()
    {
        if (m_row == m_rows) {
            m_writer.newPage();
            m_row = 0;
        }
        m_painter.drawText(QPointF(0, m_row++ * m_leading + m_ascent), m_text);
        m_text.clear();
    }

    QPdfWriter& m_writer;
    QPainter& m_painter;
    const qsizetype m_columns;
    const int m_rows;
    const double m_leading, m_ascent;
    QString m_text;         // of the row being filled
    qsizetype m_column = 0; // on the line since its start or its last form feed, for tabs
    int m_row = 0;          // on the page
    bool m_carriageReturn = false, m_lineBegun = false, m_formFed = false, m_drawnInPart = false;
};

// Standard output, at most the filters' file-size limit in bytes also where it is a pipe, which no file-size
// limit bounds.
class BoundedOutput : public QFile
{
public:
    bool full() const { return m_full; }

protected:
    qint64 writeData(const char* data, qint64 size) override
    {
        if (size > m_left) {
            m_full = true;
            return -1;
        }
        m_left -= size;
        return QFile::writeData(data, size);
    }

private:
    qint64 m_left = static_cast<qint64>(zirn::print::FilterFileSize);
    bool m_full = false;
};

} // namespace

int main(int argc, char** argv)
{
    if (argc != 6 && argc != 7) {
        std::fputs("Usage: zirn-texttopdf job-id user title copies options [file]\n", stderr);
        return 1;
    }
    zirn::print::limitFilter();
    const QString title = QString::fromUtf8(argv[3]), options = QString::fromLocal8Bit(argv[5]);
    const std::string file = argc == 7 ? argv[6] : "";
    zirn::print::hideArguments(argc, argv);

    const int text = openText(argc == 7 ? file.c_str() : nullptr);
    if (text < 0) {
        std::fprintf(stderr, "ERROR: cannot read the text: %s\n", std::strerror(errno));
        return 1;
    }
    // UTF-8, or Latin-1 where the text is not UTF-8 throughout.
    bool utf8 = true;
    if (!readChunks(text, [&utf8](QByteArrayView chunk) {
            utf8 = chunk.isValidUtf8();
            return utf8;
        })) {
        std::fprintf(stderr, "ERROR: cannot read the text: %s\n", std::strerror(errno));
        return 1;
    }

    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's runtime folder: a private one that goes with the filter, not one left in /tmp.
    QTemporaryDir runtime;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtime.isValid())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    int qtArgc = 1;
    QGuiApplication application(qtArgc, argv);

    const auto number = [&](const char* name, double fallback) {
        bool ok = false;
        const double value = option(options, QString::fromLatin1(name)).toDouble(&ok);
        return ok && value >= 1 && value <= 100 ? value : fallback;
    };
    const double pitch = 72 / number("cpi", 10), leading = 72 / number("lpi", 6);

    BoundedOutput output;
    if (!output.open(stdout, QIODevice::WriteOnly)) {
        std::fputs("ERROR: cannot write the PDF\n", stderr);
        return 1;
    }
    QPdfWriter writer(&output);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Zirn PDF Writer"));
    writer.setResolution(72); // one unit a point
    // A quarter of an inch above and below; at the sides as much, or less so that 80
    // characters fit.
    const QPageSize size = paper(options);
    const double side = std::clamp((size.sizePoints().width() - 80 * pitch) / 2, 0.0, 18.0);
    writer.setPageSize(size);
    writer.setPageMargins(QMarginsF(side, 18, side, 18), QPageLayout::Point);

    // A monospaced font sized so that one character takes the pitch.
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSizeF(12);
    font.setPointSizeF(12 * pitch / QFontMetricsF(font).horizontalAdvance(u'M'));
    QPainter painter(&writer);
    painter.setFont(font);
    const QRectF area = writer.pageLayout().paintRect(QPageLayout::Point);
    TextPages pages(writer, painter, std::max<qsizetype>(1, static_cast<qsizetype>(area.width() / pitch)),
                    std::max(1, static_cast<int>(area.height() / leading)), leading,
                    QFontMetricsF(font).ascent());
    const bool read = readChunks(text, [&](QByteArrayView chunk) {
        pages.take(utf8 ? QString::fromUtf8(chunk) : QString::fromLatin1(chunk));
        // Once the output takes no more, the rest is not drawn.
        return !output.full() && output.error() == QFileDevice::NoError;
    });
    const int readError = errno;
    pages.finish();
    const bool ended = painter.end() && output.flush();
    if (!read) {
        std::fprintf(stderr, "ERROR: cannot read the text: %s\n", std::strerror(readError));
        return 1;
    }
    if (output.full()) {
        std::fprintf(stderr, "ERROR: the PDF of the text would be larger than %llu MiB\n",
                     static_cast<unsigned long long>(zirn::print::FilterFileSize / zirn::print::FilterMiB));
        return 1;
    }
    if (!ended || output.error() != QFileDevice::NoError) {
        std::fprintf(stderr, "ERROR: cannot write the PDF: %s\n", qPrintable(output.errorString()));
        return 1;
    }
    return 0;
}
