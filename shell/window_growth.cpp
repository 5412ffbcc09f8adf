// The window grown with its person list: the list's panel grows itself, the frame the rest.
#include "shell/hlavni.h"
#include "toolkit/screen.h"

#include <initializer_list>

int MainFrame::roomToWiden()
{
    return Screen->clientRoomWidth() - Width;
}

int MainFrame::roomToHeighten()
{
    return Screen->clientRoomHeight() - Height;
}

void MainFrame::widenBesideList(int dx)
{
    for (TControl* c : std::initializer_list<TControl*>{&nadpisJmenoLB, &obsahKaretLB, &prepniOsobyLB,
                                                        &prevBT, &nextBT, &zamekCH, &pages})
        c->Left += dx;
    Width += dx;
    toolBar.Width += dx;
    StatusBar1.Width += dx;
}

void MainFrame::heightenBesideList(int dy)
{
    Height += dy;
    StatusBar1.Top += dy;
    pages.Height += dy;
    for (int i = 0; i < pages.PageCount(); ++i)
        pages.Pages(i)->Height += dy;
}
