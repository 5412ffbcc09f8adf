// The location window of the web export from the keyboard: letters find a folder, Enter enters
// it, a path typed whole is entered, and only OK chooses.
#include "forms/vyber_adresar_form.h"
#include "qt_fixture.h"
#include "temp_folder.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <filesystem>

namespace {

class FolderWindow : public QtTest {
protected:
    TempFolder places;
    TvyberAdresarFORM w;
};

TEST_F(FolderWindow, TheKeyboardFindsAndEntersFoldersAndOnlyOkChooses)
{
    for (const char* name : {"alfa", "beta", "bratislava", "brno/uvnitr", "cheb"})
        std::filesystem::create_directories(places / name);
    w.showFolder(places.path(), places.path());
    show(w);
    auto* list = widget<QListWidget>(w, "Adresar");
    auto* path = widget<QLineEdit>(w, "cestaED");
    ASSERT_TRUE(list && path);
    w.Adresar.SetFocus();
    syncAll();

    QTest::keyClicks(list, "br");
    EXPECT_EQ(w.chosenFolder(), places / "bratislava");
    QTest::keyClicks(list, "n");
    EXPECT_EQ(w.chosenFolder(), places / "brno");
    EXPECT_EQ(path->text().toStdString(), places / "brno");

    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(w.currentFolder(), places / "brno");
    EXPECT_EQ(w.ModalResult, mrNone);

    const QRect line = list->visualItemRect(list->item(w.Adresar.Items.Count() - 1));
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, line.center());
    EXPECT_EQ(w.currentFolder(), places / "brno/uvnitr");

    w.cestaED.SetFocus();
    syncAll();
    QTest::keyClicks(path, QString::fromStdString(places / "cheb"));
    QTest::keyClick(path, Qt::Key_Return);
    EXPECT_EQ(w.currentFolder(), places / "cheb");
    EXPECT_EQ(w.ModalResult, mrNone);

    QTest::mouseClick(widget<QPushButton>(w, "Button1"), Qt::LeftButton);
    EXPECT_EQ(w.ModalResult, mrOk);
    EXPECT_EQ(w.chosenFolder(), places / "cheb");
}

} // namespace
