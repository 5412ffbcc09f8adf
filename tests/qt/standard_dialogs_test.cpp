// What the renderer hands Qt's standard dialogs: Czech texts and the program's file filters.
#include "platform/qt/qt_renderer.h"

#include <QCoreApplication>
#include <QString>

#include <gtest/gtest.h>

TEST(StandardDialogs, FileFiltersShowTheirPatternsOnce)
{
    EXPECT_EQ(qtNameFilters("Lipovetay (*.rod)|*.rod").toStdString(), "Lipovetay (*.rod)");
    EXPECT_EQ(qtNameFilters("Obrázky (JPEG)|*.jpg;*.jpeg|Vše|*.*").toStdString(),
              "Obrázky (JPEG) (*.jpg *.jpeg);;Vše (*.*)");
    EXPECT_EQ(qtNameFilters("All (*.jpg;*.jpeg;*.bmp)|*.jpg;*.jpeg;*.bmp").toStdString(),
              "All (*.jpg *.jpeg *.bmp)");
    EXPECT_EQ(qtNameFilters("").toStdString(), "");
}

TEST(StandardDialogs, QtsOwnTextsAreCzech)
{
    ASSERT_TRUE(loadQtCzechTranslations()) << "Qt's translations (qt6-translations-l10n) are missing";
    EXPECT_NE(QCoreApplication::translate("QPlatformTheme", "Cancel").toStdString(), "Cancel");
    EXPECT_NE(QCoreApplication::translate("QFileDialog", "Look in:").toStdString(), "Look in:");
}
