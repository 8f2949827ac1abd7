#pragma once
// Valve's KeyValues text format, as Steam writes libraryfolders.vdf and appmanifest_*.acf:
//   "key" "value"   or   "key" { ...children... }
// with // comments and optional [$CONDITION] tags. The reader is strict: anything else, an
// unterminated string or block, nesting deeper than kMaxDepth or a text larger than kMaxBytes
// fails the whole text, so a damaged or hostile file gives nothing rather than half a tree.
#include <QByteArray>
#include <QString>
#include <QVector>

namespace pw {

struct KeyValue {
    QString key;
    QString value;              // for a leaf
    QVector<KeyValue> children; // for a block
    bool isBlock = false;

    // The first child named `name` (case-insensitive, as Steam compares keys), or nullptr.
    const KeyValue *Child(const QString &name) const;
    // The value of the leaf child `name`, or an empty string.
    QString Value(const QString &name) const;
};

class CKeyValuesReader {
public:
    static constexpr int kMaxDepth = 32;
    static constexpr int kMaxBytes = 4 * 1024 * 1024;

    // Parses a whole text into its top-level entries. False with *error set on any fault.
    static bool Parse(const QByteArray &text, QVector<KeyValue> *out, QString *error = nullptr);
    // Reads and parses a file (refused when larger than kMaxBytes or not a regular file).
    static bool ParseFile(const QString &path, QVector<KeyValue> *out, QString *error = nullptr);
};

} // namespace pw
