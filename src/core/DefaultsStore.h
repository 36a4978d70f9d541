#pragma once

#include <QSet>
#include <QString>
#include <QVariant>
#include <QVariantMap>

#include <optional>

namespace zirn {

// The per-user key-value store of the application's choices, kept as one JSON object in
// defaults.json beside the settings file.
//
// Values keep their kind: text is a JSON string, whole numbers are JSON integers exact over
// the signed 64-bit range (read back as qint64), fractions are JSON numbers with a fraction
// part or exponent (read back as double), lists and objects stay lists and objects. Keys
// the program does not know are kept when it writes.
//
// Every change is written at once (or at the end of a Batch), atomically (a new file renamed
// over the old one), and the file is readable by its owner only: it holds the passwords. A
// missing or empty file reads as an empty store, and so does one that cannot be read as a
// store (corrupt, absurdly deeply nested, no JSON object); such a file is never written over:
// the first write moves it aside to "<name>.damaged" (or "<name>.damaged-2" and on) and
// begins a new store.
//
// Several windows, each a process of its own, share the file: a write takes an advisory lock
// (flock on defaults.json.lock), reads the file as it is now and changes only the keys that
// were set through this object since its last write, so that what another window saved
// meanwhile is kept.
class DefaultsStore
{
public:
    // Opens the store kept in the file at filePath; nothing is created until the first write.
    explicit DefaultsStore(QString filePath);

    // ${XDG_CONFIG_HOME:-~/.config}/org.zirn.PDFWriter/defaults.json
    static QString defaultLocation();

    // The text stored under key; nothing when the key is absent or holds another kind.
    std::optional<QString> stringValue(const QString& key) const;

    // The value under key, whatever its kind (QString, qint64, double, bool, QVariantList,
    // QVariantMap, or a null QVariant for JSON null); an invalid QVariant when absent.
    QVariant value(const QString& key) const;

    // Stores value under key. Supported kinds are those value() gives back; an invalid
    // QVariant removes the key.
    void setValue(const QString& key, const QVariant& value);
    void setInteger(const QString& key, qint64 value);

    // Writes the keys set here to disk now, and takes in what others saved. True on success;
    // on failure the keys stay pending for the next write. Every setter already does this,
    // so a caller needs it only to learn whether the last write reached the disk.
    bool sync();

    // Holds back the writes of the setters while it lives and writes once at its end, so
    // that storing several keys rewrites the file once.
    class Batch
    {
    public:
        explicit Batch(DefaultsStore& store) : m_store(store) { ++m_store.m_batchDepth; }
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        DefaultsStore& m_store;
    };

private:
    int m_batchDepth = 0;
    QString m_filePath;
    QVariantMap m_values;
    QSet<QString> m_changed; // keys set or removed here and not yet written
};

} // namespace zirn
