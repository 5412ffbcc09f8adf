#include "model/casove_obdobi.h"

std::string CasoveObdobi::displayText() const
{
    std::string s = text;
    if (!from.empty()) {
        s += " (" + from;
        if (!to.empty())
            s += "-" + to;
        s += ")";
    }
    return s;
}

bool CasoveObdobi::differsFrom(const CasoveObdobi& other) const
{
    return text != other.text || from != other.from || to != other.to;
}
