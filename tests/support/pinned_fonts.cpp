#include "pinned_fonts.h"

#include "runtime/ui/fonts.h"

#include <QFontDatabase>

#include <cstdlib>
#include <map>

namespace {

// The Debian package of each family the runtime's substitutions name; the
// set-up installs them all.
const std::map<QString, std::string> kPackages = {
    {"WenQuanYi Zen Hei", "fonts-wqy-zenhei"}, {"Nimbus Sans", "fonts-urw-base35"},
    {"Nimbus Roman", "fonts-urw-base35"},      {"Nimbus Mono PS", "fonts-urw-base35"},
    {"DejaVu Sans", "fonts-dejavu-core"},      {"DejaVu Serif", "fonts-dejavu-core"},
    {"DejaVu Sans Mono", "fonts-dejavu-core"},
};

} // namespace

void PinFonts() { setenv("FONTCONFIG_FILE", PINNED_FONTCONFIG, 1); }

std::string MissingFonts()
{
    std::string missing;
    for (const QString &family : runtime::SubstituteFamilies()) {
        const auto package = kPackages.find(family);
        if (package == kPackages.end())
            missing += "The font family \"" + family.toStdString() +
                       "\" has no Debian package in tests/support/pinned_fonts.cpp: add the package to "
                       "tools/setup.sh, its files to tests/support/fonts.conf.in and the family here.\n";
        else if (!QFontDatabase::hasFamily(family))
            missing += "The font family \"" + family.toStdString() + "\" is not installed: install the Debian package " +
                       package->second + " (tools/setup.sh does).\n";
    }
    return missing;
}
