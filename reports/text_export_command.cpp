// Export, TXT: the columns and the separator chosen in their window, then the file.
#include "forms/co_exportovat_form.h"
#include "platform/application.h"
#include "platform/codec.h"
#include "platform/dialogs.h"
#include "reports/text_export.h"
#include "reports/report_commands.h"

namespace {

TextExportChoice choiceOf(const TcoExportovatFORM& w)
{
    // In the order of TextColumn.
    const TCheckBox* boxes[textColumnCount] = {
        &w.jmenoEx,          &w.prijmeniEx,          &w.rodneEx,     &w.pohlaviEx,      &w.identifikatorEx,
        &w.datumNarozeniEx,  &w.mistoNarozeniEx,     &w.datumUmrtiEx, &w.mistoUmrtiEx,  &w.mistoPohrbeniEx,
        &w.pricinaUmrtiEx,   &w.idOtecEx,            &w.idMatkyEx,   &w.idPartneraEx,   &w.bydlisteEx,
        &w.vzdelaniEx,       &w.povolaniEx,          &w.vyznaniEx,   &w.krestEx,        &w.narodnostEx,
        &w.statniPrislusnostEx, &w.emailEx,          &w.telefonEx,   &w.wwwEx};
    TextExportChoice choice;
    for (int i = 0; i < textColumnCount; ++i)
        choice.columns[size_t(i)] = boxes[i]->Checked();
    choice.separator = w.oddelovacRADIO.ItemIndex() == 0 ? " " : "\t";
    return choice;
}

} // namespace

void ReportCommands::expTXTClick()
{
    if (!tree || !coExportovatFORM)
        return;
    SaveDialogTXT.InitialDir = programFolder;
    if (coExportovatFORM->ShowModal() != mrOk)
        return;
    if (!SaveDialogTXT.Execute() || SaveDialogTXT.FileName.empty())
        return;
    try {
        writeUtf8TextLines(SaveDialogTXT.FileName, textExportLines(*tree, choiceOf(*coExportovatFORM)));
    } catch (const std::exception& e) {
        // An older file of that name is left as it was.
        Application.ShowException(e);
    }
}
