// Golden files of the calendars in use today, from independent npm packages:
//   node scripts/oracles_usage.js NODE_MODULES_DIR TESTS_DONNEES_DIR
// (npm install jalaali-js @tabby_ai/hijri-converter lunar-javascript, outside
// the repository). Run by scripts/generer_oracles_usage.sh, never by the tests.
// Each file is one line per year or month start; the script first checks,
// day by day over the whole range, that those lines determine every day the
// package gives, and says how many days it checked.
'use strict';
const fs = require('fs');
const path = require('path');
const [modules, sortie] = process.argv.slice(2);
const jalaali = require(path.join(modules, 'jalaali-js'));
const hijri = require(path.join(modules, '@tabby_ai/hijri-converter'));
const { LunarYear, Solar } = require(path.join(modules, 'lunar-javascript'));

// Julian Day Number of a Gregorian date and back (Fliegel and Van Flandern).
function jdn(y, m, d) {
    const a = Math.floor((14 - m) / 12), yy = y + 4800 - a, mm = m + 12 * a - 3;
    return d + Math.floor((153 * mm + 2) / 5) + 365 * yy + Math.floor(yy / 4) -
        Math.floor(yy / 100) + Math.floor(yy / 400) - 32045;
}
function gregorien(j) {
    const a = j + 32044, b = Math.floor((4 * a + 3) / 146097), c = a - Math.floor(146097 * b / 4);
    const d = Math.floor((4 * c + 3) / 1461), e = c - Math.floor(1461 * d / 4);
    const m = Math.floor((5 * e + 2) / 153);
    return [100 * b + d - 4800 + Math.floor(m / 10), m + 3 - 12 * Math.floor(m / 10),
        e - Math.floor((153 * m + 2) / 5) + 1];
}
function ecrire(nom, entete, lignes) {
    fs.writeFileSync(path.join(sortie, nom), entete.map(l => '# ' + l + '\n').join('') +
        lignes.join('\n') + '\n');
}

// Iranian: 1 Farvardin of each year 1178-1580 ("annee jdn"); months of 31
// days (1-6), 30 (7-11), and Esfand up to the next year.
{
    const lignes = [];
    const debut = {};
    for (let a = 1178; a <= 1580; ++a) {
        const g = jalaali.toGregorian(a, 1, 1);
        debut[a] = jdn(g.gy, g.gm, g.gd);
        lignes.push(a + ' ' + debut[a]);
    }
    let jours = 0;
    for (let j = debut[1178]; j < debut[1580]; ++j, ++jours) {
        const [y, m, d] = gregorien(j);
        const p = jalaali.toJalaali(y, m, d);
        const r = j - debut[p.jy];
        const mois = r < 186 ? Math.floor(r / 31) + 1 : Math.floor((r - 186) / 30) + 7;
        const jour = r < 186 ? r % 31 + 1 : (r - 186) % 30 + 1;
        if (mois !== p.jm || jour !== p.jd) throw new Error('jalaali ' + j);
    }
    ecrire('iranien_jalaali.txt', ['jalaali-js ' + require(path.join(modules, 'jalaali-js/package.json')).version +
        ': 1 Farvardin of each Iranian year, as "year day-number"', jours + ' days checked against these lines'], lignes);
    console.log('jalaali-js : ' + jours + ' jours');
}

// Umm al-Qura: each month start of 1343-1500 and 1 Muharram 1501 as "year
// month day-number", found by converting every day of the range.
{
    const lignes = [];
    const premier = jdn(1924, 8, 1), dernier = jdn(2077, 11, 16);
    let jours = 0;
    for (let j = premier; j <= dernier; ++j, ++jours) {
        const [y, m, d] = gregorien(j);
        const h = hijri.gregorianToHijri({ year: y, month: m, day: d });
        if (h.day === 1)
            lignes.push(h.year + ' ' + h.month + ' ' + j);
        const g = hijri.hijriToGregorian(h);
        if (g.year !== y || g.month !== m || g.day !== d) throw new Error('hijri ' + j);
    }
    lignes.push('1501 1 ' + (dernier + 1));
    ecrire('ummalqura_hijriconverter.txt', ['@tabby_ai/hijri-converter ' +
        require(path.join(modules, '@tabby_ai/hijri-converter/package.json')).version +
        ': each month start, as "year month day-number"', jours + ' days converted, both ways'], lignes);
    console.log('hijri-converter : ' + jours + ' jours');
}

// Chinese: each month start of the years that begin in 1899-2100, and the
// next new year, as "day-number year month" (a leap month followed by i).
{
    const lignes = [];
    for (let a = 1899; a <= 2101; ++a) {
        for (const m of LunarYear.fromYear(a).getMonthsInYear()) {
            if (a === 2101 && (m.getMonth() !== 1))
                continue;
            const n = m.getMonth();
            lignes.push(m.getFirstJulianDay() + ' ' + m.getYear() + ' ' + Math.abs(n) + (n < 0 ? 'i' : ''));
            if (a === 2101)
                break;
        }
    }
    // Every day of the range against the month starts.
    let jours = 0;
    const debuts = lignes.map(l => l.split(' '));
    for (let k = 0; k + 1 < debuts.length; ++k) {
        for (let j = +debuts[k][0]; j < +debuts[k + 1][0]; ++j, ++jours) {
            const [y, m, d] = gregorien(j);
            const l = Solar.fromYmd(y, m, d).getLunar();
            const n = l.getMonth();
            const attendu = debuts[k][1] + ' ' + debuts[k][2] + ' ' + (j - +debuts[k][0] + 1);
            const vu = l.getYear() + ' ' + Math.abs(n) + (n < 0 ? 'i' : '') + ' ' + l.getDay();
            if (attendu !== vu) throw new Error('lunar ' + j + ': ' + attendu + ' / ' + vu);
        }
    }
    ecrire('chinois_lunarjs.txt', ['lunar-javascript ' +
        require(path.join(modules, 'lunar-javascript/package.json')).version +
        ': each month start, as "day-number year month" (i: leap month)', jours + ' days checked against these lines'], lignes);
    console.log('lunar-javascript : ' + jours + ' jours');
}
