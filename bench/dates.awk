# Random valid dates of years 1 to 2100, one "YYYY-MM-DD" line each, the same
# on every run (a fixed seed): the input of the batch measures of
# bench/run.sh and of tests/plancher.sh. Also Julian dates: the Julian
# calendar has every day the Gregorian has.
#   awk -v n=LIGNES -f bench/dates.awk
BEGIN {
    srand(20261208)
    split("31 28 31 30 31 30 31 31 30 31 30 31", longueurs)
    for (i = 0; i < n; i++) {
        a = 1 + int(rand() * 2100); m = 1 + int(rand() * 12); l = longueurs[m]
        if (m == 2 && a % 4 == 0 && (a % 100 != 0 || a % 400 == 0)) l = 29
        printf "%04d-%02d-%02d\n", a, m, 1 + int(rand() * l)
    }
}
