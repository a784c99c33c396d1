#include "rules/document/cosmic_section.h"

#include "rules/document/line_edit.h"

namespace rules {

namespace {

// Windows-1252 bytes, exactly as the game's own files spell them, spacing
// included (some rows carry a double space or a space after "(").
// clang-format off
constexpr std::array<std::string_view, kCosmicCount> kEnglish = {
    "Road movement multiplier",
    "1 in x chance Trireme lost (mod. by Seafaring, Navigation)",
    "# of food each citizen eats per turn",
    "# of rows in food box (rows * city_size+1 = box)",
    "# of rows in shield box",
    "Settlers eat (govt <= Monarchy)",
    "Settlers eat (govt >= Communism)",
    "City size for first unhappiness at Chieftain level",
    "Riot factor based on # cities (higher factor lessens the effect)",
    "Aqueduct needed to exceed this size",
    "Sewer System needed to exceed this size",
    "Tech paradigm (higher # slows research)",
    "Base time for engineers to transform terrain (x2)",
    "Monarchy  pays support for all units past this",
    "Communism pays support for all units past this",
    "Fundamentalism pays support for all units past this",
    "Communism is equivalent of this palace distance.",
    "Fundamentalism loses this % of science",
    "Percent shield penalty for production type change",
    "Max paradrop range",
    "Mass/Thrust paradigm (increasing slows spaceship time)",
};
constexpr std::array<std::string_view, kCosmicCount> kFrench = {
    "Le multiplicateur du mouvement de la route",
    "1 chance sur x  Trireme perdu (mod. par La Marine, Navigation)",
    "Qt\xE9" " de nourriture chaque citoyen mange par tour",
    "# de rang\xE9" "es dans la case nourriture (rang\xE9" "es * ville_grandeur+1 = case)",
    "# de rang\xE9" "es dans la case bouclier",
    "Les colons mangent (gouvern.<= Monarchie)",
    "Les colons mangent (gouvern. >= Communisme)",
    "Grandeur de la ville pour premier m\xE9" "contentement au niveau de chef",
    "Le facteur d'\xE9" "meute bas\xE9" " sur le # de villes ( facteur plus \xE9" "lev\xE9" " r\xE9" "duit l'effet)",
    "Aqueduc requis pour d\xE9" "passer cette grandeur",
    "Le syst\xE8" "me d'\xE9" "gout requis pour d\xE9" "passer cette grandeur",
    "Paradigme tech (# \xE9" "lev\xE9" " ralentit la recherche)",
    "Temps de base pour que les ing\xE9" "nieurs transforment le terrain (x2)",
    "Au del\xE0" ", la monarchie paie pour le soutien de toutes les unit\xE9" "s",
    "Au del\xE0" ", le communisme paie pour le soutien de toutes les unit\xE9" "s",
    "Au del\xE0" ", l'int\xE9" "grisme paie pour le soutien de toutes les unit\xE9" "s",
    "Le communisme est \xE9" "quivalent \xE0" " la distance de ce palais.",
    "L'int\xE9" "grisme perd ce % de science",
    "La p\xE9" "nalit\xE9" " de boucliers en % pour le type de production change",
    "Variation Max de largage",
    "Le paradigme de masse/pouss\xE9" "e (en hausse, ralentit le temps des vaisseaux)",
};
constexpr std::array<std::string_view, kCosmicCount> kGerman = {
    "Stra\xDF" "enbewegung Multiplizierer",
    "1 in x Chancen, da\xDF" " die Trimere verloren geht (modifiziert durch Seefahren, Navigation)",
    "Anzahl der Nahrungsmittel, die jeder B\xFC" "rger pro Runde i\xDF" "t",
    "Anzahl der Reihen in einem Nahrungsmittelbeh\xE4" "lter (Reihen* Stadt_Gr\xF6" "\xDF" "e+1 = Beh\xE4" "lter)",
    "Anzahl der Reihen in einem Schildbeh\xE4" "lter",
    "Siedler essen (Reg <= Monarchie)",
    "Siedler essen (Reg >= kommunistisch)",
    "Stadtgr\xF6" "\xDF" "e f\xFC" "r die erste Unzufriedenheit auf der H\xE4" "uptlingsebene",
    "Aufstandsfaktor basiert auf der Anzahl von St\xE4" "dten (h\xF6" "herer Faktor vermindert die Wirkung)",
    "Aqu\xE4" "dukt ben\xF6" "tigt, um diese Gr\xF6" "\xDF" "e zu \xFC" "berschreiten",
    "Abwassersystem ben\xF6" "tigt, um diese Gr\xF6" "\xDF" "e zu \xFC" "berschreiten",
    "Technisches Paradigma (h\xF6" "here Zahl verlangsamt Forschung)",
    "Grundzeit f\xFC" "r Ingenieure, um das Terrain zu \xE4" "ndern (x2)",
    "Monarchie zahlt von jetzt an Unterst\xFC" "tzung f\xFC" "r alle Einheiten",
    "Kommunismus zahlt von jetzt an Unterst\xFC" "tzung f\xFC" "r alle Einheiten",
    "Fundamentalismus zahlt von jetzt an Unterst\xFC" "tzung f\xFC" "r alle Einheiten",
    "Kommunismus ist gleich der Palastdistanz",
    "Fundamentalismus verliert diesen Prozentsatz der Wissenschaft",
    "Prozent Schildstrafe f\xFC" "r die \xC4" "nderung des Produktionstyps",
    "Maximaler Fallschirmj\xE4" "gerabwurf",
    "Masse/Schub Paradigma (Erh\xF6" "hung verlangsamt die Raumschiffzeit)",
};
// clang-format on

constexpr std::array<const char*, kCosmicCount> kNames = {
    "RoadMove",         "TriremeLost",      "FoodCitizen",   "RowFood",
    "RowShield",        "SettlersEat1",     "SettlersEat2",  "Unhappy",
    "RiotFactor",       "Aqueduct",         "Sewer",         "TechParadigm",
    "TransformTerrain", "MonarchyPays",     "CommunismPays", "FundamentalismPays",
    "CommunismPalace",  "FundaLoseScience", "ShieldPenalty", "MaxParadrop",
    "MassThrust",
};

}  // namespace

const std::array<const char*, kCosmicCount>& CosmicNames() { return kNames; }

const std::array<std::string_view, kCosmicCount>& CosmicComments(Language language) {
    switch (language) {
        case Language::French:
            return kFrench;
        case Language::German:
            return kGerman;
        case Language::English:
            break;
    }
    return kEnglish;
}

CosmicSection::CosmicSection() {
    for (int k = 0; k < kCosmicCount; ++k)
        values_[static_cast<std::size_t>(k)] = kNames[static_cast<std::size_t>(k)];
    lines_.fill(-1);
    savedValues_ = values_;
}

std::string CosmicSection::ParseValue(std::string_view line) {
    ValueSpan span;
    return ReadCosmicValue(line, span);
}

std::string CosmicSection::ParseValue(std::string_view line, ValueSpan& span) {
    return ReadCosmicValue(line, span);
}

std::string CosmicSection::RenderLine(std::string_view value, std::string_view comment) {
    std::string out;
    out.reserve(value.size() + 4 + comment.size());
    out.append(value);
    out.append(",  ;");
    out.append(comment);
    return out;
}

void CosmicSection::Read(const LineStore& store, Findings& findings) {
    lines_.fill(-1);
    savedSpans_.fill(ValueSpan{});
    range_ = SectionRange{};
    range_.first = FindSection(store, "COSMIC");
    const int count = store.LineCount();
    if (range_.first > count) {
        findings.push_back({Finding::Kind::MissingHeader, SectionId::Cosmic, -1});
        TakeRead(store);
        return;
    }
    int k = 0;
    int line = range_.first;
    bool closed = false;
    for (; line < count; ++line) {
        const std::string_view text = store.GetLine(line);
        if (IsSectionEnd(text)) {
            closed = true;
            break;
        }
        if (IsSectionHeader(text)) break;
        if (IsDataLine(text)) {
            // Lines after the 21st are read and their values dropped.
            if (k < kCosmicCount) {
                values_[static_cast<std::size_t>(k)] =
                    ParseValue(text, savedSpans_[static_cast<std::size_t>(k)]);
                lines_[static_cast<std::size_t>(k)] = line;
            }
            ++k;
        }
        range_.last = line + 1;
    }
    if (!closed)
        findings.push_back({Finding::Kind::MissingTerminator, SectionId::Cosmic, range_.first - 1});
    TakeRead(store);
}

// After reading: the spans are the reader's own.
void CosmicSection::TakeRead(const LineStore& store) {
    savedValues_ = values_;
    for (std::size_t k = 0; k < kCosmicCount; ++k)
        savedLines_[k] = lines_[k] >= 0 ? std::string(store.GetLine(lines_[k])) : std::string();
}

void CosmicSection::TakeBaseline(const LineStore& store) {
    savedValues_ = values_;
    for (std::size_t k = 0; k < kCosmicCount; ++k) {
        if (lines_[k] < 0) {
            savedLines_[k].clear();
            continue;
        }
        const std::string_view now = store.GetLine(lines_[k]);
        if (now == savedLines_[k] && savedSpans_[k].Known()) continue;
        savedLines_[k] = std::string(now);
        ParseValue(now, savedSpans_[k]);
    }
}

std::string CosmicSection::LineNow(int position, Language language) const {
    const auto k = static_cast<std::size_t>(position);
    if (values_.at(k) == savedValues_[k]) return savedLines_[k];
    const FieldChange change{0, values_[k]};
    if (auto edited = EditLine(SectionId::Cosmic, savedLines_[k],
                               std::span<const ValueSpan>(&savedSpans_[k], 1),
                               std::span<const FieldChange>(&change, 1)))
        return std::move(*edited);
    return RenderLine(values_[k], CosmicComments(language)[k]);
}

bool CosmicSection::Respace(int position, std::string line) {
    const auto k = static_cast<std::size_t>(position);
    ValueSpan span;
    if (lines_.at(k) < 0 || !IsDataLine(line) || IsSectionHeader(line) || IsSectionEnd(line) ||
        ParseValue(line, span) != savedValues_[k])
        return false;
    savedLines_[k] = std::move(line);
    savedSpans_[k] = span;
    return true;
}

void CosmicSection::Write(LineStore& store, Language language) const {
    for (std::size_t k = 0; k < kCosmicCount; ++k) {
        if (lines_[k] < 0) continue;
        if (values_[k] != savedValues_[k])
            store.PutLine(lines_[k], LineNow(static_cast<int>(k), language));
        else if (store.GetLine(lines_[k]) != savedLines_[k])
            store.PutLine(lines_[k], savedLines_[k]);
    }
}

}  // namespace rules
