// What a save or a read of the open tree met, told to the person: storage/ answers in reports
// and shows nothing.
#include "model/clovek.h"
#include "model/rod.h"
#include "model/text_source.h"
#include "shell/tree_session.h"
#include "storage/tree_writer.h"
#include "system/system_reasons.h"
#include "toolkit/dialogs.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

void TreeSession::tellSaveResult(const SaveResult& result)
{
    TextSource& texts = window_.texts();
    if (!result.written) {
        // Where no file stood, none was left as it was: nothing was written at all.
        std::string message =
            result.fileWasThere
                ? texts.langText("chyby", "ulozeniSelhalo",
                                 "Lipoveta se nepodařilo uložit, soubor zůstal, jaký byl:")
                : texts.langText("chyby", "ulozeniSelhaloNovy",
                                 "Lipoveta se nepodařilo uložit, nic nebylo zapsáno a soubor tohoto jména "
                                 "nevznikl:");
        message += " " + tree_->fileName;
        std::string detail = result.error;
        if (result.unsuitableName)
            detail = texts.langText("chyby", "nevhodneJmenoLipoveta",
                                    "Pod tímto jménem nelze lipoveta uložit, jeho složka s obrázky by "
                                    "zasáhla jiná data. Zvolte jiné jméno souboru s příponou .rod.");
        else if (result.foreignFolder)
            detail = texts.langText("chyby", "ciziSlozkaLipoveta",
                                    "Na místě složky s obrázky tohoto lipoveta už je složka nebo soubor, "
                                    "které k němu nepatří. Nic z toho nebylo smazáno; zvolte jiné jméno "
                                    "souboru, nebo to přejmenujte:") +
                     " " + result.failedPath;
        else if (!result.failedPath.empty())
            detail = (result.unreadable ? texts.langText("chyby", "nelzePrecist", "Nepodařilo se přečíst:")
                                        : texts.langText("chyby", "nelzeZapsat", "Nepodařilo se zapsat:")) +
                     " " + result.failedPath + (result.reason.empty() ? "" : "\n" + result.reason);
        if (!detail.empty())
            message += "\n\n" + detail;
        ShowMessage(message);
        return;
    }
    // The tree is saved all the same; the person learns which pictures and files were gone,
    // save those they heard of when the tree was opened.
    std::string list;
    const std::string notFound = notFoundText(texts);
    const std::string workingFolder = window_.workingFolderPath();
    for (const std::string& path : result.missingMedia) {
        const std::string name = path.starts_with(workingFolder) ? path.substr(workingFolder.size()) : path;
        if (std::find(mediaMissingAtOpen_.begin(), mediaMissingAtOpen_.end(), name) ==
            mediaMissingAtOpen_.end())
            list += "\n" + path + " " + notFound;
    }
    if (list.empty())
        return;
    ShowMessage(texts.langText("chyby", "chybejiciMedia",
                               "Lipoveta je uložen, tyto soubory ale v pracovní složce chyběly "
                               "(kde to šlo, zůstala jejich kopie z minulého uložení):") +
                "\n" + list);
}

namespace {

// Why a stored copy that the load did not get cannot be read, or empty when it is not there.
std::string whyUnreadable(const std::string& path)
{
    struct stat info;
    if (::stat(path.c_str(), &info) != 0)
        return {};
    if (!S_ISREG(info.st_mode))
        return systemReasonText(EISDIR);
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        ::close(fd);
        return {};
    }
    return systemReasonText(errno);
}

} // namespace

std::string TreeSession::damageText(TreeDamage damage, const std::string& key, const std::string& text)
{
    TextSource& texts = window_.texts();
    std::string what;
    switch (damage) {
    case TreeDamage::unknown:
        break;
    case TreeDamage::notAFlag:
        what = texts.langText("chyby", "poskozeniPriznak", "hodnota příznaku není 1 ani 0");
        break;
    case TreeDamage::unknownLine:
        what = texts.langText("chyby", "poskozeniRadek", "řádek, který soubor lipoveta nezná");
        break;
    case TreeDamage::misplaced:
        what = texts.langText("chyby", "poskozeniMisto", "klíč nebo blok mimo své místo");
        break;
    case TreeDamage::keyTwice:
        what = texts.langText("chyby", "poskozeniDvakrat", "klíč podruhé v jednom bloku");
        break;
    case TreeDamage::blockKeys:
        what = texts.langText("chyby", "poskozeniKlice", "blok nemá tytéž klíče jako ostatní");
        break;
    case TreeDamage::creationTime:
        what = texts.langText("chyby", "poskozeniCasVlozeni", "čas vložení, který nelze přečíst");
        break;
    case TreeDamage::emptyLine:
        what = texts.langText("chyby", "poskozeniPrazdny", "prázdný řádek uprostřed dat");
        break;
    case TreeDamage::zeroedBytes:
        what = texts.langText("chyby", "poskozeniNuly", "vynulované bajty (zbytek přerušeného zápisu)");
        break;
    case TreeDamage::notANumber:
        what = texts.langText("chyby", "poskozeniCislo", "hodnota, která tu má být číslem, jím není");
        break;
    case TreeDamage::cutShort:
        what = texts.langText("chyby", "poskozeniKonec", "soubor končí dřív než jeho data");
        break;
    case TreeDamage::storeTwice:
        what = texts.langText("chyby", "poskozeniSeznamDvakrat", "seznam podruhé v obecném bloku");
        break;
    case TreeDamage::recordTwice:
        what = texts.langText("chyby", "poskozeniCisloDvakrat", "záznam s číslem, které už má jiný záznam");
        break;
    }
    if (!key.empty())
        what += " " + key;
    if (!text.empty())
        what += " „" + text + "“";
    return what;
}

void TreeSession::tellDamageRead(const LoadReport& report)
{
    TextSource& texts = window_.texts();
    // What became of each kind of damage when the file was read as far as it could be.
    auto outcome = [&](const DamageNote& note) {
        if (note.stopped)
            return texts.langText("chyby", "poskozeniZbytekVynechan",
                                  "zde čtení skončilo, zbytek souboru je vynechán");
        switch (note.damage) {
        case TreeDamage::notAFlag:
            return texts.langText("chyby", "poskozeniJakoNenastaveny", "čte se jako nenastavený");
        case TreeDamage::keyTwice:
            return texts.langText("chyby", "poskozeniPlatiPozdejsi", "platí pozdější hodnota");
        case TreeDamage::storeTwice:
            return texts.langText("chyby", "poskozeniObaSeznamy",
                                  "přečteny jsou oba seznamy; číslo uvedené v obou je jeden záznam s "
                                  "pozdějším popisem");
        case TreeDamage::recordTwice:
            return texts.langText("chyby", "poskozeniJedenZaznam",
                                  "zůstává jeden záznam s pozdějším popisem");
        case TreeDamage::blockKeys:
            return texts.langText("chyby", "poskozeniVychoziHodnota", "co chybí, má výchozí hodnotu");
        case TreeDamage::creationTime:
            return texts.langText("chyby", "poskozeniCasOtevreni", "vzat čas otevření");
        case TreeDamage::misplaced:
            return texts.langText("chyby", "poskozeniPrectenJakStoji", "přečten, jak stojí");
        default:
            return texts.langText("chyby", "poskozeniVynechan", "vynechán");
        }
    };
    // The first lines name what a person looks for; a long list is cut short with its count.
    constexpr size_t named = 20;
    const std::string lineWord = texts.langText("chyby", "radekSouboru", "řádek");
    const std::string personWord = texts.langText("chyby", "poskozeniOsoba", "osoba");
    std::string list;
    for (size_t i = 0; i < std::min(named, report.damage.size()); ++i) {
        const DamageNote& note = report.damage[i];
        list += "\n" + lineWord + " " + std::to_string(note.line);
        if (note.person)
            list += ", " + personWord + " " + std::to_string(note.person->number) + " " +
                    note.person->fullName(false, true);
        list += ": " + damageText(note.damage, note.key, note.text) + " – " + outcome(note);
    }
    if (report.damage.size() > named)
        list += "\n" + texts.langText("chyby", "aDalsiRadky", "a další řádky:") + " " +
                std::to_string(report.damage.size() - named);
    ShowMessage(
        texts.langText("chyby", "poskozenyNacten",
                       "Z poškozeného souboru je načteno, co šlo přečíst. Při prvním uložení zůstane "
                       "původní soubor vedle nového jako kopie a ze složky s obrázky se nic "
                       "nesmaže. Osob načteno:") +
        " " + std::to_string(tree_ ? tree_->personCount() : 0) + "\n\n" +
        texts.langText("chyby", "poskozenyJinak", "Jinak než v souboru stojí, nebo vůbec, je přečteno:") +
        list);
}

void TreeSession::tellLoadReport(const LoadReport& report)
{
    TextSource& texts = window_.texts();
    if (!report.damage.empty())
        tellDamageRead(report);
    if (!report.missingMedia.empty()) {
        // A copy that is there but cannot be read is called so, as a save calls it.
        const std::string notFound = notFoundText(texts);
        const std::string unreadable = texts.langText("chyby", "nelzePrecist", "Nepodařilo se přečíst:");
        std::string message;
        for (const std::string& path : report.missingMedia) {
            const std::string why = whyUnreadable(path);
            message += (message.empty() ? "" : "\n") +
                       (why.empty() ? path + " " + notFound : unreadable + " " + path + " (" + why + ")");
        }
        ShowMessage(message);
    }
    for (const std::string& message : report.messages)
        ShowMessage(message);
    // Named once, so the person knows why they sort as undated; a long list is cut short.
    if (!report.unreadableDates.empty()) {
        constexpr size_t named = 20;
        std::string names;
        for (size_t i = 0; i < std::min(named, report.unreadableDates.size()); ++i)
            names += "\n" + report.unreadableDates[i]->fullName(false, true);
        if (report.unreadableDates.size() > named)
            names += "\n" + texts.langText("chyby", "aDalsiOsoby", "a další osoby:") + " " +
                     std::to_string(report.unreadableDates.size() - named);
        ShowMessage(
            texts.langText("chyby", "neciselneDatum",
                           "Data těchto osob mají část, která není číslo. Zůstala, jak byla uložena, a "
                           "při řazení a porovnávání se berou jako neznámá:") +
            names);
    }
}
