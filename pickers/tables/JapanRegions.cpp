#include "pickers/tables/JapanRegions.h"

#include "pickers/tables/RegionBuilder.h"

using namespace Qt::Literals::StringLiterals;

namespace pickers {

const std::vector<JapanRegion>& japanRegions() {
    static const std::vector<JapanRegion> regions = {
        detail::hokkaido(),       detail::tohoku(), detail::kanto(),   detail::kinkiChubu(),
        detail::chugokuShikoku(), detail::kyushu(), detail::okinawa(),
    };
    return regions;
}

QString markerResource(Marker m) {
    switch (m) {
    case Marker::Ring16: return u":/markers/Marker_Ring16.gif"_s;
    case Marker::Dot16: return u":/markers/Marker_Dot16.gif"_s;
    case Marker::SmallDot16: return u":/markers/Marker_SmallDot16.gif"_s;
    case Marker::Dot31: return u":/markers/Marker_Dot31.gif"_s;
    case Marker::WideDot31: return u":/markers/Marker_WideDot31.gif"_s;
    }
    return {};
}

}  // namespace pickers
