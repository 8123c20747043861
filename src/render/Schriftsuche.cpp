#include "render/Schriftsuche.h"

#include <fontconfig/fontconfig.h>

#include <strings.h>
#include <algorithm>
#include <cctype>
#include <map>
#include <memory>
#include <set>

#include "render/GdSchrift.h"

namespace tafomat {

namespace {

struct MusterFrei {
    void operator()(FcPattern* muster) const { FcPatternDestroy(muster); }
};
using Muster = std::unique_ptr<FcPattern, MusterFrei>;

struct Treffer {
    std::string datei;
    int index = 0;
    bool skalierbar = false;
    std::vector<std::string> familien;
};

// The font fontconfig gives for a family, substituted as GD's fontconfig lookup does it.
[[nodiscard]] std::optional<Treffer> passendeSchrift(const std::string& familie) {
    Muster muster(FcPatternCreate());
    if (!muster) return std::nullopt;
    FcPatternAddString(muster.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(familie.c_str()));
    FcConfigSubstitute(nullptr, muster.get(), FcMatchPattern);
    FcConfigSubstitute(nullptr, muster.get(), FcMatchFont);
    FcDefaultSubstitute(muster.get());
    FcResult ergebnis = FcResultNoMatch;
    const Muster schrift(FcFontMatch(nullptr, muster.get(), &ergebnis));
    FcChar8* datei = nullptr;
    if (!schrift || FcPatternGetString(schrift.get(), FC_FILE, 0, &datei) != FcResultMatch)
        return std::nullopt;
    Treffer treffer;
    treffer.datei = reinterpret_cast<const char*>(datei);
    FcPatternGetInteger(schrift.get(), FC_INDEX, 0, &treffer.index);
    FcBool skalierbar = FcFalse;
    FcPatternGetBool(schrift.get(), FC_SCALABLE, 0, &skalierbar);
    treffer.skalierbar = skalierbar == FcTrue;
    FcChar8* name = nullptr;
    for (int i = 0; FcPatternGetString(schrift.get(), FC_FAMILY, i, &name) == FcResultMatch; ++i)
        treffer.familien.emplace_back(reinterpret_cast<const char*>(name));
    return treffer;
}

const std::string& letzteWahl() {
    static const std::string datei = [] {
        const auto treffer = passendeSchrift("tafomat-no-such-font-family");
        return treffer ? treffer->datei : std::string();
    }();
    return datei;
}

bool gleicherName(const std::string& a, const std::string& b) {
    return strcasecmp(a.c_str(), b.c_str()) == 0;
}

// The script names the font file after the family next to itself, and GD splits a font name at
// ";": a name that cannot be such a file name cannot be a font of the banner.
bool taugtAlsDateiname(const std::string& familie) {
    if (familie.find_first_not_of(' ') == std::string::npos) return false;
    return std::none_of(familie.begin(), familie.end(), [](char zeichen) {
        const auto code = static_cast<unsigned char>(zeichen);
        return code < 32 || code == 127 || zeichen == '/' || zeichen == ';' || zeichen == '\\';
    });
}

[[nodiscard]] Schriftfund suchen(const std::string& familie) {
    if (!taugtAlsDateiname(familie)) return {std::nullopt, Schriftmangel::KeinDateiname, {}};
    const std::optional<Treffer> treffer = passendeSchrift(familie);
    if (!treffer) return {};
    const bool selbst =
        std::any_of(treffer->familien.begin(), treffer->familien.end(),
                    [&](const std::string& name) { return gleicherName(name, familie); });
    if (!selbst && treffer->datei == letzteWahl()) return {};
    const auto mangel = [&](Schriftmangel grund) {
        return Schriftfund{std::nullopt, grund, treffer->datei};
    };
    if (!treffer->skalierbar) return mangel(Schriftmangel::NurBitmaps);
    if (treffer->index != 0) return mangel(Schriftmangel::ZweiterSchnitt);
    if (!GdSchrift::öffnen(treffer->datei)) return mangel(Schriftmangel::Beschädigt);
    return {treffer->datei, Schriftmangel::NichtInstalliert, treffer->datei};
}

// The families that the configuration binds strongly to the family: the family itself and the
// stand-ins it names as its equals, not the weak fallbacks it appends.
std::vector<std::string> gleichwertigeFamilien(const std::string& familie) {
    std::vector<std::string> namen;
    Muster muster(FcPatternCreate());
    if (!muster) return namen;
    FcPatternAddString(muster.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(familie.c_str()));
    FcConfigSubstitute(nullptr, muster.get(), FcMatchPattern);
    FcValue wert;
    FcValueBinding bindung = FcValueBindingWeak;
    for (int i = 0;
         FcPatternGetWithBinding(muster.get(), FC_FAMILY, i, &wert, &bindung) == FcResultMatch;
         ++i) {
        if (bindung != FcValueBindingWeak && wert.type == FcTypeString)
            namen.emplace_back(reinterpret_cast<const char*>(wert.u.s));
    }
    return namen;
}

[[nodiscard]] std::optional<std::string> ersatzSuchen(const std::string& familie) {
    if (!schriftdateiSuchen(familie)) return std::nullopt;
    const std::optional<Treffer> treffer = passendeSchrift(familie);
    if (!treffer || treffer->familien.empty()) return std::nullopt;
    const std::vector<std::string> gleichwertig = gleichwertigeFamilien(familie);
    for (const std::string& name : treffer->familien) {
        if (gleicherName(name, familie)) return std::nullopt;
        for (const std::string& gleich : gleichwertig)
            if (gleicherName(name, gleich)) return std::nullopt;
    }
    return treffer->familien.front();
}

}  // namespace

std::optional<std::string> ersatzfamilie(const std::string& familie) {
    static std::map<std::string, std::optional<std::string>> gefunden;
    const auto bekannt = gefunden.find(familie);
    if (bekannt != gefunden.end()) return bekannt->second;
    if (gefunden.size() > 1024) gefunden.clear();
    return gefunden[familie] = ersatzSuchen(familie);
}

Schriftfund schriftSuchen(const std::string& familie) {
    // The configuration does not change while the program runs, and the font box asks at every
    // keystroke.
    static std::map<std::string, Schriftfund> gefunden;
    const auto bekannt = gefunden.find(familie);
    if (bekannt != gefunden.end()) return bekannt->second;
    if (gefunden.size() > 1024) gefunden.clear();
    return gefunden[familie] = suchen(familie);
}

std::optional<std::string> schriftdateiSuchen(const std::string& familie) {
    return schriftSuchen(familie).datei;
}

std::vector<std::string> schriftfamilien() {
    Muster muster(FcPatternBuild(nullptr, FC_SCALABLE, FcTypeBool, FcTrue, nullptr));
    FcObjectSet* felder = FcObjectSetBuild(FC_FAMILY, nullptr);
    FcFontSet* schriften = muster && felder ? FcFontList(nullptr, muster.get(), felder) : nullptr;
    if (felder) FcObjectSetDestroy(felder);
    std::set<std::string> familien;
    for (int i = 0; schriften && i < schriften->nfont; ++i) {
        FcChar8* name = nullptr;
        if (FcPatternGetString(schriften->fonts[i], FC_FAMILY, 0, &name) == FcResultMatch)
            familien.emplace(reinterpret_cast<const char*>(name));
    }
    if (schriften) FcFontSetDestroy(schriften);
    std::vector<std::string> namen;
    for (const std::string& familie : familien) {
        const std::optional<Treffer> treffer = passendeSchrift(familie);
        const bool selbst =
            treffer &&
            std::any_of(treffer->familien.begin(), treffer->familien.end(),
                        [&](const std::string& name) { return gleicherName(name, familie); });
        if (selbst && schriftdateiSuchen(familie)) namen.push_back(familie);
    }
    std::sort(namen.begin(), namen.end(), [](const std::string& a, const std::string& b) {
        return strcasecmp(a.c_str(), b.c_str()) < 0;
    });
    return namen;
}

}  // namespace tafomat
