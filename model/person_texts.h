#pragma once
// Three plain-text renderings of one person: the summary of the summary page, the fill-in form
// that is shown or printed, and the short note of which media and text pages hold something.
// Labels are standard lookups of the language file; dates are the date texts.
#include <string>
#include <vector>

class Clovek;
class DisplaySettings;
class TextSource;

// Replaces `lines` with the summary: name, dates with ages, parents, children, siblings,
// partners with the length of each marriage, residences, education and occupations.
void writePersonSummary(const Clovek& person, std::vector<std::string>& lines, TextSource& texts,
                        const DisplaySettings& settings);
// Replaces `lines` with the form. With `blank` the identification number and the sex are left
// without values (the form of an empty person).
void writePersonForm(const Clovek& person, std::vector<std::string>& lines, bool blank, TextSource& texts,
                     const DisplaySettings& settings);
// " (Fotky 2x; Text)": which of the photos, documents, files and further texts hold something;
// empty when none does.
std::string tabContentsText(const Clovek& person, TextSource& texts);
