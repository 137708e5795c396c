#include "engine/name_pattern.h"

#include "engine/file_name.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>

namespace lumaskin {

namespace {

constexpr int kMaxWidth = 18;
constexpr qint64 kMaxStart = 999'999'999'999;

QString TwoDigits(int value)
{
    return QString::number(value).rightJustified(2, u'0');
}

// `format` filled in with `when`; false with *error for a field outside the documented few.
bool FormatDate(const QString &format, const QDateTime &when, QString *out, QString *error)
{
    const QDate date = when.date();
    const QTime time = when.time();
    for (qsizetype i = 0; i < format.size(); ++i) {
        if (format[i] != u'%') {
            *out += format[i];
            continue;
        }
        if (++i == format.size()) {
            *error = QCoreApplication::translate("NamePattern",
                                                 "the date format \"%1\" ends in a lone %")
                         .arg(format);
            return false;
        }
        switch (format[i].unicode()) {
        case 'Y':
            *out += QString::number(date.year()).rightJustified(4, u'0');
            break;
        case 'y':
            *out += TwoDigits(date.year() % 100);
            break;
        case 'm':
            *out += TwoDigits(date.month());
            break;
        case 'd':
            *out += TwoDigits(date.day());
            break;
        case 'H':
            *out += TwoDigits(time.hour());
            break;
        case 'M':
            *out += TwoDigits(time.minute());
            break;
        case 'S':
            *out += TwoDigits(time.second());
            break;
        case '%':
            *out += u'%';
            break;
        default:
            *error =
                QCoreApplication::translate(
                    "NamePattern", "%%1 in the date format \"%2\" is none of %Y %y %m %d %H %M "
                                   "%S %%")
                    .arg(QString(format[i]), format);
            return false;
        }
    }
    return true;
}

// What is wrong with the shape of `name`, or nothing: it must stay inside the folder it goes
// into. Its last part, the file's own name, may be "." or "..": the extension follows.
QString ShapeFault(const QString &name)
{
    const QStringList parts = name.split(u'/');
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (parts[i].isEmpty())
            return QCoreApplication::translate("NamePattern", "has an empty part");
        if (i + 1 < parts.size() && (parts[i] == u'.' || parts[i] == QLatin1String("..")))
            return QCoreApplication::translate("NamePattern", "has a folder named \"%1\"")
                .arg(parts[i]);
    }
    return {};
}

} // namespace

std::optional<NamePattern::Piece> NamePattern::ParseToken(const QString &inside, QString *error)
{
    const qsizetype colon = inside.indexOf(u':');
    const QString key = inside.left(colon);
    const std::optional<QString> argument =
        colon < 0 ? std::nullopt : std::optional<QString>(inside.mid(colon + 1));
    Piece piece;
    if (key == QLatin1String("n")) {
        piece.token = Token::Number;
        const QStringList fields = argument ? argument->split(u',') : QStringList();
        bool ok = fields.size() <= 2;
        if (ok && !fields.value(0).isEmpty()) {
            piece.width = fields[0].toInt(&ok);
            ok = ok && fields[0][0].isDigit() && piece.width >= 1 && piece.width <= kMaxWidth;
        }
        if (ok && fields.size() == 2) {
            piece.start = fields[1].toLongLong(&ok);
            ok = ok && !fields[1].isEmpty() && fields[1][0].isDigit() && piece.start <= kMaxStart;
        }
        if (!ok) {
            *error =
                QCoreApplication::translate(
                    "NamePattern", "{%1}: {n} takes a width of 1 to %2 digits and a start from 0, "
                                   "as in {n:3} or {n:3,100}")
                    .arg(inside)
                    .arg(kMaxWidth);
            return std::nullopt;
        }
        return piece;
    }
    if (key == QLatin1String("date")) {
        piece.token = Token::Date;
        piece.text = argument ? *argument : QStringLiteral("%Y-%m-%d");
        QString ignored;
        if (piece.text.isEmpty()) {
            *error = QCoreApplication::translate("NamePattern", "{%1}: the date format is empty")
                         .arg(inside);
            return std::nullopt;
        }
        if (!FormatDate(piece.text, QDateTime(QDate(2000, 1, 1), QTime(0, 0)), &ignored, error))
            return std::nullopt;
        return piece;
    }
    static const std::pair<const char *, Token> kPlain[] = {
        {"name", Token::Name}, {"ext", Token::Ext},  {"folder", Token::Folder},
        {"w", Token::Width},   {"h", Token::Height},
    };
    for (const auto &[name, token] : kPlain) {
        if (key != QLatin1String(name))
            continue;
        if (argument) {
            *error = QCoreApplication::translate("NamePattern", "{%1}: {%2} takes no format")
                         .arg(inside, key);
            return std::nullopt;
        }
        piece.token = token;
        return piece;
    }
    *error =
        QCoreApplication::translate(
            "NamePattern", "unknown token {%1}; the tokens are {name} {ext} {folder} {n} {date} "
                           "{w} {h}")
            .arg(inside);
    return std::nullopt;
}

std::optional<NamePattern> NamePattern::Parse(const QString &text, QString *error)
{
    NamePattern pattern;
    QString literal;
    const auto flush = [&] {
        if (!literal.isEmpty())
            pattern.m_pieces.push_back(Piece{Token::Text, literal});
        literal.clear();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool doubled = i + 1 < text.size() && text[i + 1] == c;
        if ((c == u'{' || c == u'}') && doubled) {
            literal += c;
            ++i;
        } else if (c == u'}') {
            *error = QCoreApplication::translate("NamePattern",
                                                 "a } stands alone (write }} for a brace)");
            return std::nullopt;
        } else if (c == u'{') {
            const qsizetype close = text.indexOf(u'}', i + 1);
            if (close < 0) {
                *error = QCoreApplication::translate("NamePattern",
                                                     "a { is not closed (write {{ for a brace)");
                return std::nullopt;
            }
            std::optional<Piece> piece = ParseToken(text.mid(i + 1, close - i - 1), error);
            if (!piece)
                return std::nullopt;
            flush();
            pattern.m_pieces.push_back(std::move(*piece));
            i = close;
        } else {
            literal += c;
        }
    }
    flush();
    if (pattern.m_pieces.empty()) {
        *error = QCoreApplication::translate("NamePattern", "the pattern is empty");
        return std::nullopt;
    }
    // Its shape, with every token standing in for something: where its parts can go.
    NameFields sample;
    sample.name = sample.ext = sample.folder = QStringLiteral("x");
    sample.date = QDateTime(QDate(2000, 1, 1), QTime(0, 0));
    sample.size = QSize(1, 1);
    const QString shape = pattern.Fill(sample);
    const QString fault = shape.startsWith(u'/')
                              ? QCoreApplication::translate("NamePattern", "starts with /")
                              : ShapeFault(shape);
    if (!fault.isEmpty()) {
        *error = QCoreApplication::translate("NamePattern",
                                             "the pattern %1; names stay inside the folder")
                     .arg(fault);
        return std::nullopt;
    }
    pattern.m_text = text;
    return pattern;
}

bool NamePattern::Uses(Token token) const
{
    return std::any_of(m_pieces.begin(), m_pieces.end(),
                       [token](const Piece &piece) { return piece.token == token; });
}

bool NamePattern::UsesDate() const
{
    return Uses(Token::Date);
}

bool NamePattern::UsesSize() const
{
    return Uses(Token::Width) || Uses(Token::Height);
}

QString NamePattern::Fill(const NameFields &fields) const
{
    QString name;
    QString ignored; // date formats are checked when parsed
    for (const Piece &piece : m_pieces) {
        switch (piece.token) {
        case Token::Text:
            name += piece.text;
            break;
        case Token::Name:
            name += fields.name;
            break;
        case Token::Ext:
            name += fields.ext;
            break;
        case Token::Folder:
            name += fields.folder;
            break;
        case Token::Number:
            name +=
                QString::number(piece.start + fields.place - 1).rightJustified(piece.width, u'0');
            break;
        case Token::Date:
            FormatDate(piece.text, fields.date, &name, &ignored);
            break;
        case Token::Width:
            name += QString::number(fields.size.width());
            break;
        case Token::Height:
            name += QString::number(fields.size.height());
            break;
        }
    }
    return name;
}

std::optional<QString> NamePattern::Expand(const NameFields &fields, QString *error) const
{
    const QString name = Fill(fields);
    const QString fault = ShapeFault(name);
    if (fault.isEmpty())
        return name;
    *error = QCoreApplication::translate("NamePattern", "the name pattern gives %1, which %2")
                 .arg(QuotedFileName(name), fault);
    return std::nullopt;
}

} // namespace lumaskin
