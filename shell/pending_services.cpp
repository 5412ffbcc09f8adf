// The least of the person editor and the person summary that showing a person,
// the page refill and the language command call. Each is replaced by its full version where its
// page is built; until then a page keeps what it shows.
#include "model/clovek.h"
#include "model/person_texts.h"
#include "model/prev_next.h"
#include "model/rod.h"
#include "shell/hlavni.h"

void Thlavni::showPartnership()
{
}

void Thlavni::fillPartnerList(int)
{
}
