#include "core/settings/Ini.h"

#include <QFile>
#include <QStringDecoder>

namespace zirn {

namespace {

bool isTrimmed(QChar c)
{
    return c == u' ' || c == u'\n' || c == u'\r' || c == u'\t';
}

QString decode(const QByteArray& bytes)
{
    QByteArrayView data(bytes);
    if (data.startsWith("\xEF\xBB\xBF"))
        data = data.sliced(3);
    // Line by line: a UTF-8 file with one stray byte (a comment typed in another editor) keeps
    // its other lines, and a file saved in a legacy 8-bit encoding still reads as Latin-1, which
    // maps every byte to a character. A line feed byte never occurs inside a UTF-8 sequence.
    QString text;
    text.reserve(data.size());
    while (true) {
        const qsizetype end = data.indexOf('\n');
        const QByteArrayView line = end < 0 ? data : data.first(end);
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString decoded = utf8.decode(line);
        text += utf8.hasError() ? QString::fromLatin1(line) : decoded;
        if (end < 0)
            return text;
        text += u'\n';
        data = data.sliced(end + 1);
    }
}

} // namespace

QString Ini::trim(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isTrimmed(text[begin]))
        ++begin;
    while (end > begin && isTrimmed(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

IniSections Ini::readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parse(decode(file.readAll()));
}

IniSections Ini::parse(const QString& text)
{
    IniSections result;
    QString section = QStringLiteral("main");
    const auto lines = text.split(u'\n');
    for (const QString& raw : lines) {
        const QString line = trim(raw);
        if (line.size() >= 2 && line.startsWith(u'[') && line.endsWith(u']')) {
            section = line.sliced(1, line.size() - 2);
            continue;
        }
        if (const auto setting = parseLine(line))
            result[section].insert(setting->first, setting->second);
    }
    return result;
}

std::optional<std::pair<QString, QString>> Ini::parseLine(const QString& line)
{
    if (line.startsWith(u'#') || line.startsWith(u'\''))
        return std::nullopt;
    qsizetype start = 0;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] != u'=')
            continue;
        if (i == start) {
            // Nothing before this '=' since the last one: pass it over.
            start = i + 1;
            continue;
        }
        const QString value = line.sliced(i + 1);
        if (value.isEmpty())
            return std::nullopt;
        const QString trimmedValue = trim(value);
        if (trimmedValue.isEmpty())
            return std::nullopt;
        return std::pair{trim(line.sliced(start, i - start)), trimmedValue};
    }
    return std::nullopt;
}

} // namespace zirn
