#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QVariant>

#include <ostream>

// Readable values in test failure messages.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QVariant& value, std::ostream* os)
{
    *os << value.typeName() << '(' << value.toString().toStdString() << ')';
}

namespace zirn::test {

// The scratch home folder of this test program ($HOME).
QString scratchHome();

// A fresh folder for the running test: <scratch home>/<area>/<test name>, emptied first.
QString freshFolder(const QString& area);

inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace zirn::test
