#include "tests/skins/skin_under_test.h"

#include "controls/bitmap_helpers.h"
#include "skin/skin_package.h"
#include "zip/zip_archive.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace lumaskin::test {

const std::vector<std::string> &PackageNames()
{
    static const std::vector<std::string> names = {"Purple.skn", "Orange.zip", "Black.zip",
                                                   "Purple.zip", "Blue.zip",   "Red.zip",
                                                   "Gray.zip",   "Pink.zip",   "Deluxe.zip"};
    return names;
}

std::string PackageTestName(const ::testing::TestParamInfo<std::string> &param)
{
    std::string name = param.param;
    std::replace(name.begin(), name.end(), '.', '_');
    return name;
}

std::filesystem::path PackagePath(const std::string &name)
{
    return std::filesystem::path(LUMASKIN_SKINS_DIR) / name;
}

const std::vector<std::string> &CommandNames()
{
    static const std::vector<std::string> names = {
        "BUTTON_EXIT",         "BUTTON_CLOSE",    "BUTTON_ADD",      "BUTTON_BROWSE",
        "BUTTON_BROWSEVIDEO1", "BUTTON_DELALL",   "BUTTON_DEL",      "BUTTON_CONVERT",
        "BUTTON_UP",           "BUTTON_DOWN",     "BUTTON_EDIT",     "BUTTON_ZOOM25",
        "BUTTON_ZOOM33",       "BUTTON_ZOOM50",   "BUTTON_ZOOM75",   "BUTTON_ZOOM100",
        "BUTTON_ZOOM150",      "BUTTON_ZOOM200",  "BUTTON_IN",       "BUTTON_OUT",
        "BUTTON__RESTORE",     "BUTTON__EFFECT1", "BUTTON__EFFECT2", "BUTTON_PLAY",
        "BUTTON_PAUSE",        "BUTTON_STOP",     "BUTTON_MINIMIZE", "BUTTON_STEPS"};
    return names;
}

const std::vector<std::string> &FormatNames()
{
    static const std::vector<std::string> names = {"Bmp", "JPG", "PDF", "WBMP", "GIF",
                                                   "PCX", "TGA", "ICO", "JP2",  "JPC",
                                                   "RAS", "PGX", "PNM", "PNG"};
    return names;
}

bool IsKey(QRgb pixel)
{
    return (pixel & 0xFFFFFF) == 0xFF00FF;
}

ComboParts LayOutCombo(const Rect &r, QSize face)
{
    const int w = face.width();
    const int h = face.height();
    ComboParts parts;
    parts.edit = ToQRect({r.left, r.top, r.right - w, r.top + h});
    parts.button = ToQRect({r.right - w, r.top - 1, r.right, r.top + h + 1});
    Rect list{r.left, r.top + h + 2, r.right - 1, r.bottom};
    if (r.bottom - (r.top + h) - 2 < 50)
        list.bottom = r.top + h + 52;
    parts.list = ToQRect(list);
    return parts;
}

const SkinUnderTest &SkinUnderTest::Get(const std::string &packageName)
{
    static std::map<std::string, std::unique_ptr<SkinUnderTest>> cache;
    auto &entry = cache[packageName];
    if (!entry)
        entry.reset(new SkinUnderTest(packageName));
    return *entry;
}

SkinUnderTest::SkinUnderTest(std::string packageName)
    : m_packageName(std::move(packageName)), m_folder(std::make_unique<SkinWorkingFolder>())
{
    ZipArchive archive;
    // Any question or reason during extraction is a failure of the package.
    const auto noRetry = [] {
        ADD_FAILURE() << "asked to retry while extracting";
        return false;
    };
    if (m_folder->IsValid()) {
        const SkinPackageOutcome outcome = ExtractSkinPackage(
            archive, PackagePath(m_packageName).string(), m_folder->Path(), noRetry);
        EXPECT_TRUE(outcome.reason.isEmpty()) << outcome.reason.toStdString();
        m_extracted = outcome.result == SkinPackageResult::Extracted;
    }
    // A second look at the archive for its entry names.
    try {
        archive.Open(PackagePath(m_packageName).string(), 0, 0);
        for (int i = 0; i < archive.GetEntryCount(); ++i) {
            if (const auto info = archive.GetEntryInfo(static_cast<std::uint16_t>(i)))
                m_entries.push_back(info->name);
        }
        archive.Close(true);
    } catch (...) {
        archive.Close(true);
        m_entries.clear();
    }
    m_ini = SkinIni(m_folder->SkinFilePath());
}

QImage SkinUnderTest::Bitmap(const std::string &file) const
{
    auto found = m_bitmaps.find(file);
    if (found != m_bitmaps.end())
        return found->second;
    QImage image;
    LoadBitmapFile(QString::fromStdString(m_folder->FolderWithSlash() + file), image);
    m_bitmaps[file] = image;
    return image;
}

std::vector<std::string> SkinUnderTest::BitmapNames() const
{
    std::vector<std::string> names = {ReadBackgroundBitmap(m_ini), "dlgTaskNotifier.bmp"};
    if (const auto icon = ReadIcon(m_ini))
        names.push_back(icon->bitmap);
    auto addScrollBar = [&names](const ScrollBarBitmaps &bar) {
        names.insert(names.end(), {bar.track, bar.upArrow, bar.upArrowPressed, bar.downArrow,
                                   bar.downArrowPressed, bar.thumb, bar.thumbPressed});
    };
    for (const auto &b : ReadTaskBarButtons(m_ini))
        if (b)
            names.push_back(b->bitmap);
    for (const auto &b : ReadButtons(m_ini))
        if (b)
            names.push_back(b->bitmap);
    for (const auto &s : ReadSliders(m_ini))
        if (s)
            names.insert(names.end(), {s->channelBitmap, s->thumbBitmap, s->activeThumbBitmap});
    for (const auto &o : ReadOptionButtons(m_ini))
        if (o)
            names.push_back(o->bitmap);
    for (const auto &c : ReadCheckBoxes(m_ini))
        if (c)
            names.push_back(c->bitmap);
    for (const auto &l : ReadListBoxes(m_ini))
        if (l)
            addScrollBar(l->scrollBar);
    for (const auto &c : ReadComboBoxes(m_ini)) {
        if (c) {
            names.push_back(c->buttonBitmap);
            addScrollBar(c->scrollBar);
        }
    }
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

std::vector<Occupied> SkinUnderTest::Places() const
{
    std::vector<Occupied> places;
    auto add = [&places](std::string what, const QRect &rect) {
        places.push_back({std::move(what), rect});
    };
    if (const auto host = ReadHostRect(m_ini))
        add("viewer", ToQRect(*host));
    if (const auto icon = ReadIcon(m_ini))
        add("icon", ToQRect(icon->rect));
    if (const auto caption = ReadCaption(m_ini))
        add("caption", ToQRect(caption->rect));
    for (const auto &b : ReadButtons(m_ini))
        if (b)
            add(b->name, ToQRect(b->rect));
    for (const auto &s : ReadSliders(m_ini)) {
        if (!s)
            continue;
        // A slider takes the size of the larger of its channel and thumb.
        const QImage channel = Bitmap(s->channelBitmap);
        const QImage thumb = Bitmap(s->thumbBitmap);
        add(s->name, QRect(s->rect.left, s->rect.top, std::max(channel.width(), thumb.width()),
                           std::max(channel.height(), thumb.height())));
    }
    for (const auto &o : ReadOptionButtons(m_ini))
        if (o)
            add(o->name, ToQRect(o->rect));
    for (const auto &c : ReadCheckBoxes(m_ini))
        if (c)
            add(c->name, ToQRect(c->rect));
    for (const auto &l : ReadLabels(m_ini))
        if (l)
            add(l->name, ToQRect(l->rect));
    for (const auto &e : ReadEditBoxes(m_ini))
        if (e)
            add(e->name, ToQRect(e->rect));
    for (const auto &l : ReadListBoxes(m_ini))
        if (l)
            add(l->name, ToQRect(l->rect));
    for (const auto &c : ReadComboBoxes(m_ini)) {
        if (!c)
            continue;
        const QImage strip = Bitmap(c->buttonBitmap);
        const ComboParts parts = LayOutCombo(c->rect, QSize(strip.width() / 4, strip.height()));
        add(c->name, parts.edit.united(parts.button).united(parts.list.adjusted(-1, -1, 1, 1)));
    }
    return places;
}

} // namespace lumaskin::test
