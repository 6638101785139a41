#include "Dialect.h"

#include "DateText.h"
#include "jet/Error.h"

#include <QDate>
#include <QStringList>
#include <vector>

namespace jet::detail {

namespace {

enum class Kind { Space, Word, String, Number, Bracket, Punct };

struct Token {
    Kind kind;
    QString text;

    bool IsWord(const char* upper) const
    {
        return kind == Kind::Word && text.compare(QLatin1String(upper), Qt::CaseInsensitive) == 0;
    }
    bool Is(char punct) const { return kind == Kind::Punct && text == QLatin1Char(punct); }
};

using Tokens = std::vector<Token>;

QString SqlString(const QString& content)
{
    return QLatin1Char('\'') + QString(content).replace(QLatin1Char('\''), QLatin1String("''")) + QLatin1Char('\'');
}

bool IsWordStart(QChar c)
{
    return c.isLetter() || c == QLatin1Char('_');
}

bool IsWordPart(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('$');
}

// Reads up to the closing quote (doubled quotes stay inside); gives the
// position after it, or the end of the text when it is not closed.
qsizetype QuotedEnd(const QString& sql, qsizetype start, QChar quote, QString* content)
{
    qsizetype i = start + 1;
    while (i < sql.size()) {
        if (sql[i] == quote) {
            if (i + 1 < sql.size() && sql[i + 1] == quote) {
                content->append(quote);
                i += 2;
                continue;
            }
            return i + 1;
        }
        content->append(sql[i]);
        ++i;
    }
    return i;
}

Tokens Tokenize(const QString& sql)
{
    Tokens tokens;
    qsizetype i = 0;
    while (i < sql.size()) {
        const QChar c = sql[i];
        qsizetype end = i + 1;
        Kind kind = Kind::Punct;
        QString text;
        if (c.isSpace()) {
            while (end < sql.size() && sql[end].isSpace())
                ++end;
            kind = Kind::Space;
        } else if (c == QLatin1Char('\'')) {
            QString content;
            end = QuotedEnd(sql, i, c, &content);
            kind = Kind::String;
        } else if (c == QLatin1Char('"')) {
            QString content;
            end = QuotedEnd(sql, i, c, &content);
            kind = Kind::String;
            text = SqlString(content);
        } else if (c == QLatin1Char('#')) {
            end = sql.indexOf(QLatin1Char('#'), i + 1);
            if (end < 0)
                throw Error(QStringLiteral("Falta el # de cierre de una fecha u hora en «%1».").arg(sql));
            const QString literal = sql.mid(i + 1, end - i - 1);
            const auto seconds = ParseDateTimeText(literal, DateOrder::MonthFirst);
            if (!seconds)
                throw Error(QStringLiteral("Fecha u hora no válida #%1# en «%2».").arg(literal, sql));
            ++end;
            kind = Kind::String;
            text = SqlString(StoredText(*seconds));
        } else if (c == QLatin1Char('[')) {
            end = sql.indexOf(QLatin1Char(']'), i + 1);
            end = end < 0 ? sql.size() : end + 1;
            kind = Kind::Bracket;
        } else if (IsWordStart(c)) {
            while (end < sql.size() && IsWordPart(sql[end]))
                ++end;
            kind = Kind::Word;
        } else if (c.isDigit()) {
            while (end < sql.size() && (sql[end].isDigit() || sql[end] == QLatin1Char('.')))
                ++end;
            kind = Kind::Number;
        }
        if (text.isEmpty())
            text = sql.mid(i, end - i);
        tokens.push_back({kind, text});
        i = end;
    }
    return tokens;
}

qsizetype NextSolid(const Tokens& tokens, qsizetype from)
{
    while (from < qsizetype(tokens.size()) && tokens[from].kind == Kind::Space)
        ++from;
    return from;
}

bool IsAscii(const QString& text)
{
    for (QChar c : text)
        if (c.unicode() >= 0x80)
            return false;
    return true;
}

// Date() becomes today's date, DateAdd and Format the engine's functions, and
// names beyond ASCII take the spelling of the database.
void RewriteWords(Tokens& tokens, const NameResolver& resolveName)
{
    for (qsizetype i = 0; i < qsizetype(tokens.size()); ++i) {
        Token& token = tokens[i];
        if (token.kind != Kind::Word)
            continue;
        const qsizetype open = NextSolid(tokens, i + 1);
        const bool call = open < qsizetype(tokens.size()) && tokens[open].Is('(');
        if (call && token.IsWord("DATE")) {
            const qsizetype close = NextSolid(tokens, open + 1);
            if (close < qsizetype(tokens.size()) && tokens[close].Is(')')) {
                token = {Kind::String, SqlString(StoredText(SecondsOf(QDate::currentDate(), QTime(0, 0))))};
                tokens.erase(tokens.begin() + i + 1, tokens.begin() + close + 1);
            }
        } else if (call && token.IsWord("DATEADD")) {
            token.text = QStringLiteral("jet_dateadd");
        } else if (call && token.IsWord("FORMAT")) {
            token.text = QStringLiteral("jet_format");
        } else if (!IsAscii(token.text) && resolveName) {
            token.text = resolveName(token.text);
        }
    }
}

QString Join(const Tokens& tokens, qsizetype from, qsizetype to)
{
    QString text;
    for (qsizetype i = from; i < to; ++i)
        text += tokens[i].text;
    return text.trimmed();
}

QString Unbracketed(const QString& name)
{
    if (name.startsWith(QLatin1Char('[')) && name.endsWith(QLatin1Char(']')))
        return name.mid(1, name.size() - 2);
    return name;
}

// UPDATE A,B SET A.x = B.y WHERE A.k = B.k  ->  UPDATE A SET x = B.y FROM B WHERE A.k = B.k
QString RewriteUpdate(const Tokens& tokens, qsizetype updateIndex)
{
    const qsizetype count = qsizetype(tokens.size());
    QStringList tables;
    qsizetype i = NextSolid(tokens, updateIndex + 1);
    while (i < count && !tokens[i].IsWord("SET")) {
        if (tokens[i].kind == Kind::Word || tokens[i].kind == Kind::Bracket)
            tables << tokens[i].text;
        else if (!tokens[i].Is(','))
            return QString();  // not the simple form; SQLite judges it as written
        i = NextSolid(tokens, i + 1);
    }
    if (i >= count || tables.isEmpty())
        return QString();
    const qsizetype setIndex = i;

    qsizetype whereIndex = count;
    std::vector<std::pair<qsizetype, qsizetype>> assignments;
    qsizetype start = setIndex + 1;
    int depth = 0;
    for (i = setIndex + 1; i < count; ++i) {
        if (tokens[i].Is('('))
            ++depth;
        else if (tokens[i].Is(')'))
            --depth;
        else if (depth == 0 && tokens[i].Is(',')) {
            assignments.push_back({start, i});
            start = i + 1;
        } else if (depth == 0 && tokens[i].IsWord("WHERE")) {
            whereIndex = i;
            break;
        }
    }
    assignments.push_back({start, whereIndex});

    QString target;
    QStringList sets;
    for (const auto& [from, to] : assignments) {
        qsizetype equals = from;
        while (equals < to && !tokens[equals].Is('='))
            ++equals;
        if (equals >= to)
            return QString();
        QString column = Join(tokens, from, equals);
        const qsizetype dot = column.indexOf(QLatin1Char('.'));
        if (dot > 0) {
            const QString qualifier = column.left(dot).trimmed();
            if (target.isEmpty())
                target = qualifier;
            if (Unbracketed(qualifier).compare(Unbracketed(target), Qt::CaseInsensitive) == 0)
                column = column.mid(dot + 1).trimmed();
        }
        sets << column + QStringLiteral(" = ") + Join(tokens, equals + 1, to);
    }
    if (target.isEmpty())
        target = tables.first();

    QStringList others;
    for (const QString& table : tables)
        if (Unbracketed(table).compare(Unbracketed(target), Qt::CaseInsensitive) != 0)
            others << table;
    QString sql = QStringLiteral("UPDATE ") + target + QStringLiteral(" SET ") + sets.join(QStringLiteral(", "));
    if (!others.isEmpty())
        sql += QStringLiteral(" FROM ") + others.join(QStringLiteral(", "));
    if (whereIndex < count)
        sql += QLatin1Char(' ') + Join(tokens, whereIndex, count);
    return sql;
}

// Where the clauses of a SELECT of one table start; table < 0 when its rows
// cannot be written back (more tables, grouping, an aggregate, DISTINCT, a
// clause beyond WHERE and ORDER BY).
struct SelectShape {
    qsizetype from = -1;
    qsizetype table = -1;
    qsizetype where = -1;
    qsizetype order = -1;
};

SelectShape ShapeOf(const Tokens& tokens, qsizetype selectIndex)
{
    SelectShape shape;
    const qsizetype count = qsizetype(tokens.size());
    qsizetype i = NextSolid(tokens, selectIndex + 1);
    if (i < count && (tokens[i].IsWord("DISTINCT") || tokens[i].IsWord("DISTINCTROW") || tokens[i].IsWord("TOP")))
        return shape;
    int depth = 0;
    for (; i < count; ++i) {
        const Token& token = tokens[i];
        if (token.Is('('))
            ++depth;
        else if (token.Is(')'))
            --depth;
        if (token.kind != Kind::Word || depth != 0)
            continue;
        for (const char* aggregate : {"SUM", "COUNT", "AVG", "MIN", "MAX", "FIRST", "LAST"}) {
            const qsizetype open = NextSolid(tokens, i + 1);
            if (token.IsWord(aggregate) && open < count && tokens[open].Is('('))
                return shape;
        }
        for (const char* word : {"GROUP", "HAVING", "UNION", "JOIN", "INTERSECT", "EXCEPT", "LIMIT", "OFFSET"})
            if (token.IsWord(word))
                return shape;
        if (shape.from < 0 && token.IsWord("FROM"))
            shape.from = i;
        else if (shape.from >= 0 && shape.where < 0 && shape.order < 0 && token.IsWord("WHERE"))
            shape.where = i;
        else if (shape.from >= 0 && shape.order < 0 && token.IsWord("ORDER"))
            shape.order = i;
    }
    if (shape.from < 0)
        return shape;
    const qsizetype tableIndex = NextSolid(tokens, shape.from + 1);
    if (tableIndex >= count || (tokens[tableIndex].kind != Kind::Word && tokens[tableIndex].kind != Kind::Bracket))
        return shape;
    const qsizetype after = NextSolid(tokens, tableIndex + 1);
    if (after < count && !tokens[after].IsWord("WHERE") && !tokens[after].IsWord("ORDER"))
        return shape;
    shape.table = tableIndex;
    return shape;
}

// Columns named plainly ("*", A, T.B, [C]), with no alias or expression, so
// that the SELECT's clauses mean the same over the table alone.
bool PlainColumns(const Tokens& tokens, qsizetype from, qsizetype to)
{
    bool expectItem = true;
    for (qsizetype i = NextSolid(tokens, from); i < to; i = NextSolid(tokens, i + 1)) {
        const Token& token = tokens[i];
        const bool name = token.kind == Kind::Word || token.kind == Kind::Bracket || token.Is('*');
        if (expectItem && name) {
            expectItem = false;
        } else if (!expectItem && (token.Is('.') || token.Is(','))) {
            expectItem = true;
        } else {
            return false;
        }
    }
    return !expectItem;
}

bool HasNumber(const Tokens& tokens, qsizetype from, qsizetype to)
{
    for (qsizetype i = from; i < to; ++i)
        if (tokens[i].kind == Kind::Number)
            return true;
    return false;
}

struct OrderTerms {
    QString forward;  // the terms, then the row id
    QString backward;  // each term the other way round
};

// The terms of an ORDER BY, from after BY to the end, with the row id last
// going the way the last term goes.
OrderTerms OrderTermsOf(const Tokens& tokens, qsizetype from, qsizetype to)
{
    QStringList forward;
    QStringList backward;
    bool descending = false;
    int depth = 0;
    qsizetype start = from;
    for (qsizetype i = from; i <= to; ++i) {
        if (i < to && tokens[i].Is('('))
            ++depth;
        else if (i < to && tokens[i].Is(')'))
            --depth;
        if (i < to && !(depth == 0 && tokens[i].Is(',')))
            continue;
        qsizetype last = i - 1;
        while (last > start && tokens[last].kind == Kind::Space)
            --last;
        const bool hasWay = tokens[last].IsWord("ASC") || tokens[last].IsWord("DESC");
        descending = tokens[last].IsWord("DESC");
        const QString term = Join(tokens, start, hasWay ? last : i);
        forward << term + (descending ? QStringLiteral(" DESC") : QString());
        backward << term + (descending ? QString() : QStringLiteral(" DESC"));
        start = i + 1;
    }
    forward << (descending ? QStringLiteral("rowid DESC") : QStringLiteral("rowid"));
    backward << (descending ? QStringLiteral("rowid") : QStringLiteral("rowid DESC"));
    return {forward.join(QStringLiteral(", ")), backward.join(QStringLiteral(", "))};
}

TableSelect TableSelectOf(const Tokens& tokens, qsizetype selectIndex)
{
    TableSelect select;
    const SelectShape shape = ShapeOf(tokens, selectIndex);
    if (shape.table < 0)
        return select;
    const qsizetype end = qsizetype(tokens.size());
    const QString table = tokens[shape.table].text;
    const QString columns = Join(tokens, selectIndex + 1, shape.from);
    const QString fromOn = Join(tokens, shape.from, end);
    select.table = Unbracketed(table);
    // Last, so that an ORDER BY 1 keeps its column.
    select.withRowid = QStringLiteral("SELECT ") + columns + QStringLiteral(", rowid ") + fromOn;
    select.row = QStringLiteral("SELECT %1 FROM %2 WHERE rowid=?").arg(columns, table);
    if (!PlainColumns(tokens, selectIndex + 1, shape.from)) {
        // An alias may stand in the WHERE, the ORDER BY or the criteria.
        select.keys = select.withRowid;
        select.count = QStringLiteral("SELECT count(*) FROM (%1)").arg(select.withRowid);
        select.matching = QStringLiteral("SELECT rowid FROM (%1) WHERE ").arg(select.withRowid);
        return select;
    }
    select.count = QStringLiteral("SELECT count(*) FROM ") + table;
    select.matching = QStringLiteral("SELECT rowid FROM %1 WHERE ").arg(table);
    const QString where =
        shape.where >= 0 ? Join(tokens, shape.where + 1, shape.order >= 0 ? shape.order : end) : QString();
    if (!where.isEmpty()) {
        select.count += QStringLiteral(" WHERE ") + where;
        select.matching += QStringLiteral("(%1) AND ").arg(where);
    }
    // The row ids alone follow the same ORDER BY, unless it names a column by
    // its number; the id settles ties, so that the order read backwards is
    // the same order. Without an ORDER BY the order is SQLite's choice for
    // the whole SELECT, so the ids are read along with the columns.
    const qsizetype by = shape.order >= 0 ? NextSolid(tokens, shape.order + 1) : end;
    if (by >= end || HasNumber(tokens, shape.order, end)) {
        select.keys = select.withRowid;
        return select;
    }
    const QString ids = QStringLiteral("SELECT rowid FROM ") + table
                        + (where.isEmpty() ? QString() : QStringLiteral(" WHERE ") + where)
                        + QStringLiteral(" ORDER BY ");
    const OrderTerms order = OrderTermsOf(tokens, by + 1, end);
    select.keys = ids + order.forward;
    select.keysBackwards = ids + order.backward;
    return select;
}

}  // namespace

Translation Translate(const QString& jetSql, const NameResolver& resolveName)
{
    Tokens tokens = Tokenize(jetSql);
    while (!tokens.empty() && (tokens.back().kind == Kind::Space || tokens.back().Is(';')))
        tokens.pop_back();
    RewriteWords(tokens, resolveName);

    Translation translation;
    const qsizetype first = NextSolid(tokens, 0);
    if (first < qsizetype(tokens.size()) && tokens[first].kind == Kind::Word)
        translation.keyword = tokens[first].text.toUpper();

    if (translation.keyword == QLatin1String("DELETE")) {
        const qsizetype star = NextSolid(tokens, first + 1);
        if (star < qsizetype(tokens.size()) && tokens[star].Is('*'))
            tokens.erase(tokens.begin() + star);
    } else if (translation.keyword == QLatin1String("UPDATE")) {
        translation.sql = RewriteUpdate(tokens, first);
    } else if (translation.keyword == QLatin1String("SELECT")) {
        translation.select = TableSelectOf(tokens, first);
    }
    if (translation.sql.isEmpty())
        translation.sql = Join(tokens, 0, qsizetype(tokens.size()));
    return translation;
}

QString TableSelect::Matching(const QString& condition) const
{
    return matching + QLatin1Char('(') + condition + QLatin1Char(')');
}

}  // namespace jet::detail
