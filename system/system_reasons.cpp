#include "system/system_reasons.h"

#include <cerrno>
#include <cstring>

std::string systemReasonText(int errorNumber)
{
    switch (errorNumber) {
    case 0:
        return {};
    case ENOSPC:
        return "na disku není dost místa";
    case EDQUOT:
        return "vyčerpána kvóta místa na disku";
    case EACCES:
        return "přístup odepřen";
    case EPERM:
        return "operace není povolena";
    case EROFS:
        return "disk je jen pro čtení";
    case ENAMETOOLONG:
        return "jméno je příliš dlouhé";
    case ENOENT:
        return "soubor nebo složka neexistuje";
    case ENOTDIR:
        return "v cestě stojí soubor místo složky";
    case EISDIR:
        return "je to složka, ne soubor";
    case EEXIST:
        return "takové jméno už existuje";
    case EIO:
        return "chyba při čtení nebo zápisu na disk";
    case EFBIG:
        return "soubor je příliš velký";
    case EMFILE:
    case ENFILE:
        return "otevřeno příliš mnoho souborů";
    case ELOOP:
        return "příliš mnoho odkazů za sebou";
    case EBUSY:
        return "soubor nebo složku právě používá jiný program";
    default:
        return std::string(std::strerror(errorNumber)) + " (" + std::to_string(errorNumber) + ")";
    }
}
