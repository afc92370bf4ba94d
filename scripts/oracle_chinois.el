;; Each Chinese month start of the years that begin in 1899-2100, by Emacs's
;; Chinese calendar (Debian's emacs-nox, cal-china.el), as "day-number year
;; month" (a leap month followed by i), on standard output:
;;   emacs --batch -l scripts/oracle_chinois.el > tests/donnees/chinois_emacs.txt
;; Run by scripts/generer_oracles_usage.sh, never by the tests.
(require 'cal-china)
(princ (format "# Emacs %s (cal-china.el): each month start, as \"day-number year month\" (i: leap month)\n"
               emacs-version))
(let ((fin nil))
  (dolist (y (number-sequence 1899 2102))
    (let ((avant-un t))
      (dolist (m (calendar-chinese-year y))
        (let* ((numero (car m))
               (jdn (+ (cadr m) 1721425))
               (entier (floor numero))
               (annee (if (and avant-un (/= entier 1)) (1- y) y)))
          (when (= entier 1) (setq avant-un nil))
          (when (and (>= annee 1899) (not fin))
            (princ (format "%d %d %d%s\n" jdn annee entier
                           (if (/= numero entier) "i" "")))
            (when (and (= annee 2101) (= entier 1))
              (setq fin t))))))))
