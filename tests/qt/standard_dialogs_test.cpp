// What the renderer hands Qt's standard dialogs: Czech texts and the program's file filters.
#include "toolkit/qt/qt_renderer.h"

#include <QAbstractProxyModel>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLocale>
#include <QString>
#include <QTest>

#include <gtest/gtest.h>

#include <string>

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

// Qt's file list writes dates in the system's language ("9 Dec" under an English or C locale).
TEST(StandardDialogs, TheFileDialogShowsDatesInCzech)
{
    const std::string folder = testing::TempDir() + "kinvelor_dates";
    QDir().mkpath(QString::fromStdString(folder));
    QFile file(QString::fromStdString(folder + "/strom.rod"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const QDateTime written = QFileInfo(file).lastModified();

    QFileDialog dialog;
    showCzechFileDates(dialog);
    dialog.setDirectory(QString::fromStdString(folder));
    auto* model = dialog.proxyModel();
    ASSERT_NE(model, nullptr);
    auto* files = qobject_cast<QFileSystemModel*>(model->sourceModel());
    ASSERT_NE(files, nullptr);
    const QModelIndex root = model->mapFromSource(files->index(QString::fromStdString(folder)));
    ASSERT_TRUE(QTest::qWaitFor([&] { return model->rowCount(root) == 1; }, 2000));
    EXPECT_EQ(model->index(0, 3, root).data().toString(),
              QLocale(QLocale::Czech, QLocale::Czechia).toString(written, QLocale::ShortFormat));
    QFile::remove(file.fileName());
}
