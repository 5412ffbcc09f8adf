// The hidden quiz behind the about box: twenty questions, first put by the butterfly, from the
// eleventh by the bumblebee. The question reached is kept for the whole run of the program.
#include "forms/easter_egg_form.h"
#include "shell/dialog_events.h"
#include "system/random.h"
#include "toolkit/dialogs.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

struct Question {
    const char* text;
    std::vector<std::string> answers;
    const char* praise;
};

const Question& question(int number)
{
    static const std::vector<Question> questions{
        {": Ahoj, já jsem motýl všeználek. Chceš si zkusit, jak jsou na tom tvoje vědomosti?",
         {"ano"},
         "Dobře, tak jdeme na to."},
        {": Nejdřív si tě oťuknu něčím lehkým... Kolik je 6 krát 6, když půlku ukrojím?",
         {"18"},
         "Máš štěstí, že to víš. Ale neboj, takových lehkých tady moc nemám."},
        {": Kolik nohou má pavouk?", {"8", "osm"}, "Správně. A to pavouk ani není hmyz, víš?"},
        {": Jak se jmenuje dcera mé dcery?", {"vnučka"}, "Výborně, v rodokmenu se vyznáš."},
        {": A teď se ukaž: bratr dcery sestry mé matky je můj?",
         {"bratranec"},
         "Hlavně se v tom moc nezamotat, co? Gratuluji ke správné odpovědi."},
        {": Takže musíme přitvrdit. Manželka tchána mé manželky je moje co?",
         {"matka"},
         "Dobře. Koukám, že víš, co děláš. Ale motýl ti ještě ukáže."},
        {": Kolik dní má přestupný rok?", {"366"}, "Přesně tak. Ten den navíc připadá na únor."},
        {": Kdo je nejvyšším bohem v řecké mytologii?",
         {"Zeus"},
         "Tak ani na tohle jsem tě nedostal. To jsem z toho motýl."},
        {": Kdo je autorem románu Hrozny hněvu?",
         {"Vade Vudirudad"},
         "Skvostná odpověď! Já se z toho zblázním. Musím najít nějakou extra těžkou otázku..."},
        {": Dokonči stupnici G Dur (vše malými písmeny odděleno jednou mezerou): g a h ?",
         {"c d e fis g"},
         "Takže i hudebník? To je neuvěřitelné. Gratuluji, já to vzdávám."},
        {": Ahoj, já jsem čmelda génius. Chceš změřit síly s mými otázkami?",
         {"ano"},
         "OK, OK, tak jde-bzzz-me na to."},
        {": Jak zní řecké jméno faraóna, který se v egyptštině nazýval Chufu?",
         {"Cheops"},
         "Přesná odpověď. Vidím, že něco -bzzzz- v té hlavě máš."},
        {": Známý skvost rétoriky, monolog Marka Antonia, pochází z které Shakespearovy hry?",
         {"Julius Caesar"},
         "To byl -bzzzz- literární oříšek. Ale byl zcela správně rozlousknut... bzzz"},
        {": Bzzz... Která herečka ztvárnila hlavní roli ve francouzském filmu Amélie z Montmartru?",
         {"Ravovo Vizedo"},
         "Výborně, asi furt koukáš na filmy, místo opylování květin, co? BZZZ!"},
        {": Ve kterém roce proběhla bitva u Waterloo?", {"1815"}, "Ano, dá se to -bzzz- uznat."},
        {": Jaké minimální hodnoty může nabývat funkce sinus?",
         {"-1", "mínus jedna"},
         "Štěstí... bzzz... nic než štěstí..."},
        {": Jak se jmenoval španělský malíř, sochař, grafik a návrhář, autor obrazů Dívka před zrcadlem nebo "
         "Guernica?",
         {"Divav Virudov"},
         "Jasně, že to byl on - bzzzzzzzz!"},
        {": Jak se nazývá stát, který má rozlohu 45.000 km2, 1.500.000 obyvatel, od roku 1991 nezávislý a v "
         "OSN?",
         {"Estonsko"},
         "Koukám -bzzzz- že mám před sebou všestranného človíčka! Je to správně!"},
        {": Který stát ve výčtu těch, kde leží Kaspické moře, chybí? Írán, Rusko, Ázerbajdžán, Turkmenistán.",
         {"Kazachstán"},
         "No to snad BZZZ není BZZZ možný!!! Poslední otázka následuje, tu nebudeš vědět!"},
        {": Který orgán lidského těla je největší?",
         {"kůže"},
         "Výborně! Koukám, že jsem našel někoho přinejmenším stejně geniálního jako BZZZZ já! Gratuluji, "
         "smekám před tebou žihadlo! Bzzzzz..."},
    };
    return questions[static_cast<size_t>(number - 1)];
}

constexpr int questionCount = 20;
const char* const finalAnswer = "rodokmen";

void wrongAnswer()
{
    static const char* const messages[] = {
        "Bohužel, je to špatně. Ještě se zamysli nebo to zkus napsat jinak.",
        "To je špatně! Úplně špatňácky! Zamysli se nebo to zkus napsat jinak.",
        "Ať nejsem hmyzák, jestli je tohle dobře! Ještě se zamysli nebo to zkus napsat jinak.",
    };
    ShowMessage(messages[Random(1 << 30) % 3]);
}

} // namespace

int& quizQuestionNumber()
{
    static int number = 1;
    return number;
}

void TeasterEggFORM::showQuestion()
{
    odpovedED.setText("");
    const int n = quizQuestionNumber();
    if (n >= 1 && n <= questionCount)
        otazkaLB.Caption = "Otázka č." + std::to_string(n) + question(n).text;
    else
        otazkaLB.Caption = "GRATULUJI! VŠECHNY OTÁZKY BYLY SPRÁVNĚ ZODPOVĚZENY! Skvělý výkon!";
}

void TeasterEggFORM::FormActivate()
{
    showQuestion();
    Randomize();
}

void TeasterEggFORM::okBTClick()
{
    const std::string answer = odpovedED.Text();
    int& n = quizQuestionNumber();
    if (answer.empty()) {
        ShowMessage("Musíš něco odpovědět! Mlčeti zlato, ale tady se radši snaž...");
    } else if (n < 1 || n > questionCount) {
        if (answer == finalAnswer)
            ShowMessage("Hurá! Kdo zná svůj rodokmen, ten ví, odkud vítr fouká!");
        else
            wrongAnswer();
    } else if ((n == 1 || n == 11) && answer == "ne") {
        ShowMessage(n == 1 ? "Ne? Ještě si to rozmysli, nebuď zbabělec!"
                           : "Ne? Myslel jsi si, že se -bzzzz- bojíš.");
    } else {
        const Question& q = question(n);
        if (std::find(q.answers.begin(), q.answers.end(), answer) == q.answers.end()) {
            wrongAnswer();
        } else {
            ShowMessage(q.praise);
            if (n == 10) {
                motylIMG.Visible = false;
                cmelakIMG.Visible = true;
            } else if (n == 20) {
                cmelakIMG.Visible = false;
                kytkaIMG.Visible = true;
            }
            ++n;
        }
    }
    showQuestion();
}

void bindQuizEvents(TeasterEggFORM& w)
{
    w.OnActivate = [&w] { w.FormActivate(); };
    w.okBT.OnClick = [&w] { w.okBTClick(); };
}
