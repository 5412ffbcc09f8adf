// The person list panel of the main window: its sizing, its settings in the controls and the
// handlers of the grid, the scroll bar, the sort controls and the display check boxes.
#include "model/rod.h"
#include "shell/hlavni.h"
#include "shell/scroll.h"
#include "toolkit/screen.h"

#include <algorithm>

void MainFrame::bindPersonListEvents()
{
    scrolling.OnDrawCell = [this](int, int, const TRect&, TGridDrawState) { scrollingDrawCell(); };
    scrolling.OnKeyDown = [this](int& key, TShiftState shift) { scrollingKeyDown(key, shift); };
    scrolling.OnMouseDown = [this](TMouseButton b, TShiftState s, int x, int y) {
        scrollingMouseDown(b, s, x, y);
    };
    scrolling.OnMouseMove = [this](TShiftState s, int x, int y) { scrollingMouseMove(s, x, y); };
    scrolling.OnMouseWheelUp = [this](TShiftState s, int x, int y, bool& handled) {
        scrollingMouseWheelUp(s, x, y, handled);
    };
    scrolling.OnMouseWheelDown = [this](TShiftState s, int x, int y, bool& handled) {
        scrollingMouseWheelDown(s, x, y, handled);
    };
    scrollingBar.OnChange = [this] { scrollingBarChange(); };
    listSplitter.OnMoved = [this](int dx) { widenPersonList(dx); };
    OnKeyDown = [this](int& key, TShiftState shift) { FormKeyDown(key, shift); };
    OnMouseWheel = [this](TShiftState s, int delta, int x, int y, bool& handled) {
        FormMouseWheel(s, delta, x, y, handled);
    };
    setrid.OnClick = [this] { setridClick(); };
    trideniBT.OnClick = [this] { trideniBTClick(); };
    zobrazitCislo.OnClick = [this] { zobrazitCisloClick(); };
    zobrazitNarozeni.OnClick = [this] { zobrazitNarozeniClick(); };
    zobrazitProcenta.OnClick = [this] { zobrazitProcentaClick(); };
    zobrazitRodne.OnClick = [this] { zobrazitRodneClick(); };
}

void MainFrame::fitPersonListToScreen()
{
    scrolling.setRowHeight(0, scrolling.Height);
    scrolling.setColWidth(0, scrolling.Width);
    scrollingBar.Height = scrolling.Height;
    int h = Screen->Height;
    if (h > 768) {
        int extra = (h - 768) - (h - 768) % personListRowHeight;
        // The desktop's panels, the window's frame and its menu bar may leave less: the status
        // bar at the bottom stays on the screen.
        const int room = std::max(0, Screen->clientRoomHeight() - Height);
        extra = std::min(extra, room - room % personListRowHeight);
        scrolling.Height += extra;
        scrollingBar.Height += extra;
        listSplitter.Height += extra;
        zobrazovatGroupBox.Top += extra;
        scrolling.setRowHeight(0, scrolling.Height);
        // The window grows with its list, or the display options below it would lie outside;
        // the pages beside the list grow with it.
        Height += extra;
        StatusBar1.Top += extra;
        pages.Height += extra;
        for (int i = 0; i < pages.PageCount(); ++i)
            pages.Pages(i)->Height += extra;
    }
}

void MainFrame::widenPersonList(int dx)
{
    int wanted = kPersonListWidthRange.clamp(scrolling.Width + dx);
    // The window grows with the list, no wider than the screen holds it, frame and all.
    wanted = std::min(wanted, scrolling.Width + std::max(0, Screen->clientRoomWidth() - Width));
    dx = wanted - scrolling.Width;
    if (dx == 0)
        return;
    for (TControl* c : std::initializer_list<TControl*>{&setrid, &skupinyCB, &scrolling, &zobrazovatGroupBox})
        c->Width += dx;
    for (TControl* c :
         std::initializer_list<TControl*>{&scrollingBar, &listSplitter, &nadpisJmenoLB, &obsahKaretLB,
                                          &prepniOsobyLB, &prevBT, &nextBT, &zamekCH, &pages})
        c->Left += dx;
    Width += dx;
    toolBar.Width += dx;
    StatusBar1.Width += dx;
    scrolling.setColWidth(0, scrolling.Width);
    settings.personListWidth = scrolling.Width;
    paintPersonList();
}

std::string MainFrame::sortDirectionCaption()
{
    return settings.sortAscending ? langText("plocha", "vzestupne", "Vzestupně")
                                  : langText("plocha", "sestupne", "Sestupně");
}

void MainFrame::restoreListOptions()
{
    setrid.setItemIndex(itemIndexOf(settings.sortOrder));
    trideniBT.Caption = sortDirectionCaption();
    // Each box's click handler writes its state back into the settings: take them all first.
    Nastaveni wanted = settings;
    zobrazitCislo.setChecked(wanted.showNumber);
    zobrazitNarozeni.setChecked(wanted.showBirth);
    zobrazitProcenta.setChecked(wanted.showPercent);
    zobrazitRodne.setChecked(wanted.showBirthSurname);
    fillGroupsCombo("");
}

void MainFrame::paintPersonList()
{
    if (personList)
        personList->paint();
}

bool MainFrame::hasPersonList()
{
    return personList != nullptr;
}

void MainFrame::withListedPersonsByName(const std::function<void(const std::vector<Clovek*>&)>& use)
{
    personList->sortByName();
    try {
        std::vector<Clovek*> persons;
        for (Polozka* row = personList->first; row; row = row->next)
            persons.push_back(row->person);
        use(persons);
    } catch (...) {
        personList->sortAsChosen();
        personList->paint();
        throw;
    }
    personList->sortAsChosen();
    personList->paint();
}

void MainFrame::scrollingDrawCell()
{
    paintPersonList();
}

void MainFrame::setridClick()
{
    if (tree && personList) {
        personList->sortAsChosen();
        personList->ensureVisible();
        personList->paint();
    }
    if (const std::optional<PersonSortKey> key = personSortKeyAt(setrid.ItemIndex()))
        settings.sortOrder = *key;
}

void MainFrame::trideniBTClick()
{
    settings.sortAscending = !settings.sortAscending;
    trideniBT.Caption = sortDirectionCaption();
    if (personList) {
        personList->sortAsChosen();
        personList->paint();
    }
}

void MainFrame::personListKey(int key)
{
    if (!tree || tree->personCount() == 0 || !personList)
        return;
    switch (key) {
    case VK_PRIOR:
        personList->pageUp();
        break;
    case VK_NEXT:
        personList->pageDown();
        break;
    case VK_UP:
        personList->previous();
        break;
    case VK_DOWN:
        personList->next();
        break;
    case VK_HOME:
        personList->home();
        break;
    case VK_END:
        personList->end();
        break;
    default:
        break;
    }
    personList->ensureVisible();
    personList->paint();
}

void MainFrame::scrollingKeyDown(int& key, TShiftState)
{
    personListKey(key);
}

void MainFrame::FormKeyDown(int& key, TShiftState)
{
    personListKey(key);
}

void MainFrame::scrollingMouseMove(TShiftState, int, int y)
{
    scrolling.Hint = personList ? personList->cutCaptionAt(y) : std::string();
    scrolling.ShowHint = !scrolling.Hint.empty();
}

void MainFrame::scrollingMouseDown(TMouseButton button, TShiftState, int x, int y)
{
    if (!personList)
        return;
    int row = y / personListRowHeight + personList->top;
    if (row >= 0 && row < personList->count) {
        personList->selected = row;
        currentRow = personList->rowAt(row);
        showPerson(currentRow->person);
    }
    if (button == TMouseButton::mbRight) {
        personList->paint();
        osobaPopup.Popup(x + scrolling.Left, y + scrolling.Top);
    }
}

void MainFrame::scrollingBarChange()
{
    if (!personList || ensuringVisible)
        return;
    personList->top = scrollingBar.Position();
    personList->paint();
}

void MainFrame::FormMouseWheel(TShiftState, int wheelDelta, int, int, bool& handled)
{
    if (!tree || tree->personCount() == 0)
        return;
    if (scrolling.CanFocus())
        scrolling.SetFocus();
    personListKey(wheelDelta > 0 ? VK_UP : VK_DOWN);
    handled = true;
}

void MainFrame::scrollingMouseWheelUp(TShiftState, int, int, bool& handled)
{
    personListKey(VK_UP);
    handled = true;
}

void MainFrame::scrollingMouseWheelDown(TShiftState, int, int, bool& handled)
{
    personListKey(VK_DOWN);
    handled = true;
}

void MainFrame::zobrazitCisloClick()
{
    settings.showNumber = zobrazitCislo.Checked();
    if (tree)
        paintPersonList();
}

void MainFrame::zobrazitNarozeniClick()
{
    settings.showBirth = zobrazitNarozeni.Checked();
    if (!tree)
        return;
    paintPersonList();
    pagesChange();
}

void MainFrame::zobrazitProcentaClick()
{
    if (tree)
        paintPersonList();
    settings.showPercent = zobrazitProcenta.Checked();
}

void MainFrame::zobrazitRodneClick()
{
    settings.showBirthSurname = zobrazitRodne.Checked();
    if (!tree)
        return;
    if (personList && settings.sortOrder == PersonSortKey::byName)
        personList->sortByName();
    paintPersonList();
    updateHeading();
    pagesChange();
}
