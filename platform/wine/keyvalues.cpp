#include "platform/wine/keyvalues.h"

#include <QFile>
#include <QFileInfo>

namespace pw {

const KeyValue *KeyValue::Child(const QString &name) const
{
    for (const KeyValue &c : children) {
        if (c.key.compare(name, Qt::CaseInsensitive) == 0)
            return &c;
    }
    return nullptr;
}

QString KeyValue::Value(const QString &name) const
{
    const KeyValue *c = Child(name);
    return c && !c->isBlock ? c->value : QString();
}

namespace {

class Parser {
public:
    explicit Parser(const QByteArray &text) : m_p(text.constData()), m_end(text.constData() + text.size()) {}

    bool Entries(QVector<KeyValue> *out, int depth, bool topLevel)
    {
        if (depth > CKeyValuesReader::kMaxDepth)
            return Fail(QStringLiteral("nesting deeper than %1 levels").arg(CKeyValuesReader::kMaxDepth));
        for (;;) {
            SkipBlanks();
            if (!m_error.isEmpty())
                return false;
            if (m_p == m_end)
                return topLevel ? true : Fail(QStringLiteral("a block is not closed"));
            if (*m_p == '}') {
                if (topLevel)
                    return Fail(QStringLiteral("a '}' closes no block"));
                ++m_p;
                return true;
            }
            KeyValue entry;
            if (!Token(&entry.key))
                return false;
            SkipBlanks();
            SkipCondition();
            if (!m_error.isEmpty())
                return false;
            if (m_p == m_end)
                return Fail(QStringLiteral("the key \"%1\" has no value").arg(entry.key));
            if (*m_p == '{') {
                ++m_p;
                entry.isBlock = true;
                if (!Entries(&entry.children, depth + 1, false))
                    return false;
            } else if (*m_p == '}') {
                return Fail(QStringLiteral("the key \"%1\" has no value").arg(entry.key));
            } else if (!Token(&entry.value)) {
                return false;
            }
            SkipBlanks();
            SkipCondition();
            if (!m_error.isEmpty())
                return false;
            out->append(std::move(entry));
        }
    }

    QString Error() const { return m_error; }

private:
    bool Fail(const QString &why)
    {
        if (m_error.isEmpty())
            m_error = why;
        return false;
    }

    void SkipBlanks()
    {
        while (m_p < m_end) {
            const char c = *m_p;
            if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
                ++m_p;
            } else if (c == '/' && m_p + 1 < m_end && m_p[1] == '/') {
                while (m_p < m_end && *m_p != '\n')
                    ++m_p;
            } else {
                return;
            }
        }
    }

    // "[$WIN32]" and the like after a key or value: read and ignored.
    void SkipCondition()
    {
        if (m_p == m_end || *m_p != '[')
            return;
        const char *close = m_p;
        while (close < m_end && *close != ']' && *close != '\n')
            ++close;
        if (close == m_end || *close != ']') {
            Fail(QStringLiteral("a condition is not closed"));
            return;
        }
        m_p = close + 1;
        SkipBlanks();
    }

    bool Token(QString *out)
    {
        if (m_p == m_end)
            return Fail(QStringLiteral("the text ends early"));
        QByteArray bytes;
        if (*m_p == '"') {
            ++m_p;
            for (;;) {
                if (m_p == m_end)
                    return Fail(QStringLiteral("a string is not closed"));
                const char c = *m_p++;
                if (c == '"')
                    break;
                if (c == '\\' && m_p < m_end) {
                    const char e = *m_p++;
                    switch (e) {
                    case 'n': bytes += '\n'; break;
                    case 't': bytes += '\t'; break;
                    case '\\': bytes += '\\'; break;
                    case '"': bytes += '"'; break;
                    default: bytes += '\\'; bytes += e; break; // Windows paths keep their backslashes
                    }
                    continue;
                }
                bytes += c;
            }
        } else {
            while (m_p < m_end) {
                const char c = *m_p;
                if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '{' || c == '}' || c == '"' || c == '[')
                    break;
                bytes += c;
                ++m_p;
            }
            if (bytes.isEmpty())
                return Fail(QStringLiteral("unexpected '%1'").arg(QLatin1Char(*m_p)));
        }
        if (bytes.contains('\0'))
            return Fail(QStringLiteral("a string holds a NUL character"));
        *out = QString::fromUtf8(bytes);
        return true;
    }

    const char *m_p;
    const char *m_end;
    QString m_error;
};

} // namespace

bool CKeyValuesReader::Parse(const QByteArray &text, QVector<KeyValue> *out, QString *error)
{
    out->clear();
    if (text.size() > kMaxBytes) {
        if (error)
            *error = QStringLiteral("the text is larger than %1 bytes").arg(kMaxBytes);
        return false;
    }
    QByteArray body = text;
    if (body.startsWith("\xEF\xBB\xBF"))
        body.remove(0, 3);
    Parser parser(body);
    QVector<KeyValue> entries;
    if (!parser.Entries(&entries, 0, true)) {
        if (error)
            *error = parser.Error();
        return false;
    }
    *out = std::move(entries);
    return true;
}

bool CKeyValuesReader::ParseFile(const QString &path, QVector<KeyValue> *out, QString *error)
{
    out->clear();
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > kMaxBytes) {
        if (error)
            *error = info.isFile() ? QStringLiteral("the file is too large") : QStringLiteral("not a file");
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    // Read at most one byte past the limit: the file may have grown since it was looked at.
    const QByteArray text = file.read(kMaxBytes + 1);
    return Parse(text, out, error);
}

} // namespace pw
