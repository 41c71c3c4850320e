#include "app/qt/character_locale.hpp"

#include <langinfo.h>
#include <strings.h>

#include <clocale>
#include <cstdlib>
#include <string>

namespace vorn {
namespace {

constexpr const char* kUtf8Locale = "C.UTF-8";

bool characterSetIsUtf8() {
    const char* codeset = nl_langinfo(CODESET);
    return strcasecmp(codeset, "UTF-8") == 0 || strcasecmp(codeset, "utf8") == 0;
}

// LC_ALL overrides every category, LC_CTYPE included, so its locale moves to
// each of the others.
void spreadAllCategoriesLocale(const std::string& locale) {
    for (const char* category : {"LC_COLLATE", "LC_MESSAGES", "LC_MONETARY", "LC_NUMERIC", "LC_TIME"}) {
        setenv(category, locale.c_str(), 1);
    }
    unsetenv("LC_ALL");
}

}  // namespace

void settleUtf8CharacterLocale() {
    std::setlocale(LC_ALL, "");
    if (characterSetIsUtf8()) {
        return;
    }
    if (const char* all = std::getenv("LC_ALL"); all != nullptr && *all != '\0') {
        spreadAllCategoriesLocale(all);
    }
    setenv("LC_CTYPE", kUtf8Locale, 1);
    std::setlocale(LC_ALL, "");
}

}  // namespace vorn
