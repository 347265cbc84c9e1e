// SPDX-FileCopyrightText: The Tolvenn developers
// SPDX-License-Identifier: MIT

// Both catalogues are complete, English has no Japanese left in it, Japanese keeps the
// original texts, and every dialog has room for its texts in both languages.

#include "Aquarium.h"

#include "base/resources/DialogTemplate.h"
#include "base/resources/ResourceStore.h"
#include "platform/dialogs/Dialog.h"
#include "platform/services/Translations.h"
#include "sim/Catalogue.h"
#include "ui/CreatureLooks.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTranslator>

#include <utility>
#include <vector>

namespace {

using TText = std::pair<std::string, std::string>;  // context, source text

// Every text the window shows from data rather than code, which lupdate cannot see: the
// dialog templates and the species' names.
std::vector<TText> ShownTexts()
{
    std::vector<TText> texts;
    for (const TResourceEntry& entry : EmbeddedResources()) {
        if (std::string_view(entry.Type) != "DIALOG")
            continue;
        std::string error;
        const auto dlg = ParseDialogTemplate(entry.Text(), error);
        if (!dlg)
            continue;
        texts.emplace_back(dlg->Name, dlg->Caption);
        for (const TControlTemplate& c : dlg->Controls)
            if (c.Kind != TControlKind::Icon && !c.Text.empty())
                texts.emplace_back(dlg->Name, c.Text);
    }
    for (int species = 1; species <= kSpeciesCount; ++species)
        texts.emplace_back("Species", std::string(FindSpecies(species)->FamilyName));
    return texts;
}

bool HasJapanese(const QString& text)
{
    static const QRegularExpression japanese(QStringLiteral("[\\x{3000}-\\x{30FF}\\x{4E00}-\\x{9FFF}\\x{FF00}-\\x{FFEF}]"));
    return text.contains(japanese);
}

TEST(Translations, BothCataloguesTranslateEveryShownText)
{
    const std::vector<TText> texts = ShownTexts();
    ASSERT_GT(texts.size(), 40u);
    for (const char* language : {"ja", "en"}) {
        QTranslator catalogue;
        ASSERT_TRUE(catalogue.load(QStringLiteral(":/i18n/tolvenn_%1.qm").arg(QLatin1String(language))));
        for (const auto& [context, source] : texts) {
            SCOPED_TRACE(std::string(language) + " " + context + ": " + source);
            const QString translated = catalogue.translate(context.c_str(), source.c_str());
            ASSERT_FALSE(translated.isEmpty());
            const QString original = QString::fromStdString(source);
            if (std::string_view(language) == "en") {
                EXPECT_FALSE(HasJapanese(translated)) << translated.toStdString();
            } else if (HasJapanese(original)) {
                // The original Japanese stands as it is, with an access key at most.
                QString bare = translated;
                bare.remove(QRegularExpression(QStringLiteral("\\(&[A-Z]\\)")));
                EXPECT_EQ(bare, original);
            } else {
                EXPECT_TRUE(HasJapanese(translated) || translated == original) << translated.toStdString();
            }
        }
    }
}

TEST(Translations, TheWindowSpeaksTheChosenLanguage)
{
    {
        const TTranslations english("tolvenn", "en");
        ASSERT_TRUE(english.Loaded());
        EXPECT_EQ(SpeciesName(1).toStdString(), "Goldfish");
        EXPECT_EQ(SpeciesName(20).toStdString(), "Horseshoe crab");
        TDialog dialog(nullptr, "IDENSHI");
        EXPECT_EQ(dialog.Title, "Creature settings");
    }
    {
        const TTranslations japanese("tolvenn", "ja");
        EXPECT_EQ(SpeciesName(1).toStdString(), "きんぎょ");
        // The original texts stand as they are, English ones included.
        TDialog dialog(nullptr, "SPEED");
        EXPECT_EQ(dialog.Title, "SPEED");
    }
    EXPECT_EQ(SpeciesName(1).toStdString(), "きんぎょ") << "the source text without a catalogue";
    EXPECT_TRUE(SpeciesName(0).isEmpty());
    EXPECT_TRUE(SpeciesName(21).isEmpty());
    EXPECT_FALSE(TTranslations("tolvenn", "fr").Loaded());
}

// A label or button whose text is wider than itself shows it cut off.
void ExpectEveryTextFits(QWidget* modal)
{
    const QRect inside = modal->rect();
    for (QLabel* label : modal->findChildren<QLabel*>()) {
        SCOPED_TRACE(label->text().toStdString());
        EXPECT_LE(label->sizeHint().width(), label->width());
        EXPECT_TRUE(inside.contains(label->geometry()));
    }
    for (QPushButton* button : modal->findChildren<QPushButton*>()) {
        SCOPED_TRACE(button->text().toStdString());
        EXPECT_LT(button->fontMetrics().horizontalAdvance(button->text().remove(QLatin1Char('&'))), button->width());
        EXPECT_TRUE(inside.contains(button->geometry()));
    }
    // Texts that grew pushed their neighbours aside rather than over them. Labels the
    // template stacks edge to edge may share the pixel row that rounding gives them both.
    const QList<QLabel*> labels = modal->findChildren<QLabel*>();
    for (qsizetype i = 0; i < labels.size(); ++i)
        for (qsizetype k = i + 1; k < labels.size(); ++k) {
            const QRect a = labels[i]->geometry(), b = labels[k]->geometry();
            const QRect textA(a.topLeft(), QSize(labels[i]->sizeHint().width(), a.height() - 1));
            const QRect textB(b.topLeft(), QSize(labels[k]->sizeHint().width(), b.height() - 1));
            EXPECT_FALSE(!labels[i]->text().isEmpty() && !labels[k]->text().isEmpty() && textA.intersects(textB))
                << labels[i]->text().toStdString() << " / " << labels[k]->text().toStdString();
        }
}

TEST(Translations, DialogsMakeRoomForTheirTextsInBothLanguages)
{
    for (const char* language : {"ja", "en"}) {
        const TTranslations translations("tolvenn", language);
        for (const char* name : {"IDENSHI", "SPEED", "ABOUT"}) {
            SCOPED_TRACE(std::string(language) + " " + name);
            TAquarium a;
            ASSERT_TRUE(a.Open());
            TDialog dialog(a.Window.get(), name);
            WhenModal([&](QWidget* modal) {
                ExpectEveryTextFits(modal);
                dialog.EndDialog(2);
            });
            EXPECT_EQ(dialog.Execute(), 2);
        }
    }
}

}  // namespace
