// The least of the person editor and the person summary that showing a person,
// the page refill and the language command call. Each is replaced by its full version where its
// page is built; until then a page keeps what it shows.
#include "model/clovek.h"
#include "model/person_texts.h"
#include "model/prev_next.h"
#include "model/rod.h"
#include "shell/hlavni.h"

void Thlavni::showFurtherFields()
{
}

void Thlavni::showPhotosTab()
{
}

void Thlavni::showDocumentsTab()
{
}

void Thlavni::showPartnership()
{
}

void Thlavni::fillPartnerList(int)
{
}

void Thlavni::fillResidenceList(int)
{
}

void Thlavni::fillEducationList(int)
{
}

void Thlavni::fillOccupationList(int)
{
}

// Until persons can be deleted, undoing a created person keeps it and its step.
bool Thlavni::confirmDeletePerson()
{
    return false;
}
