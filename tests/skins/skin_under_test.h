#pragma once

#include "skin/control_factory.h"
#include "skin/skin_sections.h"
#include "skin/skin_working_folder.h"

#include <QImage>
#include <QRect>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace lumaskin::test {

// The nine packages the build makes, by file name.
const std::vector<std::string> &PackageNames();
std::filesystem::path PackagePath(const std::string &name);

// "Purple.zip" -> "Purple_zip", for the names of parameterised tests.
std::string PackageTestName(const ::testing::TestParamInfo<std::string> &param);

// Every control name the main window reacts to.
const std::vector<std::string> &CommandNames();

// The output formats the main window fills its combo box with.
const std::vector<std::string> &FormatNames();

// A place a control takes on the window, in window pixels.
struct Occupied
{
    std::string what;
    QRect rect;
};

// One package extracted with the program's own reader into a private working folder, its
// Skin.ini read with the program's section readers and every bitmap it names loaded as the
// controls load them.
class SkinUnderTest
{
public:
    // Extracts and reads the package once per test run; later calls share the result.
    static const SkinUnderTest &Get(const std::string &packageName);

    const std::string &PackageName() const { return m_packageName; }
    const SkinWorkingFolder &Folder() const { return *m_folder; }
    const SkinIni &Ini() const { return m_ini; }
    bool Extracted() const { return m_extracted; }
    // Entry names in archive order.
    const std::vector<std::string> &Entries() const { return m_entries; }

    // Every bitmap file name the skin names, with "dlgTaskNotifier.bmp".
    std::vector<std::string> BitmapNames() const;
    // Loaded as the controls load bitmaps; a null image when missing or unreadable.
    QImage Bitmap(const std::string &file) const;
    QImage Background() const { return Bitmap(ReadBackgroundBitmap(m_ini)); }
    QImage Notifier() const { return Bitmap("dlgTaskNotifier.bmp"); }

    // The places every control of the main window takes: buttons, sliders (at the size of
    // their bitmaps), option buttons, check boxes, labels, caption, icon, edit boxes, list,
    // the viewer area and the combo box, whose place runs from its drop button (a pixel above
    // the edit) down to the frame drawn around its open drop list.
    std::vector<Occupied> Places() const;

private:
    explicit SkinUnderTest(std::string packageName);

    std::string m_packageName;
    std::unique_ptr<SkinWorkingFolder> m_folder;
    SkinIni m_ini;
    bool m_extracted = false;
    std::vector<std::string> m_entries;
    mutable std::map<std::string, QImage> m_bitmaps;
};

// The combo box's parts, laid out from its rectangle and the size of one face of its
// drop-button strip.
struct ComboParts
{
    QRect edit, button, list;
};
ComboParts LayOutCombo(const Rect &rect, QSize face);

bool IsKey(QRgb pixel);

} // namespace lumaskin::test
