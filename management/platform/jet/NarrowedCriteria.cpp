#include "NarrowedCriteria.h"

#include <QRegularExpression>

namespace jet::detail {

namespace {

QString SqlText(const QString& text)
{
    return QLatin1Char('\'') + QString(text).replace(QLatin1Char('\''), QLatin1String("''")) + QLatin1Char('\'');
}

// The letters before the first wildcard or letter beyond ASCII: a match
// begins with them in any case, so its Spanish order starts with theirs.
QString PlainStart(const QString& pattern)
{
    QString start;
    for (const QChar c : pattern) {
        if (c == u'*' || c == u'?' || c == u'#' || c == u'[' || c.unicode() >= 0x7F)
            break;
        start += c;
    }
    return start;
}

}  // namespace

QString NarrowedCriteria(const QString& condition, const TableInfo& table)
{
    static const QRegularExpression like(QStringLiteral(R"(^\s*(\w+|"[^"]+")\s+LIKE\s+'((?:[^']|'')*)'\s*$)"),
                                         QRegularExpression::CaseInsensitiveOption
                                             | QRegularExpression::UseUnicodePropertiesOption);
    const QRegularExpressionMatch match = like.match(condition);
    if (!match.hasMatch())
        return condition;
    QString column = match.captured(1);
    if (column.startsWith(u'"'))
        column = column.mid(1, column.size() - 2);
    const int index = table.IndexOf(column);
    // Numbers never fall in a range of texts.
    if (index < 0 || table.columns[size_t(index)].kind != ColumnKind::Text)
        return condition;
    const QString start = PlainStart(match.captured(2).replace(QLatin1String("''"), QLatin1String("'")));
    if (start.isEmpty())
        return condition;
    // Every text that begins with start, in any case, sorts before start with
    // its last letter raised by one.
    QString beyond = start;
    beyond.back() = QChar(beyond.back().toLower().unicode() + 1);
    const QString name = match.captured(1);
    return QStringLiteral("(%1 COLLATE ES >= %2 AND %1 COLLATE ES < %3 AND %4)")
        .arg(name, SqlText(start), SqlText(beyond), condition);
}

}  // namespace jet::detail
