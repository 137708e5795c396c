#include "skins/generator/theme.h"

#include "skin/skin_ini.h"

#include <QFile>
#include <QRegularExpression>
#include <array>
#include <utility>

namespace lumaskin::skingen {

namespace {

// Reads the values of one theme file and remembers the first problem met.
class ThemeReader
{
public:
    explicit ThemeReader(const QString &path) : m_ini(QFile::encodeName(path).toStdString()) {}

    QString Text(const char *section, const char *key, const QString &fallback = {})
    {
        const std::string value = m_ini.GetString(section, key);
        if (value.empty()) {
            if (fallback.isNull())
                Fail(QStringLiteral("missing %1/%2").arg(section, key));
            return fallback;
        }
        return QString::fromStdString(value);
    }

    int Number(const char *section, const char *key, int fallback, int low, int high)
    {
        const QString text = Text(section, key, QString::number(fallback));
        bool ok = false;
        const int value = text.toInt(&ok);
        if (!ok || value < low || value > high) {
            Fail(QStringLiteral("%1/%2 must be a whole number from %3 to %4")
                     .arg(section, key)
                     .arg(low)
                     .arg(high));
            return fallback;
        }
        return value;
    }

    QColor Colour(const char *key)
    {
        static const QRegularExpression form(QStringLiteral("^#[0-9A-Fa-f]{6}$"));
        const QString text = Text("Colours", key);
        if (!form.match(text).hasMatch()) {
            Fail(QStringLiteral("Colours/%1 must be written #RRGGBB").arg(key));
            return Qt::black;
        }
        return QColor(text);
    }

    template <class Enum, std::size_t N>
    Enum Choice(const char *section, const char *key,
                const std::array<std::pair<const char *, Enum>, N> &choices)
    {
        const QString text = Text(section, key, QString::fromLatin1(choices[0].first));
        for (const auto &[word, value] : choices) {
            if (text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0)
                return value;
        }
        Fail(QStringLiteral("%1/%2 has no style \"%3\"").arg(section, key, text));
        return choices[0].second;
    }

    void Fail(const QString &problem)
    {
        if (m_error.isEmpty())
            m_error = problem;
    }
    const QString &Error() const { return m_error; }

private:
    SkinIni m_ini;
    QString m_error;
};

constexpr std::array kLayouts{std::pair{"standard", LayoutKind::Standard},
                              std::pair{"deluxe", LayoutKind::Deluxe}};
constexpr std::array kCorners{std::pair{"round", CornerStyle::Round},
                              std::pair{"chamfer", CornerStyle::Chamfer}};
constexpr std::array kEdges{std::pair{"flat", EdgeStyle::Flat}, std::pair{"wave", EdgeStyle::Wave},
                            std::pair{"notch", EdgeStyle::Notch},
                            std::pair{"crown", EdgeStyle::Crown},
                            std::pair{"scallop", EdgeStyle::Scallop}};
constexpr std::array kButtons{
    std::pair{"gloss", ButtonStyle::Gloss}, std::pair{"flat", ButtonStyle::Flat},
    std::pair{"bevel", ButtonStyle::Bevel}, std::pair{"pill", ButtonStyle::Pill}};
constexpr std::array kOrnaments{
    std::pair{"none", Ornament::None},       std::pair{"glow", Ornament::Glow},
    std::pair{"stripes", Ornament::Stripes}, std::pair{"dots", Ornament::Dots},
    std::pair{"waves", Ornament::Waves},     std::pair{"grid", Ornament::Grid}};

} // namespace

std::optional<Theme> LoadTheme(const QString &path, QString &error)
{
    if (!QFile::exists(path)) {
        error = QStringLiteral("%1: no such file").arg(path);
        return std::nullopt;
    }
    ThemeReader in(path);
    Theme theme;
    theme.name = in.Text("Skin", "Name");
    theme.packageFile = in.Text("Skin", "Package");
    theme.layout = in.Choice("Skin", "Layout", kLayouts);
    theme.font = in.Text("Skin", "Font", theme.font);

    theme.shape.corners = in.Choice("Shape", "Corners", kCorners);
    theme.shape.cornerSize = in.Number("Shape", "CornerSize", 20, 0, 48);
    theme.shape.top = in.Choice("Shape", "Top", kEdges);
    theme.shape.bottom = in.Choice("Shape", "Bottom", kEdges);
    theme.shape.sideBite = in.Number("Shape", "SideBite", 0, -12, 12);
    theme.shape.rim = in.Number("Shape", "Rim", 2, 1, 4);

    theme.buttons = in.Choice("Look", "Buttons", kButtons);
    theme.ornament = in.Choice("Look", "Ornament", kOrnaments);
    theme.panelRadius = in.Number("Look", "PanelRadius", 10, 0, 20);

    Palette &c = theme.colours;
    c.bodyTop = in.Colour("BodyTop");
    c.bodyBottom = in.Colour("BodyBottom");
    c.headerTop = in.Colour("HeaderTop");
    c.headerBottom = in.Colour("HeaderBottom");
    c.rim = in.Colour("Rim");
    c.panel = in.Colour("Panel");
    c.panelBorder = in.Colour("PanelBorder");
    c.well = in.Colour("Well");
    c.wellBorder = in.Colour("WellBorder");
    c.caption = in.Colour("Caption");
    c.label = in.Colour("Label");
    c.accent = in.Colour("Accent");
    c.accentText = in.Colour("AccentText");
    c.buttonTop = in.Colour("ButtonTop");
    c.buttonBottom = in.Colour("ButtonBottom");
    c.buttonText = in.Colour("ButtonText");
    c.buttonBorder = in.Colour("ButtonBorder");
    c.listBack = in.Colour("ListBack");
    c.listText = in.Colour("ListText");
    c.listSelBack = in.Colour("ListSelBack");
    c.listSelText = in.Colour("ListSelText");
    c.editBack = in.Colour("EditBack");
    c.editText = in.Colour("EditText");
    c.editBorder = in.Colour("EditBorder");
    c.ornament = in.Colour("Ornament");

    if (!in.Error().isEmpty()) {
        error = QStringLiteral("%1: %2").arg(path, in.Error());
        return std::nullopt;
    }
    return theme;
}

} // namespace lumaskin::skingen
