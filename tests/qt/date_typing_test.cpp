// A birth date typed into the person editor's boxes on the real widgets, one key at a time,
// after a click into a box that shows "?": the day, month and year stored are the ones typed.
#include "../temp_folder.h"
#include "app/program_windows.h"
#include "model/clovek.h"
#include "model/rod.h"
#include "qt_fixture.h"
#include "system/programfolder.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <memory>
#include <string>

namespace {

class DateTyping : public QtTest {
protected:
    DateTyping()
    {
        setProgramFolder(root.path());
        windows = std::make_unique<ProgramWindows>();
        Thlavni& hl = windows->hlavni;
        hl.createEmptyTree();
        auto person = std::make_unique<Clovek>();
        person->firstName = "Jan";
        jan = person.get();
        hl.session.tree()->addNewPerson(std::move(person));
        hl.enableControls(true, true);
        hl.personList.fill();
        hl.editor.showPersonOfStep(jan);
    }
    ~DateTyping() override
    {
        windows.reset();
        setProgramFolder("");
    }

    // A click into the box's edit line at its left or right end, then the keys one by one.
    void typeInto(QLineEdit* line, bool atRight, const std::string& keys)
    {
        QTest::mouseClick(line, Qt::LeftButton, {},
                          QPoint(atRight ? line->width() - 3 : 1, line->height() / 2));
        for (char key : keys)
            QTest::keyClick(line, key);
    }

    TempFolder root;
    std::unique_ptr<ProgramWindows> windows;
    Clovek* jan = nullptr;
};

TEST_F(DateTyping, KeysTypedAfterAClickBesideTheQuestionMarkAreThePartTyped)
{
    TForm& window = windows->hlavni.layout();
    show(window);
    auto* day = widget<QComboBox>(window, "narozDenCB");
    auto* month = widget<QComboBox>(window, "narozMesicCB");
    auto* year = widget<QLineEdit>(window, "narozRokED");
    ASSERT_TRUE(day && month && year);
    ASSERT_EQ(day->lineEdit()->text().toStdString(), "?");

    typeInto(day->lineEdit(), false, "12");
    typeInto(month->lineEdit(), true, "11");
    typeInto(year, true, "1912");
    QTest::mouseClick(day->lineEdit(), Qt::LeftButton);
    EXPECT_EQ(jan->birth.day + "." + jan->birth.month + "." + jan->birth.year, "12.11.1912");
    EXPECT_EQ(day->lineEdit()->text().toStdString(), "12");
    EXPECT_EQ(month->lineEdit()->text().toStdString(), "11");
    EXPECT_EQ(year->text().toStdString(), "1912");
}

} // namespace
