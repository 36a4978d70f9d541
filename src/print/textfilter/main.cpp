// zirn-texttopdf: the print queue's filter for plain text, installed in CUPS's filter folder.
// CUPS runs it as its own unprivileged user with "job-id user title copies options [file]"
// and reads the PDF from its standard output. The text keeps its characters (a PDF viewer
// finds and copies them); the page is what CUPS's own text filter draws: a monospaced font at
// 10 characters per inch and 6 lines per inch unless the job's cpi and lpi say otherwise, 80
// characters to a line where the paper allows, longer lines wrapped, a form feed starting a
// new page.

#include <QFile>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QStringDecoder>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

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

// UTF-8, or Latin-1 where the text is not UTF-8; tabs as blanks to the next multiple of 8.
QStringList textLines(const QByteArray& data)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(data);
    if (utf8.hasError())
        text = QString::fromLatin1(data);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList lines;
    for (QString line : text.split(u'\n')) {
        for (qsizetype tab = line.indexOf(u'\t'); tab >= 0; tab = line.indexOf(u'\t', tab))
            line.replace(tab, 1, QString(8 - tab % 8, u' '));
        lines.append(line);
    }
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 6 && argc != 7) {
        std::fputs("Usage: zirn-texttopdf job-id user title copies options [file]\n", stderr);
        return 1;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's runtime folder: a private one that goes with the filter, not one left in /tmp.
    QTemporaryDir runtime;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtime.isValid())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    int qtArgc = 1;
    QGuiApplication application(qtArgc, argv);

    QFile input;
    if (argc == 7 ? !(input.setFileName(QString::fromLocal8Bit(argv[6])), input.open(QIODevice::ReadOnly))
                  : !input.open(stdin, QIODevice::ReadOnly)) {
        std::fprintf(stderr, "ERROR: cannot read the text: %s\n", qPrintable(input.errorString()));
        return 1;
    }
    const QStringList lines = textLines(input.readAll());
    const QString options = QString::fromLocal8Bit(argv[5]);
    const auto number = [&](const char* name, double fallback) {
        bool ok = false;
        const double value = option(options, QString::fromLatin1(name)).toDouble(&ok);
        return ok && value >= 1 && value <= 100 ? value : fallback;
    };
    const double pitch = 72 / number("cpi", 10), leading = 72 / number("lpi", 6);

    QFile output;
    if (!output.open(stdout, QIODevice::WriteOnly)) {
        std::fputs("ERROR: cannot write the PDF\n", stderr);
        return 1;
    }
    QPdfWriter writer(&output);
    writer.setTitle(QString::fromUtf8(argv[3]));
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
    const auto columns = std::max<qsizetype>(1, static_cast<qsizetype>(area.width() / pitch));
    const int rows = std::max(1, static_cast<int>(area.height() / leading));
    const double ascent = QFontMetricsF(font).ascent();
    int row = 0;
    const auto newPage = [&] {
        writer.newPage();
        row = 0;
    };
    for (const QString& text : lines) {
        const QStringList parts = text.split(u'\f');
        for (qsizetype part = 0; part < parts.size(); ++part) {
            if (part > 0)
                newPage();
            QString line = parts[part];
            if (line.isEmpty() && parts.size() > 1)
                continue;
            do {
                if (row == rows)
                    newPage();
                painter.drawText(QPointF(0, row++ * leading + ascent), line.left(columns));
                line = line.mid(columns);
            } while (!line.isEmpty());
        }
    }
    return painter.end() && output.flush() ? 0 : 1;
}
