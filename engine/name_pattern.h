#pragma once

#include <QDateTime>
#include <QSize>
#include <QString>
#include <optional>
#include <vector>

namespace lumaskin {

// What the tokens of a name pattern stand for, for one picture.
struct NameFields
{
    QString name;     // {name}: the source's name before its last dot (ConversionName)
    QString ext;      // {ext}: the source's extension; empty when it has none
    QString folder;   // {folder}: the name of the source's folder
    qint64 place = 1; // {n}: the source's place in the list, from 1
    QDateTime date;   // {date}: when the picture was taken, else when the file was changed
    QSize size;       // {w}, {h}: the size of the picture written
};

// How converted files are named: text with tokens in braces, "{date:%Y-%m-%d}-{n:03}" say.
// What it gives is the target's name without the format's extension, relative to the folder
// the target goes into; a '/' in it makes sub-folders. The tokens:
//   {name} {ext} {folder}   the source's name before its last dot, its extension, its folder
//   {n}                     the place in the list, from 1; {n:3} pads it to three digits with
//                           zeros (as does {n:03}), {n:3,100} counts from 100, {n:,0} from 0
//   {date}                  {date:%Y-%m-%d}; {date:FORMAT} takes %Y (year), %y (two digits),
//                           %m, %d, %H, %M, %S (two digits each) and %% for a percent sign
//   {w} {h}                 the width and height of the picture written
// "{{" and "}}" stand for one brace each.
class NamePattern
{
public:
    // The pattern `text`; nothing, with *error saying what is wrong, for an unknown token, a
    // brace left open or alone, a bad width or start of {n}, a bad date format, or a shape
    // that does not stay inside the folder (a leading '/', an empty part, "." or "..").
    static std::optional<NamePattern> Parse(const QString &text, QString *error);
    // The pattern as it was given.
    QString Text() const { return m_text; }

    bool UsesDate() const;
    bool UsesSize() const;

    // The name for one picture. Nothing, with *error set, when a part comes out empty (an {ext}
    // of a name without one) or a folder part comes out as "." or "..".
    std::optional<QString> Expand(const NameFields &fields, QString *error) const;

private:
    enum class Token
    {
        Text,
        Name,
        Ext,
        Folder,
        Number,
        Date,
        Width,
        Height,
    };
    struct Piece
    {
        Token token = Token::Text;
        QString text; // the text itself, or the date format
        int width = 0;
        qint64 start = 1;
    };

    static std::optional<Piece> ParseToken(const QString &inside, QString *error);
    bool Uses(Token token) const;
    // The name with every token filled in, before its shape is checked.
    QString Fill(const NameFields &fields) const;

    std::vector<Piece> m_pieces;
    QString m_text;
};

} // namespace lumaskin
