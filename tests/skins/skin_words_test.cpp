// The bundled skins' words: listed for the translation catalogue, and drawn on the buttons in
// the user's language at run time.
#include "skins/generator/skin_words.h"
#include "tests/skins/skin_under_test.h"

#include <QCoreApplication>
#include <QFile>
#include <QTranslator>
#include <QWidget>
#include <gtest/gtest.h>

namespace lumaskin::test {
namespace {

TEST(SkinWords, TheCatalogueListHoldsEveryWordOfTheSkins)
{
    QFile file(QStringLiteral(LUMASKIN_SKIN_WORDS_FILE));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(), skingen::SkinWordsSource())
        << "run: lumaskin-skingen --words skins/skin_words.h";
    EXPECT_GT(skingen::BundledSkinWords().size(), 40u);
}

// What a button made from the package shows: its caption, tooltip and normal face.
struct Shown
{
    QString caption;
    QString tooltip;
    QImage face;
};

Shown ShowButton(const SkinUnderTest &skin, const std::string &name)
{
    const SkinIni &ini = skin.Ini();
    QWidget window;
    const ControlSite site{&window, nullptr, QString::fromStdString(skin.Folder().Path()),
                           *ReadTransparentColour(ini), &ini};
    for (const auto &entry : ReadButtons(ini)) {
        if (entry && entry->name == name) {
            const SkinButton *button = CreateButton(*entry, 0, site);
            return {button->Caption().text, button->TooltipText(),
                    button->StateBitmap(ButtonFace::Normal)};
        }
    }
    ADD_FAILURE() << "no button " << name;
    return {};
}

TEST(SkinWords, BundledButtonsSpeakTheUsersLanguageAndEnglishWithoutACatalogue)
{
    const SkinUnderTest &skin = SkinUnderTest::Get("Purple.zip");
    ASSERT_TRUE(skin.Extracted());
    const Shown add = ShowButton(skin, "BUTTON_ADD");
    const Shown convert = ShowButton(skin, "BUTTON_CONVERT");
    EXPECT_EQ(add.caption, QStringLiteral("Add"));
    EXPECT_EQ(convert.caption, QStringLiteral("Convert"));
    EXPECT_EQ(add.tooltip, QStringLiteral("Add picture files to the list"));
    ASSERT_TRUE(ReadFaceText(skin.Ini(), "BUTTON_ADD"));

    QTranslator german;
    ASSERT_TRUE(german.load(QStringLiteral(LUMASKIN_TRANSLATIONS_DIR "/lumaskin_de.qm")));
    QCoreApplication::installTranslator(&german);
    const Shown addDe = ShowButton(skin, "BUTTON_ADD");
    const Shown convertDe = ShowButton(skin, "BUTTON_CONVERT");
    QCoreApplication::removeTranslator(&german);

    EXPECT_EQ(addDe.caption, QStringLiteral("Hinzufügen"));
    EXPECT_EQ(convertDe.caption, QStringLiteral("Umwandeln"));
    EXPECT_EQ(addDe.tooltip, QStringLiteral("Bilddateien zur Liste hinzufügen"));
    // The words are drawn on the face, not carried by the bitmap.
    EXPECT_NE(addDe.face, add.face);
    EXPECT_NE(convertDe.face, convert.face);
    // Back in English, the faces are as before.
    EXPECT_EQ(ShowButton(skin, "BUTTON_ADD").face, add.face);
}

} // namespace
} // namespace lumaskin::test
