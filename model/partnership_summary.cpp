#include "model/partnership_summary.h"

#include "model/clovek.h"
#include "model/date_texts.h"
#include "model/display_settings.h"
#include "model/svatba.h"
#include "model/text_source.h"
#include "model/uk_clovek.h"

namespace {

class Summary {
public:
    Summary(std::vector<std::string>& lines, Svatba& s, TextSource& texts, const DisplaySettings& settings,
            const Datum& today)
        : lines_(lines), s_(s), texts_(texts), settings_(settings), today_(today)
    {
    }

    void write()
    {
        lines_.clear();
        collectChildren();
        if (s_.isMarried() || s_.isDivorced())
            marriage();
        else
            partnership();
    }

private:
    std::string t(const char* key, const char* text) { return texts_.langText("shrnutiSvatby", key, text); }

    // The children of partner 1 that partner 2 is a parent of, in partner 1's list order after it
    // was sorted by birth.
    void collectChildren()
    {
        Clovek* a = s_.partner1;
        Clovek* b = s_.partner2;
        if (!a || !b || a == b)
            return;
        auto common = [&] {
            children_.clear();
            for (UkClovek* e : a->children.items<UkClovek>())
                if (Clovek* c = e->person(); c && b->hasChild(c))
                    children_.push_back(c);
        };
        common();
        if (!children_.empty()) {
            a->sortChildren();
            common();
        }
    }

    void childrenSentence(bool married)
    {
        const size_t n = children_.size();
        const std::string had =
            married ? t("manzeleMeli", "Manželé spolu měli") : t("parMel", "Pár spolu měl");
        if (n == 0)
            lines_.push_back(married ? t("manzeleNemeliDeti", "Manželé spolu neměli žádné děti.")
                                     : t("parNemelDeti", "Pár spolu neměl žádné děti."));
        else if (n == 1)
            lines_.push_back(married ? t("manzeleMeli1Dite", "Manželé spolu měli jedno dítě:")
                                     : t("parMel1Dite", "Pár spolu měl jedno dítě:"));
        else if (n <= 4)
            lines_.push_back(had + " " + std::to_string(n) + " " + t("234deti", "děti:"));
        else
            lines_.push_back(had + " " + std::to_string(n) + " " + t("56...deti", "dětí:"));
    }

    std::string childText(const Clovek& c) const
    {
        return c.displayName(settings_.showBirthSurname(), settings_.showBirth(), false);
    }

    void partnership()
    {
        lines_.push_back(t("shrnuti", " SHRNUTÍ PARTNERSKÉHO SVAZKU"));
        lines_.push_back(std::string(39, '='));
        childrenSentence(false);
        for (const Clovek* c : children_)
            lines_.push_back(childText(*c));
    }

    std::string datePart(const Datum& date)
    {
        if (date.completeness() >= 1)
            return t("staloSeTak", "Stalo se tak") + " " + date.longText(texts_) + ".";
        return t("datumNeniZnam", "Datum není znám.");
    }

    std::string diedLine(const Clovek& deceased)
    {
        std::string line = t("ukoncenoKdyzZemrel", "Manželství bylo ukončeno, když zemřel");
        if (deceased.sex == 0)
            line += texts_.langText("ruzne", "zenskaKoncovka", "a");
        return line + " " + deceased.displayName(settings_.showBirthSurname(), false, false) + ". " +
               datePart(deceased.death);
    }

    void marriage()
    {
        const Datum& w = s_.wedding;
        lines_.push_back(t("shrnuti2", " SHRNUTÍ MANŽELSTVÍ"));
        lines_.push_back(std::string(30, '='));
        std::string wedding;
        if (w.completeness() >= 1)
            wedding = t("obradSeUskutecnil", "Svatební obřad této dvojice se uskutečnil") + " " +
                      w.longText(texts_) + ".";
        else
            wedding = t("neniZnamoKdy", "Není známo, kdy se uskutečnila svatba této dvojice.");
        if (!s_.place.empty())
            wedding += " " + t("mistoOddani", "Místo oddání páru je") + " " + s_.place + ".";
        if (!s_.officiant.empty())
            wedding += " " + t("oddavajiciKnez", "Obřad vedl") + " " + s_.officiant + ".";
        if (!s_.witnesses.empty())
            wedding += " " + t("svedkove", "Jako svědek se účastnil") + " " + s_.witnesses + ".";
        lines_.push_back(wedding);
        lines_.push_back("");

        childrenSentence(true);
        for (const Clovek* c : children_) {
            std::string line = childText(*c);
            if (c->birth.isBefore(w))
                line += " " + t("narozenPredSvatbou", "(narozen(a) před svatbou)");
            else if (s_.isDivorced() && c->birth.isAfter(s_.divorce))
                line += " " + t("narozenPoRozvodu", "(narozen(a) po rozvodu)");
            lines_.push_back(line);
        }
        lines_.push_back("");

        Datum end;
        const Clovek* a = s_.partner1;
        const Clovek* b = s_.partner2;
        const bool aDead = a && !a->alive;
        const bool bDead = b && !b->alive;
        if (s_.isDivorced()) {
            lines_.push_back(t("ukoncenoRozvodem", "Manželství bylo ukončeno rozvodem.") + " " +
                             datePart(s_.divorce));
            end = s_.divorce;
        } else if (aDead && (!bDead || a->death.isBefore(b->death))) {
            lines_.push_back(diedLine(*a));
            end = a->death;
        } else if (bDead && (!aDead || a->death.isAfter(b->death))) {
            lines_.push_back(diedLine(*b));
            end = b->death;
        } else if (!aDead && !bDead) {
            lines_.push_back(t("trvaDodnes", "Manželství trvá dodnes."));
            end = today_;
        } else {
            lines_.push_back(t("ukoncenSmrti", "Svazek byl ukončen smrtí."));
        }

        if (const std::string length = lengthText(w, end, texts_); !length.empty()) {
            const std::string prefix =
                s_.isMarried() && !aDead && !bDead ? t("trvaJiz", "Trvá již") : t("trvalo", "Trvalo");
            lines_.push_back(prefix + " " + length + ".");
        }
    }

    std::vector<std::string>& lines_;
    Svatba& s_;
    TextSource& texts_;
    const DisplaySettings& settings_;
    const Datum& today_;
    std::vector<const Clovek*> children_;
};

} // namespace

void writePartnershipSummary(std::vector<std::string>& lines, Svatba& partnership, TextSource& texts,
                             const DisplaySettings& settings, const Datum& today)
{
    Summary(lines, partnership, texts, settings, today).write();
}
