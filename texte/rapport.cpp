#include "texte/rapport.h"

namespace chronastre::texte {

const std::array<std::string_view, nombreCalendriers> legendesCalendriers = {
    "Calendrier arménien :", "Calendrier égyptien :",        "Calendrier khwarizmien :",
    "Calendrier perse :",    "Calendrier copte :",           "Calendrier éthiopien :",
    "Calendrier julien :",   "Calendrier macédonien :",      "Calendrier syrien :",
    "Calendrier bahaï :",    "Calendrier grégorien :",       "Calendrier républicain :",
    "Calendrier saka :",     "Calendrier islamique A :",     "Calendrier islamique B :",
    "Calendrier romain I :", "Calendrier romain II :",       "Calendrier hébreu :",
    "Calendrier maya :",     "Calendrier iranien :",         "Calendrier Umm al-Qura :",
    "Calendrier chinois :",  "Calendrier bahaï (Téhéran) :",
};

namespace {

// The calendar lines in report order; CALENDRIER_INCONNU stands for an empty
// line. The long captions take a blank where the others take a tab and a blank.
struct Place
{
    TypeCalendrier type;
    const char* separateur;
};

constexpr std::array<Place, 24> places = {{
    {COPTE, "\t "},           {ETHIOPIEN, "\t "},       {CALENDRIER_INCONNU, ""},
    {ARMENIEN, "\t "},        {EGYPTIEN, "\t "},        {KHWARIZMIEN, " "},
    {PERSE, "\t "},           {CALENDRIER_INCONNU, ""}, {BAHAI, "\t "},
    {GREGORIEN, "\t "},       {REPUBLICAIN, " "},       {SAKA, "\t "},
    {CALENDRIER_INCONNU, ""}, {ISLAMIQUE_A, " "},       {ISLAMIQUE_B, " "},
    {CALENDRIER_INCONNU, ""}, {JULIEN, "\t "},          {MACEDONIEN, "\t "},
    {SYRIEN, "\t "},          {CALENDRIER_INCONNU, ""}, {ROMAIN_I, "\t "},
    {ROMAIN_II, "\t "},       {HEBREU, "\t "},          {MAYA, "\t "},
}};

// The calendars in use today, after the report's lines in TOUS.
constexpr std::array<Place, 5> placesEnUsage = {{
    {CALENDRIER_INCONNU, ""},
    {IRANIEN, "\t "},
    {UMM_AL_QURA, " "},
    {CHINOIS, "\t "},
    {BAHAI_TEHERAN, " "},
}};

std::string ligne(const Legende& l, const char* separateur)
{
    return l.legende + separateur + l.valeur;
}

template <std::size_t N>
void ajouterLignes(std::vector<std::string>& lignes, const std::array<Place, N>& lesPlaces,
                   const std::array<Legende, nombreCalendriers>& calendriers)
{
    for (const Place& p : lesPlaces) {
        lignes.push_back(p.type == CALENDRIER_INCONNU
                             ? std::string()
                             : ligne(calendriers[static_cast<std::size_t>(p.type)], p.separateur));
    }
}

} // namespace

std::vector<std::string>
lignesCalendriers(const std::array<Legende, nombreCalendriers>& calendriers)
{
    std::vector<std::string> lignes;
    lignes.reserve(places.size());
    ajouterLignes(lignes, places, calendriers);
    return lignes;
}

std::vector<std::string> lignesTous(const std::array<Legende, nombreCalendriers>& calendriers)
{
    std::vector<std::string> lignes;
    lignes.reserve(places.size() + placesEnUsage.size());
    ajouterLignes(lignes, places, calendriers);
    ajouterLignes(lignes, placesEnUsage, calendriers);
    return lignes;
}

std::string rapport(const ContenuRapport& c)
{
    std::vector<std::string> lignes = {
        "Chronastre " CHRONASTRE_VERSION " - convertisseur de calendriers",
        c.region,
        "",
        c.date,
        ligne(c.jourJulien, "\t    "),
        ligne(c.jourAnnee, " "),
        "",
        ligne(c.dimanchePaques, " ") + "\t\t" + ligne(c.cycleSolaire, "     "),
        ligne(c.nombreOr, "\t     ") + "\t\t\t" + ligne(c.indictionRomaine, " "),
        ligne(c.epacte, "\t     ") + "\t\t\t" + ligne(c.lettreDominicale, " "),
        "",
        "",
    };
    for (std::string& l : lignesCalendriers(c.calendriers))
        lignes.push_back(std::move(l));
    std::string texte;
    for (const std::string& l : lignes)
        texte += l + '\n';
    return texte;
}

} // namespace chronastre::texte
