// The general tab: the tree's own texts, stored at every change (no undo step), and its
// further-data lines, stored when the memo is left.
#include "model/rod.h"
#include "shell/hlavni.h"
#include "toolkit/keys.h"

void MainFrame::showGeneralPage()
{
    if (!tree)
        return;
    ObecneSheet& g = obecneSheet;
    g.nazevED.setText(tree->treeName);
    g.autorED.setText(tree->author);
    g.vytvorenoED.setText(tree->createdText);
    g.spolupracovaliED.setText(tree->collaborators);
    g.dalsiUdajeMEMO.Lines.Clear();
    for (const std::string& line : tree->furtherData)
        g.dalsiUdajeMEMO.Lines.Add(line);
}

void MainFrame::nazevEDChange()
{
    if (tree)
        tree->treeName = obecneSheet.nazevED.Text();
}

void MainFrame::autorEDChange()
{
    if (tree)
        tree->author = obecneSheet.autorED.Text();
}

void MainFrame::vytvorenoEDChange()
{
    if (tree)
        tree->createdText = obecneSheet.vytvorenoED.Text();
}

void MainFrame::spolupracovaliEDChange()
{
    if (tree)
        tree->collaborators = obecneSheet.spolupracovaliED.Text();
}

void MainFrame::dalsiUdajeMEMOExit()
{
    if (tree)
        tree->furtherData = obecneSheet.dalsiUdajeMEMO.Lines.lines();
}
