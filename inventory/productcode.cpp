#include "inventory/productcode.h"

#include <QList>

namespace {

bool isHex(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool isSpace(char c)
{
    return c == ' ' || c == '\t';
}

// The arguments after the program, split at spaces; quotes only group.
QList<QByteArray> arguments(const QByteArray &text)
{
    QList<QByteArray> out;
    QByteArray current;
    bool quoted = false, any = false;
    for (char c : text) {
        if (c == '"') {
            quoted = !quoted;
            any = true;
        } else if (isSpace(c) && !quoted) {
            if (any)
                out.append(current);
            current.clear();
            any = false;
        } else {
            current.append(c);
            any = true;
        }
    }
    if (any)
        out.append(current);
    return out;
}

} // namespace

bool IsProductCode(const QByteArray &text)
{
    if (text.size() != 38 || text.at(0) != '{' || text.at(37) != '}')
        return false;
    for (int i = 1; i < 37; ++i) {
        const bool dash = i == 9 || i == 14 || i == 19 || i == 24;
        if (dash ? text.at(i) != '-' : !isHex(text.at(i)))
            return false;
    }
    return true;
}

QByteArray ProductCodeFromCommand(const QByteArray &command)
{
    const QByteArray c = command.trimmed();
    QByteArray program, rest;
    if (c.startsWith('"')) {
        const int close = c.indexOf('"', 1);
        if (close < 0)
            return QByteArray();
        program = c.mid(1, close - 1);
        rest = c.mid(close + 1);
    } else {
        int end = 0;
        while (end < c.size() && !isSpace(c.at(end)))
            ++end;
        program = c.left(end);
        rest = c.mid(end);
    }
    const int slash = qMax(program.lastIndexOf('\\'), program.lastIndexOf('/'));
    const QByteArray file = program.mid(slash + 1).toLower();
    if (file != "msiexec" && file != "msiexec.exe")
        return QByteArray();

    // The first /I or /X switch names what msiexec acts on.
    const QList<QByteArray> args = arguments(rest);
    for (int i = 0; i < args.size(); ++i) {
        const QByteArray &arg = args.at(i);
        if (arg.size() < 2 || (arg.at(0) != '/' && arg.at(0) != '-'))
            continue;
        const char action = char(arg.at(1) | 0x20);
        if (action != 'i' && action != 'x')
            continue;
        QByteArray code = arg.mid(2);
        if (code.isEmpty() && i + 1 < args.size())
            code = args.at(i + 1);
        return IsProductCode(code) ? code.toUpper() : QByteArray();
    }
    return QByteArray();
}
