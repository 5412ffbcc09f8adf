#include "model/distinct_texts.h"

#include "system/collation.h"
#include "system/stringlist.h"

DistinctTexts::DistinctTexts(TStringList& list) : list_(list)
{
    for (const std::string& line : list_)
        known(line);
}

// Records the text; true when an equal one was recorded before.
bool DistinctTexts::known(const std::string& text)
{
    if (!exact_.insert(text).second)
        return true;
    return !keys_.insert(collationKey(text)).second;
}

bool DistinctTexts::add(const std::string& text)
{
    if (known(text))
        return false;
    queued_.push_back(text);
    return true;
}

void DistinctTexts::addUnchecked(const std::string& text)
{
    known(text);
    queued_.push_back(text);
}

void DistinctTexts::flush()
{
    if (queued_.empty())
        return;
    bool sorted = list_.Sorted();
    if (sorted)
        list_.setSorted(false);
    for (const std::string& text : queued_)
        list_.Add(text);
    queued_.clear();
    if (sorted)
        list_.setSorted(true);
}
