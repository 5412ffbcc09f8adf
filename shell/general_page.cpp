// The general tab: the tree's own texts, stored at every change (no undo step), and its
// further-data lines, stored when the memo is left.
#include "model/rod.h"
#include "shell/hlavni.h"
#include "toolkit/keys.h"

void MainFrame::showGeneralPage()
{
    if (!session.tree())
        return;
    ObecneSheet& g = obecneSheet;
    g.nazevED.setText(session.tree()->treeName);
    g.autorED.setText(session.tree()->author);
    g.vytvorenoED.setText(session.tree()->createdText);
    g.spolupracovaliED.setText(session.tree()->collaborators);
    g.dalsiUdajeMEMO.Lines.Clear();
    for (const std::string& line : session.tree()->furtherData)
        g.dalsiUdajeMEMO.Lines.Add(line);
}

void MainFrame::nazevEDChange()
{
    if (session.tree())
        session.tree()->treeName = obecneSheet.nazevED.Text();
}

void MainFrame::autorEDChange()
{
    if (session.tree())
        session.tree()->author = obecneSheet.autorED.Text();
}

void MainFrame::vytvorenoEDChange()
{
    if (session.tree())
        session.tree()->createdText = obecneSheet.vytvorenoED.Text();
}

void MainFrame::spolupracovaliEDChange()
{
    if (session.tree())
        session.tree()->collaborators = obecneSheet.spolupracovaliED.Text();
}

void MainFrame::dalsiUdajeMEMOExit()
{
    if (session.tree())
        session.tree()->furtherData = obecneSheet.dalsiUdajeMEMO.Lines.lines();
}
