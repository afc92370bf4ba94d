// Written dates, against published dates of each calendar; GEDCOM values.

#include "engine/calendrier.h"
#include "tests/mots.h"
#include "texte/lecture.h"

#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include <string>

using namespace chronastre;
using namespace std::string_literals;

namespace {

// The civil date (Julian up to 4 October 1582, Gregorian after) of a date of
// a calendar, "Y-M-D".
std::string civile(TypeCalendrier type, const DateHeure& date)
{
    const std::int64_t jour = Calendrier(type).depuisCalendrier(date);
    const DateHeure d = Calendrier(calendrierCivil(jour)).versCalendrier(jour);
    return std::to_string(d.annee()) + "-" + std::to_string(d.mois()) + "-" +
           std::to_string(d.jour());
}

struct Ecrite
{
    TypeCalendrier type;
    const char* texte;
    const char* civile; // the published civil date
};

const Ecrite dates[] = {
    // The Republican calendar: the proclamation of the Republic, the fall of
    // Robespierre, Bonaparte's coup, the calendar's last day in use, the
    // royalist rising, Fructidor.
    {REPUBLICAIN, "1 vendémiaire an I", "1792-9-22"},
    {REPUBLICAIN, "9 thermidor an II", "1794-7-27"},
    {REPUBLICAIN, "FRENCH_R 9 THER 2", "1794-7-27"},
    {REPUBLICAIN, "18 brumaire an VIII", "1799-11-9"},
    {REPUBLICAIN, "@#DFRENCH R@ 18 BRUM 8", "1799-11-9"},
    {REPUBLICAIN, "le dix-huit brumaire an huit", "1799-11-9"},
    {REPUBLICAIN, "Octidi 18 Brumaire VIII (8)", "1799-11-9"},
    {REPUBLICAIN, "premier vendémiaire an deux", "1793-9-22"},
    {REPUBLICAIN, "11 nivôse an XIV", "1806-1-1"},
    {REPUBLICAIN, "@#DFRENCH R@ 11 NIVO 14", "1806-1-1"},
    {REPUBLICAIN, "treize VENDEMIAIRE an quatre", "1795-10-5"},
    {REPUBLICAIN, "18 fructidor de l'an V", "1797-9-4"},
    {REPUBLICAIN, "6 jours complémentaires an III", "1795-9-22"},
    // Hebrew: the new years 5784 and 5785, Yom Kippur, Hanukkah, Purim of a
    // 13-month year (Adar II), Pesach of that year (23 April 2024) and of 5786.
    {HEBREU, "1 Tishri 5785", "2024-10-3"},
    {HEBREU, "@#DHEBREW@ 1 TSH 5785", "2024-10-3"},
    {HEBREU, "10 tishri 5784", "2023-9-25"},
    {HEBREU, "25 Kislev 5784", "2023-12-8"},
    {HEBREU, "14 Adar II 5784", "2024-3-24"},
    {HEBREU, "HEBREW 14 ADS 5784", "2024-3-24"},
    {HEBREU, "Yom sheni 1 Veadar 5784", "2024-3-11"},
    {HEBREU, "15 Nisan 5784", "2024-4-23"},
    {HEBREU, "15 nisan 5786", "2026-4-2"},
    {HEBREU, "@#DHEBREW@ 15 NSN 5786", "2026-4-2"},
    // Julian: the Ides of March, Newton's birth (4 January 1643 Gregorian),
    // the last Julian day, a double year (12 March 1700/01, 1701 counted from
    // 1 January).
    {JULIEN, "15 mars 44 av. J.-C.", "-43-3-15"},
    {JULIEN, "25 décembre 1642", "1643-1-4"},
    {JULIEN, "JULIAN 4 OCT 1582", "1582-10-4"},
    {JULIEN, "@#DJULIAN@ 12 MAR 1700/01", "1701-3-23"},
    {GREGORIEN, "Samedi 1er Janvier 2000", "2000-1-1"},
    {GREGORIEN, "le 14 JUILLET 1789", "1789-7-14"},
    {GREGORIEN, "1 JAN 2000", "2000-1-1"},
    {GREGORIEN, "vendredi 15 octobre 1582", "1582-10-15"},
    // The Hegira (16 July 622, Julian), Coptic and Ethiopian new years 1740
    // and 2016 (12 September 2023), the Saka calendar's first official day,
    // Naw-Rúz 171 (21 March 2014).
    {ISLAMIQUE_B, "1 Muharram 1", "622-7-16"},
    {COPTE, "1 Tout 1740", "2023-9-12"},
    {ETHIOPIEN, "1 Meskerem 2016", "2023-9-12"},
    {SAKA, "1 Chaitra 1879", "1957-3-22"},
    {BAHAI, "1 Bahá 171", "2014-3-21"},
    // 1 January 2000 as the program writes it in each calendar, from the
    // reviewed reports of tests/rapports/.
    {ARMENIEN, "Shapat 8 Aratz 1449", "2000-1-1"},
    {EGYPTIEN, "13 Pakhon 2748", "2000-1-1"},
    {KHWARIZMIEN, "Shanbeh 8 Shahrevar 1369", "2000-1-1"},
    {PERSE, "Shanbeh 13 Dei 1368", "2000-1-1"},
    {COPTE, "Psabbaton 22 Kyahn 1716", "2000-1-1"},
    {ETHIOPIEN, "Kidamie 22 Tahesas 1992", "2000-1-1"},
    {MACEDONIEN, "19 Péritios 2311", "2000-1-1"},
    {SYRIEN, "2311 3 19", "2000-1-1"},
    {BAHAI, "Jalál 2 Sharaf 156", "2000-1-1"},
    {SAKA, "Sanivara 11 Pausha 1921", "2000-1-1"},
    {ISLAMIQUE_A, "Youm el Effabt 25 Ramadan 1420", "2000-1-1"},
    {ISLAMIQUE_B, "youm el effabt 24 RAMADAN 1420", "2000-1-1"},
    {ROMAIN_I, "1 Julius MMDCCLII", "2000-1-1"},
    {ROMAIN_II, "1 Maius 2754", "2000-1-1"},
    {HEBREU, "Sabbat 23 Tebeth 5760", "2000-1-1"},
    {MAYA, "0.12.19.6.15.0", "2000-1-1"},
    {MAYA, "13.0.0.0.0", "2012-12-23"},
    // Words with several readings, and the one chosen: a number word before
    // a Roman numeral (DIX is 509, MIL 1049) unless the figures after it say
    // otherwise; "sept" a day or September; the elided "l'" or the Roman L.
    {REPUBLICAIN, "18 brumaire an dix", "1801-11-9"},
    {REPUBLICAIN, "Primidi 1 Vendémiaire DIX (509)", "2300-9-23"},
    {REPUBLICAIN, "1 vendémiaire an L (50)", "1841-9-23"},
    {REPUBLICAIN, "1 vendémiaire de l'an II", "1793-9-22"},
    {JULIEN, "15 mars mil", "1000-3-15"},
    {GREGORIEN, "dix sept. 1792", "1792-9-10"},
    {GREGORIEN, "dix-sept mars 1792", "1792-3-17"},
    {GREGORIEN, "sept mars 1792", "1792-3-7"},
    {GREGORIEN, "le 7 sept 1792", "1792-9-7"},
    {HEBREU, "15 Adar I 5784", "2024-2-24"},
    {HEBREU, "9 av 5784", "2024-8-13"},
    {BAHAI, "2 Jalál 156", "1999-4-10"},
    {GREGORIEN, "March 15, 1744", "1744-3-15"},
    {JULIEN, "15 mars 44 B.C.", "-43-3-15"},
    {JULIEN, "15 mars 44 CE", "44-3-15"},
    {REPUBLICAIN, "13 nivôse -XCII", "1700-1-2"},
    {REPUBLICAIN, "jour de la Révolution an III", "1795-9-22"},
    {REPUBLICAIN, "le cinquième jour complémentaire de l'an III", "1795-9-21"},
    {GREGORIEN, "Ante diem bis VI Kalendas Martias MMXXIV", "2024-2-25"},
    {GREGORIEN, "Pridie Kalendas Martias MMXXIV", "2024-2-29"},
    {GREGORIEN, "Idibus Martiis 2024", "2024-3-15"},
    {GREGORIEN, "jour julien 2451545", "2000-1-1"},
    // Elul 5784 opens 29 days before Rosh Hashanah 5785 (3 October 2024);
    // English weekdays and ordinals of genealogy programs (royal.ged).
    {HEBREU, "@#DHEBREW@ 1 ELL 5784", "2024-9-4"},
    {GREGORIEN, "Tuesday, 19th January 1988", "1988-1-19"},
    // The calendars in use today: Nowruz 1404 (Friday 21 March 2025) and
    // Yalda, Ramadan 1445 by the Saudi table, Chinese New Year 2024 and the
    // leap months of 2023 and 1987, Naw-Ruz 182 and 183 at Tehran.
    {IRANIEN, "1 farvardin 1404", "2025-3-21"},
    {IRANIEN, "Jomeh 1 Farvardin 1404", "2025-3-21"},
    {IRANIEN, "1 Farvardine 1404 AP", "2025-3-21"},
    {IRANIEN, "30 Azar 1403 de l'hégire solaire", "2024-12-20"},
    {IRANIEN, "Calendrier iranien : Jomeh 1 Farvardin 1404", "2025-3-21"},
    {UMM_AL_QURA, "1 Ramadan 1445", "2024-3-11"},
    {UMM_AL_QURA, "1er ramadane 1445 de l'Hégire", "2024-3-11"},
    {UMM_AL_QURA, "Youm el Thani 1 Ramadan 1445", "2024-3-11"},
    {CHINOIS, "1er jour du 1er mois, jia-chen (Dragon) 2024", "2024-2-10"},
    {CHINOIS, "1er jour du zhengyue 2024", "2024-2-10"},
    {CHINOIS, "le premier jour du premier mois de l'année du Dragon 2024", "2024-2-10"},
    {CHINOIS, "1er jour du 2e mois intercalaire, gui-mao (Lapin) 2023", "2023-3-22"},
    {CHINOIS, "1 2ème mois intercalaire 2023 guimao", "2023-3-22"},
    {CHINOIS, "2023 / 02i / 01", "2023-3-22"},
    {CHINOIS, "2023 2i 1", "2023-3-22"},
    {CHINOIS, "1er jour du 6e mois intercalaire 1987", "1987-7-26"},
    {CHINOIS, "15e jour du 8e mois, gui-mao (Lapin) 2023", "2023-9-29"},
    {CHINOIS, "le quinzième jour du huitième mois de l'an 2023", "2023-9-29"},
    {CHINOIS, "1er jour du 11e mois intercalaire 2033", "2033-12-22"},
    {BAHAI_TEHERAN, "1 Bahá 182", "2025-3-20"},
    {BAHAI_TEHERAN, "Istijlál 1 Bahá 182 B.E.", "2025-3-20"},
    {BAHAI_TEHERAN, "Calendrier bahaï (Téhéran) : 1 Bahá 183", "2026-3-21"},
    {BAHAI_TEHERAN, "2 Jalál 156", "1999-4-10"},
};

// French numbers in words, as years: the rules of French (soixante-dix,
// quatre-vingts, "et" in 71), the "mil" of dates, the hundreds of
// colloquial years, the numbers of Belgium and Switzerland.
TEST(Lecture, NombresEnMots)
{
    const std::pair<const char*, std::int64_t> nombres[] = {
        {"seize", 16},
        {"dix-sept", 17},
        {"vingt et un", 21},
        {"trente-deux", 32},
        {"soixante-dix", 70},
        {"soixante et onze", 71},
        {"soixante-dix-neuf", 79},
        {"quatre-vingts", 80},
        {"quatre-vingt-un", 81},
        {"quatre-vingt-dix", 90},
        {"quatre-vingt-dix-neuf", 99},
        {"cent", 100},
        {"deux cents", 200},
        {"deux cent un", 201},
        {"mille", 1000},
        {"mil sept cent quatre-vingt-neuf", 1789},
        {"dix-sept cent quatre-vingt-neuf", 1789},
        {"dix-neuf cent quarante-cinq", 1945},
        {"deux mille vingt-quatre", 2024},
        {"septante", 70},
        {"huitante", 80},
        {"nonante-neuf", 99},
    };
    for (const auto& [mots, valeur] : nombres) {
        SCOPED_TRACE(mots);
        const texte::Lecture lecture =
            texte::lireDateEcrite(JULIEN, std::string("1 janvier ") + mots);
        EXPECT_EQ(lecture.erreur, "");
        EXPECT_EQ(lecture.date.annee(), valeur);
    }
}

} // namespace

TEST(Lecture, DatesPubliees)
{
    for (const Ecrite& d : dates) {
        SCOPED_TRACE(d.texte);
        const texte::Lecture lecture = texte::lireDateEcrite(d.type, d.texte);
        EXPECT_EQ(lecture.erreur, "");
        EXPECT_EQ(lecture.avertissement, "");
        EXPECT_EQ(civile(d.type, lecture.date), d.civile);
    }
}

namespace {

struct Refus
{
    TypeCalendrier type;
    std::string texte;
    std::string erreur; // empty: read, with avertissement
    std::string avertissement = {};
};

const Refus refus[] = {
    {REPUBLICAIN, "31 brumaire an VIII",
     "le 31 Brumaire 8 n'existe pas : Brumaire a 30 jours en l'an 8"},
    {REPUBLICAIN, "6 sansculotides an II",
     "le 6 Sansculotides 2 n'existe pas : Sansculotides a 5 jours en l'an 2"},
    {REPUBLICAIN, "@#DFRENCH R@ 6 COMP 2",
     "le 6 Sansculotides 2 n'existe pas : Sansculotides a 5 jours en l'an 2"},
    {GREGORIEN, "30 février 2023",
     "le 30 Février 2023 n'existe pas : Février a 28 jours en l'an 2023"},
    {HEBREU, "1 Veadar 5785", "Veadar n'existe que les années de 13 mois ; l'an 5785 en a 12"},
    {HEBREU, "30 Heshvan 5784",
     "le 30 Heshvan 5784 n'existe pas : Heshvan a 29 jours en l'an 5784"},
    {HEBREU, "1 Tishri 0", "le calendrier hébreu commence en l'an 1"},
    {REPUBLICAIN, "18 brumair an VIII", "« brumair » n'est pas un mois du calendrier républicain"},
    {REPUBLICAIN, "18 brumaire an IIX", "année attendue à la place de « IIX »"},
    {REPUBLICAIN, "Octidi 18 Brumaire VIII (9)", "l'année VIII n'est pas 9"},
    {GREGORIEN, "11 mars", "date incomplète : il manque l'année"},
    {REPUBLICAIN, "18 brumaire an 99999999999999999999999",
     "année attendue à la place de « 99999999999999999999999 »"},
    {GREGORIEN, "mars 2024", "date incomplète : il manque le jour"},
    {GREGORIEN, "1 janvier 2000 à midi", "mots en trop après la date : « à midi »"},
    {GREGORIEN, "@#DJULIAN@ 1 JAN 1700",
     "cette date est du calendrier julien, pas du calendrier grégorien"},
    {GREGORIEN, "@#DROMAN@ 1 JAN 1700",
     "le calendrier « @#DROMAN@ » n'est pas un de ceux que le programme connaît"},
    {JULIEN, "12 APR 1700/01",
     "une double année ne s'écrit que du 1er janvier au 24 mars, quand l'année commençait le "
     "25 mars"},
    {JULIEN, "12 MAR 1700/02", "« 02 » n'est pas l'année qui suit 1700 dans une double année"},
    {SYRIEN, "19 mars 2311",
     "le calendrier syrien n'a pas de noms de mois : sa date s'écrit en nombres"},
    {MAYA, "0.0.0.0.18.0", "un compte long a au plus 19 dans chaque place, 17 pour l'uinal"},
    {MAYA, "-1.19.19.19.17.19",
     "le compte long commence à 0.0.0.0.0.0, le 8 septembre 3114 avant J. C."},
    // Bytes a terminal would act on are shown by their code.
    {GREGORIEN, "1 ja\xffnvier 2000"s,
     "« ja<0xFF>nvier » n'est pas un mois du calendrier grégorien"},
    {GREGORIEN, "1 janvier 2000 x\xe2\x80\xaey\x1b"s,
     "mots en trop après la date : « x<U+202E>y<U+001B> »"},
    {GREGORIEN, std::string(300, '1'),
     "« " + std::string(200, '1') + "… » : nombre hors des limites de 32 bits"},
    {GREGORIEN, std::string(5000, '1'), "texte trop long pour une date"},
    // Eras: after a civil year only, never after year 0 or a negative one.
    {JULIEN, "15 mars 0 av. J.-C.",
     "l'an 0 ne s'écrit pas avec « av. J.-C. » : l'année qui précède l'an 1 est 1 av. J.-C."},
    {JULIEN, "15 mars -44 av. J.-C.",
     "l'année -44 est déjà comptée avant notre ère : elle ne s'écrit pas avec « av. J.-C. »"},
    {HEBREU, "15 nisan 5786 av. J.-C.",
     "« av. J.-C. » ne suit que l'année d'une date julienne ou grégorienne"},
    // A month of another calendar, named.
    {REPUBLICAIN, "15 mars 2024",
     "« mars » n'est pas un mois du calendrier républicain (c'est un mois des calendriers julien "
     "et grégorien)"},
    // Days that do not exist, whatever their form.
    {REPUBLICAIN, "jour de la Révolution an II",
     "le 6 Sansculotides 2 n'existe pas : Sansculotides a 5 jours en l'an 2"},
    {GREGORIEN, "Ante diem IX Nonas Januarias MMXXIV",
     "« Ante diem IX Nonas Januarias » ne nomme aucun jour de son mois"},
    {GREGORIEN, "Ante diem bis VI Kalendas Martias MMXXIII",
     "« bis VI » n'existe que les années bissextiles ; l'an 2023 n'en est pas une"},
    {GREGORIEN, "1 janvier 99999999999", "année attendue à la place de « 99999999999 »"},
    {GREGORIEN, "1 ja\u200bnvier 2000",
     "« ja<U+200B>nvier » n'est pas un mois du calendrier grégorien"},
    // A weekday that disagrees: read, with a warning.
    {GREGORIEN, "Mardi 11 mars 2024", "", "attention, cette date est un Lundi, pas un Mardi"},
    {REPUBLICAIN, "Primidi 18 brumaire an VIII", "",
     "attention, cette date est un Octidi, pas un Primidi"},
    {HEBREU, "Yom rishon 1 Veadar 5784", "",
     "attention, cette date est un Yom sheni, pas un Yom rishon"},
    // The calendars in use today: outside their tables, a Chinese month that
    // does not exist, a year named otherwise than its stem and branch or its
    // animal.
    {UMM_AL_QURA, "1 Ramadan 1501",
     "l'an 1501 est hors de la plage du calendrier Umm al-Qura, qui va du 1er août 1924 au 16 "
     "novembre 2077"},
    {IRANIEN, "1 farvardin 1177",
     "l'an 1177 est hors de la plage du calendrier iranien, qui va du 21 mars 1799 au 20 mars "
     "2201"},
    {BAHAI_TEHERAN, "1 Bahá 358",
     "l'an 358 est hors de la plage du calendrier bahaï (Téhéran), qui va jusqu'au 20 mars 2201"},
    {CHINOIS, "jour julien 2488463",
     "ce jour est hors de la plage du calendrier chinois, qui va du 10 février 1899 au 28 janvier "
     "2101"},
    {IRANIEN, "-9999 -1 -1",
     "l'an -9999 est hors de la plage du calendrier iranien, qui va du 21 mars 1799 au 20 mars "
     "2201"},
    {IRANIEN, "30 esfand 1402", "le 30 Esfand 1402 n'existe pas : Esfand a 29 jours en l'an 1402"},
    {CHINOIS, "2024 2i 1", "l'an 2024 n'a pas de mois intercalaire"},
    {CHINOIS, "1er jour du 3e mois intercalaire 2023",
     "l'an 2023 n'a pas de 3e mois intercalaire : son mois intercalaire est le 2e mois "
     "intercalaire"},
    {CHINOIS, "2023 13 1", "le mois 13 n'existe pas : les mois chinois sont numérotés de 1 à 12"},
    {CHINOIS, "30e jour du 2e mois intercalaire 2023",
     "le 30e jour du 2e mois intercalaire de 2023 n'existe pas : ce mois a 29 jours"},
    {CHINOIS, "1er jour du 1er mois, jia-zi (Rat) 2024", "l'an 2024 est jia-chen, pas jia-zi"},
    {CHINOIS, "1er jour du 1er mois de l'année de la Chèvre 2024",
     "l'an 2024 est jia-chen, une année du Dragon, pas de la Chèvre"},
    {CHINOIS, "1er jour du 13e mois 2023",
     "le mois 13 n'existe pas : les mois chinois sont numérotés de 1 à 12"},
    {GREGORIEN, "1er jour du 2e mois 2023", "« jour » n'est pas un mois du calendrier grégorien"},
    {GREGORIEN, "2 zhengyue 2023",
     "« zhengyue » n'est pas un mois du calendrier grégorien (c'est un mois du calendrier "
     "chinois)"},
};

} // namespace

TEST(Lecture, Refus)
{
    for (const Refus& r : refus) {
        SCOPED_TRACE(r.texte);
        const texte::Lecture lecture = texte::lireDateEcrite(r.type, r.texte);
        EXPECT_EQ(lecture.erreur, r.erreur);
        EXPECT_EQ(lecture.avertissement, r.avertissement);
    }
}

// Bare numbers in the three orders; the writer's calendar found from the
// month's name.
TEST(Lecture, OrdresEtCalendrier)
{
    using texte::Ordre;
    EXPECT_EQ(civile(GREGORIEN,
                     texte::lireDateEcrite(GREGORIEN, "11/03/2024", Ordre::JourMoisAnnee).date),
              "2024-3-11");
    EXPECT_EQ(civile(GREGORIEN,
                     texte::lireDateEcrite(GREGORIEN, "03/11/2024", Ordre::MoisJourAnnee).date),
              "2024-3-11");
    EXPECT_EQ(texte::calendrierDuTexte("18 brumaire an VIII", GREGORIEN), REPUBLICAIN);
    EXPECT_EQ(texte::calendrierDuTexte("@#DHEBREW@ 15 NSN 5786", GREGORIEN), HEBREU);
    EXPECT_EQ(texte::calendrierDuTexte("15 mars 2024", JULIEN), JULIEN);
    // 18 Brumaire VIII, Saturday 9 November 1799, a Wednesday in the Julian
    // calendar: the weekday chooses.
    EXPECT_EQ(texte::calendrierDuTexte("Samedi 9 Novembre 1799", JULIEN), GREGORIEN);
    EXPECT_EQ(texte::calendrierDuTexte("15 mars 2024", HEBREU), GREGORIEN);
    EXPECT_EQ(texte::calendrierDuTexte("1 Ramadan 1445", ISLAMIQUE_A), ISLAMIQUE_A);
    EXPECT_EQ(texte::calendrierDuTexte("1 Chaitra 1879", GREGORIEN), SAKA);
    EXPECT_EQ(texte::calendrierDuTexte("bonjour", GREGORIEN), std::nullopt);
    // The calendars in use today: their own words choose them; a name they
    // share with an older calendar keeps choosing that one unless they are
    // the calendar at hand; a date outside the table at hand keeps it.
    EXPECT_EQ(texte::calendrierDuTexte("1er jour du 2e mois intercalaire 2023", GREGORIEN),
              CHINOIS);
    EXPECT_EQ(texte::calendrierDuTexte("1 farvardin 1404", GREGORIEN), PERSE);
    EXPECT_EQ(texte::calendrierDuTexte("1 farvardin 1404", IRANIEN), IRANIEN);
    EXPECT_EQ(texte::calendrierDuTexte("1 farvardin 1404 AP", GREGORIEN), IRANIEN);
    EXPECT_EQ(texte::calendrierDuTexte("1 Ramadan 1445", GREGORIEN), ISLAMIQUE_B);
    EXPECT_EQ(texte::calendrierDuTexte("1 Ramadan 1445", UMM_AL_QURA), UMM_AL_QURA);
    EXPECT_EQ(texte::calendrierDuTexte("1 Ramadan 14", UMM_AL_QURA), UMM_AL_QURA);
    EXPECT_EQ(texte::calendrierDuTexte("1 Ramadan 14", ISLAMIQUE_A), ISLAMIQUE_A);
    EXPECT_EQ(texte::calendrierDuTexte("Calendrier bahaï (Téhéran) : 1 Bahá 182", BAHAI),
              BAHAI_TEHERAN);
    EXPECT_EQ(texte::calendrierDuTexte("Calendrier bahaï : 1 Bahá 182", BAHAI_TEHERAN), BAHAI);
    EXPECT_EQ(
        civile(CHINOIS, texte::lireDateEcrite(CHINOIS, "1 2i 2023", Ordre::JourMoisAnnee).date),
        "2023-3-22");
    EXPECT_EQ(
        civile(CHINOIS, texte::lireDateEcrite(CHINOIS, "2i 1 2023", Ordre::MoisJourAnnee).date),
        "2023-3-22");
}

// Dates as documents, registers and genealogy files write them (French and
// English usage, abbreviations, numbers in words, Roman years, eras), each
// with the civil day that python3-convertdate gives: tests/donnees/
// dates_ecrites.txt, made by scripts/generer_dates_ecrites.py.
TEST(Lecture, DatesEcritesDesDocuments)
{
    std::ifstream fichier(CHRONASTRE_DOSSIER_TESTS "/donnees/dates_ecrites.txt");
    ASSERT_TRUE(fichier) << "tests/donnees/dates_ecrites.txt";
    std::string ligne;
    int lues = 0;
    while (std::getline(fichier, ligne)) {
        if (ligne.empty() || ligne[0] == '#')
            continue;
        std::istringstream champs(ligne);
        std::string mot, texte, attendu;
        std::getline(champs, mot, '\t');
        std::getline(champs, texte, '\t');
        std::getline(champs, attendu, '\t');
        TypeCalendrier type = CALENDRIER_INCONNU;
        for (int k = 0; k < nombreCalendriers; ++k) {
            if (mot == motsCalendriers[k])
                type = static_cast<TypeCalendrier>(k);
        }
        SCOPED_TRACE(ligne);
        const texte::Lecture lecture = texte::lireDateEcrite(type, texte);
        EXPECT_EQ(lecture.erreur, "");
        EXPECT_EQ(lecture.avertissement, "");
        EXPECT_EQ(civile(type, lecture.date), attendu);
        ++lues;
    }
    EXPECT_GT(lues, 1000);
}

// GEDCOM values: a double year alone or with its month is the time of 1
// January to 24 March, when the year still began on 25 March (1741/42 is
// 1742 counted from 1 January); a qualifier needs its parts.
TEST(Lecture, ValeursGedcom)
{
    struct Cas
    {
        const char* valeur;
        const char* premier; // civil dates, or the refusal
        const char* dernier;
    };
    const Cas cas[] = {
        {"1741/42", "1742-1-1", "1742-3-24"},
        {"MAR 1741/42", "1742-3-1", "1742-3-24"},
        {"ABT 1699/00", "1700-1-1", "1700-3-24"},
        {"@#DJULIAN@ FEB 1700/01", "1701-2-12", "1701-3-11"},
        {"BET 1700", "BET sans AND", ""},
        {"INT 1700", "INT sans phrase entre parenthèses", ""},
        {"ABT", "un qualificatif sans date", ""},
        {"BET 1900 AND 1800", "la seconde date précède la première", ""},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.valeur);
        const texte::ValeurGedcom v = texte::lireValeurGedcom(c.valeur);
        if (!v.erreur.empty() || !v.premiere) {
            EXPECT_EQ(v.erreur, c.premier);
            continue;
        }
        const auto jour = [](std::int64_t n) {
            const DateHeure d = Calendrier(calendrierCivil(n)).versCalendrier(n);
            return std::to_string(d.annee()) + "-" + std::to_string(d.mois()) + "-" +
                   std::to_string(d.jour());
        };
        EXPECT_EQ(jour(texte::premierJour(*v.premiere)), c.premier);
        EXPECT_EQ(jour(texte::dernierJour(v.seconde ? *v.seconde : *v.premiere)), c.dernier);
    }
}
