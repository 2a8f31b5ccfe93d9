#include "tools/maps/WorldPlaces.h"

#include "tools/maps/Csv.h"

#include <QStringList>

using namespace Qt::Literals::StringLiterals;

namespace maps {

namespace {

// The stations that no normals source places, by their NOAA ISD identifier (USAF): the
// station of the city, or its airport where the city has no station of its own.
struct IsdStation {
    const char16_t* name;
    const char* usaf;
};
constexpr IsdStation kIsdStations[] = {
    {u"ブリュッセル", "064470"},      // Uccle
    {u"ルクセンブルク", "065900"},    //
    {u"サル", "085940"},              // Amilcar Cabral, Sal
    {u"ブラチスラバ", "118160"},      // M. R. Štefánik
    {u"スコピエ", "135860"},          //
    {u"ルカ・バレッタ", "165970"},    // Luqa
    {u"カウナス", "266290"},          //
    {u"オムスク", "286980"},          //
    {u"カラガンダ", "353940"},        //
    {u"ダマスカス", "400800"},        //
    {u"ベイルート", "401000"},        // Rafic Hariri
    {u"エルサレム", "401840"},        //
    {u"アンマン", "402700"},          // Marka
    {u"バグダッド", "406500"},        //
    {u"カンダハル", "409900"},        //
    {u"マスカット", "412560"},        // Seeb
    {u"ペシャーワル", "415300"},      //
    {u"チェラプンジ", "425150"},      //
    {u"カトマンズ", "444540"},        // Tribhuvan
    {u"ハノイ", "488190"},            // Hanoi (city)
    {u"ハルビン", "509530"},          //
    {u"カシガル", "517090"},          // Kashi
    {u"ランチョウ蘭州", "528890"},    //
    {u"シェンヤン瀋陽", "543420"},    //
    {u"チョンツー成都", "562940"},    // Shuangliu
    {u"シーアン西安", "571310"},      // Jinghe
    {u"ウーハン武漢", "574940"},      // Tianhe
    {u"ヌアクショット", "614420"},    //
    {u"ビサオ", "617660"},            //
    {u"コナクリ", "618320"},          //
    {u"ポートルイス", "619950"},      // Vacoas
    {u"トリポリ", "620100"},          //
    {u"アスマラ", "630210"},          //
    {u"ジブチ", "631250"},            //
    {u"モガディシュ", "632600"},      //
    {u"セーシェル", "639800"},        //
    {u"キガリ", "643870"},            //
    {u"リーブルビル", "645000"},      // Léon M'ba
    {u"ボセンベレ", "646050"},        //
    {u"ンジャメナ", "647000"},        //
    {u"ヤウンデ", "649504"},          // Yaoundé ville
    {u"ポートハーコート", "652500"},  //
    {u"コトヌー", "653440"},          // Cadjehoun
    {u"ロメ", "653870"},              //
    {u"クマシ", "654420"},            //
    {u"ワガドゥーグー", "655030"},    //
    {u"ルアンダ", "661600"},          //
    {u"マプート", "673410"},          //
    {u"カブウェ", "676630"},          //
    {u"Chileka", "676930"},           //
    {u"ハラーレ", "677750"},          //
    {u"プレトリア", "682620"},        //
    {u"アトランタ", "722190"},        //
    {u"ダラス", "722590"},            // Dallas/Fort Worth
    {u"ラスヴェガス", "723860"},      //
    {u"ボストン", "725090"},          // Logan
    {u"デトロイト", "725370"},        //
    {u"ナッソー", "780730"},          //
    {u"サントドミンゴ", "784860"},    //
    {u"グアテマラ", "786410"},        // La Aurora
    {u"サンサルバドル", "786630"},    // Ilopango
    {u"チョルテカ", "787240"},        //
    {u"ブリッジタウン", "789540"},    // Grantley Adams
    {u"トリニダード", "789700"},      // Piarco
    {u"ジョージタウン", "810010"},    //
    {u"パラマリボ", "812000"},        // Zorg en Hoop
    {u"サルヴァドル", "832290"},      //
    {u"リオデジャネイロ", "837430"},  //
    {u"ボストーク基地", "896060"},    //
    {u"ホノルル", "911820"},          //
    {u"アガナ", "912120"},            // Guam
    {u"マジュロ", "913760"},          //
    {u"ホニアラ", "915200"},          //
    {u"タラワ", "916100"},            // Bonriki
    {u"フナフティ", "916430"},        //
    {u"アピア", "917620"},            //
    {u"マダン", "920140"},            //
    {u"オークランド", "931190"},      //
    {u"ウェリントン", "934360"},      //
    {u"キャンベラ", "949260"},        //
};

// Towns that the station history does not list: the town itself.
struct Town {
    const char16_t* name;
    double lon, lat;
};
constexpr Town kTowns[] = {
    {u"ロバーツポート", -11.367, 6.753},
};

std::optional<QPointF> placeOf(const QHash<QString, QString>& record, const QString& latField, const QString& lonField) {
    bool okLat = false, okLon = false;
    const double lat = record.value(latField).toDouble(&okLat);
    const double lon = record.value(lonField).toDouble(&okLon);
    if (!okLat || !okLon || (lat == 0 && lon == 0)) return std::nullopt;
    return QPointF(lon, lat);
}

}  // namespace

std::optional<QHash<QString, QPointF>> readWorldPlaces(const QString& dataFolder, QString* error) {
    const auto coverage = readCsv(dataFolder + u"/coverage.csv"_s, 0, error);
    if (!coverage) return std::nullopt;
    QHash<QString, QString> nameOf;  // station number -> display name
    for (const auto& r : *coverage)
        if (r.value(u"kind"_s) == u"world"_s) nameOf.insert(r.value(u"point_no"_s), r.value(u"display_name"_s));

    QHash<QString, QPointF> places;
    // The normals sources: the station whose values the program shows.
    const QString normals[] = {
        u"/world-normals-official/world_normals_official.csv"_s,
        u"/jma-world-normals-1991-2020/world_normals_insight-journal.csv"_s,
        u"/jma-world-normals-1991-2020/world_normals_1981-2010_eccc.csv"_s,
        u"/jma-world-normals-1991-2020/world_normals_taiwan-cwa.csv"_s,
        u"/jma-world-normals-1991-2020/world_normals_country-map-maker.csv"_s,
    };
    for (const QString& file : normals) {
        const auto records = readCsv(dataFolder + file, 0, error);
        if (!records) return std::nullopt;
        for (const auto& r : *records) {
            const QString name = nameOf.value(r.value(u"program_point_no"_s));
            const auto place = placeOf(r, u"lat"_s, u"lon"_s);
            if (!name.isEmpty() && place && !places.contains(name)) places.insert(name, *place);
        }
    }
    const auto more = readCsv(dataFolder + u"/world-normals-more/world_normals_more.csv"_s, 0, error);
    if (!more) return std::nullopt;
    for (const auto& r : *more) {
        const QString name = nameOf.value(r.value(u"point_no"_s));
        const auto place = placeOf(r, u"lat"_s, u"lon"_s);
        if (!name.isEmpty() && place && !places.contains(name)) places.insert(name, *place);
    }
    // The station history's position in the coverage table.
    for (const auto& r : *coverage) {
        if (r.value(u"kind"_s) != u"world"_s) continue;
        const QString name = r.value(u"display_name"_s);
        const auto place = placeOf(r, u"isd_lat"_s, u"isd_lon"_s);
        if (place && !places.contains(name)) places.insert(name, *place);
    }

    // The station history itself; where it lists a station more than once, the record
    // that runs longest holds.
    const auto isd = readCsv(dataFolder + u"/noaa-isd-station-history/isd-history.csv"_s, 0, error);
    if (!isd) return std::nullopt;
    QHash<QString, std::pair<QString, QPointF>> byUsaf;  // USAF -> (end date, place)
    for (const auto& r : *isd) {
        const QString usaf = r.value(u"USAF"_s);
        const auto place = placeOf(r, u"LAT"_s, u"LON"_s);
        if (!place) continue;
        const QString end = r.value(u"END"_s);
        const auto it = byUsaf.constFind(usaf);
        if (it == byUsaf.cend() || it->first < end) byUsaf.insert(usaf, {end, *place});
    }
    for (const auto& s : kIsdStations) {
        const QString name = QString::fromUtf16(s.name);
        if (places.contains(name)) continue;
        const auto it = byUsaf.constFind(QString::fromLatin1(s.usaf));
        if (it == byUsaf.cend()) {
            *error = u"the station history has no station "_s + QString::fromLatin1(s.usaf) + u" for "_s + name;
            return std::nullopt;
        }
        places.insert(name, it->second);
    }
    for (const auto& t : kTowns) places.insert(QString::fromUtf16(t.name), QPointF(t.lon, t.lat));
    return places;
}

}  // namespace maps
