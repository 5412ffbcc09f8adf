#pragma once
// The defaults of every label, as a fresh language file gives them, for the benches and tools
// that run the model and the storage without the program's windows.
#include "model/text_source.h"

#include <string>

namespace bench {

class DefaultTexts : public TextSource {
public:
    std::string langText(const std::string&, const std::string&, const std::string& defaultText) override
    {
        return defaultText;
    }
    std::string readText(const std::string&, const std::string&, const std::string& defaultText) override
    {
        return defaultText;
    }
};

} // namespace bench
