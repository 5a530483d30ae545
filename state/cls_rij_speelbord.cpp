#include "state/cls_rij_speelbord.h"

#include <stdexcept>
#include <string>
#include <utility>

namespace {

void controleer(std::int16_t vak_nummer, std::int16_t team_nummer) {
    if (vak_nummer < 0 || vak_nummer > cls_rij_speelbord::max_vak || team_nummer < 0 ||
        team_nummer > cls_rij_speelbord::max_team) {
        throw std::out_of_range("there is no cell for square " + std::to_string(vak_nummer) +
                                " and team " + std::to_string(team_nummer));
    }
}

} // namespace

const std::shared_ptr<cls_systeem>& cls_rij_speelbord::systeem(std::int16_t vak_nummer,
                                                               std::int16_t team_nummer) const {
    controleer(vak_nummer, team_nummer);
    return m_systemen[static_cast<std::size_t>(vak_nummer)][static_cast<std::size_t>(team_nummer)];
}

void cls_rij_speelbord::systeem(std::int16_t vak_nummer, std::int16_t team_nummer,
                                std::shared_ptr<cls_systeem> let_systeem) {
    controleer(vak_nummer, team_nummer);
    m_systemen[static_cast<std::size_t>(vak_nummer)][static_cast<std::size_t>(team_nummer)] =
        std::move(let_systeem);
}
