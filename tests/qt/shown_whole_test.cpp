// Questions and the relatives' heading longer than their window's one line: shown whole on the
// screen, in lines its font measures, the window grown to hold them and kept on the screen.
#include "forms/ano_ne_form.h"
#include "forms/ano_ne_storno_form.h"
#include "forms/pribuzni_form.h"
#include "qt_fixture.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>

#include <string>
#include <vector>

namespace {

// The letters of a text without its blanks and line breaks: a word wider than a line is broken
// between letters.
std::string lettersOf(std::string text)
{
    std::erase_if(text, [](char c) { return c == ' ' || c == '\n'; });
    return text;
}

class ShownWhole : public QtTest {
protected:
    // Every line of the label within its width, all of them within its height, the label inside
    // the window, and every letter of `text` in it.
    void expectWhole(TForm& form, const char* labelName, const std::string& text)
    {
        syncAll();
        QWidget* window = renderer().window(form);
        auto* label = widget<QLabel>(form, labelName);
        ASSERT_TRUE(window && label);
        const QFontMetrics metrics(label->font());
        const QStringList lines = label->text().split('\n');
        for (const QString& line : lines)
            EXPECT_LE(metrics.horizontalAdvance(line), label->width()) << line.toStdString();
        EXPECT_LE(lines.size() * metrics.height(), label->height() + metrics.leading()) << text;
        EXPECT_TRUE(window->rect().contains(label->geometry())) << text;
        EXPECT_TRUE(QGuiApplication::primaryScreen()->availableGeometry().contains(window->geometry()))
            << text;
        EXPECT_EQ(lettersOf(label->text().toStdString()), lettersOf(text));
    }
};

// What the person is asked for a whole group and for a picture many persons share, and the
// same as a language whose words are longer (each text twice) would ask it.
const std::vector<std::string> longQuestions = {
    "Vyplnit celé skupině text \"Československá republika\" jako státní příslušnost?",
    "Počet osob, které mají přiřazenu tuto fotografii je 1. Opravdu vymazat?",
    "Soubor /home/uzivatel/Dokumenty/rodokmeny/Novákovi-z-Kolína-nad-Labem-1850-1950.rod nelze uložit.",
};

TEST_F(ShownWhole, ALongQuestionWrapsAndItsWindowGrowsAShortOneKeepsItsWindow)
{
    TanoNe yesNo;
    show(yesNo);
    yesNo.setQuestion("Zavřít aktuální lipoveta?");
    expectWhole(yesNo, "Label1", "Zavřít aktuální lipoveta?");
    EXPECT_EQ(yesNo.Width, 377);
    EXPECT_EQ(yesNo.Height, 89);
    for (const std::string& question : longQuestions)
        for (const std::string& text : {question, question + " " + question}) {
            yesNo.setQuestion(text);
            expectWhole(yesNo, "Label1", text);
            // The buttons stand below the question, inside the window.
            for (const char* button : {"anoBT", "neBT"}) {
                QWidget* b = widget<QWidget>(yesNo, button);
                EXPECT_GE(b->y(), widget<QLabel>(yesNo, "Label1")->geometry().bottom()) << button;
                EXPECT_TRUE(renderer().window(yesNo)->rect().contains(b->geometry())) << button;
            }
        }
    TanoNeStorno yesNoCancel;
    yesNo.Hide();
    show(yesNoCancel);
    yesNoCancel.setQuestion(longQuestions[0] + " " + longQuestions[0]);
    expectWhole(yesNoCancel, "Label1", longQuestions[0] + " " + longQuestions[0]);
}

TEST_F(ShownWhole, AQuestionTallerThanTheScreenStaysOnItAndSaysItGoesOn)
{
    TanoNe yesNo;
    show(yesNo);
    std::string text;
    for (int i = 0; i < 2000; ++i)
        text += "slovo" + std::to_string(i) + " ";
    yesNo.setQuestion(text);
    syncAll();
    QWidget* window = renderer().window(yesNo);
    EXPECT_TRUE(QGuiApplication::primaryScreen()->availableGeometry().contains(window->frameGeometry()));
    EXPECT_TRUE(widget<QLabel>(yesNo, "Label1")->text().endsWith(QString::fromUtf8("…")));
}

TEST_F(ShownWhole, TheRelativesHeadingShowsALongNameWhole)
{
    TpribuzniFORM relatives;
    show(relatives);
    const std::string heading = "Vyhledávání příbuzných k osobě Dlouhý-Novohradský z Lipoveckých Jan "
                                "Nepomuk Maria Josef, 1850 (I1234)";
    relatives.setHeading(heading);
    expectWhole(relatives, "nadpisLB", heading);
    // The lines below the heading move down with it.
    EXPECT_GE(widget<QLabel>(relatives, "vztahLB")->y(),
              widget<QLabel>(relatives, "nadpisLB")->geometry().bottom());
}

} // namespace
