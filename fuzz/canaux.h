#pragma once

// The channels of a command fed by a fuzzer: the input handed over in pieces
// of every size, the output and the messages kept.

#include "main/lignecommande.h"
#include "main/sortie.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

struct CanauxEssai
{
    explicit CanauxEssai(std::string_view entree) : entree_(entree)
    {
        canaux.lire = [this](char* tampon, std::size_t place) -> std::ptrdiff_t {
            const std::size_t n = std::min({place, entree_.size() - lu_, piece_});
            std::memcpy(tampon, entree_.data() + lu_, n);
            lu_ += n;
            piece_ = piece_ % 9000 + 1 + n % 7; // small and large pieces, across every boundary
            return static_cast<std::ptrdiff_t>(n);
        };
        canaux.ecrire = [this](std::string_view octets) {
            sortie += octets;
            return true;
        };
        canaux.signaler = [this](std::string_view message) {
            messages.emplace_back(message);
        };
    }
    CanauxEssai(const CanauxEssai&) = delete;
    CanauxEssai& operator=(const CanauxEssai&) = delete;

    chronastre::Sortie inutilisee;
    chronastre::Canaux canaux{inutilisee};
    std::string sortie;
    std::vector<std::string> messages;

private:
    std::string_view entree_;
    std::size_t lu_ = 0;
    std::size_t piece_ = 1;
};
