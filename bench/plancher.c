/* The floor of the batch conversion GREGORIEN JULIEN: what any program that
   converts a file of dates must at least do, and nothing more. Block reads,
   a hand parser for the three numbers of a "Y-M-D" line, the same day-number
   arithmetic as the engine (Gregorian date to day number, day number to
   Julian date), a hand writer of "Y M D" lines, block writes. No validation,
   no messages: a line that is not three positive numbers gives garbage.

   bench/run.sh measures it beside `chronastre GREGORIEN JULIEN` on the same
   dates (instructions per line and time), and its output is checked byte for
   byte against chronastre's (tests/plancher.sh): the two do the same work.
     plancher < dates > resultats */
#include <stdio.h>
#include <string.h>
#include <unistd.h>

static char in[1 << 16], out[1 << 17];

/* v in decimal at b; returns the bytes written. */
static size_t put(char* b, long v)
{
    char t[24];
    int n = 0;
    size_t k = 0;
    if (v < 0) {
        b[k++] = '-';
        v = -v;
    }
    do {
        t[n++] = (char)('0' + v % 10);
        v /= 10;
    } while (v);
    while (n)
        b[k++] = t[--n];
    return k;
}

/* floor(a / b). */
static long fdiv(long a, long b)
{
    long q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

/* Writes the n bytes of b to standard output; 0 when it failed. */
static int vider(const char* b, size_t n)
{
    while (n > 0) {
        ssize_t ecrits = write(1, b, n);
        if (ecrits <= 0)
            return 0;
        b += ecrits;
        n -= (size_t)ecrits;
    }
    return 1;
}

int main(void)
{
    size_t o = 0;
    char carry[256];
    size_t nc = 0;
    ssize_t n;
    while ((n = read(0, in, sizeof in)) > 0) {
        size_t i = 0;
        while (i < (size_t)n) {
            char* nl = memchr(in + i, '\n', n - i);
            size_t len = nl ? (size_t)(nl - (in + i)) : n - i;
            char line[256];
            size_t L = 0;
            if (nc) {
                memcpy(line, carry, nc);
                L = nc;
                nc = 0;
            }
            if (L + len >= sizeof line)
                len = sizeof line - 1 - L;
            memcpy(line + L, in + i, len);
            L += len;
            if (!nl) {
                memcpy(carry, line, L);
                nc = L;
                break;
            }
            i += (nl - (in + i)) + 1;
            /* Three numbers, any other byte a separator. */
            long v[3] = {0, 0, 0};
            int k = 0, neg = 0;
            size_t p = 0;
            if (p < L && line[p] == '-') {
                neg = 1;
                p++;
            }
            for (; p < L && k < 3; p++) {
                char c = line[p];
                if (c >= '0' && c <= '9')
                    v[k] = v[k] * 10 + (c - '0');
                else {
                    k++;
                }
            }
            if (neg)
                v[0] = -v[0];
            /* Gregorian date to day number, day number to Julian date. */
            long y = v[0], m = v[1], d = v[2];
            long a = (14 - m) / 12, yy = y + 4800 - a, mm = m + 12 * a - 3;
            long j = d + (153 * mm + 2) / 5 + 365 * yy + fdiv(yy, 4) - fdiv(yy, 100) +
                     fdiv(yy, 400) - 32045;
            long c2 = j + 32082, dd = fdiv(4 * c2 + 3, 1461), e = c2 - fdiv(1461 * dd, 4),
                 m2 = (5 * e + 2) / 153;
            long Y = dd - 4800 + m2 / 10, M = m2 + 3 - 12 * (m2 / 10),
                 D = e - (153 * m2 + 2) / 5 + 1;
            o += put(out + o, Y);
            out[o++] = ' ';
            o += put(out + o, M);
            out[o++] = ' ';
            o += put(out + o, D);
            out[o++] = '\n';
            if (o > sizeof out - 64) {
                if (!vider(out, o))
                    return 1;
                o = 0;
            }
        }
    }
    return vider(out, o) ? 0 : 1;
}
