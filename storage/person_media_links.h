#pragma once
// A person's links to the tree's media stores stand in the tree file as the numbers of the
// records they refer to. What each list links, for the loader and the writer; a new list of
// links among the person fields (model/person_fields.h) does not build until it has its entry.
#include "model/media.h"
#include "model/person_fields.h"
#include "model/rod.h"

template<PersonField F> struct PersonMediaLink;

template<> struct PersonMediaLink<PersonField::photos> {
    using Ref = UkFotka;
    static constexpr Fotka* (Rod::*find)(int) const = &Rod::findPhoto;
};

template<> struct PersonMediaLink<PersonField::documents> {
    using Ref = UkDokument;
    static constexpr Dokument* (Rod::*find)(int) const = &Rod::findDocument;
};

template<> struct PersonMediaLink<PersonField::files> {
    using Ref = UkSoubor;
    static constexpr Soubor* (Rod::*find)(int) const = &Rod::findFile;
};
