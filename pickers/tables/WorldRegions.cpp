#include "pickers/tables/WorldRegions.h"

#include "pickers/tables/WorldBuilder.h"

#include <stdexcept>

using namespace Qt::Literals::StringLiterals;

namespace pickers {

const std::vector<WorldRegion>& worldRegions() {
    static const std::vector<WorldRegion> regions = [] {
        std::vector<WorldRegion> all;
        for (const Family family : {Family::Hythergraph, Family::TwoGraph, Family::Climograph, Family::StepMode}) {
            all.push_back(detail::europe(family));
            all.push_back(detail::russiaMiddleEast(family));
            all.push_back(detail::asia(family));
            all.push_back(detail::africa(family));
            all.push_back(detail::northAmerica(family));
            all.push_back(detail::southAmerica(family));
            all.push_back(detail::oceania(family));
        }
        return all;
    }();
    return regions;
}

const WorldRegion& worldRegion(WorldArea area, Family family) {
    for (const WorldRegion& r : worldRegions()) {
        if (r.area == area && r.family == family) return r;
    }
    throw std::logic_error("no such world picker");
}

QString worldMarkerResource() { return u":/maps/world_marker.gif"_s; }

}  // namespace pickers
