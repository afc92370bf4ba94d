#include "texte/vocabulaire.h"

#include "engine/calendrier.h"
#include "engine/fetes.h"
#include "engine/styles.h"
#include "names/noms.h"
#include "names/noms_fetes.h"
#include "names/noms_usage.h"
#include "texte/lecture.h"
#include "texte/rapport.h"
#include "texte/rendu.h"
#include "texte/utf8.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace chronastre::texte {

namespace {

constexpr Masque civils = bit(JULIEN) | bit(GREGORIEN);
// Umm al-Qura writes its months and weekdays as the Islamic calendars do.
constexpr Masque islamiques = bit(ISLAMIQUE_A) | bit(ISLAMIQUE_B) | bit(UMM_AL_QURA);
constexpr Masque bahais = bit(BAHAI) | bit(BAHAI_TEHERAN);
constexpr Masque perses = bit(PERSE) | bit(KHWARIZMIEN);
constexpr Masque romains = bit(ROMAIN_I) | bit(ROMAIN_II);

// A row as written: its text (any spelling; it is cut into keys as a text
// is), what it means and where.
struct Rangee
{
    std::string_view texte;
    Genre genre;
    Masque calendriers;
    std::int32_t valeur;
};

// Rows of their own: variants, abbreviations and transliterations of usage,
// number words, era, filler and GEDCOM words. The names the program prints
// come from the rendering's tables (vocabulaire() below).
// clang-format off
constexpr Rangee rangeesPropres[] = {
    // Months of the civil calendars: GEDCOM codes, French abbreviations, the
    // abbreviations of parish registers (7bre is September, Xbre December),
    // English and Latin names of English and Latin records.
    {"JAN", Genre::Mois, civils, 1}, {"FEB", Genre::Mois, civils, 2}, {"MAR", Genre::Mois, civils, 3},
    {"APR", Genre::Mois, civils, 4}, {"MAY", Genre::Mois, civils, 5}, {"JUN", Genre::Mois, civils, 6},
    {"JUL", Genre::Mois, civils, 7}, {"AUG", Genre::Mois, civils, 8}, {"SEP", Genre::Mois, civils, 9},
    {"OCT", Genre::Mois, civils, 10}, {"NOV", Genre::Mois, civils, 11}, {"DEC", Genre::Mois, civils, 12},
    {"janv", Genre::Mois, civils, 1}, {"fév", Genre::Mois, civils, 2}, {"févr", Genre::Mois, civils, 2},
    {"avr", Genre::Mois, civils, 4}, {"juil", Genre::Mois, civils, 7}, {"sept", Genre::Mois, civils, 9},
    {"7bre", Genre::Mois, civils, 9}, {"8bre", Genre::Mois, civils, 10}, {"9bre", Genre::Mois, civils, 11},
    {"Xbre", Genre::Mois, civils, 12}, {"10bre", Genre::Mois, civils, 12},
    {"7ber", Genre::Mois, civils, 9}, {"8ber", Genre::Mois, civils, 10}, {"9ber", Genre::Mois, civils, 11},
    {"Xber", Genre::Mois, civils, 12}, {"10ber", Genre::Mois, civils, 12},
    {"January", Genre::Mois, civils, 1}, {"February", Genre::Mois, civils, 2},
    {"March", Genre::Mois, civils, 3}, {"April", Genre::Mois, civils, 4}, {"June", Genre::Mois, civils, 6},
    {"July", Genre::Mois, civils, 7}, {"August", Genre::Mois, civils, 8},
    {"September", Genre::Mois, civils, 9}, {"October", Genre::Mois, civils, 10},
    {"November", Genre::Mois, civils, 11}, {"December", Genre::Mois, civils, 12},
    {"Januarii", Genre::Mois, civils, 1}, {"Ianuarii", Genre::Mois, civils, 1},
    {"Februarii", Genre::Mois, civils, 2}, {"Martii", Genre::Mois, civils, 3},
    {"Aprilis", Genre::Mois, civils, 4}, {"Maii", Genre::Mois, civils, 5},
    {"Junii", Genre::Mois, civils, 6}, {"Iunii", Genre::Mois, civils, 6},
    {"Julii", Genre::Mois, civils, 7}, {"Iulii", Genre::Mois, civils, 7},
    {"Augusti", Genre::Mois, civils, 8}, {"Septembris", Genre::Mois, civils, 9},
    {"Octobris", Genre::Mois, civils, 10}, {"Novembris", Genre::Mois, civils, 11},
    {"Decembris", Genre::Mois, civils, 12},

    // Republican months: GEDCOM codes, abbreviations, the complementary days.
    {"VEND", Genre::Mois, bit(REPUBLICAIN), 1}, {"BRUM", Genre::Mois, bit(REPUBLICAIN), 2},
    {"FRIM", Genre::Mois, bit(REPUBLICAIN), 3}, {"NIVO", Genre::Mois, bit(REPUBLICAIN), 4},
    {"PLUV", Genre::Mois, bit(REPUBLICAIN), 5}, {"VENT", Genre::Mois, bit(REPUBLICAIN), 6},
    {"GERM", Genre::Mois, bit(REPUBLICAIN), 7}, {"FLOR", Genre::Mois, bit(REPUBLICAIN), 8},
    {"PRAI", Genre::Mois, bit(REPUBLICAIN), 9}, {"MESS", Genre::Mois, bit(REPUBLICAIN), 10},
    {"THER", Genre::Mois, bit(REPUBLICAIN), 11}, {"FRUC", Genre::Mois, bit(REPUBLICAIN), 12},
    {"COMP", Genre::Mois, bit(REPUBLICAIN), 13},
    {"vendém", Genre::Mois, bit(REPUBLICAIN), 1}, {"niv", Genre::Mois, bit(REPUBLICAIN), 4},
    {"prair", Genre::Mois, bit(REPUBLICAIN), 9}, {"messid", Genre::Mois, bit(REPUBLICAIN), 10},
    {"therm", Genre::Mois, bit(REPUBLICAIN), 11}, {"fruct", Genre::Mois, bit(REPUBLICAIN), 12},
    {"sansculottides", Genre::Mois, bit(REPUBLICAIN), 13},
    {"sans-culottides", Genre::Mois, bit(REPUBLICAIN), 13},
    {"sanculottides", Genre::Mois, bit(REPUBLICAIN), 13},
    {"sans-culotides", Genre::Mois, bit(REPUBLICAIN), 13},
    {"jours complémentaires", Genre::Mois, bit(REPUBLICAIN), 13},
    {"jour complémentaire", Genre::Mois, bit(REPUBLICAIN), 13},
    {"complémentaires", Genre::Mois, bit(REPUBLICAIN), 13},
    {"complémentaire", Genre::Mois, bit(REPUBLICAIN), 13},
    {"jours épagomènes", Genre::Mois, bit(REPUBLICAIN), 13},
    {"épagomènes", Genre::Mois, bit(REPUBLICAIN), 13},
    // The complementary days by their names.
    {"jour de la Vertu", Genre::JourNomme, bit(REPUBLICAIN), 1301},
    {"fête de la Vertu", Genre::JourNomme, bit(REPUBLICAIN), 1301},
    {"jour du Génie", Genre::JourNomme, bit(REPUBLICAIN), 1302},
    {"fête du Génie", Genre::JourNomme, bit(REPUBLICAIN), 1302},
    {"jour du Travail", Genre::JourNomme, bit(REPUBLICAIN), 1303},
    {"fête du Travail", Genre::JourNomme, bit(REPUBLICAIN), 1303},
    {"jour de l'Opinion", Genre::JourNomme, bit(REPUBLICAIN), 1304},
    {"fête de l'Opinion", Genre::JourNomme, bit(REPUBLICAIN), 1304},
    {"jour des Récompenses", Genre::JourNomme, bit(REPUBLICAIN), 1305},
    {"fête des Récompenses", Genre::JourNomme, bit(REPUBLICAIN), 1305},
    {"jour de la Révolution", Genre::JourNomme, bit(REPUBLICAIN), 1306},
    {"fête de la Révolution", Genre::JourNomme, bit(REPUBLICAIN), 1306},

    // Hebrew months: GEDCOM codes (Adar Sheni is 13), and the usual
    // spellings, French ones first.
    {"TSH", Genre::Mois, bit(HEBREU), 1}, {"CSH", Genre::Mois, bit(HEBREU), 2},
    {"KSL", Genre::Mois, bit(HEBREU), 3}, {"TVT", Genre::Mois, bit(HEBREU), 4},
    {"SHV", Genre::Mois, bit(HEBREU), 5}, {"ADR", Genre::Mois, bit(HEBREU), 6},
    {"NSN", Genre::Mois, bit(HEBREU), 7}, {"IYR", Genre::Mois, bit(HEBREU), 8},
    {"SVN", Genre::Mois, bit(HEBREU), 9}, {"TMZ", Genre::Mois, bit(HEBREU), 10},
    {"AAV", Genre::Mois, bit(HEBREU), 11}, {"ELL", Genre::Mois, bit(HEBREU), 12},
    {"ADS", Genre::Mois, bit(HEBREU), 13},
    {"Tichri", Genre::Mois, bit(HEBREU), 1}, {"Tishrei", Genre::Mois, bit(HEBREU), 1},
    {"Tisri", Genre::Mois, bit(HEBREU), 1}, {"Tichrei", Genre::Mois, bit(HEBREU), 1},
    {"Hechvan", Genre::Mois, bit(HEBREU), 2}, {"Cheshvan", Genre::Mois, bit(HEBREU), 2},
    {"Marcheshvan", Genre::Mois, bit(HEBREU), 2}, {"Marheshvan", Genre::Mois, bit(HEBREU), 2},
    {"Marhechvan", Genre::Mois, bit(HEBREU), 2}, {"Hesvan", Genre::Mois, bit(HEBREU), 2},
    {"Kislew", Genre::Mois, bit(HEBREU), 3}, {"Kisleu", Genre::Mois, bit(HEBREU), 3},
    {"Tevet", Genre::Mois, bit(HEBREU), 4}, {"Teveth", Genre::Mois, bit(HEBREU), 4},
    {"Tebet", Genre::Mois, bit(HEBREU), 4},
    {"Chevat", Genre::Mois, bit(HEBREU), 5}, {"Shevat", Genre::Mois, bit(HEBREU), 5},
    {"Chvat", Genre::Mois, bit(HEBREU), 5}, {"Sh'vat", Genre::Mois, bit(HEBREU), 5},
    {"Schevat", Genre::Mois, bit(HEBREU), 5},
    {"Adar I", Genre::Mois, bit(HEBREU), 6}, {"Adar Rishon", Genre::Mois, bit(HEBREU), 6},
    {"Adar II", Genre::Mois, bit(HEBREU), 13}, {"Adar Sheni", Genre::Mois, bit(HEBREU), 13},
    {"Adar Bet", Genre::Mois, bit(HEBREU), 13}, {"Adar Beth", Genre::Mois, bit(HEBREU), 13},
    {"Ve-Adar", Genre::Mois, bit(HEBREU), 13},
    {"Nissan", Genre::Mois, bit(HEBREU), 7},
    {"Iyar", Genre::Mois, bit(HEBREU), 8}, {"Iar", Genre::Mois, bit(HEBREU), 8},
    {"Siwan", Genre::Mois, bit(HEBREU), 9},
    {"Tammouz", Genre::Mois, bit(HEBREU), 10}, {"Tamouz", Genre::Mois, bit(HEBREU), 10},
    {"Tamuz", Genre::Mois, bit(HEBREU), 10},
    {"Av", Genre::Mois, bit(HEBREU), 11}, {"Menahem Av", Genre::Mois, bit(HEBREU), 11},
    {"Eloul", Genre::Mois, bit(HEBREU), 12}, {"Elloul", Genre::Mois, bit(HEBREU), 12},
    {"Elul", Genre::Mois, bit(HEBREU), 12},

    // Islamic months: French transliterations, then English ones.
    {"Mouharram", Genre::Mois, islamiques, 1}, {"Moharram", Genre::Mois, islamiques, 1},
    {"Muharrem", Genre::Mois, islamiques, 1},
    {"Sefer", Genre::Mois, islamiques, 2}, {"Safer", Genre::Mois, islamiques, 2},
    {"Rabia al awal", Genre::Mois, islamiques, 3}, {"Rabi al-awal", Genre::Mois, islamiques, 3},
    {"Rabia el aouel", Genre::Mois, islamiques, 3}, {"Rabi el awal", Genre::Mois, islamiques, 3},
    {"Rabi' al-oula", Genre::Mois, islamiques, 3}, {"Rabia al oula", Genre::Mois, islamiques, 3},
    {"Rabi' I", Genre::Mois, islamiques, 3}, {"Rabia I", Genre::Mois, islamiques, 3},
    {"Rabi' ul-awwal", Genre::Mois, islamiques, 3},
    {"Rabi' al-akhir", Genre::Mois, islamiques, 4}, {"Rabia ath-thani", Genre::Mois, islamiques, 4},
    {"Rabi' ath-thani", Genre::Mois, islamiques, 4}, {"Rabia al thani", Genre::Mois, islamiques, 4},
    {"Rabia el thani", Genre::Mois, islamiques, 4}, {"Rabi el akher", Genre::Mois, islamiques, 4},
    {"Rabi' II", Genre::Mois, islamiques, 4}, {"Rabia II", Genre::Mois, islamiques, 4},
    {"Rabi' ul-akhir", Genre::Mois, islamiques, 4},
    {"Joumada al oula", Genre::Mois, islamiques, 5}, {"Djoumada al oula", Genre::Mois, islamiques, 5},
    {"Joumada el oula", Genre::Mois, islamiques, 5}, {"Jumada al-ula", Genre::Mois, islamiques, 5},
    {"Jumada al-oula", Genre::Mois, islamiques, 5}, {"Jumada I", Genre::Mois, islamiques, 5},
    {"Joumada I", Genre::Mois, islamiques, 5}, {"Djoumada I", Genre::Mois, islamiques, 5},
    {"Joumada ath-thania", Genre::Mois, islamiques, 6}, {"Djoumada ath-thania", Genre::Mois, islamiques, 6},
    {"Joumada al akhira", Genre::Mois, islamiques, 6}, {"Joumada el akhira", Genre::Mois, islamiques, 6},
    {"Jumada al-akhira", Genre::Mois, islamiques, 6}, {"Jumada al-thania", Genre::Mois, islamiques, 6},
    {"Jumada II", Genre::Mois, islamiques, 6}, {"Joumada II", Genre::Mois, islamiques, 6},
    {"Djoumada II", Genre::Mois, islamiques, 6},
    {"Rajab", Genre::Mois, islamiques, 7}, {"Redjeb", Genre::Mois, islamiques, 7},
    {"Rejeb", Genre::Mois, islamiques, 7},
    {"Chaabane", Genre::Mois, islamiques, 8}, {"Chaaban", Genre::Mois, islamiques, 8},
    {"Chabane", Genre::Mois, islamiques, 8}, {"Chaban", Genre::Mois, islamiques, 8},
    {"Shaaban", Genre::Mois, islamiques, 8},
    {"Ramadhan", Genre::Mois, islamiques, 9}, {"Ramazan", Genre::Mois, islamiques, 9},
    {"Ramadane", Genre::Mois, islamiques, 9},
    {"Chaoual", Genre::Mois, islamiques, 10}, {"Chawal", Genre::Mois, islamiques, 10},
    {"Shawwal", Genre::Mois, islamiques, 10}, {"Shawal", Genre::Mois, islamiques, 10},
    {"Dhou al qi'da", Genre::Mois, islamiques, 11}, {"Dhou al-qa'da", Genre::Mois, islamiques, 11},
    {"Dhou el qa'da", Genre::Mois, islamiques, 11}, {"Dhu al-Qa'dah", Genre::Mois, islamiques, 11},
    {"Dhu al-Qi'da", Genre::Mois, islamiques, 11}, {"Dhul-Qi'dah", Genre::Mois, islamiques, 11},
    {"Dhul-Qa'dah", Genre::Mois, islamiques, 11}, {"Zilkade", Genre::Mois, islamiques, 11},
    {"Dhou al-hijja", Genre::Mois, islamiques, 12}, {"Dhou al hidja", Genre::Mois, islamiques, 12},
    {"Dhou el hidja", Genre::Mois, islamiques, 12}, {"Dhu al-Hijja", Genre::Mois, islamiques, 12},
    {"Dhul-Hijjah", Genre::Mois, islamiques, 12}, {"Dhul-Hijja", Genre::Mois, islamiques, 12},
    {"Zilhidje", Genre::Mois, islamiques, 12},

    // Persian months: the usual spellings beside the program's.
    {"Farvardin", Genre::Mois, perses, 1}, {"Ardibehesht", Genre::Mois, perses, 2},
    {"Amordad", Genre::Mois, perses, 5}, {"Shahrivar", Genre::Mois, perses, 6},
    {"Mehr", Genre::Mois, perses, 7}, {"Dey", Genre::Mois, perses, 10},
    {"Espand", Genre::Mois, perses, 12}, {"Isfand", Genre::Mois, perses, 12},

    // Coptic, Ethiopian and Egyptian months: other transliterations.
    {"Thout", Genre::Mois, bit(COPTE), 1}, {"Paopi", Genre::Mois, bit(COPTE), 2},
    {"Hathor", Genre::Mois, bit(COPTE), 3}, {"Koiak", Genre::Mois, bit(COPTE), 4},
    {"Tobi", Genre::Mois, bit(COPTE), 5}, {"Meshir", Genre::Mois, bit(COPTE), 6},
    {"Paremhat", Genre::Mois, bit(COPTE), 7}, {"Parmouti", Genre::Mois, bit(COPTE), 8},
    {"Pashons", Genre::Mois, bit(COPTE), 9}, {"Paoni", Genre::Mois, bit(COPTE), 10},
    {"Epip", Genre::Mois, bit(COPTE), 11}, {"Mesori", Genre::Mois, bit(COPTE), 12},
    {"Nasie", Genre::Mois, bit(COPTE), 13}, {"Paremoude", Genre::Mois, bit(COPTE), 8},
    {"Pi Kogi Enavot", Genre::Mois, bit(COPTE), 13},
    // Armenian months as scholarly transliterations write them.
    {"Nawasard", Genre::Mois, bit(ARMENIEN), 1}, {"Trē", Genre::Mois, bit(ARMENIEN), 4},
    {"Kʿałocʿ", Genre::Mois, bit(ARMENIEN), 5}, {"Aracʿ", Genre::Mois, bit(ARMENIEN), 6},
    {"Mehekan", Genre::Mois, bit(ARMENIEN), 7}, {"Areg", Genre::Mois, bit(ARMENIEN), 8},
    {"Ahekan", Genre::Mois, bit(ARMENIEN), 9}, {"Margacʿ", Genre::Mois, bit(ARMENIEN), 11},
    {"Hroticʿ", Genre::Mois, bit(ARMENIEN), 12}, {"Aweleacʿ", Genre::Mois, bit(ARMENIEN), 13},
    {"Tikimt", Genre::Mois, bit(ETHIOPIEN), 2}, {"Hidar", Genre::Mois, bit(ETHIOPIEN), 3},
    {"Tahsas", Genre::Mois, bit(ETHIOPIEN), 4}, {"Megabit", Genre::Mois, bit(ETHIOPIEN), 7},
    {"Miyazya", Genre::Mois, bit(ETHIOPIEN), 8}, {"Ginbot", Genre::Mois, bit(ETHIOPIEN), 9},
    {"Hamle", Genre::Mois, bit(ETHIOPIEN), 11}, {"Nehase", Genre::Mois, bit(ETHIOPIEN), 12},
    {"Pagume", Genre::Mois, bit(ETHIOPIEN), 13},
    {"Thoth", Genre::Mois, bit(EGYPTIEN), 1}, {"Phaophi", Genre::Mois, bit(EGYPTIEN), 2},
    {"Hathyr", Genre::Mois, bit(EGYPTIEN), 3}, {"Choiak", Genre::Mois, bit(EGYPTIEN), 4},
    {"Mechir", Genre::Mois, bit(EGYPTIEN), 6}, {"Pharmuthi", Genre::Mois, bit(EGYPTIEN), 8},
    {"Pachons", Genre::Mois, bit(EGYPTIEN), 9}, {"Epiphi", Genre::Mois, bit(EGYPTIEN), 11},
    {"Mesore", Genre::Mois, bit(EGYPTIEN), 12}, {"épagomènes", Genre::Mois, bit(EGYPTIEN), 13},
    {"jours épagomènes", Genre::Mois, bit(EGYPTIEN), 13},

    // Saka months: other transliterations.
    {"Vaishakha", Genre::Mois, bit(SAKA), 2}, {"Jyeshtha", Genre::Mois, bit(SAKA), 3},
    {"Shravana", Genre::Mois, bit(SAKA), 5}, {"Bhadra", Genre::Mois, bit(SAKA), 6},
    {"Ashvin", Genre::Mois, bit(SAKA), 7}, {"Ashwin", Genre::Mois, bit(SAKA), 7}, {"Margashirsha", Genre::Mois, bit(SAKA), 9},

    // English weekdays, as English records and genealogy programs write
    // them ("Tuesday, 19th January 1988"): the French weekdays' values.
    {"Sunday", Genre::JourSemaine, tousCalendriers, semaineFrancaise + 0},
    {"Monday", Genre::JourSemaine, tousCalendriers, semaineFrancaise + 1},
    {"Tuesday", Genre::JourSemaine, tousCalendriers, semaineFrancaise + 2},
    {"Wednesday", Genre::JourSemaine, tousCalendriers, semaineFrancaise + 3},
    {"Thursday", Genre::JourSemaine, tousCalendriers, semaineFrancaise + 4},
    {"Friday", Genre::JourSemaine, tousCalendriers, semaineFrancaise + 5},
    {"Saturday", Genre::JourSemaine, tousCalendriers, semaineFrancaise + 6},

    // Numbers in French words; "septante", "huitante", "octante" and
    // "nonante" of Belgium and Switzerland.
    {"zéro", Genre::Nombre, tousCalendriers, 0}, {"un", Genre::Nombre, tousCalendriers, 1},
    {"une", Genre::Nombre, tousCalendriers, 1}, {"deux", Genre::Nombre, tousCalendriers, 2},
    {"trois", Genre::Nombre, tousCalendriers, 3}, {"quatre", Genre::Nombre, tousCalendriers, 4},
    {"cinq", Genre::Nombre, tousCalendriers, 5}, {"six", Genre::Nombre, tousCalendriers, 6},
    {"sept", Genre::Nombre, tousCalendriers, 7}, {"huit", Genre::Nombre, tousCalendriers, 8},
    {"neuf", Genre::Nombre, tousCalendriers, 9}, {"dix", Genre::Nombre, tousCalendriers, 10},
    {"onze", Genre::Nombre, tousCalendriers, 11}, {"douze", Genre::Nombre, tousCalendriers, 12},
    {"treize", Genre::Nombre, tousCalendriers, 13}, {"quatorze", Genre::Nombre, tousCalendriers, 14},
    {"quinze", Genre::Nombre, tousCalendriers, 15}, {"seize", Genre::Nombre, tousCalendriers, 16},
    {"vingt", Genre::Nombre, tousCalendriers, 20}, {"vingts", Genre::Nombre, tousCalendriers, 20},
    {"trente", Genre::Nombre, tousCalendriers, 30}, {"quarante", Genre::Nombre, tousCalendriers, 40},
    {"cinquante", Genre::Nombre, tousCalendriers, 50}, {"soixante", Genre::Nombre, tousCalendriers, 60},
    {"septante", Genre::Nombre, tousCalendriers, 70}, {"huitante", Genre::Nombre, tousCalendriers, 80},
    {"octante", Genre::Nombre, tousCalendriers, 80}, {"nonante", Genre::Nombre, tousCalendriers, 90},
    {"cent", Genre::Nombre, tousCalendriers, 100}, {"cents", Genre::Nombre, tousCalendriers, 100},
    {"mille", Genre::Nombre, tousCalendriers, 1000}, {"mil", Genre::Nombre, tousCalendriers, 1000},
    {"et", Genre::Et, tousCalendriers, 0},
    {"premier", Genre::Ordinal, tousCalendriers, 1}, {"première", Genre::Ordinal, tousCalendriers, 1},
    {"unième", Genre::Ordinal, tousCalendriers, 1}, {"second", Genre::Ordinal, tousCalendriers, 2},
    {"seconde", Genre::Ordinal, tousCalendriers, 2}, {"deuxième", Genre::Ordinal, tousCalendriers, 2},
    {"troisième", Genre::Ordinal, tousCalendriers, 3}, {"quatrième", Genre::Ordinal, tousCalendriers, 4},
    {"cinquième", Genre::Ordinal, tousCalendriers, 5}, {"sixième", Genre::Ordinal, tousCalendriers, 6},
    {"septième", Genre::Ordinal, tousCalendriers, 7}, {"huitième", Genre::Ordinal, tousCalendriers, 8},
    {"neuvième", Genre::Ordinal, tousCalendriers, 9}, {"dixième", Genre::Ordinal, tousCalendriers, 10},
    {"onzième", Genre::Ordinal, tousCalendriers, 11}, {"douzième", Genre::Ordinal, tousCalendriers, 12},
    {"treizième", Genre::Ordinal, tousCalendriers, 13},
    {"quatorzième", Genre::Ordinal, tousCalendriers, 14},
    {"quinzième", Genre::Ordinal, tousCalendriers, 15}, {"seizième", Genre::Ordinal, tousCalendriers, 16},
    {"vingtième", Genre::Ordinal, tousCalendriers, 20}, {"trentième", Genre::Ordinal, tousCalendriers, 30},

    // Eras of the Julian and Gregorian years: before Christ, after.
    {"av. J.-C.", Genre::Ere, civils, -1}, {"avant J.-C.", Genre::Ere, civils, -1},
    {"av. JC", Genre::Ere, civils, -1}, {"avant JC", Genre::Ere, civils, -1},
    {"avJC", Genre::Ere, civils, -1},
    {"avant Jésus-Christ", Genre::Ere, civils, -1}, {"av. notre ère", Genre::Ere, civils, -1},
    {"avant notre ère", Genre::Ere, civils, -1}, {"avant l'ère commune", Genre::Ere, civils, -1},
    {"AEC", Genre::Ere, civils, -1}, {"av. è. c.", Genre::Ere, civils, -1},
    {"BC", Genre::Ere, civils, -1}, {"B.C.", Genre::Ere, civils, -1},
    {"BCE", Genre::Ere, civils, -1}, {"B.C.E.", Genre::Ere, civils, -1},
    {"ap. J.-C.", Genre::Ere, civils, 1}, {"apr. J.-C.", Genre::Ere, civils, 1},
    {"après J.-C.", Genre::Ere, civils, 1}, {"ap. JC", Genre::Ere, civils, 1},
    {"apr. JC", Genre::Ere, civils, 1}, {"après JC", Genre::Ere, civils, 1},
    {"après Jésus-Christ", Genre::Ere, civils, 1}, {"de notre ère", Genre::Ere, civils, 1},
    {"de l'ère commune", Genre::Ere, civils, 1}, {"EC", Genre::Ere, civils, 1},
    {"AD", Genre::Ere, civils, 1}, {"A.D.", Genre::Ere, civils, 1},
    {"CE", Genre::Ere, civils, 1}, {"C.E.", Genre::Ere, civils, 1},
    {"Anno Domini", Genre::Ere, civils, 1},

    // The words of a date besides its fields.
    {"le", Genre::Liaison, tousCalendriers, 0}, {"la", Genre::Liaison, tousCalendriers, 0},
    {"l", Genre::Liaison, tousCalendriers, 0}, {"de", Genre::Liaison, tousCalendriers, 0},
    {"d", Genre::Liaison, tousCalendriers, 0}, {"du", Genre::Liaison, tousCalendriers, 0},
    {"en", Genre::Liaison, tousCalendriers, 0}, {"ce", Genre::Liaison, tousCalendriers, 0},
    {"die", Genre::Liaison, tousCalendriers, 0}, {"mensis", Genre::Liaison, tousCalendriers, 0},
    {"an", Genre::MotAnnee, tousCalendriers, 0}, {"année", Genre::MotAnnee, tousCalendriers, 0},
    {"anno", Genre::MotAnnee, tousCalendriers, 0},
    {"de la République", Genre::SuiteAnnee, bit(REPUBLICAIN), 0},
    {"de la République française", Genre::SuiteAnnee, bit(REPUBLICAIN), 0},
    {"républicain", Genre::SuiteAnnee, bit(REPUBLICAIN), 0},
    {"de l'Hégire", Genre::SuiteAnnee, islamiques, 0}, {"Hégire", Genre::SuiteAnnee, islamiques, 0},
    {"AH", Genre::SuiteAnnee, islamiques, 0}, {"A.H.", Genre::SuiteAnnee, islamiques, 0},
    {"H", Genre::SuiteAnnee, islamiques, 0},
    {"AM", Genre::SuiteAnnee, bit(HEBREU) | bit(COPTE), 0},
    {"A.M.", Genre::SuiteAnnee, bit(HEBREU) | bit(COPTE), 0},
    {"Anno Mundi", Genre::SuiteAnnee, bit(HEBREU), 0},
    {"de la création", Genre::SuiteAnnee, bit(HEBREU), 0},
    {"de la création du monde", Genre::SuiteAnnee, bit(HEBREU), 0},
    {"des martyrs", Genre::SuiteAnnee, bit(COPTE), 0},
    {"de l'ère des martyrs", Genre::SuiteAnnee, bit(COPTE), 0},
    {"BE", Genre::SuiteAnnee, bahais, 0}, {"B.E.", Genre::SuiteAnnee, bahais, 0},
    {"EB", Genre::SuiteAnnee, bahais, 0}, {"E.B.", Genre::SuiteAnnee, bahais, 0},
    {"AP", Genre::SuiteAnnee, bit(IRANIEN), 0}, {"A.P.", Genre::SuiteAnnee, bit(IRANIEN), 0},
    {"SH", Genre::SuiteAnnee, bit(IRANIEN), 0}, {"HS", Genre::SuiteAnnee, bit(IRANIEN), 0},
    {"hégire solaire", Genre::SuiteAnnee, bit(IRANIEN), 0},
    {"de l'hégire solaire", Genre::SuiteAnnee, bit(IRANIEN), 0},
    {"Saka", Genre::SuiteAnnee, bit(SAKA), 0}, {"de l'ère Saka", Genre::SuiteAnnee, bit(SAKA), 0},
    {"AUC", Genre::SuiteAnnee, romains, 0}, {"A.U.C.", Genre::SuiteAnnee, romains, 0},
    {"ab Urbe condita", Genre::SuiteAnnee, romains, 0},
    {"Séleucide", Genre::SuiteAnnee, bit(MACEDONIEN) | bit(SYRIEN), 0},
    {"de l'ère séleucide", Genre::SuiteAnnee, bit(MACEDONIEN) | bit(SYRIEN), 0},
    {"jour julien", Genre::JourJulien, tousCalendriers, 0},

    // GEDCOM: calendar escapes (5.5.1) and keywords (7), qualifiers.
    {"@#DGREGORIAN@", Genre::Echappement, tousCalendriers, GREGORIEN},
    {"@#DJULIAN@", Genre::Echappement, tousCalendriers, JULIEN},
    {"@#DHEBREW@", Genre::Echappement, tousCalendriers, HEBREU},
    {"@#DFRENCH R@", Genre::Echappement, tousCalendriers, REPUBLICAIN},
    {"@#DROMAN@", Genre::Echappement, tousCalendriers, -1},
    {"@#DUNKNOWN@", Genre::Echappement, tousCalendriers, -1},
    {"GREGORIAN", Genre::Echappement, tousCalendriers, GREGORIEN},
    {"JULIAN", Genre::Echappement, tousCalendriers, JULIEN},
    {"HEBREW", Genre::Echappement, tousCalendriers, HEBREU},
    {"FRENCH_R", Genre::Echappement, tousCalendriers, REPUBLICAIN},
    {"ROMAN", Genre::Echappement, tousCalendriers, -1},
    {"UNKNOWN", Genre::Echappement, tousCalendriers, -1},
    {"ABT", Genre::Qualificatif, tousCalendriers, static_cast<int>(Qualificatif::Vers)},
    {"ABOUT", Genre::Qualificatif, tousCalendriers, static_cast<int>(Qualificatif::Vers)},
    {"CIRCA", Genre::Qualificatif, tousCalendriers, static_cast<int>(Qualificatif::Vers)},
    {"CA", Genre::Qualificatif, tousCalendriers, static_cast<int>(Qualificatif::Vers)},
    {"C", Genre::Qualificatif, tousCalendriers, static_cast<int>(Qualificatif::Vers)},
    {"CAL", Genre::Qualificatif, tousCalendriers, static_cast<int>(Qualificatif::Calculee)},
    {"EST", Genre::Qualificatif, tousCalendriers, static_cast<int>(Qualificatif::Estimee)},
    {"BEF", Genre::Qualificatif, tousCalendriers, static_cast<int>(Qualificatif::Avant)},
    {"BEFORE", Genre::Qualificatif, tousCalendriers, static_cast<int>(Qualificatif::Avant)},
    {"AFT", Genre::Qualificatif, tousCalendriers, static_cast<int>(Qualificatif::Apres)},
    {"AFTER", Genre::Qualificatif, tousCalendriers, static_cast<int>(Qualificatif::Apres)},
    {"BET", Genre::Qualificatif, tousCalendriers, static_cast<int>(Qualificatif::Entre)},
    {"BETWEEN", Genre::Qualificatif, tousCalendriers, static_cast<int>(Qualificatif::Entre)},
    {"BTW", Genre::Qualificatif, tousCalendriers, static_cast<int>(Qualificatif::Entre)},
    {"FROM", Genre::Qualificatif, tousCalendriers, static_cast<int>(Qualificatif::De)},
    {"TO", Genre::Qualificatif, tousCalendriers, static_cast<int>(Qualificatif::A)},
    {"INT", Genre::Qualificatif, tousCalendriers, static_cast<int>(Qualificatif::Interpretee)},
    {"AND", Genre::Qualificatif, tousCalendriers, static_cast<int>(Qualificatif::Et)},

    // Roman days: the Kalends (1), Nones (2) and Ides (3), in the ablative
    // (the day itself) and in the accusative (a day counted before them).
    {"Kalendis", Genre::RepereRomain, tousCalendriers, 1}, {"Calendis", Genre::RepereRomain, tousCalendriers, 1},
    {"Kal", Genre::RepereRomain, tousCalendriers, 1},
    {"Nonis", Genre::RepereRomain, tousCalendriers, 2}, {"Idibus", Genre::RepereRomain, tousCalendriers, 3},
    {"Kalendas", Genre::RepereRomain, tousCalendriers, 1},
    {"Calendas", Genre::RepereRomain, tousCalendriers, 1},
    {"Nonas", Genre::RepereRomain, tousCalendriers, 2}, {"Idus", Genre::RepereRomain, tousCalendriers, 3},
    {"Ante diem", Genre::AnteDiem, tousCalendriers, 0}, {"a. d.", Genre::AnteDiem, tousCalendriers, 0},
    {"Pridie", Genre::Pridie, tousCalendriers, 0}, {"bis", Genre::Bis, tousCalendriers, 0},

    // Dates of old documents (CIVIL): the relations to a feast, the articles
    // before its name, the styles of the year's beginning, the part of an
    // Easter-style year. The feasts' names come from names/noms_fetes.h.
    {"veille", Genre::RelationFete, civils, static_cast<int>(Relation::VEILLE)},
    {"vigile", Genre::RelationFete, civils, static_cast<int>(Relation::VEILLE)},
    {"lendemain", Genre::RelationFete, civils, static_cast<int>(Relation::LENDEMAIN)},
    {"octave", Genre::RelationFete, civils, static_cast<int>(Relation::OCTAVE)},
    {"octaves", Genre::RelationFete, civils, static_cast<int>(Relation::OCTAVE)},
    {"avant", Genre::RelationFete, civils, static_cast<int>(Relation::JOUR_SEMAINE_AVANT)},
    {"après", Genre::RelationFete, civils, static_cast<int>(Relation::JOUR_SEMAINE_APRES)},
    {"jour", Genre::RelationFete, civils, static_cast<int>(Relation::NIEME_JOUR_APRES)},
    {"des", Genre::LiaisonFete, civils, 0}, {"les", Genre::LiaisonFete, civils, 0},
    {"style de Pâques", Genre::StyleAnnee, civils, static_cast<int>(Style::PAQUES)},
    {"style de Pasques", Genre::StyleAnnee, civils, static_cast<int>(Style::PAQUES)},
    {"style gallican", Genre::StyleAnnee, civils, static_cast<int>(Style::PAQUES)},
    {"mos gallicanus", Genre::StyleAnnee, civils, static_cast<int>(Style::PAQUES)},
    {"more gallicano", Genre::StyleAnnee, civils, static_cast<int>(Style::PAQUES)},
    {"style de l'Annonciation", Genre::StyleAnnee, civils, static_cast<int>(Style::ANNONCIATION)},
    {"style florentin", Genre::StyleAnnee, civils, static_cast<int>(Style::ANNONCIATION)},
    {"style de Florence", Genre::StyleAnnee, civils, static_cast<int>(Style::ANNONCIATION)},
    {"calcul florentin", Genre::StyleAnnee, civils, static_cast<int>(Style::ANNONCIATION)},
    {"more florentino", Genre::StyleAnnee, civils, static_cast<int>(Style::ANNONCIATION)},
    {"style pisan", Genre::StyleAnnee, civils, static_cast<int>(Style::PISAN)},
    {"style de Pise", Genre::StyleAnnee, civils, static_cast<int>(Style::PISAN)},
    {"calcul pisan", Genre::StyleAnnee, civils, static_cast<int>(Style::PISAN)},
    {"more pisano", Genre::StyleAnnee, civils, static_cast<int>(Style::PISAN)},
    {"style de Noël", Genre::StyleAnnee, civils, static_cast<int>(Style::NOEL)},
    {"style de la Nativité", Genre::StyleAnnee, civils, static_cast<int>(Style::NOEL)},
    {"style de la Circoncision", Genre::StyleAnnee, civils, static_cast<int>(Style::CIRCONCISION)},
    {"style du 1er janvier", Genre::StyleAnnee, civils, static_cast<int>(Style::CIRCONCISION)},
    {"style moderne", Genre::StyleAnnee, civils, static_cast<int>(Style::CIRCONCISION)},
    {"nouveau style", Genre::StyleAnnee, civils, static_cast<int>(Style::CIRCONCISION)},
    {"n. st.", Genre::StyleAnnee, civils, static_cast<int>(Style::CIRCONCISION)},
    {"n. s.", Genre::StyleAnnee, civils, static_cast<int>(Style::CIRCONCISION)},
    {"ancien style", Genre::StyleAnnee, civils, styleAncienEcrit},
    {"vieux style", Genre::StyleAnnee, civils, styleAncienEcrit},
    {"a. s.", Genre::StyleAnnee, civils, styleAncienEcrit},
    {"a. st.", Genre::StyleAnnee, civils, styleAncienEcrit},
    {"v. st.", Genre::StyleAnnee, civils, styleAncienEcrit},
    {"v. s.", Genre::StyleAnnee, civils, styleAncienEcrit},
    {"avant Pâques", Genre::Partie, civils, static_cast<int>(PartiePaques::AvantPaques)},
    {"avant Pasques", Genre::Partie, civils, static_cast<int>(PartiePaques::AvantPaques)},
    {"après Pâques", Genre::Partie, civils, static_cast<int>(PartiePaques::ApresPaques)},
    {"après Pasques", Genre::Partie, civils, static_cast<int>(PartiePaques::ApresPaques)},
};
// clang-format on

// A row cut into keys, and its meaning.
struct Ligne
{
    std::array<std::string_view, 6> cles;
    std::uint8_t n;
    Sens sens;
};

// A key of the vocabulary (eight zero bytes after it) and a key of at most
// 24 bytes in a CleRemplie, compared eight bytes at a time: the zero bytes
// after both keys are alike.
bool egalesRemplies(const char* a, const CleRemplie& b)
{
    for (std::size_t k = 0; k < b.size(); k += 8) {
        std::uint64_t x, y;
        std::memcpy(&x, a + k, 8);
        std::memcpy(&y, b.data() + k, 8);
        if (x != y)
            return false;
        if (a[k + 7] == 0)
            return true;
    }
    return true;
}

// The first key's place in the index: the rows that start with it, sorted
// longest first; and, when it is a month's one-word name, the month it
// names in each calendar (moisSeuls, from 1; 0 when none).
struct Case
{
    std::uint32_t hache = 0;
    std::string_view cle;
    std::uint16_t debut = 0;
    std::uint16_t nombre = 0;
    std::uint16_t moisSeuls = 0;
};

// The month a word alone names among the rows that start with it, in
// calendar type: 0 when it names none, or could name something else there.
std::int32_t moisDesLignes(std::span<const Ligne> lignes, TypeCalendrier type)
{
    const Masque b = bit(type);
    std::int32_t mois = 0;
    for (const Ligne& l : lignes) {
        if (l.n != 1 || (l.sens.calendriers & b) == 0)
            continue;
        if (l.sens.genre == Genre::Mois) {
            if (mois != 0)
                return 0;
            mois = l.sens.valeur;
        } else if (l.sens.genre != Genre::JourSemaine && l.sens.genre != Genre::Nombre) {
            return 0;
        }
    }
    return mois;
}

class Vocabulaire
{
public:
    Vocabulaire()
    {
        const auto ajouter = [this](std::string_view texte, Genre genre, Masque calendriers,
                                    std::int32_t valeur) {
            const Mots mots(texte);
            if (mots.taille() == 0 || mots.taille() > 6)
                return;
            Ligne ligne{};
            ligne.n = static_cast<std::uint8_t>(mots.taille());
            for (std::size_t k = 0; k < mots.taille(); ++k)
                ligne.cles[k] = garder(mots[k].cle);
            ligne.sens = {genre, ligne.n, calendriers, valeur};
            lignes_.push_back(ligne);
        };
        for (const Rangee& r : rangeesPropres)
            ajouter(r.texte, r.genre, r.calendriers, r.valeur);
        // The names the program prints, from the rendering's tables.
        for (int k = 0; k < nombreCalendriers; ++k) {
            const auto type = static_cast<TypeCalendrier>(k);
            if (type == HEBREU || type == MAYA || type == SYRIEN || estEnUsage(type))
                continue;
            for (std::int64_t mois = 1; mois <= moisDansAnnee(type, 1); ++mois)
                ajouter(nomDuMois(type, mois, false), Genre::Mois, bit(type),
                        static_cast<std::int32_t>(mois));
        }
        ajouterEnUsage(ajouter);
        for (std::size_t k = 0; k < noms::moisHebreux.size(); ++k)
            ajouter(noms::moisHebreux[k], Genre::Mois, bit(HEBREU), static_cast<int>(k) + 1);
        ajouter(noms::veadar, Genre::Mois, bit(HEBREU), 13);
        for (std::size_t k = 0; k < 7; ++k) {
            const auto jour = static_cast<std::int32_t>(k);
            ajouter(noms::joursFrancais[k], Genre::JourSemaine, tousCalendriers,
                    semaineFrancaise + jour);
            ajouter(noms::joursArmeniens[k], Genre::JourSemaine, bit(ARMENIEN),
                    semainePropre + jour);
            ajouter(noms::joursPerses[k], Genre::JourSemaine, perses, semainePropre + jour);
            ajouter(noms::joursCoptes[k], Genre::JourSemaine, bit(COPTE), semainePropre + jour);
            ajouter(noms::joursEthiopiens[k], Genre::JourSemaine, bit(ETHIOPIEN),
                    semainePropre + jour);
            ajouter(noms::joursBahais[k], Genre::JourSemaine, bahais, semainePropre + jour);
            ajouter(noms::joursPerses[k], Genre::JourSemaine, bit(IRANIEN), semainePropre + jour);
            ajouter(noms::joursSaka[k], Genre::JourSemaine, bit(SAKA), semainePropre + jour);
            ajouter(noms::joursIslamiques[k], Genre::JourSemaine, islamiques, semainePropre + jour);
            ajouter(noms::joursHebreux[k], Genre::JourSemaine, bit(HEBREU), semainePropre + jour);
        }
        for (std::size_t k = 0; k < noms::joursDecade.size(); ++k)
            ajouter(noms::joursDecade[k], Genre::JourSemaine, bit(REPUBLICAIN),
                    semaineDecade + static_cast<int>(k));
        // The Roman months after the name of a day, in both cases, with I for
        // J as classical texts write them.
        for (std::size_t k = 0; k < 12; ++k) {
            const auto mois = static_cast<std::int32_t>(k + 1);
            for (const std::string_view fin :
                 {noms::ablatifsLatins[k], noms::accusatifsLatins[k]}) {
                std::string nom = std::string(noms::moisLatins[k]) + std::string(fin);
                ajouter(nom, Genre::MoisLatin, tousCalendriers, mois);
                if (nom[0] == 'J') {
                    nom[0] = 'I';
                    ajouter(nom, Genre::MoisLatin, tousCalendriers, mois);
                }
            }
        }
        for (std::size_t k = 0; k < noms::nomsTzolkin.size(); ++k)
            ajouter(noms::nomsTzolkin[k], Genre::Tzolkin, bit(MAYA), static_cast<int>(k) + 1);
        for (std::size_t k = 0; k < noms::nomsHaab.size(); ++k)
            ajouter(noms::nomsHaab[k], Genre::Haab, bit(MAYA), static_cast<int>(k));
        // The calendars by the captions of the window and the report.
        for (int k = 0; k < nombreCalendriers; ++k) {
            std::string legende(legendesCalendriers[static_cast<std::size_t>(k)]);
            ajouter(legende, Genre::Calendrier, tousCalendriers, k);
        }
        // The feasts by every name the program prints and the variants of
        // usage.
        for (const noms::NomFete& f : noms::nomsFetes) {
            const auto fete = static_cast<std::int32_t>(f.fete);
            ajouter(f.nom, Genre::Fete, civils, fete);
            ajouter(f.court, Genre::Fete, civils, fete);
            for (const noms::Nom variante : f.variantes) {
                if (!variante.empty())
                    ajouter(variante, Genre::Fete, civils, fete);
            }
        }
        fusionner();
        indexer();
    }

    // The names of the calendars in use today, whatever the year: their
    // months as the rendering writes them and as usage spells them, the
    // Chinese year by its stem and branch ("gui-mao", "guimao") and by its
    // animal.
    template <typename Ajouter>
    static void ajouterEnUsage(const Ajouter& ajouter)
    {
        for (std::int32_t mois = 1; mois <= 12; ++mois) {
            ajouter(nomDuMois(IRANIEN, mois, false), Genre::Mois, bit(IRANIEN), mois);
            ajouter(nomDuMois(UMM_AL_QURA, mois, false), Genre::Mois, bit(UMM_AL_QURA), mois);
            ajouter(nomDuMois(CHINOIS, mois, false), Genre::Mois, bit(CHINOIS), mois);
        }
        for (std::int32_t mois = 1; mois <= 20; ++mois)
            ajouter(nomDuMois(BAHAI_TEHERAN, mois, false), Genre::Mois, bit(BAHAI_TEHERAN), mois);
        for (const noms::Variante& v : noms::variantesIraniennes)
            ajouter(v.mot, Genre::Mois, bit(IRANIEN), static_cast<std::int32_t>(v.numero));
        for (const noms::Variante& v : noms::variantesIslamiques)
            ajouter(v.mot, Genre::Mois, islamiques, static_cast<std::int32_t>(v.numero));
        for (const noms::Variante& v : noms::variantesMoisChinois)
            ajouter(v.mot, Genre::Mois, bit(CHINOIS), static_cast<std::int32_t>(v.numero));
        for (std::int32_t rang = 1; rang <= 60; ++rang) {
            const std::string_view tige =
                noms::tigesCelestes[static_cast<std::size_t>((rang - 1) % 10)];
            const std::string_view branche =
                noms::branchesTerrestres[static_cast<std::size_t>((rang - 1) % 12)];
            ajouter(std::string(tige) + ' ' + std::string(branche), Genre::Cycle, bit(CHINOIS),
                    rang);
            ajouter(std::string(tige) + std::string(branche), Genre::Cycle, bit(CHINOIS), rang);
        }
        for (std::size_t k = 0; k < noms::animauxChinois.size(); ++k)
            ajouter(noms::animauxChinois[k], Genre::Animal, bit(CHINOIS),
                    static_cast<std::int32_t>(k) + 1);
        for (const noms::Variante& v : noms::variantesAnimaux)
            ajouter(v.mot, Genre::Animal, bit(CHINOIS), static_cast<std::int32_t>(v.numero));
    }

    // The rows starting with key cle (hache its hash).
    std::span<const Ligne> commencantPar(std::uint32_t hache, std::string_view cle) const
    {
        return chercher(hache, [&](std::string_view c) { return egales(c, cle); });
    }

    // The month the word of key cle names alone in calendar type (its
    // rows' reading, made once when the index is built); 0 when none.
    std::int32_t moisSeul(std::uint32_t hache, const CleRemplie& cle, std::size_t longueur,
                          TypeCalendrier type) const
    {
        const Case* c = caseDe(hache, [&](std::string_view k) {
            return k.size() == longueur && egalesRemplies(k.data(), cle);
        });
        if (c == nullptr || c->moisSeuls == 0 || type < 0 || type >= nombreCalendriers)
            return 0;
        return moisSeuls_[c->moisSeuls - 1u][static_cast<std::size_t>(type)];
    }

    std::size_t rangees(Masque calendriers) const
    {
        return static_cast<std::size_t>(
            std::count_if(lignes_.begin(), lignes_.end(),
                          [&](const Ligne& l) { return (l.sens.calendriers & calendriers) != 0; }));
    }
    std::size_t rangees() const { return lignes_.size(); }

private:
    // The rows of the case of hash hache whose key egale accepts.
    template <typename Egale>
    std::span<const Ligne> chercher(std::uint32_t hache, Egale egale) const
    {
        const Case* c = caseDe(hache, egale);
        if (c == nullptr)
            return {};
        return std::span<const Ligne>(lignes_).subspan(c->debut, c->nombre);
    }

    // The case of hash hache whose key egale accepts; none when there is no
    // such key.
    template <typename Egale>
    const Case* caseDe(std::uint32_t hache, Egale egale) const
    {
        for (std::size_t k = hache & masque_;; k = (k + 1) & masque_) {
            const Case& c = cases_[k];
            if (c.nombre == 0)
                return nullptr;
            if (c.hache == hache && egale(c.cle))
                return &c;
        }
    }

    std::string_view garder(std::string_view cle)
    {
        // Eight zero bytes after the key, for egalesRemplies.
        auto octets = std::make_unique<char[]>(cle.size() + 8);
        std::memcpy(octets.get(), cle.data(), cle.size());
        cles_.push_back(std::move(octets));
        return std::string_view(cles_.back().get(), cle.size());
    }

    // Rows of the same words and meaning in several calendars become one.
    void fusionner()
    {
        const auto avant = [](const Ligne& a, const Ligne& b) {
            if (a.n != b.n)
                return a.n < b.n;
            for (std::size_t k = 0; k < a.n; ++k) {
                if (a.cles[k] != b.cles[k])
                    return a.cles[k] < b.cles[k];
            }
            if (a.sens.genre != b.sens.genre)
                return a.sens.genre < b.sens.genre;
            return a.sens.valeur < b.sens.valeur;
        };
        std::stable_sort(lignes_.begin(), lignes_.end(), avant);
        std::vector<Ligne> fusionnees;
        for (const Ligne& l : lignes_) {
            if (!fusionnees.empty() && !avant(fusionnees.back(), l))
                fusionnees.back().sens.calendriers |= l.sens.calendriers;
            else
                fusionnees.push_back(l);
        }
        lignes_ = std::move(fusionnees);
    }

    void indexer()
    {
        std::stable_sort(lignes_.begin(), lignes_.end(), [](const Ligne& a, const Ligne& b) {
            if (a.cles[0] != b.cles[0])
                return a.cles[0] < b.cles[0];
            return a.n > b.n;
        });
        std::size_t taille = 1;
        while (taille < 4 * lignes_.size())
            taille *= 2;
        cases_.assign(taille, Case{});
        masque_ = taille - 1;
        for (std::size_t k = 0; k < lignes_.size();) {
            std::size_t j = k;
            while (j < lignes_.size() && lignes_[j].cles[0] == lignes_[k].cles[0])
                ++j;
            const std::string_view cle = lignes_[k].cles[0];
            const std::uint32_t h = hacheCle(cle);
            std::size_t place = h & masque_;
            while (cases_[place].nombre != 0)
                place = (place + 1) & masque_;
            cases_[place] = {h, cle, static_cast<std::uint16_t>(k),
                             static_cast<std::uint16_t>(j - k), 0};
            std::array<std::uint8_t, nombreCalendriers> mois{};
            bool unMois = false;
            for (int t = 0; t < nombreCalendriers; ++t) {
                const std::int32_t m =
                    moisDesLignes(std::span<const Ligne>(lignes_).subspan(k, j - k),
                                  static_cast<TypeCalendrier>(t));
                mois[static_cast<std::size_t>(t)] = static_cast<std::uint8_t>(m);
                unMois = unMois || m != 0;
            }
            if (unMois) {
                moisSeuls_.push_back(mois);
                cases_[place].moisSeuls = static_cast<std::uint16_t>(moisSeuls_.size());
            }
            k = j;
        }
    }

    std::vector<std::unique_ptr<char[]>> cles_;
    std::vector<Ligne> lignes_;
    std::vector<Case> cases_;
    std::size_t masque_ = 0;
    std::vector<std::array<std::uint8_t, nombreCalendriers>> moisSeuls_;
};

const Vocabulaire& vocabulaire()
{
    static const Vocabulaire v;
    return v;
}

} // namespace

Lexique::Lexique(const Mots& mots) : n_(mots.taille())
{
    const Vocabulaire& v = vocabulaire();
    for (std::size_t i = 0; i < n_; ++i) {
        std::uint8_t trouves = 0;
        nombre_[i] = 0;
        // No row is figures alone.
        if (mots[i].chiffres == mots[i].cle.size())
            continue;
        for (const Ligne& l : v.commencantPar(mots[i].hache, mots[i].cle)) {
            if (i + l.n > n_ || trouves == sensParMot)
                continue;
            bool egal = true;
            for (std::size_t k = 1; k < l.n && egal; ++k)
                egal = mots[i + k].cle == l.cles[k];
            if (egal)
                sens_[i][trouves++] = l.sens;
        }
        nombre_[i] = trouves;
    }
}

const Sens* Lexique::trouver(std::size_t i, Genre genre, TypeCalendrier type, std::size_t fin) const
{
    const Masque b = bit(type);
    for (const Sens& s : sens(i)) {
        if (s.genre == genre && (s.calendriers & b) != 0 && i + s.mots <= fin)
            return &s;
    }
    return nullptr;
}

Masque Lexique::calendriers(std::size_t i, Genre genre) const
{
    Masque m = 0;
    for (const Sens& s : sens(i)) {
        if (s.genre == genre)
            m |= s.calendriers;
    }
    return m;
}

std::int32_t moisDuMot(const CleRemplie& cle, std::size_t longueur, std::uint32_t hache,
                       TypeCalendrier type)
{
    return vocabulaire().moisSeul(hache, cle, longueur, type);
}

std::size_t rangeesDuCalendrier(TypeCalendrier type)
{
    return vocabulaire().rangees(bit(type));
}

std::size_t rangeesEnTout()
{
    return vocabulaire().rangees();
}

} // namespace chronastre::texte
