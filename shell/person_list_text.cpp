// The person list as text: one line per row of the person list in fixed-width columns, for the
// text window.
#include "forms/jak_seznam_form.h"
#include "forms/text_form.h"
#include "model/casove_obdobi.h"
#include "model/clovek.h"
#include "model/rod.h"
#include "shell/hlavni.h"
#include "shell/scroll.h"
#include "system/text.h"
#include "toolkit/dialogs.h"

namespace {

// `value` right-aligned in `width` letters; the text of a date that cannot be determined counts
// as ten blanks.
std::string padded(const std::string& value, int width, const std::string& undeterminable)
{
    const std::string& shown = value == undeterminable ? std::string(10, ' ') : value;
    // Czech letters take more than one byte each; the columns count letters.
    const size_t length = utf8Length(shown);
    if (length >= static_cast<size_t>(width))
        return shown;
    return std::string(static_cast<size_t>(width) - length, ' ') + shown;
}

const std::string* firstPeriodText(const Prvky& periods)
{
    for (const CasoveObdobi* period : periods.items<CasoveObdobi>())
        return &period->text.str();
    return nullptr;
}

} // namespace

void MainFrame::SeznamOsob1Click()
{
    if (JakSeznamFORM->ShowModal() == mrOk)
        textFORM->ShowModal();
}

void MainFrame::writePersonListLines(std::vector<std::string>& lines, const ListColumns& columns)
{
    if (!personList.hasView())
        return;
    // One lookup for the whole list, not one per column and person.
    const std::string undeterminable = langText("ruzne", "nelzeUrcit", "(nelze určit)");
    auto add = [&](std::string& line, const std::string& value, int width) {
        line += padded(value, width, undeterminable);
        line += '\t';
    };
    for (Polozka* row = personList.firstRow(); row; row = row->next) {
        const Clovek& p = *row->person;
        std::string line;
        add(line, p.fullName(columns.useBirthSurname, false), 26);
        if (columns.number)
            add(line, std::to_string(p.number), 4);
        if (columns.birth)
            add(line, p.birth.longText(*this), 19);
        if (columns.birthPlace)
            add(line, p.birthPlace, 17);
        if (columns.death)
            add(line, p.death.longText(*this), 19);
        if (columns.deathPlace)
            add(line, p.deathPlace, 17);
        const std::pair<bool, const Prvky*> periods[] = {
            {columns.residence, &static_cast<const Prvky&>(p.residences)},
            {columns.education, &static_cast<const Prvky&>(p.educations)},
            {columns.occupation, &static_cast<const Prvky&>(p.occupations)}};
        for (const auto& [wanted, list] : periods)
            if (wanted)
                if (const std::string* text = firstPeriodText(*list))
                    add(line, *text, 20);
        lines.push_back(std::move(line));
    }
}

void MainFrame::buildPersonListHierarchical(std::vector<std::string>& lines, const ListColumns&)
{
    lines.clear();
    if (!personList.hasView() || !session.tree())
        return;
    personList.sort(PersonSortKey::byName);
    session.tree()->clearMarks();
    personList.sortAsChosen();
    personList.paint();
    ShowMessage("Bohužel, hierarchický způsob ještě není naprogramován.");
}

void MainFrame::buildPersonList(std::vector<std::string>& lines, const ListColumns& columns)
{
    lines.clear();
    if (!personList.hasView())
        return;
    personList.sort(PersonSortKey::byName);
    writePersonListLines(lines, columns);
    personList.sortAsChosen();
    personList.paint();
}

void MainFrame::buildPersonListSorted(std::vector<std::string>& lines, const ListColumns& columns)
{
    lines.clear();
    if (!personList.hasView())
        return;
    // Birth order with the persons born alike in name order: the sort keeps equal rows in place.
    personList.sort(PersonSortKey::byName);
    personList.sort(PersonSortKey::byBirth);
    writePersonListLines(lines, columns);
    personList.sortAsChosen();
    personList.paint();
}
