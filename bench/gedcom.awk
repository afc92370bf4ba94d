# A genealogy file of about `lignes` lines, the same on every run (a fixed
# seed), as genealogy programs write them: individuals with two events each,
# their dates in the four calendars of GEDCOM (a fifth of the lines), one in
# ten named with accents. jeu is the character set it declares and writes
# the accents in: UTF-8 (the default), ANSEL (each accent a combining byte
# before its letter) or UNICODE (written in UTF-8 here, for iconv to turn
# into UTF-16). extra=1 adds four lines that are not dates after each place
# (its coordinates and a note): what one such line costs is the difference;
# gregorien=1 writes every date in the Gregorian calendar.
#   LC_ALL=C awk -v lignes=N [-v jeu=ANSEL] [-v extra=1] [-v gregorien=1] -f bench/gedcom.awk
BEGIN {
    srand(20261208)
    if (jeu == "") jeu = "UTF-8"
    split("JAN FEB MAR APR MAY JUN JUL AUG SEP OCT NOV DEC", m)
    split("VEND BRUM FRIM NIVO PLUV VENT GERM FLOR PRAI MESS THER FRUC", r)
    split("TSH CSH KSL TVT SHV ADR NSN IYR SVN TMZ AAV ELL", h)
    split("BIRT DEAT MARR BURI CHR", ev)
    # "Hélène /Lefèvre/": é and è, in UTF-8 or as ANSEL's acute and grave
    # accents (0xE2, 0xE1) before the e.
    if (jeu == "ANSEL") accents = "H\342el\341ene /Lef\341evre"
    else accents = "H\303\251l\303\250ne /Lef\303\250vre"
    print "0 HEAD"; print "1 GEDC"; print "2 VERS 5.5.1"; print "1 CHAR " jeu; n = 4
    while (n < lignes) {
        i++; print "0 @I" i "@ INDI"
        if (i % 10 == 0) print "1 NAME " accents i "/"
        else print "1 NAME Jean /Dupont" i "/"
        n += 2
        for (k = 1; k <= 2 && n < lignes; k++) {
            print "1 " ev[1 + int(rand() * 5)]; n++
            t = gregorien ? 0 : rand(); j = 1 + int(rand() * 28)
            if (t < 0.4) d = j " " m[1 + int(rand() * 12)] " " (1600 + int(rand() * 400))
            else if (t < 0.6) d = "@#DJULIAN@ " j " " m[1 + int(rand() * 12)] " " (1200 + int(rand() * 500))
            else if (t < 0.75) d = "@#DFRENCH R@ " j " " r[1 + int(rand() * 12)] " " (1 + int(rand() * 14))
            else if (t < 0.9) d = "@#DHEBREW@ " j " " h[1 + int(rand() * 12)] " " (5500 + int(rand() * 300))
            else d = "ABT " (1700 + int(rand() * 300))
            print "2 DATE " d; n++
            print "2 PLAC Paris"; n++
            if (extra) {
                print "3 MAP"; print "4 LATI N48.8566"; print "4 LONG E2.3522"
                print "2 NOTE baptis\303\251 \303\240 Saint-Sulpice"
            }
        }
        print "1 SEX M"; n++
    }
}
