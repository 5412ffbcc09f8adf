// The search command: the search dialog, its two searches over the open tree and the person
// chosen among those found.
#include "model/clovek.h"
#include "model/datum.h"
#include "model/language_file.h"
#include "model/rod.h"
#include "shell/hlavni.h"
#include "shell/hledej_form.h"
#include "shell/list_display.h"
#include "shell/person_search.h"

namespace {

// The captions of the persons, each finding its person again (identifier always shown), into the
// dialog's sorted list in one sort.
void listPersons(TStringList& items, const std::vector<Clovek*>& persons, const Nastaveni& settings)
{
    items.Clear();
    const bool sorted = items.Sorted();
    items.setSorted(false);
    std::string caption;
    for (const Clovek* p : persons) {
        p->displayNameInto(caption, settings.showBirthSurname, settings.showBirth, true);
        items.Add(caption);
    }
    items.setSorted(sorted);
}

// The language file stays lent to the dialog only while it is shown.
class LentLanguage {
public:
    LentLanguage(ThledejFORM& dialog, TextSource* file) : dialog_(dialog) { dialog_.languageFile = file; }
    ~LentLanguage() { dialog_.languageFile = nullptr; }
    LentLanguage(const LentLanguage&) = delete;
    LentLanguage& operator=(const LentLanguage&) = delete;

private:
    ThledejFORM& dialog_;
};

} // namespace

void MainFrame::Hledej1Click()
{
    ThledejFORM& dialog = *hledejFORM;
    int result;
    {
        LentLanguage lent(dialog, languageFile.get());
        result = dialog.ShowModal();
    }
    const int chosen = dialog.osobyLIST.ItemIndex();
    if (result == 1 && chosen >= 0 && chosen < dialog.osobyLIST.Items.Count())
        showListedPerson(dialog.osobyLIST.Items[chosen]);
}

void MainFrame::showListedPerson(const std::string& caption)
{
    if (!session.tree() || !personList.hasView())
        return;
    Clovek* person = session.tree()->findPersonByDisplayName(caption, ListDisplay(settings));
    if (!person)
        return;
    // The list may show one group only. A person it does not show is not made the current one,
    // and the selection stays on the row it was on.
    if (personList.selectListedPerson(person))
        showPerson(person);
}

void MainFrame::searchText()
{
    ThledejFORM& d = *hledejFORM;
    TextSearchFields f;
    f.firstName = d.jmenoCH.Checked();
    f.surname = d.prijmeniCH.Checked();
    f.birthSurname = d.rodnePrijmeniCH.Checked();
    f.titles = d.titulyCH.Checked();
    f.birthPlace = d.mistoNarozeniCH.Checked();
    f.deathPlace = d.mistoUmrtiCH.Checked();
    f.burialPlace = d.mistoPohrbeniCH.Checked();
    f.deathCause = d.pricinaUmrtiCH.Checked();
    f.weddingPlace = d.mistoSvatbyCH.Checked();
    f.officiant = d.oddavajiciKnezCH.Checked();
    f.witnesses = d.svedkoveCH.Checked();
    f.residences = d.bydlisteCH.Checked();
    f.educations = d.vzdelaniCH.Checked();
    f.occupations = d.povolaniCH.Checked();
    listPersons(d.osobyLIST.Items,
                session.tree() ? findPersonsByText(*session.tree(), d.retezecED.Text(), f)
                               : std::vector<Clovek*>{},
                settings);
}

void MainFrame::searchDate()
{
    ThledejFORM& d = *hledejFORM;
    DateSearchFields f;
    f.birth = d.datumNarozeniCH.Checked();
    f.death = d.datumUmrtiCH.Checked();
    f.wedding = d.datumSvatbyCH.Checked();
    f.divorce = d.datumRozvoduCH.Checked();
    const Datum first(d.den1CB.Text(), d.mesic1CB.Text(), d.rok1CB.Text());
    const Datum second(d.den2CB.Text(), d.mesic2CB.Text(), d.rok2CB.Text());
    const auto mode = static_cast<DateSearchMode>(d.jakHledatGROUP.ItemIndex());
    listPersons(d.osobyLIST.Items,
                session.tree() ? findPersonsByDate(*session.tree(), first, second, mode, f)
                               : std::vector<Clovek*>{},
                settings);
}
