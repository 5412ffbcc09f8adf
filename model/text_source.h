#pragma once
// What the model needs of the language file. The main window implements it; tests hand in a
// fake. The model never includes the main window.
#include <string>

class TextSource {
public:
    virtual ~TextSource() = default;
    // The standard lookup: the text of the key in the active language file; a missing or empty
    // key is written back with its default and logged.
    virtual std::string langText(const std::string& section, const std::string& key,
                                 const std::string& defaultText) = 0;
    // The plain read: the same lookup that writes nothing back.
    virtual std::string readText(const std::string& section, const std::string& key,
                                 const std::string& defaultText) = 0;
};
