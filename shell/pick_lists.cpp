// The pick-list windows: the caller fills the list and reads the selected entry after the
// window closed with 1. A double click closes it with 1 also on an empty part of the list, where
// nothing is selected; callers check the selected index.
#include "forms/pribuzni_form.h"
#include "forms/vyber_dite_form.h"
#include "forms/vyber_partnera_form.h"
#include "forms/vyhledano_form.h"
#include "shell/dialog_events.h"

void TvyberPartnera::nabidkaLISTClick()
{
    Button1.Enabled = true;
}

void TvyberPartnera::nabidkaLISTDblClick()
{
    ModalResult = mrOk;
}

void TvyberDiteFORM::ListBox1DblClick()
{
    ModalResult = mrOk;
}

void TpribuzniFORM::osobyLISTDblClick()
{
    ModalResult = mrOk;
}

void TvyhledanoFORM::osobyLISTDblClick()
{
    ModalResult = mrOk;
}

void bindPickListEvents(TvyberPartnera& w)
{
    w.nabidkaLIST.OnClick = [&w] { w.nabidkaLISTClick(); };
    w.nabidkaLIST.OnDblClick = [&w] { w.nabidkaLISTDblClick(); };
}

void bindPickListEvents(TvyberDiteFORM& w)
{
    w.ListBox1.OnDblClick = [&w] { w.ListBox1DblClick(); };
}

void bindPickListEvents(TpribuzniFORM& w)
{
    w.osobyLIST.OnDblClick = [&w] { w.osobyLISTDblClick(); };
}

void bindPickListEvents(TvyhledanoFORM& w)
{
    w.osobyLIST.OnDblClick = [&w] { w.osobyLISTDblClick(); };
}
